#include <cmath>
#include <optional>
#include <string>

#include "quant/correction_chain.h"

namespace slv {

namespace {
constexpr double kRadianPerDegree = 0.017453292519943278;
constexpr double kFourPi = 12.56637061435916;
// Ebel's reduction of the asymmetry parameter by elastic scattering in a
// matrix of mean atomic weight A (g/mol): g = 1.0205 exp(-0.0093356 A).
constexpr double kEbelAmplitude = 1.0205;
constexpr double kEbelDecayPerAtomicWeight = 0.0093356;
constexpr float kFullTurnDeg = 360.0f;

/// P = (3/2 sin^2(theta) - 1) / 2 for the source-analyser angle theta: the
/// angular term of the photoemission cross section for unpolarised X-rays,
/// zero at the magic angle 54.7356 degrees (Reilman, Msezane, Manson 1976).
double AsymmetryTerm(float sourceAnalyserAngleDeg)
{
    const double s = std::sin(sourceAnalyserAngleDeg * kRadianPerDegree);
    return (1.5 * s * s - 1.0) / 2.0;
}

/// (1 + g beta P) / 4 pi, or -1 for a line without an asymmetry parameter.
float AngularFactorOf(float beta, double g, double asymmetryTerm)
{
    if (!(beta > kNoAsymmetry))
        return kEmptyValue;
    return CellValue((1.0 + g * beta * asymmetryTerm) / kFourPi);
}

void ReilmanFactors(const Document& doc, CorrectionTables& corr, double asymmetryTerm)
{
    ExpRowTable<float>& factors = corr.AngularFactor;
    for (int row = 1; row <= doc.ElemCount; ++row)
        factors[1][row] = AngularFactorOf(doc.Asymmetry[row], 1.0, asymmetryTerm);
    for (int exp = 2; exp <= doc.ExpCount; ++exp)
        factors[exp] = factors[1];
}

/// The composition-weighted mean atomic weight of an experiment from its
/// corrected intensities; none when no line has a positive intensity.
std::optional<double> MeanAtomicWeight(const Document& doc, const CorrectionTables& corr, int exp)
{
    double weighted = 0.0;
    double total = 0.0;
    for (int row = 1; row <= doc.ElemCount; ++row) {
        const float intensity = corr.CorrIntensity[exp][row];
        if (!HasValue(intensity))
            continue;
        weighted += static_cast<double>(intensity) * doc.AtWeight[row];
        total += intensity;
    }
    if (!(total > 0.0))
        return std::nullopt;
    return weighted / total;
}

void ReilmanEbelFactors(const QuantContext& q, double asymmetryTerm)
{
    ReilmanFactors(q.doc, q.corr, asymmetryTerm);
    // The weights of the composition come from intensities corrected with the plain Reilman factors.
    CheckKineticEnergies(q.doc, q.findings);
    EffectiveCrossSections(q.doc, q.corr);
    std::string shownAlready;
    ElementTransmissionFactors(q, true, shownAlready);
    CorrectIntensities(q.doc, q.corr, kCorrectWithoutAttenuation);

    const Document& doc = q.doc;
    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        // Without any intensity the matrix is unknown: the experiment keeps the Reilman factors.
        const std::optional<double> meanAtomicWeight = MeanAtomicWeight(doc, q.corr, exp);
        if (!meanAtomicWeight)
            continue;
        const double g = kEbelAmplitude * std::exp(-kEbelDecayPerAtomicWeight * *meanAtomicWeight);
        for (int row = 1; row <= doc.ElemCount; ++row)
            q.corr.AngularFactor[exp][row] = AngularFactorOf(doc.Asymmetry[row], g, asymmetryTerm);
    }
}
}  // namespace

AngularMethod UsableAngularMethod(const QuantContext& q, bool showMessage, std::string& errors)
{
    const AngularMethod method = q.doc.angularMethod();
    const float angle = q.doc.sourceAnalyserAngle();
    if (method == AngularMethod::None || (angle > 0.0f && angle < kFullTurnDeg))
        return method;
    AppendFinding(errors, kInvalidAngleText);
    if (showMessage)
        q.findings.warning(std::string(kInvalidAngleText) + std::string(kFindingTail));
    return AngularMethod::None;
}

void AngularFactors(const QuantContext& q, AngularMethod method)
{
    const double asymmetryTerm = AsymmetryTerm(q.doc.sourceAnalyserAngle());
    switch (method) {
    case AngularMethod::Reilman: ReilmanFactors(q.doc, q.corr, asymmetryTerm); break;
    case AngularMethod::ReilmanEbel: ReilmanEbelFactors(q, asymmetryTerm); break;
    default:  // None, and any unknown code: no angular correction
        for (auto& experiment : q.corr.AngularFactor)
            experiment.fill(1.0f);
        break;
    }
}

}  // namespace slv
