#include "ui/grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace slv {

GridView::GridView(TextGrid& grid, GridHandlers handlers, QWidget* parent)
    : QTableView(parent),
      m_grid(grid),
      m_handlers(std::move(handlers)),
      m_model(grid)
{
    setModel(&m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(pixels(TextGrid::kDefaultRowHeightTwips) + 6);
    m_grid.setListener([this](const GridChange& change) { gridChanged(change); });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { clickHeader(0, m_model.gridCol(section)); });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { clickHeader(m_model.gridRow(section), 0); });
    applyColumnWidths();
    showGridSelection();
}

GridView::~GridView()
{
    m_grid.setListener({});
}

int GridView::pixels(int twips) const
{
    return twips * logicalDpiX() / kTwipsPerInch;
}

QSize GridView::sizeHint() const
{
    const int headerWidth = std::max(verticalHeader()->minimumWidth(), verticalHeader()->sizeHint().width());
    const int frame = 2 * frameWidth();
    return {headerWidth + horizontalHeader()->length() + frame + verticalScrollBar()->sizeHint().width(),
            horizontalHeader()->sizeHint().height() + verticalHeader()->length() + frame +
                horizontalScrollBar()->sizeHint().height()};
}

void GridView::applyColumnWidths()
{
    verticalHeader()->setMinimumWidth(pixels(m_grid.ColWidth(0)));
    for (int col = m_grid.FixedCols(); col < m_grid.Cols(); ++col)
        setColumnWidth(m_model.modelCol(col), pixels(m_grid.ColWidth(col)));
}

void GridView::gridChanged(const GridChange& change)
{
    m_model.gridChanged(change);
    if (change.size || change.layout)
        applyColumnWidths();
    if (change.selection || change.size)
        showGridSelection();
}

void GridView::showGridSelection()
{
    if (m_syncing)
        return;
    m_syncing = true;
    const CellRange block = m_grid.Selection();
    const QModelIndex current = m_model.index(m_model.modelRow(m_grid.Row()), m_model.modelCol(m_grid.Col()));
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    const QModelIndex topLeft = m_model.index(m_model.modelRow(block.top), m_model.modelCol(block.left));
    const QModelIndex bottomRight = m_model.index(m_model.modelRow(block.bottom), m_model.modelCol(block.right));
    if (topLeft.isValid() && bottomRight.isValid())
        selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
}

void GridView::clickHeader(int row, int col)
{
    if (!m_handlers.headerClicked)
        return;
    // The header cell becomes the grid's current cell, as a click on a fixed cell makes it.
    m_syncing = true;
    m_grid.SetRow(row);
    m_grid.SetCol(col);
    m_syncing = false;
    m_handlers.headerClicked(row, col);
}

bool GridView::event(QEvent* event)
{
    // Tab moves to the next cell, as Enter does, instead of to the next widget.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        if (m_handlers.keyDown)
            m_handlers.keyDown(GridKey::Tab);
        return true;
    }
    return QTableView::event(event);
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    const auto keyDown = [&](GridKey key) {
        if (m_handlers.keyDown)
            m_handlers.keyDown(key);
    };
    switch (event->key()) {
    case Qt::Key_Delete: keyDown(GridKey::Delete); return;
    case Qt::Key_Backspace: keyDown(GridKey::Backspace); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: keyDown(GridKey::Enter); return;
    default: break;
    }
    const QString text = event->text();
    const bool typed = text.size() == 1 && text[0].isPrint() && text[0].unicode() < 0x100 &&
                       (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
    if (typed && m_handlers.keyPress) {
        m_handlers.keyPress(static_cast<char>(text[0].toLatin1()));
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (m_handlers.doubleClick)
        m_handlers.doubleClick();
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_syncing || !current.isValid())
        return;
    const int row = m_model.gridRow(current.row());
    const int col = m_model.gridCol(current.column());
    if (row == m_grid.Row() && col == m_grid.Col())
        return;
    m_syncing = true;
    if (m_handlers.moveTo)
        m_handlers.moveTo(row, col);
    else {
        m_grid.SetRow(row);
        m_grid.SetCol(col);
    }
    m_syncing = false;
}

void GridView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTableView::selectionChanged(selected, deselected);
    if (m_syncing)
        return;
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    if (indexes.isEmpty())
        return;
    // The selection's far corner from the current cell.
    int rowSel = m_grid.Row();
    int colSel = m_grid.Col();
    for (const QModelIndex& index : indexes) {
        const int row = m_model.gridRow(index.row());
        const int col = m_model.gridCol(index.column());
        if (std::abs(row - m_grid.Row()) >= std::abs(rowSel - m_grid.Row()))
            rowSel = row;
        if (std::abs(col - m_grid.Col()) >= std::abs(colSel - m_grid.Col()))
            colSel = col;
    }
    m_syncing = true;
    m_grid.SetRowSel(rowSel);
    m_grid.SetColSel(colSel);
    m_syncing = false;
}

}  // namespace slv
