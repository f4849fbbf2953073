// The Chart and Model Layout windows without their widgets: what they draw
// follows the session's changes (and only those that change the picture),
// the Colours and Legend switches outlive a redraw, the chart reads the
// results without showing the quantification's messages again, and a copied
// chart carries the data set's title.
#include <gtest/gtest.h>

#include <optional>

#include "quant/results_table.h"
#include "session/chart_window.h"
#include "session/layout_window.h"
#include "session/results_view.h"
#include "support/sample_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

class ChartWindowTest : public testing::Test {
protected:
    ChartWindowTest() { test::FillSiliconOxide(ts.doc()); }

    /// Opens the window and counts its redraws.
    ChartWindow& open()
    {
        m_window.emplace(ts.session);
        m_window->onRedrawn([this] { ++redraws; });
        return *m_window;
    }

    test::TestSession ts;
    int redraws = 0;

private:
    std::optional<ChartWindow> m_window;
};

TEST_F(ChartWindowTest, FollowsTheChangesThatAlterThePlot)
{
    ChartWindow& chart = open();
    ASSERT_EQ(chart.plan().type, ChartType::Line);
    EXPECT_NEAR(*chart.plan().sets[0].values[0], 30.0, 1e-4);

    ts.session.edit(Change::Intensities).doc.Intensity[1][1] = 70.0f;
    EXPECT_EQ(redraws, 1);
    EXPECT_NEAR(*chart.plan().sets[0].values[0], 50.0, 1e-4);

    ts.session.edit(Change::Results).res.ResType = kAtomicRatio;
    EXPECT_EQ(chart.plan().leftTitle, "Atomic ratio");

    // A single experiment left: the pie of it.
    ts.session.edit(Change::Intensities).doc.ExpCount = 1;
    EXPECT_EQ(chart.plan().type, ChartType::Pie);

    const int before = redraws;
    {
        auto edit = ts.session.edit({});
        edit.doc.setTitle("renamed");
        edit.doc.DocDirty = true;
    }
    EXPECT_EQ(redraws, before) << "the title and the dirty flag leave the screen as it is";
}

TEST_F(ChartWindowTest, ColoursSwitchOutlivesARedraw)
{
    ChartWindow& chart = open();
    EXPECT_TRUE(chart.plan().colour);
    chart.setColour(false);
    EXPECT_EQ(redraws, 1) << "the view draws the black-and-white chart";
    EXPECT_FALSE(chart.plan().colour);
    ts.session.edit(Change::Intensities).doc.Intensity[2][2] = 80.0f;
    EXPECT_FALSE(chart.plan().colour);
    chart.setColour(true);
    EXPECT_TRUE(chart.titledPlan().colour);
}

TEST_F(ChartWindowTest, OnlyACopiedOrPrintedChartCarriesTheTitle)
{
    ChartWindow& chart = open();
    EXPECT_EQ(chart.plan().title, "");
    EXPECT_EQ(chart.titledPlan().title, "silica");
    ts.session.edit({}).doc.setTitle("passive film");
    EXPECT_EQ(chart.titledPlan().title, "passive film");
}

TEST_F(ChartWindowTest, ReadsTheResultsWithoutRepeatingTheirMessages)
{
    {
        Document& doc = ts.doc();
        doc.setTransmissionType(TransmissionType::File);
        doc.transmissionFile() = "/nonexistent/analyser.ltr";
    }
    ChartWindow& chart = open();
    EXPECT_EQ(chart.plan().type, ChartType::Line);
    EXPECT_TRUE(ts.dialogs.messages.empty());
    EXPECT_TRUE(ts.session.doc().RecalcNeeded) << "the chart leaves the correction chain to the results window";
    ShowResults(ts.session);
    EXPECT_FALSE(ts.dialogs.messages.empty()) << "the results window shows them";
}

TEST_F(ChartWindowTest, NothingToChartWithoutElementsOrExperiments)
{
    ChartWindow& chart = open();
    ts.session.edit(Change::Intensities).doc.ExpCount = 0;
    EXPECT_EQ(chart.plan().type, ChartType::None);
    {
        auto edit = ts.session.edit({Change::Elements, Change::Intensities});
        edit.doc.ExpCount = 2;
        edit.doc.ElemCount = 0;
    }
    EXPECT_EQ(chart.plan().type, ChartType::None);
}

class LayoutWindowTest : public testing::Test {
protected:
    LayoutWindowTest()
    {
        Document& doc = ts.doc();
        test::FillSiliconOxide(doc);
        doc.setModelType(ModelType::Plane);
        doc.LayerCount = 2;
        doc.LayerName[1] = "SiO2";
        doc.LayerName[2] = "C";
        doc.ThickRes[1][1] = 2.0f;
        doc.ThickRes[2][1] = 3.0f;
        doc.ThickRes[2][2] = -1.0f;
        doc.CoverRes[2] = 0.4f;
    }

    test::TestSession ts;
};

TEST_F(LayoutWindowTest, DrawsTheExperimentOfTheModelCalculation)
{
    ts.model().ModelExperiment = 2;
    LayoutWindow layout(ts.session);
    EXPECT_EQ(layout.state().experiment, 2);
    EXPECT_EQ(layout.state().thickness[1], 3.0);
    EXPECT_EQ(layout.state().thickness[2], 0.0) << "not fitted yet";
    EXPECT_NEAR(layout.state().coverage, 0.4, 1e-6);
    EXPECT_EQ(layout.caption(), "Model Layout - 2");

    int redraws = 0;
    layout.onRedrawn([&redraws] { ++redraws; });
    ts.session.edit(Change::Model).doc.ThickRes[2][2] = 1.5f;
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(layout.state().thickness[2], 1.5);

    {
        auto edit = ts.session.edit(Change::Model);
        edit.model.ModelExperiment = 1;
    }
    EXPECT_EQ(layout.caption(), "Model Layout - 1");
    EXPECT_EQ(layout.state().thickness[1], 2.0);

    ts.session.edit({}).doc.setTitle("stack");
    EXPECT_EQ(redraws, 2) << "the title is not drawn";

    ts.session.edit(Change::Parameters).doc.setModelType(ModelType::Homogeneous);
    EXPECT_EQ(layout.caption(), "Model Layout");
}

TEST_F(LayoutWindowTest, SwitchesOutliveARedraw)
{
    LayoutWindow layout(ts.session);
    EXPECT_TRUE(layout.state().colour);
    EXPECT_FALSE(layout.state().legend);
    int redraws = 0;
    layout.onRedrawn([&redraws] { ++redraws; });
    layout.setColour(false);
    layout.setLegend(true);
    EXPECT_EQ(redraws, 2);
    ts.session.edit(Change::Model).doc.ThickRes[1][1] = 4.0f;
    EXPECT_FALSE(layout.state().colour);
    EXPECT_TRUE(layout.state().legend);
    EXPECT_EQ(layout.state().thickness[1], 4.0);
}

}  // namespace
}  // namespace slv
