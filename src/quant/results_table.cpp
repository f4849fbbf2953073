#include "quant/results_table.h"

#include <cmath>

#include "platform/format_mask.h"
#include "platform/number_text.h"
#include "quant/quantification.h"

namespace slv {

namespace {

// The list order of the results window (index = ResType).
const char* const kResultTypeList[kResultTypeCount] = {"Atomic %", "Atomic ratio", "Oxide molar %", "Oxide molar ratio",
                                                       "Mass %",   "Mass ratio",   "Oxide mass %",  "Oxide mass ratio"};

constexpr int kTimeLabel = 2;
constexpr int kTiltLabel = 3;
constexpr int kTemperatureLabel = 4;

/// Cation atoms per oxide formula unit: 2 x oxygens / valence, rounded; 1
/// when the valence or the count is 0.
int cationCount(int oxygens, int valence)
{
    if (valence == 0)
        return 1;
    const int count = static_cast<int>(std::lround(2.0 * oxygens / valence));
    return count == 0 ? 1 : count;
}

std::string joined(const std::string& a, const std::string& b)
{
    return std::string(trimmed(a + " " + b));
}

std::string resultColumnHeader(const Document& doc, const QuantResults& res, int r)
{
    if (IsOxideType(res.ResType))
        return OxideFormula(res, r);
    if (res.MergeStates)
        return res.ResSymbol[r].trimmedText();
    const bool multilineApproach =
        doc.multilineApproach() == MultilineApproach::Average || doc.multilineApproach() == MultilineApproach::Ebel;
    if (multilineApproach || !res.MultiLineFound)
        return joined(res.ResSymbol[r].trimmedText(), res.ResState[r].trimmedText());
    // Without a multiline approach result row r is element row r.
    return joined(res.ResSymbol[r].trimmedText() + doc.ElLine[r].trimmedText(), res.ResState[r].trimmedText());
}

}  // namespace

bool IsRatioType(int resultType)
{
    return resultType % 2 == 1;
}

bool IsOxideType(int resultType)
{
    return resultType == kOxideMolarPercent || resultType == kOxideMolarRatio || resultType == kOxideMassPercent ||
           resultType == kOxideMassRatio;
}

std::string ResultTypeName(int resultType)
{
    return resultType >= 0 && resultType < kResultTypeCount ? kResultTypeList[resultType] : "";
}

int ResultTypeFromText(const std::string& text)
{
    const std::string_view t = trimmed(text);
    for (int type = 0; type < kResultTypeCount; ++type)
        if (t == kResultTypeList[type])
            return type;
    if (const auto n = ConvertInteger(t, '.');
        n && *n >= 0 && *n < kResultTypeCount && t.find('.') == std::string_view::npos)
        return *n;
    return -1;
}

std::string LabelColumnHeader(const Document& doc, int label, bool resultsGrid)
{
    if (resultsGrid && label == kTimeLabel && doc.DepthScale == 1) {
        const std::string unit = doc.UnitText[3].trimmedText();
        return unit.empty() ? "Depth" : "Depth (" + unit + ")";
    }
    const std::string name = doc.LabelName[label].trimmedText();
    switch (label) {
    case kTimeLabel: return name + " (" + doc.UnitText[0].trimmedText() + ")";
    case kTiltLabel: return name + " (" + doc.UnitText[1].trimmedText() + ")";
    case kTemperatureLabel: return name + " (" + doc.UnitText[2].trimmedText() + ")";
    default: return name;
    }
}

std::string ElementColumnHeader(const Document& doc, int row, bool showLines)
{
    const std::string symbol = doc.ElSymbol[row].trimmedText() + (showLines ? doc.ElLine[row].trimmedText() : "");
    return joined(symbol, doc.ElState[row].trimmedText());
}

std::string OxideFormula(const QuantResults& res, int resultRow)
{
    const int oxygens = res.ResOxygens[resultRow];
    const std::string symbol = res.ResSymbol[resultRow].trimmedText();
    if (oxygens == 0)
        return symbol;
    const int cations = cationCount(oxygens, res.ResValence[resultRow]);
    return symbol + (cations > 1 ? std::to_string(cations) : "") + "O" + (oxygens > 1 ? std::to_string(oxygens) : "");
}

std::string ResultLabelText(const Document& doc, int experiment, int label, char decSep)
{
    const std::string text = doc.LabelText[experiment][label + 1].trimmedText();
    if (label == kTimeLabel && doc.DepthScale == 1 && !text.empty())
        return FormatNumber(ParseSingle(text, decSep) * doc.sputterRate(), kDepthMask, decSep);
    return text;
}

ResultsTable FillResults(const QuantContext& q)
{
    Document& doc = q.doc;
    QuantResults& res = q.res;
    if (res.RefValue <= 0.0f)
        res.RefValue = 1.0f;
    if (res.RefElem <= 0 || res.RefElem > doc.ElemCount)
        res.RefElem = 1;
    for (int row = 1; row <= doc.ElemCount; ++row)
        doc.ResOxygenMerged[row] = false;
    // A merge of chemical states is not offered with the oxide types.
    if (IsOxideType(res.ResType))
        res.MergeStates = false;
    Quantify(q, res.ResType);

    ResultsTable table;
    table.resultType = res.ResType;
    table.valueMask = IsRatioType(res.ResType) ? kRatioMask : kPercentMask;
    table.hasOBalance = IsOxideType(res.ResType);
    std::vector<int> labels;
    for (int k = 1; k < kLabelsPerExperiment; ++k)
        if (doc.LabelSelect[k] == 1) {
            labels.push_back(k);
            table.labelHeaders.push_back(LabelColumnHeader(doc, k, true));
        }
    for (int r = 1; r <= res.ResElemCount; ++r)
        table.valueHeaders.push_back(resultColumnHeader(doc, res, r));

    for (int e = 1; e <= doc.ExpCount; ++e) {
        ResultsTable::Row row;
        row.number = e;
        row.omitted = doc.ExpOmit[e];
        for (const int k : labels)
            row.labels.push_back(ResultLabelText(doc, e, k, q.env.DecSep));
        for (int r = 1; r <= res.ResElemCount; ++r)
            row.values.push_back(res.ResultValue[e][r]);
        if (table.hasOBalance)
            row.oBalance = res.ResultValue[e][res.OBalanceRow];
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace slv
