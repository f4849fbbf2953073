#include "quant/imfp_formulas.h"

#include <cmath>

#include "document/document.h"

namespace slv {

namespace {

/// Seah-Dench coefficients: λ = A / E² + B √E, in monolayers for elements and
/// inorganic compounds, in mg/m² for polymers.
constexpr double kSeahDenchElementA = 538.0;
constexpr double kSeahDenchElementB = 0.41;
constexpr double kSeahDenchInorganicA = 2170.0;
constexpr double kSeahDenchInorganicB = 0.72;
constexpr double kSeahDenchPolymerA = 49.0;
constexpr double kSeahDenchPolymerB = 0.11;

constexpr double kJablonskiElementExponent = 0.7283;
constexpr double kJablonskiInorganicExponent = 0.7234;
constexpr double kJablonskiPolymerExponent = 0.7665;

constexpr double kTppPlasmonFactor = 28.8;  // eV, the 1994 value (not 28.816)
constexpr double kTppBeta0 = -0.1;
constexpr double kTppBeta1 = 0.944;
constexpr double kTppBeta2 = 0.069;
constexpr double kTppGamma = 0.191;
constexpr double kTppC0 = 1.97;
constexpr double kTppC1 = 0.91;
constexpr double kTppD0 = 53.4;
constexpr double kTppD1 = 20.8;

constexpr double kCumpsonSeahFactor = 0.316;
constexpr double kCumpsonSeahEnergyScale = 27.0;  // eV
constexpr double kCumpsonSeahLogOffset = 3.0;
constexpr double kCumpsonSeahOffset = 4.0;
constexpr double kCumpsonSeahZExponent = 0.45;

/// The Gries element constants by ranges of atomic number; other elements
/// take kGriesOtherElement.
struct GriesElementRange {
    int firstZ;
    int lastZ;
    GriesCoefficients k;
};
constexpr GriesElementRange kGriesElementRanges[] = {
    {22, 29, {0.002, 1.3}},
    {40, 47, {0.0019, 1.35}},
    {72, 79, {0.0019, 1.45}},
};
constexpr GriesCoefficients kGriesOtherElement{0.0014, 1.1};
constexpr GriesCoefficients kGriesInorganic{0.0019, 1.3};
constexpr GriesCoefficients kGriesPolymer{0.0018, 1.0};

std::optional<double> positiveFinite(double lambda)
{
    if (std::isfinite(lambda) && lambda > 0.0)
        return lambda;
    return std::nullopt;
}

}  // namespace

std::optional<double> MonolayerThicknessNm(double atomicWeight, double densityGcm3)
{
    // pow rather than cbrt: a negative volume has no monolayer thickness.
    return positiveFinite(std::pow(atomicWeight / (densityGcm3 * kAvogadroPerNm3), 1.0 / 3.0));
}

std::optional<double> PowerLawImfp(double kineticEv, double exponent)
{
    return positiveFinite(std::pow(kineticEv, exponent));
}

double JablonskiExponent(MaterialClass materialClass)
{
    switch (materialClass) {
    case MaterialClass::Element: return kJablonskiElementExponent;
    case MaterialClass::Inorganic: return kJablonskiInorganicExponent;
    case MaterialClass::Polymer: return kJablonskiPolymerExponent;
    default: return 0.0;
    }
}

std::optional<double> SeahDenchImfpNm(MaterialClass materialClass, double meanAtomicWeight, double densityGcm3,
                                      double kineticEv)
{
    const double e = kineticEv;
    if (e <= 0.0)
        return std::nullopt;
    if (materialClass == MaterialClass::Polymer)
        return positiveFinite((kSeahDenchPolymerA / (e * e) + kSeahDenchPolymerB * std::sqrt(e)) / densityGcm3);

    double a1 = 0.0;
    double b1 = 0.0;
    if (materialClass == MaterialClass::Element) {
        a1 = kSeahDenchElementA;
        b1 = kSeahDenchElementB;
    } else if (materialClass == MaterialClass::Inorganic) {
        a1 = kSeahDenchInorganicA;
        b1 = kSeahDenchInorganicB;
    } else {
        return std::nullopt;
    }
    const auto a = MonolayerThicknessNm(meanAtomicWeight, densityGcm3);
    if (!a)
        return std::nullopt;
    return positiveFinite(a1 * *a / (e * e) + b1 * std::pow(*a, 1.5) * std::sqrt(e));
}

std::optional<GriesCoefficients> GriesCoefficientsOf(MaterialClass materialClass, int atomicNumber)
{
    switch (materialClass) {
    case MaterialClass::Element:
        for (const auto& range : kGriesElementRanges)
            if (atomicNumber >= range.firstZ && atomicNumber <= range.lastZ)
                return range.k;
        return kGriesOtherElement;
    case MaterialClass::Inorganic: return kGriesInorganic;
    case MaterialClass::Polymer: return kGriesPolymer;
    default: return std::nullopt;
    }
}

std::optional<double> GriesImfpAngstrom(const GriesCoefficients& k, double molarVolume, double effectiveZ,
                                        double kineticEv)
{
    const double e = kineticEv;
    if (e <= 0.0)
        return std::nullopt;
    return positiveFinite(kAngstromPerNm * k.k1 * (molarVolume / effectiveZ) * e / (std::log10(e) - k.k2));
}

std::optional<double> Tpp2mImfpAngstrom(const Tpp2mMaterial& material, double kineticEv)
{
    const double e = kineticEv;
    if (e <= 0.0)
        return std::nullopt;
    const double rho = material.densityGcm3;
    const double u = material.valenceElectrons * rho / material.molecularWeight;
    const double ep = kTppPlasmonFactor * std::sqrt(u);
    const double eg = material.bandGapEv;
    const double beta = kTppBeta0 + kTppBeta1 / std::sqrt(ep * ep + eg * eg) + kTppBeta2 * std::pow(rho, 0.1);
    const double gamma = kTppGamma / std::sqrt(rho);
    const double c = kTppC0 - kTppC1 * u;
    const double d = kTppD0 - kTppD1 * u;
    return positiveFinite(e / (ep * ep * (beta * std::log(gamma * e) - c / e + d / (e * e))));
}

std::optional<double> CumpsonSeahImfpNm(double monolayerNm, double meanAtomicNumber, double kineticEv)
{
    const double e = kineticEv;
    if (e <= 0.0)
        return std::nullopt;
    const double zTerm = std::pow(meanAtomicNumber, kCumpsonSeahZExponent);
    return positiveFinite(
        kCumpsonSeahFactor * std::pow(monolayerNm, 1.5) *
        (e / (zTerm * (std::log(e / kCumpsonSeahEnergyScale) + kCumpsonSeahLogOffset)) + kCumpsonSeahOffset));
}

}  // namespace slv
