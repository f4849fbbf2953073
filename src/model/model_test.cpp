#include "model/model_test.h"

#include "model/model_name.h"

namespace slv {

namespace {
constexpr const char* kNoIndependentParameterText = "- No independent parameter";
/// Findings that more data can cure: coverage data, or elements left out.
constexpr const char* kCurableMarks[] = {"Supply", "omitted"};
constexpr const char* kNotApplicable = "-";

/// The counts of the summary, taken from the record before it is checked.
void countUnknowns(const Document& doc, ModelSummary& summary)
{
    const bool islandMode = doc.IslandMode == 1;
    const int coverage = islandMode && doc.AutoCov ? 1 : 0;
    int freeLayers = 0;
    int islands = 0;
    int boundIslands = 0;
    for (int k = 1; k <= doc.LayerCount; ++k) {
        if (doc.LayerLink[k] == 0)
            ++freeLayers;
        if (doc.LayerKind[k] == kKindIsland) {
            ++islands;
            if (doc.LayerLink[k] != 0)
                ++boundIslands;
        }
    }
    summary.equations = freeLayers + coverage;
    summary.necessaryElements = summary.equations + 1;
    if (islandMode) {
        summary.islands = islands;
        summary.withinIslands = islands - boundIslands + coverage;
    }
}

bool curableByMoreData(const std::string& message)
{
    for (const char* mark : kCurableMarks)
        if (message.find(mark) != std::string::npos)
            return true;
    return false;
}

std::string countText(const std::optional<int>& count)
{
    return count ? std::to_string(*count) : kNotApplicable;
}
}  // namespace

ModelSummary TestModel(Document& doc, ModelState& model)
{
    ModelSummary summary;
    summary.modelType = ModelName(doc);
    summary.elements = doc.ElemCount;
    summary.layers = doc.LayerCount;
    countUnknowns(doc, summary);

    ModelFindings& findings = summary.findings;
    findings = RunModelChecks(doc, model);
    summary.statusTip = findings.analysed ? kLevel2Tip : kLevel1Tip;
    if (summary.equations < 1) {
        AppendModelLine(findings.message, kNoIndependentParameterText);
        SetBit(findings.errors, kBitTableError);
    }
    model.ModelErrors = findings.errors;

    summary.errorList = findings.message;
    if (findings.errors == 0) {
        summary.errorList = kNoErrorsText;
        summary.status = ModelTestStatus::Clean;
        summary.statusTip = kNoErrorsTip;
    } else if (ModelUsable(findings.errors)) {
        summary.status = ModelTestStatus::Clean;
        summary.statusTip = kWarningsTip;
    } else {
        summary.status = curableByMoreData(findings.message) ? ModelTestStatus::Doubtful : ModelTestStatus::Wrong;
    }
    return summary;
}

std::vector<std::pair<std::string, std::string>> SummaryRows(const ModelSummary& summary)
{
    return {
        {kModelTypeCaption, summary.modelType},
        {kElementsCaption, std::to_string(summary.elements)},
        {kLayersCaption, std::to_string(summary.layers)},
        {kIslandsCaption, countText(summary.islands)},
        {kEquationsCaption, std::to_string(summary.equations)},
        {kNecessaryElementsCaption, std::to_string(summary.necessaryElements)},
        {kWithinIslandsCaption, countText(summary.withinIslands)},
    };
}

}  // namespace slv
