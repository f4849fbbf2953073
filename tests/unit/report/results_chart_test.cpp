// The chart of the results: which chart the document gets, the line chart
// over the experiments (exclusions, the floor for values that are not
// positive, at least two points, symbols, the x axis by the chosen label),
// and the pie of one experiment.
#include <gtest/gtest.h>

#include <optional>

#include "report/results_chart.h"
#include "support/sample_documents.h"

namespace slv {
namespace {

using Values = std::vector<std::optional<double>>;

/// A table of columns over experiments 1..rows.size().
ChartTable table(std::vector<std::string> legends, std::vector<std::vector<float>> rows,
                 std::vector<bool> excluded = {})
{
    ChartTable t;
    t.legends = std::move(legends);
    t.excluded = excluded.empty() ? std::vector<bool>(t.legends.size(), false) : std::move(excluded);
    t.values = std::move(rows);
    return t;
}

Document experiments(int count)
{
    Document doc;
    doc.ExpCount = static_cast<Integer>(count);
    return doc;
}

TEST(ResultsChart, LineChartLeavesOutExcludedColumnsAndExperiments)
{
    Document doc = experiments(4);
    doc.ExpOmit[3] = true;
    const ChartTable t =
        table({"C", "O", "Si"}, {{10, 60, 30}, {0, 50, -1}, {99, 99, 99}, {5, 55, 40}}, {false, true, false});
    const ChartPlan plan = LineChartOverExperiments(doc, t, {"Time (min)", "Atomic %"}, '.');
    EXPECT_EQ(plan.type, ChartType::Line);
    ASSERT_EQ(plan.sets.size(), 2u);
    EXPECT_EQ(plan.sets[0].legend, "C");
    EXPECT_EQ(plan.sets[1].legend, "Si");
    // Values that are not positive stand at 0.01.
    EXPECT_EQ(plan.sets[0].values, (Values{10.0, 0.01, 5.0}));
    EXPECT_EQ(plan.sets[1].values, (Values{30.0, 0.01, 40.0}));
    EXPECT_EQ(plan.pointLabels, (std::vector<std::string>{"1", "2", "4"}));
    EXPECT_EQ(plan.bottomTitle + "|" + plan.leftTitle, "Time (min)|Atomic %");
}

TEST(ResultsChart, SymbolsRepeatEveryFourSets)
{
    const ChartTable t = table({"a", "b", "c", "d", "e", "f"}, {{1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 2, 2}},
                               {false, false, false, false, true, false});
    const ChartPlan plan = LineChartOverExperiments(experiments(2), t, {}, '.');
    std::vector<int> symbols;
    for (const ChartSet& set : plan.sets)
        symbols.push_back(set.symbol);
    EXPECT_EQ(symbols, (std::vector<int>{3, 5, 7, 9, 3})) << "counted over the sets drawn";
}

TEST(ResultsChart, OneExperimentLeftStillGivesTwoPointsTheSecondWithoutValue)
{
    for (const int axis : {1, 3}) {
        Document doc = experiments(2);
        doc.AxisIndex = static_cast<Integer>(axis);
        doc.ExpOmit[1] = true;
        doc.LabelText[2][3] = "7";
        const ChartPlan plan = LineChartOverExperiments(doc, table({"C", "O"}, {{1, 2}, {3, 4}}), {}, '.');
        ASSERT_EQ(plan.pointCount(), 2);
        EXPECT_EQ(plan.sets[0].values, (Values{3.0, std::nullopt}));
        if (axis == 1) {
            EXPECT_EQ(plan.pointLabels, (std::vector<std::string>{"2", ""}));
        } else {
            EXPECT_EQ(plan.xPositions, (std::vector<double>{7.0, 7.0 - 0.0001}));
        }
    }
}

TEST(ResultsChart, XAxisFollowsTheChosenLabel)
{
    struct Case {
        const char* what;
        int axis;
        std::vector<const char*> labels;  // of experiments 1..3
        bool depth;
        char decSep;
        std::vector<std::string> pointLabels;
        std::vector<double> x;
    };
    const Case cases[] = {
        {"sequence numbers", 1, {"a", "b", "c"}, false, '.', {"1", "2", "3"}, {}},
        {"names, trimmed", 2, {" spot A ", "spot B", ""}, false, '.', {"spot A", "spot B", ""}, {}},
        {"tilt positions", 4, {"0", "30", "60"}, false, '.', {}, {0, 30, 60 - 0.0001}},
        {"time as depth", 3, {"2", "4", "6"}, true, '.', {}, {1, 2, 3 - 0.0001}},
        {"time without depth", 3, {"2", "4", "6"}, false, '.', {}, {2, 4, 6 - 0.0001}},
        {"empty numeric labels", 8, {"", "", ""}, false, '.', {}, {0, 0, -0.0001}},
        {"text in a numeric label", 5, {"300", "hot", "500"}, false, '.', {}, {300, 0, 500 - 0.0001}},
        {"decimal comma", 8, {"1,5", "2,5", "3"}, false, ',', {}, {1.5, 2.5, 3 - 0.0001}},
        {"no label chosen", 0, {"0", "30", "60"}, false, '.', {"1", "2", "3"}, {}},
        {"label beyond the eight", 9, {"0", "30", "60"}, false, '.', {"1", "2", "3"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = experiments(3);
        doc.AxisIndex = static_cast<Integer>(c.axis);
        doc.DepthScale = c.depth ? 1 : 0;
        doc.setSputterRate(0.5f);
        for (int e = 1; e <= 3; ++e)
            doc.LabelText[e][c.axis >= 1 && c.axis <= 8 ? c.axis : 4] = c.labels[static_cast<std::size_t>(e - 1)];
        const ChartPlan plan = LineChartOverExperiments(doc, table({"C"}, {{1}, {2}, {3}}), {}, c.decSep);
        EXPECT_EQ(plan.pointLabels, c.pointLabels);
        ASSERT_EQ(plan.xPositions.size(), c.x.size());
        for (std::size_t i = 0; i < c.x.size(); ++i)
            EXPECT_NEAR(plan.xPositions[i], c.x[i], 1e-9) << i;
    }
}

TEST(ResultsChart, PieOfOneExperiment)
{
    const ChartTable t = table({"Si", "O", "C", "N"}, {{30, 60, -1, 10}, {1, 1, 1, 1}}, {false, false, false, true});
    const ChartPlan plan = PieChartOfExperiment(t, 1, "Atomic %");
    EXPECT_EQ(plan.type, ChartType::Pie);
    ASSERT_EQ(plan.sets.size(), 1u);
    EXPECT_EQ(plan.sets[0].values, (Values{30.0, 60.0, 0.0, 0.0})) << "no value and excluded columns are 0";
    EXPECT_EQ(plan.pointLabels, (std::vector<std::string>{"Si", "O", "C", "N"}));
    EXPECT_EQ(plan.leftTitle, "Atomic %");
}

TEST(ResultsChart, ChoiceByModelAndExperiments)
{
    struct Case {
        ModelType model;
        int experiments;
        int layers;
        bool arxps;
        int resultColumns;
        ResultsChartKind kind;
    };
    using K = ResultsChartKind;
    const Case cases[] = {
        {ModelType::Homogeneous, 3, 0, false, 1, K::None},
        {ModelType::Homogeneous, 0, 0, false, 4, K::None},
        {ModelType::Homogeneous, 1, 0, false, 4, K::CompositionPie},
        {ModelType::Homogeneous, 2, 0, false, 2, K::CompositionLines},
        {ModelType::Homogeneous, 2, 0, true, 2, K::CompositionLines},
        {ModelType::Plane, 1, 2, false, 3, K::LayerPie},
        {ModelType::Plane, 1, 1, false, 3, K::None},
        {ModelType::OxideLayer, 1, 1, false, 3, K::None},
        {ModelType::OxideLayer, 5, 1, false, 3, K::OxideLines},
        {ModelType::Sphere, 4, 1, false, 3, K::LayerLines},
        {ModelType::Nanotube, 4, 0, false, 3, K::None},
        // An angle-resolved set has one structure for all its experiments.
        {ModelType::Plane, 6, 2, true, 4, K::LayerPie},
        {ModelType::Plane, 3, 1, true, 3, K::None},
    };
    for (const Case& c : cases) {
        Document doc = experiments(c.experiments);
        doc.setModelType(c.model);
        doc.LayerCount = static_cast<Integer>(c.layers);
        doc.ARXPS = c.arxps;
        EXPECT_EQ(ChooseResultsChart(doc, c.resultColumns), c.kind)
            << static_cast<int>(c.model) << " " << c.experiments << " " << c.layers << " " << c.arxps;
    }
}

TEST(ResultsChart, LayerThicknessTable)
{
    Document doc = experiments(2);
    doc.LayerCount = 2;
    doc.LayerName[1] = "HfO2";
    doc.LayerName[2] = "SiO2";
    doc.ThickRes[1] = {0, 2.5f, 0.8f};
    doc.ThickRes[2] = {0, -1.0f, 1.0f};
    const ChartTable t = LayerThicknessTable(doc);
    EXPECT_EQ(t.legends, (std::vector<std::string>{"HfO2", "SiO2"}));
    EXPECT_EQ(t.values, (std::vector<std::vector<float>>{{2.5f, 0.8f}, {-1.0f, 1.0f}}));
    EXPECT_EQ(ThicknessTitle(doc), "Thickness (nm)");
    doc.setLengthUnit(LengthUnit::Angstrom);
    EXPECT_EQ(ThicknessTitle(doc), "Thickness (A)");
}

}  // namespace
}  // namespace slv
