#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/text_grid.h"

namespace slv {
namespace {

/// A 4 x 5 grid whose data cells read "r<row>c<col>".
TextGrid numberedGrid()
{
    TextGrid grid(4, 5);
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c)
            grid.SetTextMatrix(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    return grid;
}

void select(TextGrid& grid, int row, int col, int rowSel, int colSel)
{
    grid.SetRow(row);
    grid.SetCol(col);
    grid.SetRowSel(rowSel);
    grid.SetColSel(colSel);
}

/// The cells that differ from numberedGrid().
std::vector<std::string> changedCells(const TextGrid& grid)
{
    const TextGrid original = numberedGrid();
    std::vector<std::string> changed;
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c)
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
        // A selection dragged up and to the left covers the same cells.
        {FillStyle::Repeat, 2, 3, 1, 2, {"1,2=x", "1,3=x", "2,2=x", "2,3=x"}},
        {FillStyle::Single, 2, 3, 1, 2, {"2,3=x"}},
    };
    for (const Case& c : cases) {
        TextGrid grid = numberedGrid();
        select(grid, c.row, c.col, c.rowSel, c.colSel);
        grid.SetFillStyle(c.style);
        grid.SetText("x");
        EXPECT_EQ(changedCells(grid), c.changed) << "selection " << c.row << "," << c.col << " to " << c.rowSel
                                                 << "," << c.colSel;
        EXPECT_EQ(grid.Row(), c.row);
        EXPECT_EQ(grid.Col(), c.col);
    }
}

TEST(TextGrid, SelectionIsNormalisedAndMovingTheCurrentCellCollapsesIt)
{
    TextGrid grid = numberedGrid();
    select(grid, 3, 4, 1, 2);
    const CellRange sel = grid.Selection();
    EXPECT_EQ(sel.top, 1);
    EXPECT_EQ(sel.left, 2);
    EXPECT_EQ(sel.bottom, 3);
    EXPECT_EQ(sel.right, 4);
    EXPECT_EQ(sel.rowCount(), 3);
    EXPECT_EQ(sel.colCount(), 3);

    grid.SetCol(1);
    EXPECT_EQ(grid.RowSel(), 3);
    EXPECT_EQ(grid.ColSel(), 1);
    EXPECT_EQ(grid.Selection().rowCount(), 1);
    EXPECT_EQ(grid.Selection().colCount(), 1);
    EXPECT_EQ(grid.Text(), "r3c1");
}

TEST(TextGrid, ClipGivesTabsBetweenCellsAndCarriageReturnsBetweenRows)
{
    TextGrid grid = numberedGrid();
    select(grid, 2, 3, 1, 1);  // two rows, three columns
    EXPECT_EQ(grid.Clip(), "r1c1\tr1c2\tr1c3\rr2c1\tr2c2\tr2c3");
    select(grid, 2, 2, 2, 2);
    EXPECT_EQ(grid.Clip(), "r2c2");
}

TEST(TextGrid, BlockTextCopiedFromOneSelectionPastesIntoAnotherUnchanged)
{
    TextGrid source = numberedGrid();
    source.SetTextMatrix(1, 2, "");  // empty cells keep their place
    select(source, 1, 1, 2, 3);
    const std::string block = source.Clip();

    TextGrid target(4, 5);
    select(target, 2, 2, 3, 4);
    target.SetClip(block);
    EXPECT_EQ(target.Clip(), block);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(target.TextMatrix(2 + i, 2 + j), source.TextMatrix(1 + i, 1 + j));
    EXPECT_EQ(target.TextMatrix(1, 1), "");
}

TEST(TextGrid, PastedBlockTextFillsOnlyTheSelectionItReaches)
{
    struct Case {
        const char* block;
        std::vector<std::string> changed;
    };
    // Selection rows 1..2, columns 1..2.
    const Case cases[] = {
        {"a\tb\r\nc\td", {"1,1=a", "1,2=b", "2,1=c", "2,2=d"}},
        {"a\tb\nc\td\n", {"1,1=a", "1,2=b", "2,1=c", "2,2=d"}},   // trailing line break closes the row
        {"a\tb\rc\td\r\n", {"1,1=a", "1,2=b", "2,1=c", "2,2=d"}},
        {"a", {"1,1=a"}},                                          // short text leaves the rest
        {"a\tb\tEXTRA\nc\td\nEXTRA", {"1,1=a", "1,2=b", "2,1=c", "2,2=d"}},  // excess is dropped
        {"\tb\n\n", {"1,1=", "1,2=b", "2,1="}},                    // empty cells and rows are cleared
        {"", {"1,1="}},
    };
    for (const Case& c : cases) {
        TextGrid grid = numberedGrid();
        select(grid, 1, 1, 2, 2);
        grid.SetClip(c.block);
        EXPECT_EQ(changedCells(grid), c.changed) << "block " << testing::PrintToString(std::string(c.block));
    }
}

TEST(TextGrid, ResizingKeepsTextAndPullsCurrentCellAndFixedLinesInside)
{
    TextGrid grid = numberedGrid();
    grid.SetColWidth(2, 800);
    grid.SetColAlignment(2, CellAlignment::Right);
    select(grid, 3, 4, 3, 4);
    grid.SetRows(2);
    grid.SetCols(3);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.TextMatrix(1, 2), "r1c2");
    EXPECT_EQ(grid.ColWidth(2), 800);
    EXPECT_EQ(grid.ColAlignment(2), CellAlignment::Right);

    grid.SetRows(4);
    EXPECT_EQ(grid.TextMatrix(3, 1), "");  // new rows are empty, not the old text
    EXPECT_EQ(grid.RowHeight(3), TextGrid::kDefaultRowHeightTwips);

    grid.SetFixedRows(1);
    grid.SetRows(0);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Text(), "");
    grid.SetText("lost");
    EXPECT_EQ(grid.Clip(), "");
}

TEST(TextGrid, IndicesOutsideTheGridAreIgnored)
{
    TextGrid grid = numberedGrid();
    grid.SetTextMatrix(4, 0, "x");
    grid.SetTextMatrix(0, -1, "x");
    grid.SetRow(7);
    grid.SetColSel(-2);
    grid.SetColWidth(9, 100);
    grid.SetFixedAlignment(5, CellAlignment::Center);
    EXPECT_TRUE(changedCells(grid).empty());
    EXPECT_EQ(grid.TextMatrix(-1, 0), "");
    EXPECT_EQ(grid.TextMatrix(0, 5), "");
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.ColSel(), 1);
    EXPECT_EQ(grid.ColWidth(9), 0);
}

TEST(TextGrid, FixedRowAndColumnAreHeadersWithTheirOwnAlignment)
{
    TextGrid grid(21, 10);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    grid.SetTextMatrix(0, 1, "Symbol");  // header cells are written like any other
    grid.SetFixedAlignment(1, CellAlignment::Center);
    grid.SetColAlignment(1, CellAlignment::Left);
    EXPECT_EQ(grid.TextMatrix(0, 1), "Symbol");
    EXPECT_EQ(grid.FixedAlignment(1), CellAlignment::Center);
    EXPECT_EQ(grid.ColAlignment(1), CellAlignment::Left);
    EXPECT_EQ(grid.ColAlignment(2), CellAlignment::General);
    EXPECT_EQ(grid.Row(), 1);  // the current cell starts in the first data cell
    EXPECT_EQ(grid.Col(), 1);
}

}  // namespace
}  // namespace slv
