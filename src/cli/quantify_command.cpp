#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/number_options.h"
#include "cli/results_output.h"
#include "quant/quantification.h"
#include "quant/results_table.h"
#include "session/open_file.h"
#include "session/results_view.h"

namespace slv::cli {
namespace {

/// The items of the results error report; any other message shown as its
/// terminal text.
std::vector<std::string> reportedErrors(const Findings& findings)
{
    std::vector<std::string> errors;
    for (const Finding& finding : findings.all()) {
        if (finding.suppressed)
            continue;
        if (finding.heading != kResultsErrorsHeading) {
            errors.push_back(ConsoleText(finding.text));
            continue;
        }
        for (const std::string& item : finding.items)
            errors.push_back(ConsoleText(item));
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
        m_subcommand->add_option("--value", m_refValue, "Value given to the reference row, above 0")
            ->needs(ref)
            ->check(NumberOption(kPositiveNumber));
        m_subcommand->add_flag("--merge-states", m_mergeStates, "Merge the chemical states of each element");
        m_subcommand->add_option("--format", m_format, "text, csv or json")
            ->check(CLI::IsMember({"text", "csv", "json"}));
    }

    int run(std::ostream& out, std::ostream& err) override
    {
        const std::optional<int> chosenType = ResultTypeOption(m_type, err);
        if (!chosenType)
            return kExitUsage;
        const int type = *chosenType;
        OutputFormat format = OutputFormat::Text;
        ParseOutputFormat(m_format, format);

        CliSession cli(err);
        Session& session = cli.session;
        const OpenedFile opened = OpenDocumentFile(session, m_file);
        if (!opened.ok)
            return kExitUnusableInput;
        const Document& doc = session.doc();
        if (!HoldsIntensities(doc, "to quantify", err))
            return kExitUnusableInput;
        if (m_refRow > doc.ElemCount) {
            err << "error: --ref " << m_refRow << " is beyond the " << doc.ElemCount << " element rows\n";
            return kExitUsage;
        }
        {
            auto edit = session.edit(Change::Results);
            QuantResults& res = edit.res;
            res.ResType = type >= 0 ? type : StoredResultType(opened);
            if (m_refRow > 0)
                res.RefElem = m_refRow;
            res.RefValue = static_cast<float>(m_refValue);
            res.MergeStates = m_mergeStates;
        }
        const ShownResults shown = ShowResults(session);
        WriteResults(out, shown.table, format, reportedErrors(shown.findings));
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

std::unique_ptr<Command> makeQuantifyCommand()
{
    return std::make_unique<QuantifyCommand>();
}

}  // namespace slv::cli
