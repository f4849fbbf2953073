#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/text_grid.h"

namespace slv {
namespace {

/// A 4 x 5 grid whose cells read "<row><col>".
TextGrid numberedGrid()
{
    TextGrid grid(4, 5);
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c)
            grid.SetTextMatrix(r, c, std::to_string(r) + std::to_string(c));
    return grid;
}

TextGrid selected(int row, int col, int rowSel, int colSel)
{
    TextGrid grid = numberedGrid();
    grid.SetRow(row);
    grid.SetCol(col);
    grid.SetRowSel(rowSel);
    grid.SetColSel(colSel);
    return grid;
}

/// The cells that differ from numberedGrid(), as "row,col=text".
std::vector<std::string> changedCells(const TextGrid& grid)
{
    const TextGrid original = numberedGrid();
    std::vector<std::string> changed;
    for (int r = 0; r < original.Rows(); ++r)
        for (int c = 0; c < original.Cols(); ++c)
            if (grid.TextMatrix(r, c) != original.TextMatrix(r, c))
                changed.push_back(std::to_string(r) + "," + std::to_string(c) + "=" + grid.TextMatrix(r, c));
    return changed;
}

TEST(TextGrid, TextFillsTheCurrentCellOrTheWholeSelectionByFillStyle)
{
    struct Case {
        FillStyle style;
        int row, col, rowSel, colSel;
        std::vector<std::string> changed;
    };
    const Case cases[] = {
        {FillStyle::Single, 1, 1, 1, 3, {"1,1=x"}},
        {FillStyle::Repeat, 1, 1, 1, 3, {"1,1=x", "1,2=x", "1,3=x"}},
        {FillStyle::Repeat, 2, 3, 1, 2, {"1,2=x", "1,3=x", "2,2=x", "2,3=x"}},  // dragged up and left
        {FillStyle::Single, 2, 3, 1, 2, {"2,3=x"}},
    };
    for (const Case& c : cases) {
        TextGrid grid = selected(c.row, c.col, c.rowSel, c.colSel);
        grid.SetFillStyle(c.style);
        grid.SetText("x");
        EXPECT_EQ(changedCells(grid), c.changed) << c.row << "," << c.col << " to " << c.rowSel << "," << c.colSel;
    }
}

TEST(TextGrid, SelectionIsNormalisedClippedAndCollapsedByMovingTheCurrentCell)
{
    TextGrid grid = selected(3, 4, 1, 2);
    const CellRange sel = grid.Selection();
    EXPECT_EQ((std::vector{sel.top, sel.left, sel.bottom, sel.right}), (std::vector{1, 2, 3, 4}));
    grid.SetCol(1);
    EXPECT_EQ(grid.RowSel(), 3);
    EXPECT_EQ(grid.ColSel(), 1);
    EXPECT_EQ(grid.Clip(), "31");
    // Tabs between cells, carriage returns between rows.
    EXPECT_EQ(selected(2, 3, 1, 1).Clip(), "11\t12\t13\r21\t22\t23");
}

TEST(TextGrid, BlockTextCopiedFromOneSelectionPastesIntoAnotherUnchanged)
{
    TextGrid source = selected(1, 1, 2, 3);
    source.SetTextMatrix(1, 2, "");  // an empty cell keeps its place
    TextGrid target(4, 5);
    target.SetRow(2);
    target.SetCol(2);
    target.SetRowSel(3);
    target.SetColSel(4);
    target.SetClip(source.Clip());
    EXPECT_EQ(target.Clip(), source.Clip());
    EXPECT_EQ(target.TextMatrix(3, 4), "23");
}

TEST(TextGrid, PastedBlockTextFillsOnlyTheSelectionItReaches)
{
    const std::vector<std::string> all = {"1,1=a", "1,2=b", "2,1=c", "2,2=d"};
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"a\tb\r\nc\td", all},
        {"a\tb\nc\td\n", all},  // a final line break closes the last row
        {"a\tb\rc\td\r\n", all},
        {"a\tb\tEXTRA\nc\td\nEXTRA", all},  // text beyond the selection is dropped
        {"a", {"1,1=a"}},                   // cells the text does not reach keep theirs
        {"a\tb", {"1,1=a", "1,2=b"}},       // one row into two: the second keeps its text
        {"\tb\n\n", {"1,1=", "1,2=b", "2,1="}},
    };
    for (const auto& [block, changed] : cases) {
        TextGrid grid = selected(1, 1, 2, 2);
        grid.SetClip(block);
        EXPECT_EQ(changedCells(grid), changed) << testing::PrintToString(std::string(block));
    }
}

TEST(TextGrid, ResizingKeepsWhatRemainsAndIndicesOutsideTheGridAreIgnored)
{
    TextGrid grid = selected(3, 4, 3, 4);
    grid.SetColWidth(2, 800);
    grid.SetColAlignment(2, CellAlignment::Right);
    grid.SetRows(2);
    grid.SetCols(3);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Text(), "12");
    EXPECT_EQ(grid.ColWidth(2), 800);
    EXPECT_EQ(grid.ColAlignment(2), CellAlignment::Right);
    grid.SetRows(4);
    EXPECT_EQ(grid.TextMatrix(3, 1), "");  // a regrown row is empty

    grid.SetTextMatrix(4, 0, "x");
    grid.SetRow(-1);
    grid.SetColWidth(9, 100);
    EXPECT_EQ(grid.TextMatrix(4, 0), "");
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.ColWidth(9), 0);
    grid.SetRows(0);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Clip(), "");
}

TEST(TextGrid, ItsViewIsToldWhatChangedOncePerUpdate)
{
    TextGrid grid = numberedGrid();
    std::vector<GridChange> told;
    grid.setListener([&](const GridChange& change) { told.push_back(change); });
    const auto cells = [](int top, int left, int bottom, int right) {
        GridChange change;
        change.cells = CellRange{top, left, bottom, right};
        return change;
    };
    GridChange layout;
    layout.layout = true;
    GridChange selection;
    selection.selection = true;

    grid.SetTextMatrix(2, 3, "x");
    grid.SetTextMatrix(2, 3, "x");  // the same text: nothing changed
    grid.SetTextMatrix(9, 9, "y");  // outside: nothing changed
    grid.SetColWidth(1, 500);
    grid.SetRow(1);
    grid.SetColSel(3);
    EXPECT_EQ(told, (std::vector<GridChange>{cells(2, 3, 2, 3), layout, selection, selection}));

    told.clear();
    grid.SetFillStyle(FillStyle::Repeat);
    grid.SetText("z");  // one notice for the block 1,1..1,3
    grid.SetClip("p\tq");
    EXPECT_EQ(told, (std::vector<GridChange>{cells(1, 1, 1, 3), cells(1, 1, 1, 2)}));

    told.clear();
    {
        TextGrid::Update update(grid);
        grid.SetTextMatrix(0, 4, "a");
        grid.SetTextMatrix(3, 0, "b");
        grid.SetRows(6);
        EXPECT_TRUE(told.empty());
    }
    GridChange refill = cells(0, 0, 3, 4);
    refill.size = true;
    EXPECT_EQ(told, std::vector<GridChange>{refill});

    // A copy shows the same cells but tells nobody.
    TextGrid copy = grid;
    told.clear();
    copy.SetTextMatrix(1, 1, "copy");
    grid.SetRows(6);  // unchanged size
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(copy.TextMatrix(0, 4), "a");
}

}  // namespace
}  // namespace slv
