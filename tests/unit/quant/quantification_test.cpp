#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "quant/correction_chain.h"
#include "quant/imfp.h"
#include "quant/quantification.h"
#include "support/quant_workspace.h"

namespace slv {
namespace {

// Atomic weights (IUPAC, abridged) used by the mass and oxide mass examples.
constexpr float kAl = 26.982f;
constexpr float kSi = 28.085f;
constexpr float kO = 15.999f;

struct QuantLine {
    const char* symbol;
    const char* state;
    Integer valence;
    Integer oxygens;
    float atWeight;
    std::vector<float> intensities;  // one per experiment, -1 = empty
    float crossSection = 1.0f;
};

/// A document whose corrections are all switched off (every factor 1), so
/// that the corrected intensity of a line is its intensity / cross section.
struct QuantSession : test::QuantWorkspace {
    explicit QuantSession(const std::vector<QuantLine>& lines)
    {
        Document& d = doc;
        d.setSource(ExcitationSource::AlKAlpha);
        d.ExcEnergy = ExcitationEnergy(d, ExcitationSource::AlKAlpha);
        for (const QuantLine& l : lines) {
            const int row = ++d.ElemCount;
            d.ElSymbol[row] = l.symbol;
            d.ElLine[row] = "1s";
            d.ElState[row] = l.state;
            d.Valence[row] = l.valence;
            d.Oxygens[row] = l.oxygens;
            d.AtWeight[row] = l.atWeight;
            d.CrossSect[row] = l.crossSection;
            d.Asymmetry[row] = kNoAsymmetry;
            d.ExpCount = static_cast<Integer>(l.intensities.size());
            for (std::size_t exp = 0; exp < l.intensities.size(); ++exp)
                d.Intensity[exp + 1][row] = l.intensities[exp];
        }
    }
    float value(int exp, int row) const { return res.ResultValue[exp][row]; }
};

TEST(Quantification, AtomicPercentAndExclusion)
{
    QuantSession t({{"Si", "", 4, 2, kSi, {30, 60}}, {"O", "", 0, 0, kO, {70, 40}}});
    Quantify(t.quant(), kAtomicPercent);
    EXPECT_FLOAT_EQ(t.value(1, 1), 30.0f);
    EXPECT_FLOAT_EQ(t.value(1, 2), 70.0f);
    EXPECT_FLOAT_EQ(t.value(2, 1), 60.0f);
    EXPECT_FALSE(t.doc.RecalcNeeded);

    t.doc.ElOmit[1] = true;  // takes effect without recalculating the corrections
    Quantify(t.quant(), kAtomicPercent);
    EXPECT_EQ(t.value(1, 1), kEmptyValue);
    EXPECT_FLOAT_EQ(t.value(1, 2), 100.0f);
    EXPECT_TRUE(t.findings.empty());

    Quantify(t.quant(), kResultTypeCount);  // no such result type: no values
    EXPECT_EQ(t.value(1, 2), kEmptyValue);
}

TEST(Quantification, RatiosToTheReferenceRow)
{
    QuantSession t({{"Si", "", 4, 2, kSi, {30, 30}}, {"O", "", 0, 0, kO, {60, kEmptyValue}}});
    t.res.RefElem = 2;
    t.res.RefValue = 1.0f;
    t.doc.ElOmit[1] = true;  // excluded rows take part in ratios
    Quantify(t.quant(), kAtomicRatio);
    EXPECT_FLOAT_EQ(t.value(1, 2), 1.0f);
    EXPECT_FLOAT_EQ(t.value(1, 1), 0.5f);
    // The reference has no intensity in experiment 2: no ratios there.
    EXPECT_EQ(t.value(2, 1), kEmptyValue);
    EXPECT_EQ(t.value(2, 2), kEmptyValue);

    t.res.RefValue = 3.0f;
    Quantify(t.quant(), kMassRatio);
    EXPECT_FLOAT_EQ(t.value(1, 2), 3.0f);
    EXPECT_NEAR(t.value(1, 1), 3.0 * (30 * kSi) / (60 * kO), 1e-5);
}

TEST(Quantification, SilicaIsOneOxideWithBalancedOxygen)
{
    QuantSession t({{"Si", "", 4, 2, kSi, {10}}, {"O", "", 0, 0, kO, {20}}});
    Quantify(t.quant(), kOxideMolarPercent);
    EXPECT_FLOAT_EQ(t.value(1, 1), 100.0f);
    EXPECT_EQ(t.value(1, 2), kEmptyValue);  // oxygen went into the balance
    EXPECT_EQ(t.res.OBalanceRow, 3);
    EXPECT_FLOAT_EQ(t.value(1, 3), 1.0f);  // 20 / (2 x 10)
    EXPECT_TRUE(t.doc.ResOxygenMerged[2]);
    EXPECT_FALSE(t.doc.ResOxygenMerged[1]);

    // A ratio to oxygen moves on to silicon.
    t.res.RefElem = 2;
    t.res.RefValue = 1.0f;
    Quantify(t.quant(), kOxideMolarRatio);
    EXPECT_EQ(t.res.RefElem, 1);
    EXPECT_FLOAT_EQ(t.value(1, 1), 1.0f);

    // Atomic results afterwards show oxygen again.
    Quantify(t.quant(), kAtomicPercent);
    EXPECT_FALSE(t.doc.ResOxygenMerged[2]);
    EXPECT_NEAR(t.value(1, 2), 200.0 / 3.0, 1e-4);
}

TEST(Quantification, AluminaHasTwoCationsPerFormulaUnit)
{
    // 40 Al, 20 Si and 100 O atoms: 20 Al2O3 and 20 SiO2 units need 3 x 20 + 2 x 20 = 100 O.
    QuantSession t({{"Al", "", 3, 3, kAl, {40}}, {"Si", "", 4, 2, kSi, {20}}, {"O", "", 0, 0, kO, {100}}});
    Quantify(t.quant(), kOxideMolarPercent);
    EXPECT_FLOAT_EQ(t.value(1, 1), 50.0f);
    EXPECT_FLOAT_EQ(t.value(1, 2), 50.0f);
    EXPECT_FLOAT_EQ(t.value(1, 4), 1.0f);

    Quantify(t.quant(), kOxideMassPercent);
    const double alumina = 3 * 15.999 + 2 * static_cast<double>(kAl);
    const double silica = 2 * 15.999 + static_cast<double>(kSi);
    EXPECT_NEAR(t.value(1, 1), 100 * alumina / (alumina + silica), 1e-4);
    EXPECT_NEAR(t.value(1, 2), 100 * silica / (alumina + silica), 1e-4);
    EXPECT_FLOAT_EQ(t.value(1, 4), 1.0f);

    Quantify(t.quant(), kMassPercent);
    const double mass = 40 * kAl + 20 * kSi + 100 * kO;
    EXPECT_NEAR(t.value(1, 1), 100 * 40 * kAl / mass, 1e-4);
    EXPECT_NEAR(t.value(1, 3), 100 * 100 * kO / mass, 1e-4);
}

TEST(Quantification, ElementsWithoutValenceOrOxideCountAsSingleAtoms)
{
    // Zn without valence counts as one atom per ZnO unit; Au without oxide keeps its value.
    QuantSession t({{"Zn", "", 0, 1, 65.38f, {50}}, {"Au", "", 0, 0, 196.97f, {50}}, {"O", "", 0, 0, kO, {50}}});
    Quantify(t.quant(), kOxideMolarPercent);
    EXPECT_FLOAT_EQ(t.value(1, 1), 50.0f);
    EXPECT_FLOAT_EQ(t.value(1, 2), 50.0f);
    EXPECT_FLOAT_EQ(t.value(1, 4), 1.0f);  // 50 O for 50 ZnO
}

TEST(Quantification, MissingOxygenIsReportedAndLeavesNoOxideResult)
{
    QuantSession t({{"Si", "", 4, 2, kSi, {10, 10, 10}}, {"O", "", 0, 0, kO, {20, kEmptyValue, 0}}});
    Quantify(t.quant(), kAtomicPercent);  // a stale result that must not survive
    Quantify(t.quant(), kOxideMassPercent);
    ASSERT_EQ(t.findings.size(), 1u);
    EXPECT_EQ(t.findings[0].text, "Results error(s):\r\n\r\n- Oxygen not found in experiment 2    \r\n");
    EXPECT_EQ(IconOf(t.findings[0].kind), MessageIcon::Exclamation);
    for (int exp = 1; exp <= 3; ++exp)
        for (int row = 1; row <= 3; ++row)
            EXPECT_EQ(t.value(exp, row), kEmptyValue) << exp << "," << row;
}

TEST(Quantification, AverageCombinesTheLinesOfOneState)
{
    QuantSession t({{"Fe", "Ox", 3, 3, 55.845f, {10, 10}},
                    {"O", "", 0, 0, kO, {60, 60}},
                    {"Fe", "Ox", 3, 3, 55.845f, {30, kEmptyValue}}});
    t.doc.setMultilineApproach(MultilineApproach::Average);
    Quantify(t.quant(), kAtomicPercent);
    ASSERT_EQ(t.res.ResElemCount, 2);
    EXPECT_EQ(t.res.ResSymbol[1].trimmedText(), "Fe");
    EXPECT_EQ(t.res.ResSymbol[2].trimmedText(), "O");
    EXPECT_FLOAT_EQ(t.value(1, 1), 25.0f);              // mean 20 against 60
    EXPECT_NEAR(t.value(2, 1), 100.0 * 10 / 70, 1e-4);  // the empty line does not lower the mean
}

TEST(Quantification, EbelLevelIsTheWeightedGeometricMeanAndIgnoresALineWithoutIntensity)
{
    // Two lines of metallic Fe: in experiment 1 both measured (corrected 12
    // and 48), in experiment 2 only the first (corrected 7).
    QuantSession t({{"Fe", "Me", 0, 0, 55.845f, {12, 7}},
                    {"Fe", "Me", 0, 0, 55.845f, {48, kEmptyValue}},
                    {"O", "", 0, 0, kO, {40, 20}}});
    t.doc.ElLine[2] = "3p";
    t.doc.setMultilineApproach(MultilineApproach::Ebel);
    Quantify(t.quant(), kAtomicPercent);
    ASSERT_EQ(t.res.ResElemCount, 2);
    // Weighted by the square roots of the measured 12 and 48: exp((12 ln 12 +
    // 48 ln 48) / 60) = 36.377, where the average would give 30.
    EXPECT_NEAR(t.corr.CorrIntensity[1][1], 36.3772, 1e-3);
    EXPECT_NEAR(t.corr.CorrIntensity[2][1], 7.0, 1e-4);

    {
        // Corrected intensities 10 (measured 100) and 40 (measured 300): with
        // weights sqrt(measured) the best level is exp((100 ln 10 + 300 ln 40) / 400).
        QuantSession u({{"Fe", "", 0, 0, 55.845f, {100, 50}, 10.0f},
                        {"Fe", "", 0, 0, 55.845f, {300, 200}, 7.5f},
                        {"O", "", 0, 0, kO, {10, 10}}});
        u.doc.setMultilineApproach(MultilineApproach::Ebel);
        Quantify(u.quant(), kAtomicPercent);
        ASSERT_EQ(u.res.ResElemCount, 2);
        EXPECT_NEAR(u.corr.CorrIntensity[1][1], std::exp((100 * std::log(10.0) + 300 * std::log(40.0)) / 400), 1e-3);
        // Two consistent lines in experiment 2 (50 / 10 = 200 / 40 = 5): their common level.
        u.doc.CrossSect[2] = 40.0f;
        u.doc.RecalcNeeded = true;
        Quantify(u.quant(), kAtomicPercent);
        EXPECT_NEAR(u.corr.CorrIntensity[2][1], 5.0, 1e-4);
    }
}

TEST(Quantification, LogFitLevelStaysPositive)
{
    struct Case {
        double target;
        double start;
        double step;
    };
    // Steps larger than the level itself must not reach zero or below.
    for (const Case c : {Case{0.01, 1.0, 5.0}, Case{0.01, 1.0, 0.1}, Case{50.0, 1.0, -0.1}, Case{3.0, 2.0, 1e6}}) {
        const double logs[] = {std::log(c.target)};
        const double weights[] = {1.0};
        const double level = LogFitLevel(logs, weights, c.start, c.step, 1e-10, 1e-7);
        EXPECT_TRUE(std::isfinite(level));
        EXPECT_NEAR(level, c.target, c.target * 1e-3) << "start " << c.start << " step " << c.step;
    }
}

TEST(Quantification, MergedStatesSumTheirResults)
{
    QuantSession t({{"Fe", "Me", 0, 0, 55.845f, {10, 10}},
                    {"Si", "", 4, 2, kSi, {20, 20}},
                    {"Fe", "Ox", 3, 3, 55.845f, {30, kEmptyValue}},
                    {"O", "", 0, 0, kO, {40, 40}}});
    t.res.MergeStates = true;
    Quantify(t.quant(), kAtomicPercent);
    ASSERT_EQ(t.res.ResElemCount, 3);
    EXPECT_EQ(t.res.ResSymbol[1].trimmedText(), "Fe");
    EXPECT_EQ(t.res.ResSymbol[2].trimmedText(), "Si");
    EXPECT_EQ(t.res.ResSymbol[3].trimmedText(), "O");
    EXPECT_FLOAT_EQ(t.value(1, 1), 40.0f);
    EXPECT_FLOAT_EQ(t.value(1, 3), 40.0f);
    EXPECT_NEAR(t.value(2, 1), 100.0 * 10 / 70, 1e-4);
    EXPECT_EQ(t.value(1, 4), kEmptyValue);  // the row left over by merging

    // An element none of whose states has a value stays blank rather than 0.
    t.doc.ElOmit[1] = true;
    t.doc.ElOmit[3] = true;
    Quantify(t.quant(), kAtomicPercent);
    EXPECT_EQ(t.value(1, 1), kEmptyValue);
}

TEST(Quantification, PreliminaryCompositionIgnoresImfpAndExcludedRows)
{
    QuantSession t({{"Si", "", 4, 2, kSi, {30}}, {"O", "", 0, 0, kO, {70}}, {"C", "", 0, 0, 12.011f, {50}}});
    t.doc.BindEnergy[1] = 1000.0f;
    t.doc.setHomogeneousImfpMethod(ImfpMethod::Exponential);
    t.doc.setImfpExponent(1.0f);
    t.doc.ElOmit[3] = true;
    PreliminaryComposition(t.quant());
    EXPECT_FLOAT_EQ(t.value(1, 1), 30.0f);
    EXPECT_FLOAT_EQ(t.value(1, 2), 70.0f);
    EXPECT_EQ(t.value(1, 3), kEmptyValue);
}

}  // namespace
}  // namespace slv
