// The "Layer Thickness" window's controller: the two header rows over the
// stored thicknesses and coverages, the standard deviations shown only with
// the values they belong to, and what a click and a double click on an
// experiment's row select.
#include <gtest/gtest.h>

#include "model/model_check.h"
#include "session/layer_thickness_view.h"
#include "support/sample_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

/// Silica measured twice (the Time label shown), as two layers on a plane
/// or, with islands, a layer under an island.
struct StoredThicknesses {
    explicit StoredThicknesses(bool islands = false)
    {
        Document& doc = t.doc();
        test::FillSiliconOxide(doc);
        doc.setModelType(ModelType::Plane);
        doc.setIslands(islands);
        doc.IslandMode = islands ? 1 : 0;
        doc.LayerCount = 2;
        doc.LayerName[1] = "SiO2";
        doc.LayerName[2] = "C";
        doc.LayerKind[2] = islands ? kKindIsland : 0;
        doc.ThickRes[1] = {-1.0f, 1.234f, 0.5f};
        doc.ThickRes[2] = {-1.0f, 2.0f, -1.0f};
        doc.CoverRes[1] = 0.25f;
        doc.CoverRes[2] = -1.0f;
    }
    std::string cell(const LayerThicknessView& view, int row, int col) const
    {
        return const_cast<LayerThicknessView&>(view).grid().TextMatrix(row, col);
    }

    test::TestSession t;
};

TEST(LayerThicknessView, TwoHeaderRowsOverOneRowPerExperiment)
{
    StoredThicknesses s;
    LayerThicknessView view(s.t.session);
    TextGrid& grid = view.grid();

    EXPECT_EQ(grid.FixedRows(), kThicknessHeaderRows);
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.Cols(), 4);  // number, Time, two layers
    EXPECT_EQ(s.cell(view, 0, 2), "Layer 1");
    EXPECT_EQ(s.cell(view, 1, 2), "SiO2");
    EXPECT_EQ(s.cell(view, 0, 3), "Layer 2");
    EXPECT_EQ(s.cell(view, 1, 3), "C");
    EXPECT_EQ(s.cell(view, 1, 0), "");
    EXPECT_EQ(s.cell(view, 2, 0), "1");
    EXPECT_EQ(s.cell(view, 3, 1), "20");
    EXPECT_EQ(s.cell(view, 2, 2), "1.23");
    EXPECT_EQ(s.cell(view, 3, 3), " ") << "an empty result shows blank";
}

TEST(LayerThicknessView, IslandsHaveTheirHeaderAndACoverageColumn)
{
    StoredThicknesses s(true);
    LayerThicknessView view(s.t.session);

    EXPECT_EQ(view.grid().Cols(), 5);
    EXPECT_EQ(s.cell(view, 0, 2), "Layer 1");
    EXPECT_EQ(s.cell(view, 0, 3), "Island 2");
    EXPECT_EQ(s.cell(view, 0, 4), "Coverage");
    EXPECT_EQ(s.cell(view, 2, 4), "0.250");
    EXPECT_EQ(s.cell(view, 3, 4), " ");
}

TEST(LayerThicknessView, ValueWithSpreadKeepsTwoDigitsOfTheDeviation)
{
    struct Case {
        double value;
        double sigma;
        char decSep;
        const char* shown;
    };
    const Case cases[] = {
        {2.15329, 0.043, '.', "2.153 \xB1 0.043"}, {2.15329, 0.4, '.', "2.15 \xB1 0.40"},
        {13.2, 12.0, '.', "13 \xB1 12"},           {2.15329, 0.043, ',', "2,153 \xB1 0,043"},
        {2.15, 0.0, '.', "2.150 \xB1 0.000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueWithSpread(c.value, c.sigma, c.decSep), c.shown) << c.value << " " << c.sigma;
}

TEST(LayerThicknessView, ADeviationIsShownOnlyWithTheValueItBelongsTo)
{
    StoredThicknesses s(true);
    {
        auto edit = s.t.session.edit(Change::Model);
        edit.model.Spreads.Record(1, 1, 1.234f, 0.043);
        edit.model.Spreads.Record(1, kCoverageSpreadColumn, 0.25f, 0.012);
        edit.model.Spreads.Record(2, 1, 1.9f, 0.1);  // for a value since replaced
    }
    LayerThicknessView view(s.t.session);
    EXPECT_EQ(s.cell(view, 2, 2), "1.234 \xB1 0.043");
    EXPECT_EQ(s.cell(view, 2, 4), "0.250 \xB1 0.012");
    EXPECT_EQ(s.cell(view, 2, 3), "0.50") << "a fixed layer has no deviation";
    EXPECT_EQ(s.cell(view, 3, 2), "2.00");

    s.t.session.edit(Change::Model).doc.ThickRes[1][1] = 1.5f;  // typed over elsewhere
    EXPECT_EQ(s.cell(view, 2, 2), "1.50") << "the window follows the model";
}

TEST(LayerThicknessView, ARowClickLoadsTheStoredResultsAsWorkingValues)
{
    struct Case {
        const char* name;
        bool angleResolved;
        int row;
        int experiment;
        LayerTable<double> thick;
        double coverage;
    };
    const Case cases[] = {
        {"first experiment", false, 2, 1, {0.0, 1.234f, 0.5f}, 0.25f},
        {"an empty result becomes 0", false, 3, 2, {0.0, 2.0f, 0.0}, 0.0},
        {"angle-resolved results live in slot 1", true, 3, 1, {0.0, 1.234f, 0.5f}, 0.25f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StoredThicknesses s(true);
        s.t.doc().ARXPS = c.angleResolved;
        LayerThicknessView view(s.t.session);
        test::RecordingObserver views(s.t.session);

        view.clickRow(c.row);
        EXPECT_EQ(s.t.session.model().ModelExperiment, c.experiment);
        EXPECT_EQ(s.t.session.doc().LayerThick, c.thick);
        EXPECT_EQ(s.t.session.doc().Coverage, c.coverage);
        EXPECT_EQ(views.notices, std::vector<ChangeSet>{Change::Model}) << "the model drawing redraws";
    }
}

TEST(LayerThicknessView, ADoubleClickOnTheNumberOpensTheCalculationOfThatExperiment)
{
    StoredThicknesses s;
    s.t.doc().ARXPS = true;
    LayerThicknessView view(s.t.session);

    EXPECT_EQ(view.doubleClick(1, 0), 0) << "a header row";
    EXPECT_EQ(view.doubleClick(3, 2), 0) << "a thickness cell";
    EXPECT_EQ(view.doubleClick(3, 0), 2);
    EXPECT_EQ(s.t.session.model().ModelExperiment, 2) << "the experiment shown, though slot 1 is worked on";
    EXPECT_EQ(s.t.session.doc().LayerThick[1], 1.234f);
    EXPECT_EQ(view.doubleClick(2, 1), 1) << "the first label column";

    s.t.doc().setModelType(ModelType::OxideLayer);
    EXPECT_EQ(view.doubleClick(2, 0), 0) << "the Oxide-Layer model has no layer calculation";
}

}  // namespace
}  // namespace slv
