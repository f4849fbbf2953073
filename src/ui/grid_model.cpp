#include "ui/grid_model.h"

#include <algorithm>

#include <QStringList>

#include "chart_qt/ansi_text.h"

namespace slv {

namespace {

Qt::Alignment qtAlignment(CellAlignment alignment)
{
    switch (alignment) {
    case CellAlignment::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case CellAlignment::Center: return Qt::AlignCenter;
    case CellAlignment::Right:
    case CellAlignment::General: break;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

}  // namespace

GridModel::GridModel(TextGrid& grid, QObject* parent) : QAbstractTableModel(parent), m_grid(grid) {}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_grid.Rows() - m_grid.FixedRows());
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_grid.Cols() - m_grid.FixedCols());
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = gridCol(index.column());
    if (role == Qt::DisplayRole)
        return AnsiQString(m_grid.TextMatrix(gridRow(index.row()), col));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(qtAlignment(m_grid.ColAlignment(col)));
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool horizontal = orientation == Qt::Horizontal;
    if (role == Qt::DisplayRole && horizontal) {
        // Several fixed rows (the layer numbers over their names) head a column line by line.
        QStringList lines;
        for (int row = 0; row < std::max(1, m_grid.FixedRows()); ++row)
            lines << AnsiQString(m_grid.TextMatrix(row, gridCol(section)));
        return lines.join(QLatin1Char('\n'));
    }
    if (role == Qt::DisplayRole)
        // Of several fixed columns (the model grid's captions) the innermost heads the row.
        return AnsiQString(m_grid.TextMatrix(gridRow(section), m_grid.FixedCols() - 1));
    if (role == Qt::TextAlignmentRole && horizontal) {
        // A header without an alignment of its own stands like its column's cells.
        const int col = gridCol(section);
        const CellAlignment header = m_grid.FixedAlignment(col);
        return QVariant::fromValue(qtAlignment(header == CellAlignment::General ? m_grid.ColAlignment(col) : header));
    }
    return {};
}

void GridModel::gridChanged(const GridChange& change)
{
    if (change.size || change.layout) {
        beginResetModel();
        endResetModel();
        return;
    }
    if (!change.cells)
        return;
    const CellRange& cells = *change.cells;
    if (cells.top < m_grid.FixedRows())
        emit headerDataChanged(Qt::Horizontal, modelCol(cells.left), modelCol(cells.right));
    if (cells.left < m_grid.FixedCols())
        emit headerDataChanged(Qt::Vertical, std::max(0, modelRow(cells.top)), modelRow(cells.bottom));
    const int top = std::max(0, modelRow(cells.top));
    const int left = std::max(0, modelCol(cells.left));
    const int bottom = modelRow(cells.bottom);
    const int right = modelCol(cells.right);
    if (bottom >= top && right >= left)
        emit dataChanged(index(top, left), index(bottom, right), {Qt::DisplayRole});
}

}  // namespace slv
