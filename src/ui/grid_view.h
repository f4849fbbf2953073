// The table view of every data and result window: a QTableView over a
// GridModel without an item editor. Keys go to the window's controller
// (typed characters, Delete, Backspace, Enter and Tab), the current cell and
// the selection are kept the same in the view and in the grid, and header
// clicks and double clicks are passed on.
#pragma once

#include <functional>

#include <QTableView>

#include "document/text_grid.h"
#include "report/report_device.h"  // kTwipsPerInch: grid sizes are kept in twips
#include "session/grid_editing.h"
#include "ui/grid_model.h"

namespace slv {

/// What a window's controller does with the view's events; any may be empty.
struct GridHandlers {
    std::function<void(GridKey)> keyDown;
    std::function<void(char)> keyPress;
    /// The analyst moved to another cell (grid row and column).
    std::function<void(int row, int col)> moveTo;
    std::function<void()> doubleClick;
    /// A click on a header cell (grid row and column, 0 for the header).
    std::function<void(int row, int col)> headerClicked;
};

class GridView final : public QTableView {
public:
    GridView(TextGrid& grid, GridHandlers handlers, QWidget* parent = nullptr);
    ~GridView() override;

    GridModel& gridModel() { return m_model; }
    /// The whole table: every column and row with the headers and scroll bars.
    QSize sizeHint() const override;
    /// Column widths from the grid's twips at the view's resolution.
    void applyColumnWidths();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void gridChanged(const GridChange& change);
    void clickHeader(int row, int col);
    void showGridSelection();
    int pixels(int twips) const;

    TextGrid& m_grid;
    GridHandlers m_handlers;
    GridModel m_model;
    bool m_syncing = false;
};

}  // namespace slv
