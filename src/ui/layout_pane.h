// The "Model Layout" window's content: the drawing of the sample model
// painted on the widget, with the popup "Copy Figure", "Colours" and
// "Legend"; the window's caption names the experiment drawn.
#pragma once

#include <functional>

#include "session/layout_window.h"
#include "ui/picture_pane.h"

class QAction;

namespace slv {

class LayoutPane final : public PicturePane {
public:
    explicit LayoutPane(Session& session, QWidget* parent = nullptr);

    LayoutWindow& controller() { return m_controller; }
    QAction* copyAction() const { return m_copy; }
    QAction* colourAction() const { return m_colours; }
    QAction* legendAction() const { return m_legend; }
    /// Told the caption whenever the drawing changes.
    void onCaption(std::function<void(const QString&)> caption);

    void paintPage(QPainter& painter, const QRectF& page) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void redrawn();
    void showPopup(const QPoint& where);

    LayoutWindow m_controller;
    QAction* m_copy = nullptr;
    QAction* m_colours = nullptr;
    QAction* m_legend = nullptr;
    std::function<void(const QString&)> m_caption;
};

}  // namespace slv
