#include "quant/quantification.h"

#include <algorithm>
#include <array>

#include "quant/correction_chain.h"
#include "quant/imfp.h"

namespace slv {

namespace {
constexpr const char* kHeadingBreak = "\r\n\r\n";

/// What each result type does with the combined corrected intensities.
struct ResultTypeRecipe {
    bool oxides;   // convert to oxide formula units with the O balance
    int massMode;  // 0, or the MassMode of the weights
    bool ratio;    // ratios to the reference row instead of percentages
};
constexpr std::array<ResultTypeRecipe, kResultTypeCount> kRecipes = {{
    {false, 0, false},             // Atomic %
    {false, 0, true},              // Atomic ratio
    {true, 0, false},              // Oxide molar %
    {true, 0, true},               // Oxide molar ratio
    {false, kMassOfAtoms, false},  // Mass %
    {false, kMassOfAtoms, true},   // Mass ratio
    {true, kMassOfOxides, false},  // Oxide mass %
    {true, kMassOfOxides, true},   // Oxide mass ratio
}};

/// Correction steps 1 to 6: the factors that depend only on the document.
void RunCorrectionChain(const QuantContext& q, std::string& errors)
{
    CheckKineticEnergies(q.doc, q.findings);
    EffectiveCrossSections(q.doc, q.corr);
    ElementTransmissionFactors(q, false, errors);
    LineIMFPs(q, q.doc.imfpMethod());
    AngularFactors(q, UsableAngularMethod(q, false, errors));
    ContaminationThickness(q, errors);
}

/// Without a multiline approach every element row is its own result row.
void UseElementRows(const Document& doc, QuantResults& res)
{
    for (int row = 1; row <= doc.ElemCount; ++row) {
        res.ResSymbol[row] = doc.ElSymbol[row];
        res.ResState[row] = doc.ElState[row];
        res.ResValence[row] = doc.Valence[row];
        res.ResOxygens[row] = doc.Oxygens[row];
        res.ResAtWeight[row] = doc.AtWeight[row];
    }
    res.ResElemCount = doc.ElemCount;
}

void CombineLines(const Document& doc, CorrectionTables& corr, QuantResults& res)
{
    switch (doc.multilineApproach()) {
    case MultilineApproach::Average: AverageMultiline(doc, corr, res, corr.CorrIntensity); break;
    case MultilineApproach::Ebel: EbelMultiline(doc, corr, res); break;
    default: UseElementRows(doc, res); break;
    }
}

/// Every result cell of every experiment, the O balance row included, without a value.
void ClearResults(const Document& doc, QuantResults& res)
{
    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        auto& values = res.ResultValue[exp];
        std::fill(values.begin() + 1, values.begin() + res.ResElemCount + 2, kEmptyValue);
    }
}

/// Converts and normalises into the result type; false when it gives no values.
bool ApplyResultType(const QuantContext& q, int resultType, std::string& errors)
{
    if (resultType < 0 || resultType >= kResultTypeCount)
        return false;
    const ResultTypeRecipe& recipe = kRecipes[static_cast<std::size_t>(resultType)];
    if (recipe.oxides && !OxideConversion(q.doc, q.corr, q.res, errors))
        return false;
    if (recipe.massMode != 0)
        MassConversion(q.doc, q.corr, q.res, recipe.massMode);
    const QuantResults& res = q.res;
    if (recipe.ratio)
        NormalizeResults(q.doc, q.corr, q.res, res.RefElem, res.RefValue > 0.0f ? res.RefValue : 1.0f);
    else
        NormalizeResults(q.doc, q.corr, q.res, 0, 1.0f);
    return true;
}

/// The "Results error(s):" warning that gathers the collected findings.
Finding ResultsErrorsFinding(const std::string& errors)
{
    Finding finding = MessageFinding(FindingKind::Warning, kResultsErrorsHeading + std::string(kHeadingBreak) + errors);
    finding.heading = kResultsErrorsHeading;
    finding.items = ItemsOf(errors);
    return finding;
}

void RatiosOfExperiment(const CorrectionTables& corr, QuantResults& res, int exp, int ref, float value)
{
    const auto& corrected = corr.CorrIntensity[exp];
    auto& values = res.ResultValue[exp];
    const int count = res.ResElemCount;
    const float reference = ref >= 1 && ref <= count ? corrected[ref] : kEmptyValue;
    for (int row = 1; row <= count; ++row) {
        values[row] = reference > 0.0f && HasValue(corrected[row])
                          ? CellValue(static_cast<double>(value) * corrected[row] / reference)
                          : kEmptyValue;
    }
}

void PercentagesOfExperiment(const Document& doc, const CorrectionTables& corr, QuantResults& res, int exp)
{
    const auto& corrected = corr.CorrIntensity[exp];
    auto& values = res.ResultValue[exp];
    const int count = res.ResElemCount;
    const auto counts = [&](int row) { return !doc.ElOmit[row] && HasValue(corrected[row]); };
    double sum = 0.0;
    for (int row = 1; row <= count; ++row)
        if (counts(row))
            sum += corrected[row];
    const double scale = sum > 0.0 ? 100.0 / sum : 0.0;
    for (int row = 1; row <= count; ++row)
        values[row] = counts(row) ? CellValue(scale * corrected[row]) : kEmptyValue;
}
}  // namespace

void Quantify(const QuantContext& q, int resultType)
{
    Document& doc = q.doc;
    QuantResults& res = q.res;
    res.ResElemCount = doc.ElemCount;
    std::fill(doc.ResOxygenMerged.begin() + 1, doc.ResOxygenMerged.begin() + 1 + doc.ElemCount, false);
    std::string errors;
    if (doc.RecalcNeeded) {
        RunCorrectionChain(q, errors);
        doc.RecalcNeeded = false;
    }
    CorrectIntensities(doc, q.corr, kCorrectAll);
    CheckContaminationCarbon(doc, q.corr, errors);
    CombineLines(doc, q.corr, res);
    // Combining lines may leave fewer result rows than the reference row number.
    if (res.RefElem < 1 || res.RefElem > res.ResElemCount)
        res.RefElem = 1;
    if (!ApplyResultType(q, resultType, errors))
        ClearResults(doc, res);
    if (res.MergeStates)
        MergeChemicalStates(doc, res);
    if (!errors.empty())
        q.findings.add(ResultsErrorsFinding(errors));
}

void NormalizeResults(const Document& doc, const CorrectionTables& corr, QuantResults& res, int ref, float value)
{
    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        if (ref != 0)
            RatiosOfExperiment(corr, res, exp, ref, value);
        else
            PercentagesOfExperiment(doc, corr, res, exp);
    }
}

void PreliminaryComposition(const QuantContext& q)
{
    CheckKineticEnergies(q.doc, q.findings);
    EffectiveCrossSections(q.doc, q.corr);
    std::string shownAlready;
    ElementTransmissionFactors(q, true, shownAlready);
    AngularFactors(q, UsableAngularMethod(q, true, shownAlready));
    CorrectIntensities(q.doc, q.corr, kCorrectWithoutAttenuation);
    q.res.ResElemCount = q.doc.ElemCount;
    NormalizeResults(q.doc, q.corr, q.res, 0, 1.0f);
}

}  // namespace slv
