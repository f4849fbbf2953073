// The table behind every data and result window: a rectangle of text cells
// with a fixed header row and column, a current cell, a selection, column
// widths and alignments. The window logic (typing, transfers into the
// document, clearing, copy and paste) works on this model alone; a view only
// displays it and forwards keys and clicks.
//
// Rows and columns are numbered from 0; row 0 and column 0 are usually the
// fixed header row and column. The selection is the rectangle spanned by the
// current cell (Row, Col) and the selection end (RowSel, ColSel), in either
// direction. Writing Text changes the current cell, or in the Repeat fill
// style every cell of the selection. Clip is the selection as block text:
// a tab between cells and a carriage return between rows.
//
// Indices outside the table are ignored by every setter and read as an empty
// cell, so a caller holding a smaller grid than it expects never reads or
// writes outside it.
//
// The view that shows a grid learns of every change through the grid's
// listener: which cells got another text, or that the size, the layout or
// the selection changed. A TextGrid::Update gathers the changes of a whole
// refill into one notice.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slv {

/// What a write to TextGrid::Text reaches.
enum class FillStyle {
    Single,  // the current cell only
    Repeat,  // every cell of the selection
};

/// Horizontal alignment of a column's cells; General shows text left and
/// numbers right.
enum class CellAlignment { General, Left, Center, Right };

/// A normalised block of cells, top <= bottom and left <= right, inclusive.
struct CellRange {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    int rowCount() const { return bottom - top + 1; }
    int colCount() const { return right - left + 1; }
    bool contains(int row, int col) const { return row >= top && row <= bottom && col >= left && col <= right; }
    friend bool operator==(const CellRange&, const CellRange&) = default;
};

/// What changed in a grid since the last notice.
struct GridChange {
    /// Rows or columns came or went: the view shows everything anew.
    bool size = false;
    /// Column widths, row heights, alignments or the fixed rows and columns.
    bool layout = false;
    /// The current cell or the selection.
    bool selection = false;
    /// The block spanning every cell whose text changed.
    std::optional<CellRange> cells;

    bool empty() const { return !size && !layout && !selection && !cells; }
    friend bool operator==(const GridChange&, const GridChange&) = default;
};

class TextGrid {
public:
    static constexpr int kDefaultColWidthTwips = 960;
    static constexpr int kDefaultRowHeightTwips = 240;

    /// An empty grid of rows x cols cells with one fixed row and column.
    explicit TextGrid(int rows = 2, int cols = 2);
    using Listener = std::function<void(const GridChange&)>;
    /// The one view told of every change; an empty listener tells nobody. A
    /// copy of the grid has the cells, the selection and the layout, but no
    /// listener.
    void setListener(Listener listener) { m_notifier.listener = std::move(listener); }

    /// While an Update lives, the grid's changes are gathered and told once
    /// when the outermost one ends.
    class Update {
    public:
        explicit Update(TextGrid& grid) : m_grid(grid) { ++m_grid.m_notifier.depth; }
        ~Update();
        Update(const Update&) = delete;
        Update& operator=(const Update&) = delete;

    private:
        TextGrid& m_grid;
    };

    int Rows() const { return m_rows; }
    int Cols() const { return m_cols; }
    /// Changes the size, keeping the text, widths and alignments of the cells
    /// that remain; new cells are empty. The current cell, the selection and
    /// the fixed rows and columns are pulled into the new size.
    void SetRows(int rows);
    void SetCols(int cols);

    int FixedRows() const { return m_fixedRows; }
    int FixedCols() const { return m_fixedCols; }
    void SetFixedRows(int fixedRows);
    void SetFixedCols(int fixedCols);

    /// Any cell, fixed or not; the current cell does not move.
    const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string_view text);

    /// The current cell. Moving it collapses the selection onto it.
    int Row() const { return m_row; }
    int Col() const { return m_col; }
    void SetRow(int row);
    void SetCol(int col);

    /// The selection end; the selection spans from the current cell to it.
    int RowSel() const { return m_rowSel; }
    int ColSel() const { return m_colSel; }
    void SetRowSel(int row);
    void SetColSel(int col);
    /// The selection with its corners ordered.
    CellRange Selection() const;

    FillStyle GetFillStyle() const { return m_fillStyle; }
    void SetFillStyle(FillStyle style) { m_fillStyle = style; }

    /// The current cell's text; writing it obeys the fill style.
    const std::string& Text() const { return TextMatrix(m_row, m_col); }
    void SetText(std::string_view text);

    /// The selection as block text: cells separated by tabs, rows by a
    /// carriage return, no line break after the last row.
    std::string Clip() const;
    /// Fills the selection from block text, row by row and cell by cell.
    /// Rows may be separated by CR, LF or CR LF, and a line break at the very
    /// end only closes the last row. Cells of the selection that the text
    /// does not reach keep their text; text beyond the selection is dropped.
    void SetClip(std::string_view block);

    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);

    /// Alignment of a column's non-fixed cells, and of its fixed (header) cells.
    CellAlignment ColAlignment(int col) const;
    void SetColAlignment(int col, CellAlignment alignment);
    CellAlignment FixedAlignment(int col) const;
    void SetFixedAlignment(int col, CellAlignment alignment);

private:
    struct Column {
        int widthTwips = kDefaultColWidthTwips;
        CellAlignment alignment = CellAlignment::General;
        CellAlignment fixedAlignment = CellAlignment::General;
    };

    bool validRow(int row) const { return row >= 0 && row < m_rows; }
    bool validCol(int col) const { return col >= 0 && col < m_cols; }
    void resize(int rows, int cols);
    /// Writes a cell without telling; true when its text changed.
    bool store(int row, int col, std::string_view text);
    /// Tells the listener now, or at the end of the current Update.
    void changed(const GridChange& change);
    void cellsChanged(const CellRange& range);

    int m_rows = 0;
    int m_cols = 0;
    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_row = 1;
    int m_col = 1;
    int m_rowSel = 1;
    int m_colSel = 1;
    FillStyle m_fillStyle = FillStyle::Single;
    std::vector<std::vector<std::string>> m_cells;  // [row][col]
    std::vector<int> m_rowHeights;
    std::vector<Column> m_columns;

    /// The listener and the changes gathered for it; not copied with the grid.
    struct Notifier {
        Notifier() = default;
        Notifier(const Notifier&) {}
        Notifier& operator=(const Notifier&) { return *this; }
        Listener listener;
        int depth = 0;
        GridChange gathered;
    };
    Notifier m_notifier;
};

}  // namespace slv
