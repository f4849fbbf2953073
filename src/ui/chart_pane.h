// The "Chart" window's content: the chart of the current results through the
// one Qt Charts view, with the popup "Copy Chart" and "Colours".
#pragma once

#include "session/chart_window.h"
#include "ui/picture_pane.h"

class QAction;

namespace slv {

class ChartView;

class ChartPane final : public PicturePane {
public:
    explicit ChartPane(Session& session, QWidget* parent = nullptr);

    ChartWindow& controller() { return m_controller; }
    const ChartView& view() const { return *m_view; }
    QAction* copyAction() const { return m_copy; }
    QAction* colourAction() const { return m_colours; }

    /// The chart headed by the data set's title, as it is copied and printed.
    void paintPage(QPainter& painter, const QRectF& page) const override;

private:
    void showPopup(const QPoint& where);

    ChartWindow m_controller;
    ChartView* m_view = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_colours = nullptr;
};

}  // namespace slv
