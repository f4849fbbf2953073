#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/printable_text.h"
#include "cli/results_output.h"
#include "document/element_row_text.h"
#include "platform/format_mask.h"
#include "platform/text_encoding.h"
#include "report/parameter_summary.h"

namespace slv::cli {
namespace {

std::string layerKindName(int kind)
{
    return kind == 1 ? "Layer" : kind == 2 ? "Island" : "";
}

std::string layerLinkName(int link)
{
    return link == -1 ? "Fixed" : link > 0 ? "Layer " + std::to_string(link) : "free";
}

void writeModel(std::ostream& out, const Document& doc)
{
    out << "\nModel layers (" << doc.LayerCount << ", lengths in " << PrintableText(doc.UnitText[3].trimmedText())
        << "):\n";
    std::vector<std::vector<std::string>> rows{{"", "Name", "Type", "Link to", "Mol. weight", "Density", "Thickness"}};
    for (int k = 1; k <= doc.LayerCount; ++k)
        rows.push_back(
            {"Layer " + std::to_string(k), AnsiToUtf8(doc.LayerName[k].trimmedText()), layerKindName(doc.LayerKind[k]),
             layerLinkName(doc.LayerLink[k]), FormatNumber(doc.LayerMolWeight[k], "###0.00;;\\ "),
             FormatNumber(doc.LayerDensity[k], "##0.000;;\\ "), FormatNumber(doc.LayerThick[k], "##0.000;\\ ")});
    rows.push_back(
        {doc.modelType() == ModelType::Nanotube ? "Tube" : "Bulk", AnsiToUtf8(doc.LayerName[0].trimmedText()), "", "",
         FormatNumber(doc.LayerMolWeight[0], "###0.00;;\\ "), FormatNumber(doc.LayerDensity[0], "##0.000;;\\ "), ""});
    WriteAlignedTable(out, rows, {true, true, true, true});
    if (doc.IslandMode == 1)
        out << "Coverage: " << FormatNumber(doc.Coverage, "#0.000") << "\n";
}

class InfoCommand final : public FileCommand {
public:
    InfoCommand() : FileCommand("info", "Title, parameters, element table and model of a data set") {}

private:
    int runOpened(CliSession& cli, const OpenedFile&, std::ostream& out, std::ostream&) override
    {
        const Session& session = cli.session;
        const Document& doc = session.doc();
        out << "Title: " << PrintableText(AnsiToUtf8(doc.title())) << "\n";
        out << "\nParameters:\n";
        std::vector<std::vector<std::string>> rows;
        for (const auto& entry : ParameterSummary(doc, session.environment().DecSep)) {
            if (entry.details.empty())
                rows.push_back({entry.label, AnsiToUtf8(entry.value), ""});
            for (std::size_t i = 0; i < entry.details.size(); ++i)
                rows.push_back({i == 0 ? entry.label : "", AnsiToUtf8(entry.details[i].first),
                                AnsiToUtf8(entry.details[i].second)});
        }
        WriteAlignedTable(out, rows, {true, true, true});

        out << "\nElements (" << doc.ElemCount << "):\n";
        std::vector<std::vector<std::string>> elements{{""}};
        for (const char* caption : kElementColumnCaptions)
            elements.front().push_back(caption);
        for (int r = 1; r <= doc.ElemCount; ++r) {
            std::vector<std::string> cells{std::to_string(r)};
            for (const auto& text : ElementRowTexts(doc, r, '.'))
                cells.push_back(AnsiToUtf8(std::string(trimmed(text))));
            elements.push_back(cells);
        }
        WriteAlignedTable(out, elements, {false, true, true, true});
        out << "\nExperiments: " << doc.ExpCount << "\n";
        if (doc.LayerCount > 0)
            writeModel(out, doc);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> makeInfoCommand()
{
    return std::make_unique<InfoCommand>();
}

}  // namespace slv::cli
