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
void RunCorrectionChain(Session& session, std::string& errors)
{
    CheckKineticEnergies(session);
    EffectiveCrossSections(session);
    ElementTransmissionFactors(session, false, errors);
    LineIMFPs(session, session.doc.imfpMethod());
    AngularFactors(session, session.doc.angularMethod());
    ContaminationThickness(session, errors);
}

/// Without a multiline approach every element row is its own result row.
void UseElementRows(Session& session)
{
    const Document& doc = session.doc;
    QuantResults& res = session.res;
    for (int row = 1; row <= doc.ElemCount; ++row) {
        res.ResSymbol[row] = doc.ElSymbol[row];
        res.ResState[row] = doc.ElState[row];
        res.ResValence[row] = doc.Valence[row];
        res.ResOxygens[row] = doc.Oxygens[row];
        res.ResAtWeight[row] = doc.AtWeight[row];
    }
    res.ResElemCount = doc.ElemCount;
}

void CombineLines(Session& session)
{
    switch (session.doc.multilineApproach()) {
    case MultilineApproach::Average: AverageMultiline(session, session.corr.CorrIntensity); break;
    case MultilineApproach::Ebel: EbelMultiline(session); break;
    default: UseElementRows(session); break;
    }
}

/// Every result cell of every experiment, the O balance row included, without a value.
void ClearResults(Session& session)
{
    for (int exp = 1; exp <= session.doc.ExpCount; ++exp) {
        auto& values = session.res.ResultValue[exp];
        std::fill(values.begin() + 1, values.begin() + session.res.ResElemCount + 2, kEmptyValue);
    }
}

/// Converts and normalises into the result type; false when it gives no values.
bool ApplyResultType(Session& session, int resultType, std::string& errors)
{
    if (resultType < 0 || resultType >= kResultTypeCount)
        return false;
    const ResultTypeRecipe& recipe = kRecipes[static_cast<std::size_t>(resultType)];
    if (recipe.oxides && !OxideConversion(session, errors))
        return false;
    if (recipe.massMode != 0)
        MassConversion(session, recipe.massMode);
    const QuantResults& res = session.res;
    if (recipe.ratio)
        NormalizeResults(session, res.RefElem, res.RefValue > 0.0f ? res.RefValue : 1.0f);
    else
        NormalizeResults(session, 0, 1.0f);
    return true;
}

/// The "Results error(s):" box. After a box has been shown the next report is
/// swallowed once, so that a window refilling itself right after the box does
/// not show the same problems twice.
void ShowResultsErrors(Session& session, const std::string& errors)
{
    if (errors.empty())
        return;
    if (session.Closing) {
        session.Closing = false;
        return;
    }
    session.dialogs.show(kResultsErrorsHeading + std::string(kHeadingBreak) + errors, MessageIcon::Exclamation);
    session.Closing = true;
}

void RatiosOfExperiment(Session& session, int exp, int ref, float value)
{
    const auto& corrected = session.corr.CorrIntensity[exp];
    auto& values = session.res.ResultValue[exp];
    const int count = session.res.ResElemCount;
    const float reference = ref >= 1 && ref <= count ? corrected[ref] : kEmptyValue;
    for (int row = 1; row <= count; ++row) {
        values[row] = reference > 0.0f && HasValue(corrected[row])
                          ? CellValue(static_cast<double>(value) * corrected[row] / reference)
                          : kEmptyValue;
    }
}

void PercentagesOfExperiment(Session& session, int exp)
{
    const auto& corrected = session.corr.CorrIntensity[exp];
    auto& values = session.res.ResultValue[exp];
    const int count = session.res.ResElemCount;
    const auto counts = [&](int row) { return !session.doc.ElOmit[row] && HasValue(corrected[row]); };
    double sum = 0.0;
    for (int row = 1; row <= count; ++row)
        if (counts(row))
            sum += corrected[row];
    const double scale = sum > 0.0 ? 100.0 / sum : 0.0;
    for (int row = 1; row <= count; ++row)
        values[row] = counts(row) ? CellValue(scale * corrected[row]) : kEmptyValue;
}
}  // namespace

void Quantify(Session& session, int resultType)
{
    Document& doc = session.doc;
    QuantResults& res = session.res;
    res.ResElemCount = doc.ElemCount;
    std::fill(doc.ResOxygenMerged.begin() + 1, doc.ResOxygenMerged.begin() + 1 + doc.ElemCount, false);
    std::string errors;
    if (doc.RecalcNeeded) {
        RunCorrectionChain(session, errors);
        doc.RecalcNeeded = false;
    }
    CorrectIntensities(session, kCorrectAll);
    CombineLines(session);
    // Combining lines may leave fewer result rows than the reference row number.
    if (res.RefElem < 1 || res.RefElem > res.ResElemCount)
        res.RefElem = 1;
    if (!ApplyResultType(session, resultType, errors))
        ClearResults(session);
    if (res.MergeStates)
        MergeChemicalStates(session);
    ShowResultsErrors(session, errors);
}

void NormalizeResults(Session& session, int ref, float value)
{
    for (int exp = 1; exp <= session.doc.ExpCount; ++exp) {
        if (ref != 0)
            RatiosOfExperiment(session, exp, ref, value);
        else
            PercentagesOfExperiment(session, exp);
    }
}

void PreliminaryComposition(Session& session)
{
    CheckKineticEnergies(session);
    EffectiveCrossSections(session);
    std::string shownAlready;
    ElementTransmissionFactors(session, true, shownAlready);
    AngularFactors(session, session.doc.angularMethod());
    CorrectIntensities(session, kCorrectWithoutAttenuation);
    session.res.ResElemCount = session.doc.ElemCount;
    NormalizeResults(session, 0, 1.0f);
}

}  // namespace slv
