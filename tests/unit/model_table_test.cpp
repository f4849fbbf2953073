// The model grid and the record: layout with and without the island Type
// row, cell formats, the Type, Link and Omit words, unused IMFP cells, and
// transfers in both directions that neither lose nor invent data.
#include <gtest/gtest.h>

#include <vector>

#include "model/model_check.h"
#include "model/model_table.h"
#include "support/layer_models.h"
#include "support/test_session.h"

namespace slv {
namespace {

constexpr int kCol1 = 2;  // layer 1
constexpr int kCol2 = 3;  // layer 2

std::vector<std::string> column(const TextGrid& grid, int col)
{
    std::vector<std::string> cells;
    for (int row = 0; row < grid.Rows(); ++row)
        cells.push_back(grid.TextMatrix(row, col));
    return cells;
}

TEST(ModelTableLayout, RowsFollowTheElementCountAndTheIslandTypeRow)
{
    for (const int islands : {0, 1}) {
        test::TestSession t;
        test::BuildOxidisedWafer(t.doc());
        t.doc().IslandMode = static_cast<Integer>(islands);
        TextGrid grid;
        LoadModelTable(t.session, grid);
        ASSERT_EQ(grid.Rows(), 2 * 4 + 6 + islands);
        ASSERT_EQ(grid.Cols(), 9);
        EXPECT_EQ(grid.FixedRows(), 1);
        EXPECT_EQ(grid.FixedCols(), 2);
        std::vector<std::string> captions{"", "Name"};
        if (islands == 1)
            captions.push_back("Type");
        // A blank row parts the material data from the compositions.
        for (const char* caption : {"Link to", "Mol. weight", "Density", "", "Si Me", "Si Ox", "O", "C", "IMFP  Si Me",
                                    "IMFP  Si Ox", "IMFP  O", "IMFP  C"})
            captions.push_back(caption);
        EXPECT_EQ(column(grid, 1), captions) << "island mode " << islands;
    }
    test::TestSession tube;
    test::BuildCarbonNanotube(tube.doc());
    TextGrid grid;
    LoadModelTable(tube.session, grid);
    std::vector<std::string> headers;
    for (int col = 2; col < 9; ++col)
        headers.push_back(grid.TextMatrix(0, col));
    EXPECT_EQ(headers, (std::vector<std::string>{"Layer 1", "Layer 2", "Layer 3", "Layer 4", "Layer 5", "Tube", "Omit"}));
}

TEST(LoadModelTable, CellsShowTheRecordThroughTheGridMasks)
{
    test::TestSession t;
    Document& doc = t.doc();
    test::BuildOxidisedWafer(doc);
    doc.LayerLink[1] = -1;
    doc.LayerLink[2] = 1;
    doc.LayerComp[1][1] = -1.0f;  // the marker shows blank
    doc.LayerIMFP[1][4] = 0.0f;   // a needed IMFP not yet given
    doc.ElModelFlag[2] = 1;
    doc.ElModelFlag[1] = 2;  // the reference mark is no Omit mark
    t.session.DecSep = ',';
    TextGrid grid;
    LoadModelTable(t.session, grid);
    EXPECT_EQ(column(grid, kCol1), (std::vector<std::string>{"Layer 1", "Carbon", "Fixed", "12,01", "2,000", "", " ",
                                                             " ", " ", "1,00", "3,60", "3,60", "2,90", " "}));
    EXPECT_EQ(column(grid, kCol2), (std::vector<std::string>{"Layer 2", "SiO2", "Layer 1", "60,08", "2,200", "", " ",
                                                             "1,00", "2,00", " ", "3,40", "3,40", "2,70",
                                                             "       ---"}));
    // The bulk: only the metal's electrons start here; oxide, O and C never pass it.
    EXPECT_EQ(column(grid, 7), (std::vector<std::string>{"Bulk", "Si", "", "28,09", "2,330", "", "1,00", " ", " ", " ",
                                                         "3,20", "       ---", "       ---", "       ---"}));
    EXPECT_EQ(column(grid, 8),
              (std::vector<std::string>{"Omit", "", "", "", "", "", "", "X", "", "", "", "", "", ""}));
    // An undefined layer column is blank, without marks.
    EXPECT_EQ(grid.TextMatrix(1, 4), "");
    EXPECT_EQ(grid.TextMatrix(12, 4), " ");
}

TEST(TransferModelTable, TypedGridBecomesTheRecordAndComesBackNormalised)
{
    test::TestSession t;
    Document& doc = t.doc();
    test::BuildOxidisedWafer(doc);
    doc.IslandMode = 1;
    TextGrid grid;
    LoadModelTable(t.session, grid);
    // Typed by the analyst: layer 1 an island linked to layer 2, layer 2 a
    // layer with new material data, and carbon omitted.
    grid.SetTextMatrix(2, kCol1, "Island");
    grid.SetTextMatrix(3, kCol1, "Layer 2");
    grid.SetTextMatrix(4, kCol1, "12.5");
    grid.SetTextMatrix(2, kCol2, "Layer");
    grid.SetTextMatrix(5, kCol2, " 2.65 ");
    grid.SetTextMatrix(9, kCol2, "1.5");
    grid.SetTextMatrix(10, 8, "x");
    ASSERT_TRUE(TransferModelTable(t.session, grid));
    EXPECT_EQ(doc.LayerCount, 2);
    EXPECT_EQ(doc.LayerKind[1], 2);
    EXPECT_EQ(doc.LayerKind[2], 1);
    EXPECT_EQ(doc.LayerLink[1], 2);
    EXPECT_EQ(doc.LayerMolWeight[1], 12.5f);
    EXPECT_EQ(doc.LayerDensity[2], 2.65f);
    EXPECT_EQ(doc.LayerComp[2][3], 1.5f);
    EXPECT_EQ(doc.ElModelFlag[4], 1);
    EXPECT_EQ(doc.ElModelFlag[1], 0);

    TextGrid shown;
    LoadModelTable(t.session, shown);
    EXPECT_EQ(column(shown, kCol1), (std::vector<std::string>{"Layer 1", "Carbon", "Island", "Layer 2", "12.50", "2.000",
                                                              "", " ", " ", " ", "1.00", "3.60", "3.60", "2.90", "3.00"}));
    EXPECT_EQ(shown.TextMatrix(5, kCol2), "2.650");
    EXPECT_EQ(shown.TextMatrix(10, 8), "X");
    // Grid -> record -> grid -> record changes nothing more.
    const Document first = doc;
    ASSERT_TRUE(TransferModelTable(t.session, shown));
    EXPECT_EQ(doc.LayerComp, first.LayerComp);
    EXPECT_EQ(doc.LayerIMFP, first.LayerIMFP);
    EXPECT_EQ(doc.LayerKind, first.LayerKind);
    EXPECT_EQ(doc.LayerLink, first.LayerLink);
    EXPECT_EQ(doc.LayerDensity, first.LayerDensity);
    EXPECT_EQ(doc.ElModelFlag, first.ElModelFlag);
}

TEST(TransferModelTable, UntouchedCellsKeepTheFullPrecisionOfTheRecord)
{
    test::TestSession t;
    Document& doc = t.doc();
    test::BuildOxidisedWafer(doc);
    doc.LayerComp[2][3] = 2.0f / 3.0f;
    doc.LayerDensity[0] = 2.3296f;
    doc.LayerIMFP[1][1] = 3.6149f;
    doc.LayerComp[1][1] = -1.0f;
    TextGrid grid;
    LoadModelTable(t.session, grid);
    EXPECT_EQ(grid.TextMatrix(8, kCol2), "0.67");
    ASSERT_TRUE(TransferModelTable(t.session, grid));
    EXPECT_EQ(doc.LayerComp[2][3], 2.0f / 3.0f);
    EXPECT_EQ(doc.LayerDensity[0], 2.3296f);
    EXPECT_EQ(doc.LayerIMFP[1][1], 3.6149f);
    EXPECT_EQ(doc.LayerComp[1][1], -1.0f);

    grid.SetTextMatrix(8, kCol2, "0.7");  // typed over
    grid.SetTextMatrix(6, kCol1, "");     // cleared
    ASSERT_TRUE(TransferModelTable(t.session, grid));
    EXPECT_EQ(doc.LayerComp[2][3], 0.7f);
    EXPECT_EQ(doc.LayerComp[1][1], 0.0f);
}

TEST(TransferModelTable, WordsOfTheTypeAndLinkRows)
{
    struct WordCase {
        const char* type;
        const char* link;
        int kind;
        int layerLink;
    };
    const WordCase cases[] = {
        {"Layer", "", 1, 0},       {"Island", "Fixed", 2, -1}, {" Island ", "Layer 2", 2, 2},
        {"island", "Lay3", 0, 3},  {"", "Layer x", 0, 0},      {"Isl", "Layer 9", 0, 9},
        {"Layers", "free", 0, 0},
    };
    for (const WordCase& c : cases) {
        test::TestSession t;
        test::BuildOxidisedWafer(t.doc());
        t.doc().IslandMode = 1;
        TextGrid grid;
        LoadModelTable(t.session, grid);
        grid.SetTextMatrix(2, kCol1, c.type);
        grid.SetTextMatrix(3, kCol1, c.link);
        ASSERT_TRUE(TransferModelTable(t.session, grid));
        EXPECT_EQ(t.doc().LayerKind[1], c.kind) << c.type;
        EXPECT_EQ(t.doc().LayerLink[1], c.layerLink) << c.link;
    }
}

TEST(TransferModelTable, LayersAreCountedByNameAndUnnamedRowsCleared)
{
    test::TestSession t;
    Document& doc = t.doc();
    test::BuildOxidisedWafer(doc);
    doc.LayerBandGap[2] = 9.0f;
    doc.LayerValElec[2] = 16;
    doc.LayerMatClass[2] = kClassInorganic;
    doc.LayerBandGap[1] = 5.0f;
    TextGrid grid;
    LoadModelTable(t.session, grid);
    grid.SetTextMatrix(1, kCol2, " ");
    grid.SetTextMatrix(1, 5, "Cap");  // layer 4 named: counted as the second layer
    ASSERT_TRUE(TransferModelTable(t.session, grid));
    EXPECT_EQ(doc.LayerCount, 2);
    EXPECT_TRUE(doc.LayerName[2].isBlank());
    EXPECT_EQ(doc.LayerMolWeight[2], 0.0f);
    EXPECT_EQ(doc.LayerDensity[2], 0.0f);
    EXPECT_EQ(doc.LayerComp[2][3], 0.0f);
    EXPECT_EQ(doc.LayerIMFP[2][1], 0.0f);
    EXPECT_EQ(doc.LayerBandGap[2], -1.0f);
    EXPECT_EQ(doc.LayerValElec[2], 0);
    EXPECT_EQ(doc.LayerMatClass[2], kClassNone);
    EXPECT_EQ(doc.LayerKind[2], 0);
    // Data the grid does not show stays with a named layer.
    EXPECT_EQ(doc.LayerBandGap[1], 5.0f);
    EXPECT_EQ(doc.LayerName[4].trimmedText(), "Cap");
    // The gap is what the table check reports.
    int errors = 0;
    std::string message;
    CheckModel(t.session, errors, message);
    EXPECT_EQ(message.rfind("- Layer 2 not defined   \r\n", 0), 0u) << message;
}

TEST(TransferModelTable, AGridOfAnotherLayoutIsNotRead)
{
    test::TestSession t;
    Document& doc = t.doc();
    test::BuildOxidisedWafer(doc);
    TextGrid grid;
    LoadModelTable(t.session, grid);
    const Document before = doc;
    doc.IslandMode = 1;  // the grid has no Type row
    EXPECT_FALSE(TransferModelTable(t.session, grid));
    doc.IslandMode = 0;
    doc.ElemCount = 3;
    EXPECT_FALSE(TransferModelTable(t.session, grid));
    EXPECT_EQ(doc.LayerComp, before.LayerComp);
    EXPECT_EQ(doc.LayerCount, before.LayerCount);
}

// The mark "---" stands exactly where no electron needs the IMFP; the table
// check then leaves those cells alone and reports the needed ones.
TEST(UnusedImfps, MarkedCellsReadAsZeroAndAreNeverMissing)
{
    test::TestSession t;
    Document& doc = t.doc();
    test::BuildOxidisedWafer(doc);
    doc.LayerIMFP[0][4] = 3.1f;  // carbon never reaches the bulk: the value is dropped
    TextGrid grid;
    LoadModelTable(t.session, grid);
    EXPECT_EQ(grid.TextMatrix(13, 7), "       ---");
    ASSERT_TRUE(TransferModelTable(t.session, grid));
    EXPECT_EQ(doc.LayerIMFP[0][4], 0.0f);
    EXPECT_TRUE(ValidateModel(t.session));

    // Carbon now also in the bulk: all its cells are needed, and the marks
    // return only where the grid is marked again.
    grid.SetTextMatrix(9, 7, "0.5");
    ASSERT_TRUE(TransferModelTable(t.session, grid));
    int errors = 0;
    std::string message;
    CheckModel(t.session, errors, message);
    EXPECT_EQ(message, "- Missing IMFP data   \r\n");
    MarkUnusedImfps(doc, grid);
    EXPECT_EQ(grid.TextMatrix(13, 7), "       ---");  // left as it stood
    grid.SetTextMatrix(13, 7, "3.1");
    grid.SetTextMatrix(13, kCol2, "3.05");
    ASSERT_TRUE(TransferModelTable(t.session, grid));
    CheckModel(t.session, errors, message);
    EXPECT_EQ(message, "");

    // Removing O from the oxide frees its cells in every row.
    grid.SetTextMatrix(8, kCol2, "");
    ASSERT_TRUE(TransferModelTable(t.session, grid));
    MarkUnusedImfps(doc, grid);
    EXPECT_EQ(grid.TextMatrix(12, kCol1), "       ---");
    EXPECT_EQ(grid.TextMatrix(12, kCol2), "       ---");
    EXPECT_EQ(grid.TextMatrix(12, 7), "       ---");
    EXPECT_EQ(grid.TextMatrix(13, kCol2), "3.05");
}

TEST(PassModelThroughGrid, KeepsAValidRecordValid)
{
    test::TestSession t;
    test::BuildCarbonNanotube(t.doc());
    t.doc().LayerComp[1][2] = 0.123456f;
    PassModelThroughGrid(t.session);
    EXPECT_EQ(t.doc().LayerCount, 1);
    EXPECT_EQ(t.doc().LayerComp[1][2], 0.123456f);
    EXPECT_FLOAT_EQ(t.doc().LayerIMFP[0][2], 3.2f);  // every tube cell is needed
    EXPECT_TRUE(ValidateModel(t.session));
}

}  // namespace
}  // namespace slv
