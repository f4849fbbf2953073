#include <algorithm>
#include <cctype>
#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "render_qt/gui_application.h"
#include "render_qt/pdf_report.h"
#include "report/report_job.h"
#include "report/report_options.h"
#include "session/open_file.h"
#include "session/session_report_data.h"

namespace slv::cli {
namespace {

/// Section words of --sections and the PrintWhat entry each selects.
struct SectionWord {
    const char* word;
    int section;
};
constexpr SectionWord kSectionWords[] = {
    {"parameters", kPrintParameters}, {"elements", kPrintElements},
    {"intensity", kPrintIntensity},   {"imfp", kPrintImfp},
    {"model", kPrintModel},           {"notes", kPrintNotes},
    {"filename", kPrintFileName},
};
/// The results in the type the file was saved with (for a structure model the layer thicknesses).
constexpr const char* kStoredResultsWord = "results";

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

class ReportCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("report", "Print the report of a data set into a PDF file");
        m_subcommand->add_option("file", m_file, "Data (.lvd), template (.lvt) or exchange (.lvx) file")->required();
        m_subcommand->add_option("--pdf", m_pdf, "The PDF file to write")->required();
        m_subcommand
            ->add_option("--sections", m_sections,
                         "Comma-separated sections: parameters, elements, intensity, imfp, model, notes, filename, "
                         "results (the stored result type) and result type names such as \"Atomic %\"; default: "
                         "filename, parameters, elements, intensity, the stored result type, and the model data "
                         "of a structure model")
            ->delimiter(',');
    }

    int run(std::ostream&, std::ostream& err) override
    {
        PrintOptions chosen;
        bool storedResults = m_sections.empty();
        if (!m_sections.empty() && !parseSections(chosen, storedResults, err))
            return kExitUsage;

        CliSession cli(err);
        Session& session = cli.session;
        const OpenedFile opened = OpenDocumentFile(session, m_file);
        if (!opened.ok)
            return kExitUnusableInput;
        session.edit(Change::Results).res.ResType = StoredResultType(opened);
        PrintOptions options = session.print();
        options.PrintWhat = m_sections.empty() ? defaultSections(session.doc()) : chosen.PrintWhat;
        if (storedResults)
            options.PrintWhat[kPrintFirstResultType + session.results().ResType] = 1;

        const RenderingApplication application;
        SessionReportData data(session, LongDateToday());
        const std::string failure = WritePdfReport(m_pdf, session.doc().title(), [&](ReportDevice& device) {
            ReportPage page(device);
            PrintJob job(page, session.doc(), data, session.environment().DecSep);
            job.PrintSelected(options);
            job.Eject();
        });
        if (!failure.empty()) {
            err << "error: the report could not be written to " << m_pdf << ": " << failure << "\n";
            return kExitUnusableInput;
        }
        return kExitOk;
    }

private:
    bool parseSections(PrintOptions& options, bool& storedResults, std::ostream& err) const
    {
        for (const std::string& given : m_sections) {
            const std::string word = lowerCase(std::string(trimmed(given)));
            const auto known = std::find_if(std::begin(kSectionWords), std::end(kSectionWords),
                                            [&](const SectionWord& s) { return word == s.word; });
            if (known != std::end(kSectionWords)) {
                options.PrintWhat[known->section] = 1;
                continue;
            }
            if (word == kStoredResultsWord) {
                storedResults = true;
                continue;
            }
            int type = 0;
            while (type < kResultTypeCount && lowerCase(ResultTypeName(type)) != word)
                ++type;
            if (type == kResultTypeCount) {
                err << "error: unknown report section \"" << given << "\"; use parameters, elements, intensity, "
                    << "imfp, model, notes, filename, results or a result type name such as \"Atomic %\"\n";
                return false;
            }
            options.PrintWhat[kPrintFirstResultType + type] = 1;
        }
        return true;
    }

    /// File name, parameters, elements, intensities, the results in the
    /// stored type; for a structure model its data and layer thicknesses.
    std::array<Integer, kPrintSectionCount> defaultSections(const Document& doc) const
    {
        std::array<Integer, kPrintSectionCount> what{};
        for (const int section : {kPrintFileName, kPrintParameters, kPrintElements, kPrintIntensity})
            what[section] = 1;
        if (doc.modelMode())
            what[kPrintModel] = 1;
        return what;
    }

    std::string m_file;
    std::string m_pdf;
    std::vector<std::string> m_sections;
};

}  // namespace

std::unique_ptr<Command> makeReportCommand()
{
    return std::make_unique<ReportCommand>();
}

}  // namespace slv::cli
