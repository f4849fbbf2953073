// Typing into the data grids: the cell arithmetic, the list cycling, the
// keys of the element grid, and the intensity table read back with its
// rules for empty rows and negative values.
#include <gtest/gtest.h>

#include "document/element_table.h"
#include "session/element_grid.h"
#include "session/intensity_grid.h"
#include "support/test_session.h"

namespace slv {
namespace {

TEST(EvaluateCellText, WorksOutOneNumberOrOneOperation)
{
    struct Case {
        const char* text;
        char decSep;
        std::optional<std::string> result;
    };
    const std::optional<std::string> refused;
    for (const Case& c : {Case{"", '.', ""},           Case{"  ", '.', ""},           Case{" 12 ", '.', "12"},
                          Case{"1.2e3", '.', "1200"},  Case{"-1.5E-1", '.', "-0.15"}, Case{"2*3", '.', "6"},
                          Case{"1e2+5", '.', "105"},   Case{"-3-2", '.', "-5"},       Case{"7/2", '.', "3.5"},
                          Case{"1,5*2", ',', "3"},     Case{"7/2", ',', "3,5"},       Case{"1/0", '.', refused},
                          Case{"1.5.2", '.', refused}, Case{"2**3", '.', refused},    Case{"1+2+3", '.', refused},
                          Case{"e3", '.', refused},    Case{"1e", '.', refused},      Case{"abc", '.', refused},
                          Case{"1,5", '.', refused},   Case{".5", '.', "0.5"},        Case{"3-", '.', refused}})
        EXPECT_EQ(EvaluateCellText(c.text, c.decSep), c.result) << c.text;
}

TEST(NextListItem, CyclesThroughTheList)
{
    struct Case {
        const char* text;
        const char* list;
        const char* next;
    };
    for (const Case& c : {Case{"4f", kLineCycle, "1s"}, Case{"", kLineCycle, "1s"}, Case{"2p", kLineCycle, "3d"},
                          Case{" 3d ", kLineCycle, "4d"}, Case{"7x", kLineCycle, "1s"}, Case{"Ox", kStateCycle, " "},
                          Case{"", kStateCycle, "Me"}, Case{"Me", kStateCycle, "Ox"}})
        EXPECT_EQ(NextListItem(c.text, c.list), c.next) << c.text;
}

class ElementGridKeys : public ::testing::Test {
protected:
    test::TestSession t;
    ElementGrid elements{t.session};
};

TEST_F(ElementGridKeys, TextColumnsTakeAnyCharacterAndKeysEditTheCell)
{
    TextGrid& grid = elements.grid();
    elements.moveTo(2, kColSymbol);
    for (char ch : std::string("Fex"))
        elements.keyPress(ch);
    elements.keyDown(GridKey::Backspace);
    EXPECT_EQ(grid.Text(), "Fe");
    elements.moveTo(2, kColOxygens);
    elements.keyPress('1');
    elements.keyDown(GridKey::Enter);  // from the last column to the next row's first
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Col(), kColSymbol);
    elements.moveTo(2, kColOxygens);
    elements.keyDown(GridKey::Delete);
    EXPECT_EQ(grid.Text(), "");
    elements.moveTo(ElementGrid::kRows - 1, kColOxygens);
    elements.keyDown(GridKey::Tab);  // the last cell stays put
    EXPECT_EQ(grid.Row(), ElementGrid::kRows - 1);
    EXPECT_EQ(grid.Col(), kColOxygens);
}

TEST_F(ElementGridKeys, DoubleClicksCycleLineAndState)
{
    TextGrid& grid = elements.grid();
    grid.SetTextMatrix(1, kColLine, "4f");
    grid.SetTextMatrix(1, kColState, "Ox");
    elements.moveTo(1, kColLine);
    elements.doubleClick();
    EXPECT_EQ(grid.Text(), "1s");
    elements.moveTo(1, kColState);
    elements.doubleClick();
    EXPECT_EQ(grid.Text(), "");
    elements.doubleClick();
    EXPECT_EQ(grid.Text(), "Me");
    elements.moveTo(1, kColSymbol);
    elements.doubleClick();
    EXPECT_EQ(t.dialogs.beeps, 1);
}

TEST_F(ElementGridKeys, TheGridIsReadIntoTheDocumentAndReloadsWithIt)
{
    TextGrid& grid = elements.grid();
    grid.SetTextMatrix(1, kColSymbol, "fe");
    grid.SetTextMatrix(1, kColLine, "2P3");
    grid.SetTextMatrix(1, kColAtWeight, "55.846");
    elements.commit();
    EXPECT_EQ(t.session.doc().ElemCount, 1);
    EXPECT_EQ(t.session.doc().ElSymbol[1].trimmedText(), "Fe");
    EXPECT_EQ(grid.TextMatrix(1, kColAtWeight), "55.85");

    t.session.edit(Change::Elements).doc.ElemCount = 0;
    EXPECT_EQ(grid.TextMatrix(1, kColSymbol), "");
}

struct IntensityCase {
    const char* name;
    std::vector<std::vector<const char*>> rows;  // cells of the two element columns per experiment
    int expCount;
    std::vector<float> firstColumn;  // Intensity(e, 1) for e = 1..rows
};

class IntensityTransfer : public ::testing::TestWithParam<IntensityCase> {};

TEST_P(IntensityTransfer, ReadsTheExperimentsTheGridHolds)
{
    const IntensityCase& c = GetParam();
    test::TestSession t;
    t.doc().ElemCount = 2;
    t.doc().LabelSelect[1] = 1;  // the Name column comes first
    IntensityGrid intensity(t.session);
    TextGrid& grid = intensity.grid();
    ASSERT_EQ(grid.Cols(), 4);
    for (std::size_t e = 0; e < c.rows.size(); ++e) {
        grid.SetTextMatrix(static_cast<int>(e) + 1, 1, "run " + std::to_string(e + 1));
        for (std::size_t i = 0; i < 2; ++i)
            grid.SetTextMatrix(static_cast<int>(e) + 1, static_cast<int>(i) + 2, c.rows[e][i]);
    }
    intensity.commit();
    const Document& doc = t.session.doc();
    EXPECT_EQ(doc.ExpCount, c.expCount);
    for (std::size_t e = 0; e < c.firstColumn.size(); ++e)
        EXPECT_EQ(doc.Intensity[e + 1][1], c.firstColumn[e]) << "experiment " << e + 1;
    EXPECT_EQ(doc.LabelText[1][2].trimmedText(), "run 1");
}

INSTANTIATE_TEST_SUITE_P(
    Session, IntensityTransfer,
    ::testing::Values(IntensityCase{"NegativeBecomesZeroBlankStaysEmpty", {{"-5", "7"}, {"", "8"}}, 2, {0.0f, -1.0f}},
                      IntensityCase{"OneEmptyRowInsideTheTable",
                                    {{"1", ""}, {"2", ""}, {"3", ""}, {"", ""}, {"5", ""}},
                                    5,
                                    {1, 2, 3, -1, 5}},
                      IntensityCase{"TwoEmptyRowsEndTheTable",
                                    {{"1", ""}, {"2", ""}, {"3", ""}, {"", ""}, {"", ""}, {"6", ""}},
                                    3,
                                    {1, 2, 3, -1, -1, -1}},
                      IntensityCase{"OneExperiment", {{"1200", "2"}}, 1, {1200}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace slv
