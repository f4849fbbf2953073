#include "document/text_grid.h"

#include <algorithm>

namespace slv {

namespace {

const std::string kNoText;

int clampIndex(int index, int count)
{
    return std::clamp(index, 0, std::max(count - 1, 0));
}

/// Splits block text into rows at CR, LF or CR LF; a final line break
/// closes the last row instead of opening an empty one.
std::vector<std::string_view> splitRows(std::string_view block)
{
    std::vector<std::string_view> rows;
    std::size_t start = 0;
    for (std::size_t i = 0; i < block.size(); ++i) {
        if (block[i] != '\r' && block[i] != '\n')
            continue;
        rows.push_back(block.substr(start, i - start));
        if (block[i] == '\r' && i + 1 < block.size() && block[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < block.size() || rows.empty())
        rows.push_back(block.substr(start));
    return rows;
}

std::vector<std::string_view> splitCells(std::string_view row)
{
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (std::size_t tab = row.find('\t'); tab != std::string_view::npos; tab = row.find('\t', start)) {
        cells.push_back(row.substr(start, tab - start));
        start = tab + 1;
    }
    cells.push_back(row.substr(start));
    return cells;
}

GridChange layoutChange()
{
    GridChange change;
    change.layout = true;
    return change;
}

GridChange selectionChange()
{
    GridChange change;
    change.selection = true;
    return change;
}

/// The smallest block holding both.
CellRange spanning(const CellRange& a, const CellRange& b)
{
    return {std::min(a.top, b.top), std::min(a.left, b.left), std::max(a.bottom, b.bottom), std::max(a.right, b.right)};
}

}  // namespace

TextGrid::TextGrid(int rows, int cols)
{
    resize(rows, cols);
}

TextGrid::Update::~Update()
{
    Notifier& notifier = m_grid.m_notifier;
    if (--notifier.depth > 0)
        return;
    const GridChange gathered = notifier.gathered;
    notifier.gathered = {};
    if (!gathered.empty() && notifier.listener)
        notifier.listener(gathered);
}

void TextGrid::changed(const GridChange& change)
{
    Notifier& notifier = m_notifier;
    if (notifier.depth == 0) {
        if (notifier.listener)
            notifier.listener(change);
        return;
    }
    GridChange& gathered = notifier.gathered;
    gathered.size = gathered.size || change.size;
    gathered.layout = gathered.layout || change.layout;
    gathered.selection = gathered.selection || change.selection;
    if (change.cells)
        gathered.cells = gathered.cells ? spanning(*gathered.cells, *change.cells) : *change.cells;
}

void TextGrid::cellsChanged(const CellRange& range)
{
    GridChange change;
    change.cells = range;
    changed(change);
}

bool TextGrid::store(int row, int col, std::string_view text)
{
    if (!validRow(row) || !validCol(col))
        return false;
    std::string& cell = m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (cell == text)
        return false;
    cell = text;
    return true;
}

void TextGrid::resize(int rows, int cols)
{
    const int oldRows = m_rows;
    const int oldCols = m_cols;
    const CellRange oldSelection = Selection();
    m_rows = std::max(rows, 0);
    m_cols = std::max(cols, 0);
    m_cells.resize(static_cast<std::size_t>(m_rows));
    for (auto& row : m_cells)
        row.resize(static_cast<std::size_t>(m_cols));
    m_rowHeights.resize(static_cast<std::size_t>(m_rows), kDefaultRowHeightTwips);
    m_columns.resize(static_cast<std::size_t>(m_cols));

    m_fixedRows = std::min(m_fixedRows, m_rows);
    m_fixedCols = std::min(m_fixedCols, m_cols);
    m_row = clampIndex(m_row, m_rows);
    m_col = clampIndex(m_col, m_cols);
    m_rowSel = clampIndex(m_rowSel, m_rows);
    m_colSel = clampIndex(m_colSel, m_cols);
    GridChange change;
    change.size = m_rows != oldRows || m_cols != oldCols;
    change.selection =
        change.size && !(Selection().top == oldSelection.top && Selection().left == oldSelection.left &&
                         Selection().bottom == oldSelection.bottom && Selection().right == oldSelection.right);
    if (!change.empty())
        changed(change);
}

void TextGrid::SetRows(int rows)
{
    resize(rows, m_cols);
}

void TextGrid::SetCols(int cols)
{
    resize(m_rows, cols);
}

void TextGrid::SetFixedRows(int fixedRows)
{
    const int fixed = std::clamp(fixedRows, 0, m_rows);
    if (fixed == m_fixedRows)
        return;
    m_fixedRows = fixed;
    changed(layoutChange());
}

void TextGrid::SetFixedCols(int fixedCols)
{
    const int fixed = std::clamp(fixedCols, 0, m_cols);
    if (fixed == m_fixedCols)
        return;
    m_fixedCols = fixed;
    changed(layoutChange());
}

const std::string& TextGrid::TextMatrix(int row, int col) const
{
    if (!validRow(row) || !validCol(col))
        return kNoText;
    return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void TextGrid::SetTextMatrix(int row, int col, std::string_view text)
{
    if (store(row, col, text))
        cellsChanged({row, col, row, col});
}

void TextGrid::SetRow(int row)
{
    if (!validRow(row))
        return;
    m_row = row;
    m_rowSel = m_row;
    m_colSel = m_col;
    changed(selectionChange());
}

void TextGrid::SetCol(int col)
{
    if (!validCol(col))
        return;
    m_col = col;
    m_rowSel = m_row;
    m_colSel = m_col;
    changed(selectionChange());
}

void TextGrid::SetRowSel(int row)
{
    if (!validRow(row))
        return;
    m_rowSel = row;
    changed(selectionChange());
}

void TextGrid::SetColSel(int col)
{
    if (!validCol(col))
        return;
    m_colSel = col;
    changed(selectionChange());
}

CellRange TextGrid::Selection() const
{
    return {std::min(m_row, m_rowSel), std::min(m_col, m_colSel), std::max(m_row, m_rowSel), std::max(m_col, m_colSel)};
}

void TextGrid::SetText(std::string_view text)
{
    if (m_fillStyle == FillStyle::Single) {
        SetTextMatrix(m_row, m_col, text);
        return;
    }
    Update update(*this);
    const CellRange sel = Selection();
    for (int r = sel.top; r <= sel.bottom; ++r)
        for (int c = sel.left; c <= sel.right; ++c)
            SetTextMatrix(r, c, text);
}

std::string TextGrid::Clip() const
{
    const CellRange sel = Selection();
    std::string block;
    for (int r = sel.top; r <= sel.bottom; ++r) {
        if (r > sel.top)
            block += '\r';
        for (int c = sel.left; c <= sel.right; ++c) {
            if (c > sel.left)
                block += '\t';
            block += TextMatrix(r, c);
        }
    }
    return block;
}

void TextGrid::SetClip(std::string_view block)
{
    Update update(*this);
    const CellRange sel = Selection();
    const auto rows = splitRows(block);
    const int rowCount = std::min(sel.rowCount(), static_cast<int>(rows.size()));
    for (int i = 0; i < rowCount; ++i) {
        const auto cells = splitCells(rows[static_cast<std::size_t>(i)]);
        const int colCount = std::min(sel.colCount(), static_cast<int>(cells.size()));
        for (int j = 0; j < colCount; ++j)
            SetTextMatrix(sel.top + i, sel.left + j, cells[static_cast<std::size_t>(j)]);
    }
}

int TextGrid::ColWidth(int col) const
{
    return validCol(col) ? m_columns[static_cast<std::size_t>(col)].widthTwips : 0;
}

void TextGrid::SetColWidth(int col, int twips)
{
    if (!validCol(col) || m_columns[static_cast<std::size_t>(col)].widthTwips == std::max(twips, 0))
        return;
    m_columns[static_cast<std::size_t>(col)].widthTwips = std::max(twips, 0);
    changed(layoutChange());
}

int TextGrid::RowHeight(int row) const
{
    return validRow(row) ? m_rowHeights[static_cast<std::size_t>(row)] : 0;
}

void TextGrid::SetRowHeight(int row, int twips)
{
    if (!validRow(row) || m_rowHeights[static_cast<std::size_t>(row)] == std::max(twips, 0))
        return;
    m_rowHeights[static_cast<std::size_t>(row)] = std::max(twips, 0);
    changed(layoutChange());
}

CellAlignment TextGrid::ColAlignment(int col) const
{
    return validCol(col) ? m_columns[static_cast<std::size_t>(col)].alignment : CellAlignment::General;
}

void TextGrid::SetColAlignment(int col, CellAlignment alignment)
{
    if (!validCol(col) || m_columns[static_cast<std::size_t>(col)].alignment == alignment)
        return;
    m_columns[static_cast<std::size_t>(col)].alignment = alignment;
    changed(layoutChange());
}

CellAlignment TextGrid::FixedAlignment(int col) const
{
    return validCol(col) ? m_columns[static_cast<std::size_t>(col)].fixedAlignment : CellAlignment::General;
}

void TextGrid::SetFixedAlignment(int col, CellAlignment alignment)
{
    if (!validCol(col) || m_columns[static_cast<std::size_t>(col)].fixedAlignment == alignment)
        return;
    m_columns[static_cast<std::size_t>(col)].fixedAlignment = alignment;
    changed(layoutChange());
}

}  // namespace slv
