// The smaller charts: the layer calculation's measured against calculated
// bars, and the transmission curve's sampling and points.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "report/intensity_chart.h"
#include "report/transmission_chart.h"

namespace slv {
namespace {

using Values = std::vector<std::optional<double>>;

Document threeLines()
{
    Document doc;
    doc.ElemCount = 3;
    const char* symbols[] = {"", "Si", "Si", "O"};
    const char* lines[] = {"", "2p", "2p", "1s"};
    const char* states[] = {"", "Me", "Ox", ""};
    for (int r = 1; r <= 3; ++r) {
        doc.ElSymbol[r] = symbols[r];
        doc.ElLine[r] = lines[r];
        doc.ElState[r] = states[r];
    }
    return doc;
}

TEST(IntensityChart, EveryRowIsLabelledAndMeasuredBarsAreTheCorrectedRatiosOfTheGrid)
{
    Document doc = threeLines();
    const ChartPlan empty = EmptyIntensityChart(doc);
    ASSERT_EQ(empty.sets.size(), 2u);
    EXPECT_EQ(empty.sets[0].values, (Values{0.0, 0.0, 0.0}));
    EXPECT_EQ(empty.pointLabels, (std::vector<std::string>{"Si 2p Me", "Si 2p Ox", "O 1s"}));

    // Raw intensities that would give other ratios, and a raw reference of 0:
    // the bars must not be built from them.
    doc.Intensity[2] = {0, 1000.0f, 0.0f, 5000.0f};
    QuantResults res;
    res.RefElem = 2;
    res.ResultValue[2] = {0, 10.0f, 40.0f, -1.0f};
    CalcHistory history;
    history.RelIntensity[0] = {0, 0.3, 1.0, 2.0};
    history.RelIntensity[1] = {0, 9.0, 9.0, 9.0};

    struct Case {
        const char* what;
        int reference;
        Values measured;
    };
    const Case cases[] = {
        {"against the reference row", 2, {0.25, 1.0, 0.0}},
        {"a reference without a value gives 0", 3, {0.0, 0.0, 0.0}},
    };
    for (const Case& c : cases) {
        res.RefElem = c.reference;
        const ChartPlan plan = IntensityChart(doc, res, history, 2);
        EXPECT_EQ(plan.sets[0].values, c.measured) << c.what;
        EXPECT_EQ(plan.sets[1].values, (Values{0.3, 1.0, 2.0})) << "the current calculation";
        EXPECT_EQ(plan.pointLabels, empty.pointLabels);
    }
}

TEST(TransmissionChart, SamplingStepAndPointCount)
{
    struct Case {
        double excitation;
        double step;
        std::size_t points;
    };
    const Case cases[] = {
        {1486.6, 50.0, 29},  {2500.0, 100.0, 25}, {1253.6, 50.0, 25},  {2000.0, 50.0, 40},
        {2050.0, 100.0, 20}, {40.0, 50.0, 0},     {8047.8, 200.0, 40}, {1e6, 24400.0, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.excitation);
        const TransmissionSampling sampling = SampleTransmissionCurve(c.excitation);
        EXPECT_DOUBLE_EQ(sampling.step, c.step);
        ASSERT_EQ(sampling.kineticEnergies.size(), c.points);
        ASSERT_EQ(sampling.bindingEnergies.size(), c.points);
        for (std::size_t k = 0; k < c.points; ++k) {
            EXPECT_FLOAT_EQ(sampling.kineticEnergies[k], static_cast<float>((k + 1) * c.step));
            EXPECT_FLOAT_EQ(sampling.bindingEnergies[k], static_cast<float>(c.excitation - (k + 1) * c.step));
        }
    }
    for (const double unusable :
         {0.0, -1486.6, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        const TransmissionSampling sampling = SampleTransmissionCurve(unusable);
        EXPECT_TRUE(sampling.kineticEnergies.empty()) << unusable;
        EXPECT_EQ(TransmissionChart(sampling, {}).type, ChartType::None);
    }
}

TEST(TransmissionChart, OnePointPerKineticEnergy)
{
    const TransmissionSampling sampling = SampleTransmissionCurve(160.0);
    const std::vector<float> factors{1.0f, 0.5f};
    const ChartPlan plan = TransmissionChart(sampling, factors);
    EXPECT_EQ(plan.type, ChartType::Line);
    EXPECT_EQ(plan.xPositions, (std::vector<double>{50.0, 100.0, 150.0}));
    ASSERT_EQ(plan.sets.size(), 1u);
    EXPECT_EQ(plan.sets[0].values, (Values{1.0, 0.5, std::nullopt})) << "a factor that is missing is not drawn";
}

}  // namespace
}  // namespace slv
