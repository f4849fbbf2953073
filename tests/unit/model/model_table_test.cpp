// The model grid and the record: layout, cell formats, the Type, Link and
// Omit words, unused IMFP marks, and transfers that neither lose nor invent data.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "model/model_check.h"
#include "model/model_table.h"
#include "support/layer_models.h"
#include "support/model_workspace.h"

namespace slv {
namespace {

using Cells = std::vector<std::string>;
constexpr int kCol1 = 2, kCol2 = 3, kColBulk = 7, kColOmit = 8;
constexpr const char* kUnused = "       ---";

Cells column(const TextGrid& grid, int col)
{
    Cells cells;
    for (int row = 0; row < grid.Rows(); ++row)
        cells.push_back(grid.TextMatrix(row, col));
    return cells;
}

TEST(LoadModelTable, LayoutAndCellsOfTheWafer)
{
    test::ModelWorkspace t;
    Document& doc = t.doc;
    test::BuildOxidisedWafer(doc);
    doc.LayerLink = {0, -1, 1};
    doc.LayerComp[1][1] = -1.0f;  // the marker shows blank
    doc.LayerIMFP[1][4] = 0.0f;   // needed, not yet given: blank, not marked
    doc.ElModelFlag = {0, 2, 1};  // the reference mark is no Omit mark
    t.env.DecSep = ',';
    TextGrid grid;
    LoadModelTable(t.doc, t.env.DecSep, grid);
    ASSERT_EQ(grid.Rows(), 2 * 4 + 6);
    EXPECT_EQ(grid.FixedCols(), 2);
    EXPECT_EQ(column(grid, 1), (Cells{"", "Name", "Link to", "Mol. weight", "Density", "", "Si Me", "Si Ox", "O", "C",
                                      "IMFP  Si Me", "IMFP  Si Ox", "IMFP  O", "IMFP  C"}));
    EXPECT_EQ(column(grid, kCol1), (Cells{"Layer 1", "Carbon", "Fixed", "12,01", "2,000", "", " ", " ", " ", "1,00",
                                          "3,60", "3,60", "2,90", " "}));
    EXPECT_EQ(column(grid, kCol2), (Cells{"Layer 2", "SiO2", "Layer 1", "60,08", "2,200", "", " ", "1,00", "2,00", " ",
                                          "3,40", "3,40", "2,70", kUnused}));
    // Only the metal's electrons start in the bulk; oxide, O and C never pass it.
    EXPECT_EQ(column(grid, kColBulk), (Cells{"Bulk", "Si", "", "28,09", "2,330", "", "1,00", " ", " ", " ", "3,20",
                                             kUnused, kUnused, kUnused}));
    EXPECT_EQ(column(grid, kColOmit), (Cells{"Omit", "", "", "", "", "", "", "X", "", "", "", "", "", ""}));
    EXPECT_EQ(grid.TextMatrix(12, 4), " ");  // an undefined layer carries no marks

    test::ModelWorkspace tube;
    test::BuildCarbonNanotube(tube.doc);
    tube.doc.IslandMode = 1;
    LoadModelTable(tube.doc, tube.env.DecSep, grid);
    EXPECT_EQ(grid.Rows(), 2 * 2 + 6 + 1);
    EXPECT_EQ(grid.TextMatrix(2, 1), "Type");
    EXPECT_EQ(grid.TextMatrix(0, kColBulk), "Tube");
}

TEST(TransferModelTable, TypedIslandGridBecomesTheRecordAndComesBackNormalised)
{
    test::ModelWorkspace t;
    Document& doc = t.doc;
    test::BuildOxidisedWafer(doc);
    doc.IslandMode = 1;
    TextGrid grid;
    LoadModelTable(t.doc, t.env.DecSep, grid);
    grid.SetTextMatrix(2, kCol1, " Island ");
    grid.SetTextMatrix(3, kCol1, "Layer 2");
    grid.SetTextMatrix(4, kCol1, "12.5");
    grid.SetTextMatrix(5, kCol2, "2.65");
    grid.SetTextMatrix(9, kCol2, "1.5");
    grid.SetTextMatrix(10, kColOmit, "x");
    ASSERT_TRUE(TransferModelTable(t.doc, t.env.DecSep, grid));
    EXPECT_EQ(doc.LayerCount, 2);
    EXPECT_EQ((std::array<int, 4>{doc.LayerKind[1], doc.LayerLink[1], doc.ElModelFlag[4], doc.ElModelFlag[1]}),
              (std::array<int, 4>{2, 2, 1, 0}));
    EXPECT_EQ(doc.LayerMolWeight[1], 12.5f);
    EXPECT_EQ(doc.LayerDensity[2], 2.65f);
    EXPECT_EQ(doc.LayerComp[2][3], 1.5f);

    LoadModelTable(t.doc, t.env.DecSep, grid);
    EXPECT_EQ(column(grid, kCol1), (Cells{"Layer 1", "Carbon", "Island", "Layer 2", "12.50", "2.000", "", " ", " ", " ",
                                          "1.00", "3.60", "3.60", "2.90", "3.00"}));
    EXPECT_EQ(grid.TextMatrix(10, kColOmit), "X");
    const Document first = doc;
    ASSERT_TRUE(TransferModelTable(t.doc, t.env.DecSep, grid));
    EXPECT_EQ(doc.LayerComp, first.LayerComp);
    EXPECT_EQ(doc.LayerIMFP, first.LayerIMFP);
    EXPECT_EQ(doc.LayerKind, first.LayerKind);
    EXPECT_EQ(doc.LayerLink, first.LayerLink);

    const std::tuple<const char*, const char*, int, int> words[] = {
        {"Layer", "Fixed", 1, -1}, {"island", "Lay3", 0, 3}, {"Isl", "Layer x", 0, 0}, {"", "Layer 9", 0, 9}};
    for (const auto& [type, link, kind, linked] : words) {
        grid.SetTextMatrix(2, kCol1, type);
        grid.SetTextMatrix(3, kCol1, link);
        ASSERT_TRUE(TransferModelTable(t.doc, t.env.DecSep, grid));
        EXPECT_EQ(doc.LayerKind[1], kind) << type;
        EXPECT_EQ(doc.LayerLink[1], linked) << link;
    }
}

TEST(TransferModelTable, UntouchedCellsKeepTheRecordsFullPrecision)
{
    test::ModelWorkspace t;
    Document& doc = t.doc;
    test::BuildOxidisedWafer(doc);
    doc.LayerComp[2][3] = 2.0f / 3.0f;
    doc.LayerDensity[0] = 2.3296f;
    doc.LayerComp[1][1] = -1.0f;
    doc.LayerMolWeight[1] = std::numeric_limits<float>::quiet_NaN();  // from a damaged file
    TextGrid grid;
    LoadModelTable(t.doc, t.env.DecSep, grid);
    EXPECT_EQ(grid.TextMatrix(3, kCol1), "NaN");
    ASSERT_TRUE(TransferModelTable(t.doc, t.env.DecSep, grid));
    EXPECT_TRUE(std::isnan(doc.LayerMolWeight[1]));  // kept for the range check to report
    EXPECT_EQ(doc.LayerComp[2][3], 2.0f / 3.0f);
    EXPECT_EQ(doc.LayerDensity[0], 2.3296f);
    EXPECT_EQ(doc.LayerComp[1][1], -1.0f);

    grid.SetTextMatrix(8, kCol2, "0.7");  // typed over what was shown
    grid.SetTextMatrix(6, kCol1, "");
    ASSERT_TRUE(TransferModelTable(t.doc, t.env.DecSep, grid));
    EXPECT_EQ(doc.LayerComp[2][3], 0.7f);
    EXPECT_EQ(doc.LayerComp[1][1], 0.0f);
}

TEST(TransferModelTable, LayersCountedByNameUnnamedRowsClearedForeignGridsRefused)
{
    test::ModelWorkspace t;
    Document& doc = t.doc;
    test::BuildOxidisedWafer(doc);
    doc.LayerBandGap = {-1.0f, 5.0f, 9.0f};
    doc.LayerValElec[2] = 16;
    doc.setLayerClass(2, MaterialClass::Inorganic);
    TextGrid grid;
    LoadModelTable(t.doc, t.env.DecSep, grid);

    const Document before = doc;
    doc.IslandMode = 1;  // the grid has no Type row
    EXPECT_FALSE(TransferModelTable(t.doc, t.env.DecSep, grid));
    EXPECT_EQ(doc.LayerComp, before.LayerComp);
    doc.IslandMode = 0;

    grid.SetTextMatrix(1, kCol2, " ");
    grid.SetTextMatrix(1, 5, "Cap");  // layer 4
    ASSERT_TRUE(TransferModelTable(t.doc, t.env.DecSep, grid));
    EXPECT_EQ(doc.LayerCount, 2);
    EXPECT_TRUE(doc.LayerName[2].isBlank());
    EXPECT_EQ((std::array<float, 5>{doc.LayerMolWeight[2], doc.LayerDensity[2], doc.LayerComp[2][3],
                                    doc.LayerIMFP[2][1], doc.LayerBandGap[2]}),
              (std::array<float, 5>{0, 0, 0, 0, -1}));
    EXPECT_EQ(doc.LayerValElec[2] + doc.LayerMatClass[2] + doc.LayerKind[2], 0);
    EXPECT_EQ(doc.LayerBandGap[1], 5.0f);  // kept: the grid does not show it
    int errors = 0;
    std::string message;
    CheckModel(t.doc, t.model, errors, message);
    EXPECT_EQ(message.rfind("- Layer 2 not defined   \r\n", 0), 0u) << message;
}

// "---" stands exactly where no electron needs the IMFP: such cells read as
// 0 and are never missing, the others are reported when empty.
TEST(UnusedImfps, MarksFollowWhereTheElementsElectronsPass)
{
    test::ModelWorkspace t;
    Document& doc = t.doc;
    test::BuildOxidisedWafer(doc);
    doc.LayerIMFP[0][4] = 3.1f;
    TextGrid grid;
    LoadModelTable(t.doc, t.env.DecSep, grid);
    ASSERT_TRUE(TransferModelTable(t.doc, t.env.DecSep, grid));
    EXPECT_EQ(doc.LayerIMFP[0][4], 0.0f);
    const auto usable = [&] { return ModelUsable(RunModelChecks(t.doc, t.model).errors); };
    EXPECT_TRUE(usable());

    grid.SetTextMatrix(9, kColBulk, "0.5");  // carbon also in the bulk: all its cells needed
    ASSERT_TRUE(TransferModelTable(t.doc, t.env.DecSep, grid));
    const ModelFindings found = RunModelChecks(t.doc, t.model);
    EXPECT_EQ(found.message, "- Missing IMFP data   \r\n");
    MarkUnusedImfps(doc, grid);
    EXPECT_EQ(grid.TextMatrix(13, kColBulk), kUnused);  // marks are only added
    grid.SetTextMatrix(13, kColBulk, "3.1");
    grid.SetTextMatrix(13, kCol2, "3.05");
    ASSERT_TRUE(TransferModelTable(t.doc, t.env.DecSep, grid));
    EXPECT_TRUE(usable());

    grid.SetTextMatrix(8, kCol2, "");  // O removed: none of its cells is needed
    ASSERT_TRUE(TransferModelTable(t.doc, t.env.DecSep, grid));
    MarkUnusedImfps(doc, grid);
    EXPECT_EQ((Cells{grid.TextMatrix(12, kCol1), grid.TextMatrix(12, kCol2), grid.TextMatrix(12, kColBulk),
                     grid.TextMatrix(13, kCol2)}),
              (Cells{kUnused, kUnused, kUnused, "3.05"}));
}

}  // namespace
}  // namespace slv
