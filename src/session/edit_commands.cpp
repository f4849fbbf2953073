// The Edit menu and the grid popup: rows inserted and deleted, tables copied,
// pasted and cleared, cells cut, copied and pasted, and the last paste undone.
#include <algorithm>

#include "document/table_rows.h"
#include "session/main_commands.h"

namespace slv {

namespace {

constexpr const char* kClearQuestionHead = "Clear all data from ";
constexpr const char* kClearQuestionTail = " window.    \r\n";

bool isResultWindow(WindowId window)
{
    return window == WindowId::Results || window == WindowId::ModelResults;
}

/// The selection's rows as a block of the grid's data rows.
CellRange selectedRows(const TextGrid& grid)
{
    CellRange rows = grid.Selection();
    rows.top = std::max(rows.top, grid.FixedRows());
    return rows;
}

}  // namespace

GridWindow* MainCommands::activeGrid(WindowId& window)
{
    const auto active = m_shell.activeWindow();
    if (!active)
        return nullptr;
    window = *active;
    return m_shell.gridWindow(window);
}

void MainCommands::commitActiveGrid()
{
    WindowId window{};
    if (GridWindow* grid = activeGrid(window))
        grid->commit();
}

void MainCommands::insertRow()
{
    insertOrDeleteRows(true);
}

void MainCommands::deleteRows()
{
    insertOrDeleteRows(false);
}

void MainCommands::insertOrDeleteRows(bool insert)
{
    WindowId window{};
    GridWindow* gridWindow = activeGrid(window);
    if (gridWindow == nullptr || (window != WindowId::Elements && window != WindowId::Intensity))
        return;
    // Cells typed since the last transfer reach the document before the rows move.
    gridWindow->commit();
    const CellRange rows = selectedRows(gridWindow->grid());
    if (window == WindowId::Elements) {
        auto edit = m_session.edit(
            {Change::Elements, Change::Intensities, Change::ImfpAndContamination, Change::Model, Change::Results});
        const int count = insert ? 1 : -rows.rowCount();
        const bool changed =
            insert ? InsertElementRow(edit.doc, rows.top) : DeleteElementRows(edit.doc, rows.top, rows.bottom);
        if (!changed)
            return;
        edit.res.RefElem = std::max(1, MovedRow(edit.res.RefElem, rows.top, count));
        edit.doc.DocDirty = true;
        return;
    }
    auto edit = m_session.edit(
        {Change::Intensities, Change::Labels, Change::ImfpAndContamination, Change::Model, Change::Results});
    const bool changed =
        insert ? InsertExperiment(edit.doc, rows.top) : DeleteExperiments(edit.doc, rows.top, rows.bottom);
    if (changed)
        edit.doc.DocDirty = true;
}

void MainCommands::copyTable(TableCopyForm form)
{
    WindowId window{};
    GridWindow* gridWindow = activeGrid(window);
    if (gridWindow == nullptr)
        return;
    const auto range = TableCopyRange(window, m_session.doc(), gridWindow->grid(), !m_shell.shiftHeld());
    if (range)
        m_shell.setClipboardText(TableText(gridWindow->grid(), *range, form));
}

void MainCommands::pasteTable()
{
    WindowId window{};
    GridWindow* gridWindow = activeGrid(window);
    if (gridWindow == nullptr || isResultWindow(window))
        return;
    const std::string text = m_shell.clipboardText();
    if (text.empty())
        return;
    TextGrid& grid = gridWindow->grid();
    const int row = grid.Row();
    const int col = grid.Col();
    {
        TextGrid::Update update(grid);
        grid.SetRowSel(grid.Rows() - 1);
        grid.SetColSel(grid.Cols() - 1);
        // Every line break ends a row: clipboards on other systems hold LF alone.
        grid.SetClip(text);
        grid.SetRow(row);
        grid.SetCol(col);
    }
    m_session.edit({}).doc.DocDirty = true;
}

void MainCommands::clearTable()
{
    WindowId window{};
    GridWindow* gridWindow = activeGrid(window);
    if (gridWindow == nullptr ||
        (window != WindowId::Elements && window != WindowId::Intensity && window != WindowId::Model))
        return;
    const std::string question = kClearQuestionHead + WindowCaption(window) + kClearQuestionTail + kAreYouSure;
    if (m_session.dialogs().show(question, MessageIcon::Question, MessageButtons::OkCancel, 1) != DialogAnswer::Ok)
        return;
    TextGrid& grid = gridWindow->grid();
    {
        TextGrid::Update update(grid);
        const int row = grid.Row();
        const int col = grid.Col();
        for (int r = grid.FixedRows(); r < grid.Rows(); ++r)
            for (int c = grid.FixedCols(); c < grid.Cols(); ++c)
                grid.SetTextMatrix(r, c, "");
        grid.SetRow(row);
        grid.SetCol(col);
    }
    const ChangeSet changes = window == WindowId::Elements    ? ChangeSet{Change::Elements, Change::Results}
                              : window == WindowId::Intensity ? ChangeSet{Change::Intensities, Change::Results}
                                                              : ChangeSet{Change::Model};
    auto edit = m_session.edit(changes);
    if (window == WindowId::Elements)
        edit.doc.ElemCount = 0;
    else if (window == WindowId::Intensity)
        edit.doc.ExpCount = 0;
    else
        edit.doc.LayerCount = 0;
    edit.doc.RecalcNeeded = true;
    edit.doc.DocDirty = true;
}

void MainCommands::cutCells()
{
    WindowId window{};
    GridWindow* gridWindow = activeGrid(window);
    if (gridWindow == nullptr || isResultWindow(window))
        return;
    TextGrid& grid = gridWindow->grid();
    m_shell.setClipboardText(ExpandCarriageReturns(grid.Clip()));
    const FillStyle style = grid.GetFillStyle();
    grid.SetFillStyle(FillStyle::Repeat);
    grid.SetText("");
    grid.SetFillStyle(style);
    m_session.edit({}).doc.DocDirty = true;
}

void MainCommands::copyCells()
{
    WindowId window{};
    if (GridWindow* gridWindow = activeGrid(window))
        m_shell.setClipboardText(ExpandCarriageReturns(gridWindow->grid().Clip()));
}

void MainCommands::pasteCells()
{
    WindowId window{};
    GridWindow* gridWindow = activeGrid(window);
    if (gridWindow == nullptr || isResultWindow(window))
        return;
    TextGrid& grid = gridWindow->grid();
    UndoPasteRecord record{window, grid.Selection(), {}};
    for (int r = record.selection.top; r <= record.selection.bottom; ++r)
        for (int c = record.selection.left; c <= record.selection.right; ++c)
            record.replaced.push_back(grid.TextMatrix(r, c));
    m_undoPaste = std::move(record);
    grid.SetClip(m_shell.clipboardText());
    m_session.edit({}).doc.DocDirty = true;
}

bool MainCommands::canUndoPaste() const
{
    return m_undoPaste && m_shell.activeWindow() == m_undoPaste->window;
}

bool MainCommands::canCutOrPasteCells() const
{
    const auto active = m_shell.activeWindow();
    return active && !isResultWindow(*active);
}

void MainCommands::undoPaste()
{
    if (!canUndoPaste())
        return;
    GridWindow* gridWindow = m_shell.gridWindow(m_undoPaste->window);
    if (gridWindow == nullptr)
        return;
    TextGrid& grid = gridWindow->grid();
    const CellRange& block = m_undoPaste->selection;
    {
        TextGrid::Update update(grid);
        // Cell by cell: a block text cannot tell a trailing empty row from none.
        auto replaced = m_undoPaste->replaced.begin();
        for (int r = block.top; r <= block.bottom; ++r)
            for (int c = block.left; c <= block.right; ++c)
                grid.SetTextMatrix(r, c, *replaced++);
        grid.SetRow(block.top);
        grid.SetCol(block.left);
        grid.SetRowSel(block.bottom);
        grid.SetColSel(block.right);
    }
    m_undoPaste.reset();
    m_session.edit({}).doc.DocDirty = true;
}

}  // namespace slv
