#include "quant/correction_chain.h"

#include <cmath>
#include <limits>

#include "quant/imfp.h"

namespace slv {

namespace {
constexpr const char* kCannotExciteStart = "The  ";
constexpr const char* kCannotExciteEnd = "  line cannot be excited\r\nby the selected source.\r\n\r\n"
                                         "Line energy changed to give positive kinetic energy.    ";
constexpr const char* kFindingStart = "- ";
constexpr const char* kFindingEnd = "    \r\n";

// A line the source cannot excite is moved to this kinetic energy.
constexpr float kLowestKineticEnergyEv = 1.0f;

/// The IMFP of the line times the attenuation of its electrons by the carbon
/// contamination layer: the depth from which the line's intensity comes.
double AttenuatedIMFP(const Document& doc, const CorrectionTables& corr, int exp, int row)
{
    const double lambda = corr.LineIMFP[exp][row];
    if (corr.CarbonRow == 0)
        return lambda;
    const double reducedThickness = corr.ContamThick[exp];
    if (doc.contaminationMethod() == ContaminationMethod::Evans)
        return lambda * std::exp(-reducedThickness / std::sqrt(static_cast<double>(KineticEnergy(doc, row))));
    // The thickness is counted in IMFPs of the carbon line; rescale it to this line's IMFP.
    const double carbonLambda = corr.LineIMFP[exp][corr.CarbonRow];
    return lambda * std::exp(-reducedThickness * carbonLambda / lambda);
}

float CorrectedIntensity(const Document& doc, const CorrectionTables& corr, int exp, int row, int mode)
{
    const float intensity = doc.Intensity[exp][row];
    if (!HasValue(intensity) || !HasValue(corr.CrossEff[row]) || !HasValue(corr.AngularFactor[exp][row]))
        return kEmptyValue;
    double divisor = static_cast<double>(corr.TransFactor[row]) * corr.CrossEff[row] * corr.AngularFactor[exp][row];
    if (mode == kCorrectAll)
        divisor *= AttenuatedIMFP(doc, corr, exp, row);
    // A vanishing or undefined correction (an angular factor of 0, an attenuation
    // that underflows) leaves the intensity without a corrected value.
    if (!(divisor > 0.0))
        return kEmptyValue;
    return CellValue(intensity / divisor);
}
}  // namespace

float CellValue(double x)
{
    if (!std::isfinite(x) || std::abs(x) > std::numeric_limits<float>::max())
        return kEmptyValue;
    return static_cast<float>(x);
}

void AppendFinding(std::string& errors, std::string_view finding)
{
    errors += kFindingStart;
    errors += finding;
    errors += kFindingEnd;
}

void CheckKineticEnergies(Document& doc, Findings& findings)
{
    for (int row = 1; row <= doc.ElemCount; ++row) {
        if (KineticEnergy(doc, row) >= 0.0f)
            continue;
        findings.error(kCannotExciteStart + doc.ElSymbol[row].trimmedText() + doc.ElLine[row].trimmedText() +
                       kCannotExciteEnd);
        doc.BindEnergy[row] = doc.ExcEnergy - kLowestKineticEnergyEv;
    }
}

void CorrectIntensities(const Document& doc, CorrectionTables& corr, int mode)
{
    for (int exp = 1; exp <= doc.ExpCount; ++exp)
        for (int row = 1; row <= doc.ElemCount; ++row)
            corr.CorrIntensity[exp][row] = CorrectedIntensity(doc, corr, exp, row, mode);
}

}  // namespace slv
