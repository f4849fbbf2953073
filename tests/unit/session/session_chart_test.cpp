// The charts of a running session: the chart window's chart of the results
// as the results window computed them, and the transmission curve of the
// session's settings with its messages shown.
#include <gtest/gtest.h>

#include <optional>

#include "report/results_chart.h"
#include "session/current_charts.h"
#include "session/results_view.h"
#include "support/sample_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

using Values = std::vector<std::optional<double>>;

class SessionChart : public testing::Test {
protected:
    SessionChart() { test::FillSiliconOxide(ts.doc()); }

    ChartPlan chart(int resultType = kAtomicPercent)
    {
        ts.res().ResType = resultType;
        const ResultsTable results = ShowResults(ts.session).table;
        return CurrentResultsChart(ts.session, results);
    }

    test::TestSession ts;
};

TEST_F(SessionChart, CompositionOverTheExperiments)
{
    Document& doc = ts.doc();
    doc.AxisIndex = 3;
    const ChartPlan plan = chart();
    ASSERT_EQ(plan.type, ChartType::Line);
    ASSERT_EQ(plan.sets.size(), 2u);
    EXPECT_EQ(plan.sets[0].legend, "Si");
    EXPECT_NEAR(*plan.sets[0].values[0], 30.0, 1e-4);
    EXPECT_NEAR(*plan.sets[1].values[1], 75.0, 1e-4);
    EXPECT_EQ(plan.leftTitle, "Atomic %");
    EXPECT_EQ(plan.bottomTitle, "Time (min)");
    EXPECT_EQ(plan.xPositions, (std::vector<double>{10.0, 20.0 - 0.0001}));
}

TEST_F(SessionChart, DepthScaleTitlesTheAxisByTheLengthUnit)
{
    Document& doc = ts.doc();
    doc.AxisIndex = 3;
    doc.DepthScale = 1;
    doc.setSputterRate(0.5f);
    ChartPlan plan = chart();
    EXPECT_EQ(plan.bottomTitle, "Depth (nm)");
    EXPECT_NEAR(plan.xPositions[0], 5.0, 1e-6);
    doc.setLengthUnit(LengthUnit::Angstrom);
    RecomputeUnits(doc);
    EXPECT_EQ(chart().bottomTitle, "Depth (A)");
}

TEST_F(SessionChart, OxygenMergedIntoTheBalanceIsLeftOut)
{
    const ChartPlan plan = chart(kOxideMolarPercent);
    ASSERT_EQ(plan.sets.size(), 1u);
    EXPECT_EQ(plan.sets[0].legend, "SiO2");
    EXPECT_EQ(plan.leftTitle, "Oxide molar %");
}

TEST_F(SessionChart, LayerModelChartsTheStoredThicknesses)
{
    Document& doc = ts.doc();
    doc.setModelType(ModelType::Plane);
    doc.LayerCount = 1;
    doc.LayerName[1] = "SiO2";
    doc.ThickRes[1][1] = 2.0f;
    doc.ThickRes[2][1] = -1.0f;
    const ChartPlan plan = chart();
    ASSERT_EQ(plan.type, ChartType::Line);
    EXPECT_EQ(plan.sets[0].legend, "SiO2");
    EXPECT_EQ(plan.sets[0].values, (Values{2.0, 0.01}));
    EXPECT_EQ(plan.leftTitle, "Thickness (nm)");
}

TEST(TransmissionChart, CurveOfTheSessionsTransmission)
{
    test::TestSession ts;
    std::string file;
    const ChartPlan plan = TransmissionCurve(ts.session, TransmissionType::Fat, 0.0f, file, 1486.6f);
    ASSERT_EQ(plan.pointCount(), 29);
    // FAT, CAE: T = 1 / E.
    EXPECT_NEAR(*plan.sets[0].values[0] * 50.0, 1.0, 1e-5);
    EXPECT_NEAR(*plan.sets[0].values[28] * 1450.0, 1.0, 1e-5);

    const ChartPlan missing = TransmissionCurve(ts.session, TransmissionType::File, 0.0f, file, 1486.6f);
    ASSERT_EQ(missing.pointCount(), 29);
    EXPECT_EQ(*missing.sets[0].values[3], 1.0) << "invalid transmission data: all factors 1";
    EXPECT_FALSE(ts.dialogs.messages.empty()) << "with the message shown";
}

}  // namespace
}  // namespace slv
