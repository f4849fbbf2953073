#include <gtest/gtest.h>

#include <cmath>

#include "document/document.h"
#include "quant/imfp_formulas.h"

namespace slv {
namespace {

/// Relative agreement within tol, with a readable failure.
::testing::AssertionResult nearRelative(std::optional<double> actual, double expected, double tol)
{
    if (!actual)
        return ::testing::AssertionFailure() << "no value, expected " << expected;
    if (std::fabs(*actual / expected - 1.0) > tol)
        return ::testing::AssertionFailure() << *actual << " differs from " << expected << " by more than " << tol * 100
                                             << " %";
    return ::testing::AssertionSuccess();
}

// TPP-2M in the original non-relativistic form with Ep = 28.8 (Nv ρ / M)^½
// (not 28.816, no relativistic factor). Inputs and λ in Å from the TPP-2M
// table of the validation anchors (Tanuma, Powell & Penn, SIA 21 (1994) 165,
// evaluated for these inputs and rounded to 0.01 Å, hence the 0.1 % tolerance).
TEST(ImfpFormulas, Tpp2mReproducesTheReferenceTable)
{
    struct Case {
        const char* material;
        Tpp2mMaterial data;
        double at500, at1000, at1486;
    };
    const Case cases[] = {
        {"Au", {11, 19.32, 196.97, 0.0}, 7.65, 12.30, 16.48},
        {"Ag", {11, 10.50, 107.87, 0.0}, 9.04, 14.75, 19.88},
        {"Cu", {11, 8.96, 63.55, 0.0}, 9.40, 15.45, 20.88},
        {"Si", {4, 2.33, 28.09, 1.1}, 14.12, 23.86, 32.65},
        {"Al", {3, 2.70, 26.98, 0.0}, 14.03, 23.67, 32.36},
        {"SiO2", {16, 2.19, 60.08, 9.0}, 18.11, 30.25, 41.26},
        {"Al2O3", {24, 3.97, 101.96, 8.8}, 15.17, 25.04, 33.98},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.material);
        EXPECT_TRUE(nearRelative(Tpp2mImfpAngstrom(c.data, 500.0), c.at500, 1e-3));
        EXPECT_TRUE(nearRelative(Tpp2mImfpAngstrom(c.data, 1000.0), c.at1000, 1e-3));
        EXPECT_TRUE(nearRelative(Tpp2mImfpAngstrom(c.data, 1486.6), c.at1486, 1e-3));
    }
}

// Seah & Dench, SIA 1 (1979) 2; reference values from the validation anchors
// (Au 4f7/2 in Au, Si 2p in Si and in SiO2 with three atoms per formula unit,
// organic C 1s at density 1) and Cu: a = 0.2275 nm, λ(1000 eV) ≈ 1.41 nm.
TEST(ImfpFormulas, SeahDenchByMaterialClass)
{
    EXPECT_TRUE(nearRelative(MonolayerThicknessNm(63.55, 8.96), 0.2275, 5e-4));
    EXPECT_TRUE(nearRelative(SeahDenchImfpNm(kClassElement, 63.55, 8.96, 1000.0), 1.41, 3e-3));
    EXPECT_TRUE(nearRelative(SeahDenchImfpNm(kClassElement, 196.97, 19.32, 1402.6), 1.998, 1e-3));
    EXPECT_TRUE(nearRelative(SeahDenchImfpNm(kClassElement, 28.09, 2.33, 1387.3), 2.161, 1e-3));
    EXPECT_TRUE(nearRelative(SeahDenchImfpNm(kClassInorganic, 60.08 / 3, 2.19, 1383.1), 3.300, 1e-3));
    EXPECT_TRUE(nearRelative(SeahDenchImfpNm(kClassPolymer, 0.0, 1.0, 1202.0), 3.814, 1e-3));
    // The polymer form scales with 1/ρ and ignores the atomic weight.
    EXPECT_TRUE(nearRelative(SeahDenchImfpNm(kClassPolymer, 99.0, 2.0, 1202.0), 3.814 / 2, 1e-3));
    EXPECT_FALSE(SeahDenchImfpNm(kClassNone, 63.55, 8.96, 1000.0));
    EXPECT_FALSE(SeahDenchImfpNm(4, 63.55, 8.96, 1000.0));
}

// Cumpson & Seah, SIA 25 (1997) 430; values from the validation anchors.
TEST(ImfpFormulas, CumpsonSeahReferenceValues)
{
    struct Case {
        const char* line;
        double molWeightPerAtom, density, meanZ, energy, lambdaNm;
    };
    const Case cases[] = {
        {"Au 4f7/2 in Au", 196.97, 19.32, 79, 1402.6, 1.326},
        {"Si 2p in Si", 28.09, 2.33, 14, 1387.3, 2.905},
        {"Si 2p in SiO2", 60.08 / 3, 2.19, 10, 1383.1, 2.911},
        {"Al 2p in Al", 26.98, 2.70, 13, 1413.8, 2.771},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto a = MonolayerThicknessNm(c.molWeightPerAtom, c.density);
        ASSERT_TRUE(a);
        EXPECT_TRUE(nearRelative(CumpsonSeahImfpNm(*a, c.meanZ, c.energy), c.lambdaNm, 1e-3));
    }
}

TEST(ImfpFormulas, GriesCoefficientsByClassAndAtomicNumber)
{
    struct Case {
        int materialClass, atomicNumber;
        double k1, k2;
    };
    const Case cases[] = {
        {kClassElement, 29, 0.002, 1.3},    {kClassElement, 22, 0.002, 1.3},    {kClassElement, 21, 0.0014, 1.1},
        {kClassElement, 30, 0.0014, 1.1},   {kClassElement, 40, 0.0019, 1.35},  {kClassElement, 47, 0.0019, 1.35},
        {kClassElement, 72, 0.0019, 1.45},  {kClassElement, 79, 0.0019, 1.45},  {kClassElement, 80, 0.0014, 1.1},
        {kClassInorganic, 29, 0.0019, 1.3}, {kClassPolymer, 6, 0.0018, 1.0},
    };
    for (const auto& c : cases) {
        const auto k = GriesCoefficientsOf(c.materialClass, c.atomicNumber);
        ASSERT_TRUE(k) << "class " << c.materialClass << " Z " << c.atomicNumber;
        EXPECT_DOUBLE_EQ(k->k1, c.k1) << "Z " << c.atomicNumber;
        EXPECT_DOUBLE_EQ(k->k2, c.k2) << "Z " << c.atomicNumber;
    }
    EXPECT_FALSE(GriesCoefficientsOf(kClassNone, 29));
    EXPECT_FALSE(GriesCoefficientsOf(4, 29));
}

TEST(ImfpFormulas, GriesCopperAtOneKiloelectronvolt)
{
    // 10 k1 (V / Z*) E / (log10 E - k2) with V = 63.55 / 8.96 cm³/mol, Z* = √29,
    // k1 = 0.002, k2 = 1.3: 15.495 Å, close to TPP-2M's 15.45 Å for Cu.
    const auto k = GriesCoefficientsOf(kClassElement, 29);
    ASSERT_TRUE(k);
    EXPECT_TRUE(nearRelative(GriesImfpAngstrom(*k, 63.55 / 8.96, std::sqrt(29.0), 1000.0), 15.4949, 1e-4));
}

TEST(ImfpFormulas, PowerLawsOfTheExponentialAndJablonskiMethods)
{
    EXPECT_NEAR(*PowerLawImfp(1000.0, 0.75), 177.8, 0.05);
    EXPECT_NEAR(*PowerLawImfp(500.0, 0.75), 105.7, 0.05);
    EXPECT_DOUBLE_EQ(JablonskiExponent(kClassElement), 0.7283);
    EXPECT_DOUBLE_EQ(JablonskiExponent(kClassInorganic), 0.7234);
    EXPECT_DOUBLE_EQ(JablonskiExponent(kClassPolymer), 0.7665);
    EXPECT_DOUBLE_EQ(JablonskiExponent(kClassNone), 0.0);
    EXPECT_DOUBLE_EQ(*PowerLawImfp(1234.0, JablonskiExponent(kClassNone)), 1.0);
    EXPECT_DOUBLE_EQ(*PowerLawImfp(0.0, 0.0), 1.0);
}

// Where a formula has no positive finite value it must say so instead of
// handing NaN or infinity on.
TEST(ImfpFormulas, NoValueWhereTheFormulaIsUndefined)
{
    const Tpp2mMaterial gold{11, 19.32, 196.97, 0.0};
    const GriesCoefficients polymer{0.0018, 1.0};
    for (const double e : {0.0, -5.0}) {
        SCOPED_TRACE(e);
        EXPECT_FALSE(Tpp2mImfpAngstrom(gold, e));
        EXPECT_FALSE(SeahDenchImfpNm(kClassElement, 63.55, 8.96, e));
        EXPECT_FALSE(SeahDenchImfpNm(kClassPolymer, 0.0, 1.0, e));
        EXPECT_FALSE(GriesImfpAngstrom(polymer, 10.0, 2.5, e));
        EXPECT_FALSE(CumpsonSeahImfpNm(0.25, 10.0, e));
        EXPECT_FALSE(PowerLawImfp(e, 0.75));
    }
    EXPECT_FALSE(PowerLawImfp(0.0, -0.5));                   // 0 to a negative power
    EXPECT_FALSE(GriesImfpAngstrom(polymer, 10.0, 2.5, 10.0));  // log10 E = k2
    EXPECT_FALSE(GriesImfpAngstrom(polymer, 10.0, 2.5, 5.0));   // below 10^k2 λ turns negative
    EXPECT_FALSE(GriesImfpAngstrom(polymer, 10.0, 0.0, 1000.0));  // no effective atomic number
    EXPECT_FALSE(Tpp2mImfpAngstrom({0, 19.32, 196.97, 0.0}, 1000.0));  // Ep = 0: zero denominator
    EXPECT_FALSE(Tpp2mImfpAngstrom({11, -2.0, 196.97, 0.0}, 1000.0));
    EXPECT_FALSE(MonolayerThicknessNm(63.55, -8.96));
    EXPECT_FALSE(SeahDenchImfpNm(kClassElement, 63.55, 0.0, 1000.0));
}

}  // namespace
}  // namespace slv
