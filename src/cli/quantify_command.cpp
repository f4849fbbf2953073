#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/results_output.h"
#include "core/open_file.h"
#include "quant/quantification.h"
#include "quant/results_table.h"

namespace slv::cli {
namespace {

constexpr int kResultTypeBits = 0x0F;

/// The findings of the results error box, one per line without the "- " and
/// the trailing blanks; any other message as its terminal text.
std::vector<std::string> reportedErrors(const std::vector<std::string>& shown, std::size_t from)
{
    std::vector<std::string> errors;
    for (std::size_t i = from; i < shown.size(); ++i) {
        const std::string text = ConsoleText(shown[i]);
        if (text.rfind(kResultsErrorsHeading, 0) != 0) {
            errors.push_back(text);
            continue;
        }
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            const std::string line = text.substr(start, end - start);
            if (line.rfind("- ", 0) == 0)
                errors.push_back(line.substr(2));
            start = end + 1;
        }
    }
    return errors;
}

class QuantifyCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("quantify", "Composition of a data set in one of the eight result types");
        m_subcommand->add_option("file", m_file, "Data (.lvd), template (.lvt) or exchange (.lvx) file")->required();
        m_subcommand->add_option("--type", m_type, "Result type: 0..7 or its name, e.g. \"Atomic %\"");
        auto* ref = m_subcommand->add_option("--ref", m_refRow, "Reference result row of the ratio types (1-based)")
                        ->check(CLI::PositiveNumber);
        m_subcommand->add_option("--value", m_refValue, "Value given to the reference row")->needs(ref);
        m_subcommand->add_flag("--merge-states", m_mergeStates, "Merge the chemical states of each element");
        m_subcommand->add_option("--format", m_format, "text, csv or json")
            ->check(CLI::IsMember({"text", "csv", "json"}));
    }

    int run(std::ostream& out, std::ostream& err) override
    {
        int type = -1;
        if (!m_type.empty() && (type = ResultTypeFromText(m_type)) < 0) {
            err << "error: unknown result type \"" << m_type << "\"; use 0..7 or one of the names\n";
            return kExitUsage;
        }
        OutputFormat format = OutputFormat::Text;
        ParseOutputFormat(m_format, format);

        CliSession cli(err);
        Session& session = cli.session;
        const OpenedFile opened = OpenDocumentFile(session, m_file);
        if (!opened.ok)
            return kExitUnusableInput;
        if (session.doc.ElemCount == 0 || session.doc.ExpCount == 0) {
            err << "error: the file holds no " << (session.doc.ElemCount == 0 ? "element rows" : "intensities")
                << " to quantify\n";
            return kExitUnusableInput;
        }
        session.res.ResType = type >= 0 ? type : opened.exampleLayout & kResultTypeBits;
        if (session.res.ResType >= kResultTypeCount)
            session.res.ResType = kAtomicPercent;
        if (m_refRow > 0) {
            if (m_refRow > session.doc.ElemCount) {
                err << "error: --ref " << m_refRow << " is beyond the " << session.doc.ElemCount << " element rows\n";
                return kExitUsage;
            }
            session.res.RefElem = m_refRow;
        }
        session.res.RefValue = static_cast<float>(m_refValue);
        session.res.MergeStates = m_mergeStates;

        const std::size_t before = cli.dialogs.shown().size();
        const ResultsTable table = FillResults(session);
        WriteResults(out, table, format, reportedErrors(cli.dialogs.shown(), before));
        return kExitOk;
    }

private:
    std::string m_file;
    std::string m_type;
    int m_refRow = 0;
    double m_refValue = 1.0;
    bool m_mergeStates = false;
    std::string m_format = "text";
};

}  // namespace

std::unique_ptr<Command> makeQuantifyCommand() { return std::make_unique<QuantifyCommand>(); }

}  // namespace slv::cli
