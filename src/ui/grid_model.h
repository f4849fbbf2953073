// A TextGrid shown through Qt's item views: the grid's fixed header row and
// column become the view's headers, its other cells the model's items. The
// model is told of every change by the grid and passes it on as the item
// model signals a view expects.
#pragma once

#include <QAbstractTableModel>

#include "document/text_grid.h"

namespace slv {

class GridModel final : public QAbstractTableModel {
public:
    explicit GridModel(TextGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// Passes a change of the grid on to the views.
    void gridChanged(const GridChange& change);

    /// Between grid cells and model items.
    int gridRow(int modelRow) const { return modelRow + m_grid.FixedRows(); }
    int gridCol(int modelCol) const { return modelCol + m_grid.FixedCols(); }
    int modelRow(int gridRow) const { return gridRow - m_grid.FixedRows(); }
    int modelCol(int gridCol) const { return gridCol - m_grid.FixedCols(); }

private:
    TextGrid& m_grid;
};

}  // namespace slv
