// The predictive IMFP formulas as pure functions of material data and the
// electron's kinetic energy E (eV). Each returns nullopt where the formula has
// no positive finite value (E of 0 or below, a zero denominator, data that
// make a root or logarithm undefined), so that no NaN or infinity can reach a
// table; the callers decide what stands in its place.
//
// Sources:
//   Seah & Dench, Surf. Interface Anal. 1 (1979) 2 (monolayer form, a in nm).
//   Gries, Surf. Interface Anal. 24 (1996) 38 (G-1).
//   Tanuma, Powell & Penn, Surf. Interface Anal. 21 (1994) 165 (TPP-2M).
//   Cumpson & Seah, Surf. Interface Anal. 25 (1997) 430.
#pragma once

#include <optional>

#include "document/parameter_options.h"

namespace slv {

/// Avogadro's number × 10⁻²¹: turns (g/mol) / (g/cm³) into nm³ per atom.
inline constexpr double kAvogadroPerNm3 = 602.2;
inline constexpr double kAngstromPerNm = 10.0;

/// Thickness in nm of one monolayer: a = (A / (ρ × 602.2))^(1/3), A in g/mol
/// per atom, ρ in g/cm³.
std::optional<double> MonolayerThicknessNm(double atomicWeight, double densityGcm3);

/// λ = E^exponent: the Exponential method and, with JablonskiExponent, Jablonski's.
std::optional<double> PowerLawImfp(double kineticEv, double exponent);

/// Jablonski's energy exponent of a material class 1..3; 0 for any other class.
double JablonskiExponent(MaterialClass materialClass);

/// Seah-Dench λ in nm for material class 1 element, 2 inorganic, 3 polymer;
/// A is the mean atomic weight per atom (not used for polymers). nullopt for
/// any other class too.
std::optional<double> SeahDenchImfpNm(MaterialClass materialClass, double meanAtomicWeight, double densityGcm3,
                                      double kineticEv);

/// The Gries constants k1 and k2 of a material class; the element class
/// needs the element's atomic number. nullopt for a class outside 1..3.
struct GriesCoefficients {
    double k1;
    double k2;
};
std::optional<GriesCoefficients> GriesCoefficientsOf(MaterialClass materialClass, int atomicNumber);

/// Gries λ in Å: λ = 10 k1 (V / Z*) E / (log₁₀ E - k2), with V the molar
/// volume per atom in cm³/mol and Z* the effective atomic number.
std::optional<double> GriesImfpAngstrom(const GriesCoefficients& k, double molarVolume, double effectiveZ,
                                        double kineticEv);

/// Material data of the TPP-2M formula, per formula unit.
struct Tpp2mMaterial {
    double valenceElectrons;  // Nv
    double densityGcm3;       // ρ
    double molecularWeight;   // M, g/mol
    double bandGapEv;         // Eg, 0 for a conductor
};

/// TPP-2M λ in Å with the plasmon energy Ep = 28.8 (Nv ρ / M)^½ eV, in the
/// original non-relativistic form of 1994.
std::optional<double> Tpp2mImfpAngstrom(const Tpp2mMaterial& material, double kineticEv);

/// Cumpson-Seah λ in nm from the monolayer thickness a (nm) and the mean
/// atomic number Z̄: λ = 0.316 a^1.5 (E / (Z̄^0.45 (ln(E/27) + 3)) + 4).
std::optional<double> CumpsonSeahImfpNm(double monolayerNm, double meanAtomicNumber, double kineticEv);

}  // namespace slv
