// The Model window without the window: the cycles of the Type and Link to
// cells and the Omit marks, the keys those cells take, the checks shown on
// closing with Cancel keeping the window open, and the two windows that
// edit the layers seeing each other's committed edits.
#include <gtest/gtest.h>

#include "model/model_check.h"
#include "model/model_table.h"
#include "platform/fixed_text.h"
#include "session/model_grid.h"
#include "session/model_imfp_grid.h"
#include "support/test_session.h"

namespace slv {
namespace {

std::string textAt(const TextGrid& grid, int row, int col)
{
    return std::string(trimmed(grid.TextMatrix(row, col)));
}

class ModelWindow : public ::testing::Test {
protected:
    /// A plane model of `layers` layers on an Si bulk, with Si and O rows.
    void makeModel(int layers, bool islands = false)
    {
        Document& doc = t.doc();
        doc.setModelType(ModelType::Plane);
        doc.setIslands(islands);
        doc.IslandMode = islands ? 1 : 0;
        doc.ElemCount = 2;
        doc.ElSymbol[1] = "Si";
        doc.ElSymbol[2] = "O";
        doc.LayerCount = static_cast<Integer>(layers);
        doc.DocDirty = false;
        doc.LayerName.fill(LayerNameText());
        for (int k = 0; k <= layers; ++k) {
            doc.LayerName[k] = k == 0 ? "bulk" : "layer" + std::to_string(k);
            doc.LayerMolWeight[k] = 60.0f;
            doc.LayerDensity[k] = 2.2f;
            doc.LayerComp[k][1] = 1.0f;
            doc.LayerIMFP[k][1] = 3.0f;
        }
    }
    /// Double clicks on a cell, returning the texts it showed after each.
    std::vector<std::string> cycle(ModelGrid& window, int row, int col, int clicks)
    {
        window.grid().SetRow(row);
        window.grid().SetCol(col);
        std::vector<std::string> shown;
        for (int i = 0; i < clicks; ++i) {
            window.doubleClick();
            shown.push_back(textAt(window.grid(), row, col));
        }
        return shown;
    }
    ModelTableLayout layout() { return ModelTableLayoutOf(t.session.doc()); }

    test::TestSession t;
};

TEST_F(ModelWindow, DoubleClicksCycleLinksTypesAndOmitMarks)
{
    const struct {
        const char* name;
        int layers;
        bool islands;
        int layer;  // the column's layer; 0: the Omit column
        bool typeRow;
        std::vector<std::string> shown;
    } cases[] = {
        {"OneLayerLink", 1, false, 1, false, {"Fixed", "", "Fixed"}},
        {"MiddleOfThreeLink", 3, false, 2, false, {"Layer 1", "Layer 3", "Fixed", "", "Layer 1"}},
        {"FirstOfTwoLink", 2, false, 1, false, {"Layer 2", "Fixed", ""}},
        {"IslandType", 2, true, 2, true, {"Layer", "Island", "", "Layer"}},
        {"OmitMark", 1, false, 0, false, {"X", "", "X"}},
    };
    for (const auto& c : cases) {
        makeModel(c.layers, c.islands);
        ModelGrid window(t.session);
        const int col = c.layer == 0 ? kModelColOmit : ModelTableColumn(c.layer);
        const int row = c.layer == 0 ? layout().compositionRow(1) : c.typeRow ? layout().typeRow() : layout().linkRow();
        window.grid().SetTextMatrix(row, col, "");
        EXPECT_EQ(cycle(window, row, col, static_cast<int>(c.shown.size())), c.shown) << c.name;
        EXPECT_TRUE(t.session.doc().DocDirty) << c.name;
    }
}

TEST_F(ModelWindow, TheOxideLayerModelIgnoresDoubleClicksAndOtherCellsBeep)
{
    makeModel(1);
    ModelGrid window(t.session);
    EXPECT_EQ(cycle(window, layout().nameRow(), 2, 1), std::vector<std::string>{"layer1"});
    EXPECT_EQ(t.dialogs.beeps, 1);
    t.session.edit(Change::Parameters).doc.setModelType(ModelType::OxideLayer);
    EXPECT_EQ(cycle(window, layout().linkRow(), 2, 2), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(t.dialogs.beeps, 1);
}

TEST_F(ModelWindow, TheTypeRowTakesItsWordsAndTheOmitColumnTheSpaceBar)
{
    makeModel(2, true);
    ModelGrid window(t.session);
    TextGrid& grid = window.grid();
    grid.SetRow(layout().typeRow());
    grid.SetCol(3);
    window.keyPress('i');
    EXPECT_EQ(textAt(grid, layout().typeRow(), 3), "Island");
    window.keyPress('L');
    EXPECT_EQ(textAt(grid, layout().typeRow(), 3), "Layer");
    window.keyPress('x');
    EXPECT_EQ(textAt(grid, layout().typeRow(), 3), "Layer");
    EXPECT_EQ(t.dialogs.beeps, 1);

    grid.SetRow(layout().compositionRow(2));
    grid.SetCol(kModelColOmit);
    window.keyPress(' ');
    EXPECT_EQ(textAt(grid, layout().compositionRow(2), kModelColOmit), "X");
    window.keyPress('1');
    EXPECT_EQ(t.dialogs.beeps, 2);
    window.commit();
    EXPECT_EQ(t.session.doc().ElModelFlag[2], kElementOmitted);
}

TEST_F(ModelWindow, ClosingShowsTheModelErrorsAndCancelKeepsTheWindowOpen)
{
    makeModel(1);
    ModelGrid window(t.session);
    window.grid().SetTextMatrix(layout().nameRow(), kModelColBulk, "");  // the bulk removed
    t.dialogs.answers = {DialogAnswer::Cancel, DialogAnswer::Ok};
    EXPECT_FALSE(window.mayClose());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text.rfind(kModelErrorsHeading, 0), 0u);
    EXPECT_NE(t.dialogs.messages[0].text.find("- No bulk defined"), std::string::npos);
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(window.mayClose()) << "OK closes with the errors";

    // A sound model closes without a word.
    t.dialogs.messages.clear();
    makeModel(1);
    t.doc().LayerComp[1][2] = 2.0f;
    t.doc().LayerIMFP[1][2] = 3.0f;
    ModelGrid sound(t.session);
    EXPECT_TRUE(sound.mayClose());
    EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.messages[0].text;
}

TEST_F(ModelWindow, EachLayerWindowSeesWhatTheOtherCommitted)
{
    makeModel(1);
    ModelGrid model(t.session);
    ModelImfpGrid imfps(t.session);
    const int molWeight = layout().molWeightRow();

    imfps.grid().SetTextMatrix(1, kModelImfpColMolWeight, "79.87");
    imfps.commit();
    EXPECT_EQ(textAt(model.grid(), molWeight, 2), "79.87");
    model.commit();  // closed last, it does not bring the old value back
    EXPECT_FLOAT_EQ(t.session.doc().LayerMolWeight[1], 79.87f);

    model.grid().SetTextMatrix(layout().densityRow(), 2, "4.23");
    model.commit();
    EXPECT_EQ(textAt(imfps.grid(), 1, kModelImfpColDensity), "4.230");
    imfps.commit();
    EXPECT_FLOAT_EQ(t.session.doc().LayerDensity[1], 4.23f);
}

}  // namespace
}  // namespace slv
