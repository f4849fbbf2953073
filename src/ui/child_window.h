// A child window of the main window: one grid window's controller, the grid
// view bound to it and, for the Composition window, the result type, merge
// and "Number" controls above the grid; or, for the Chart and the Model
// Layout, a picture pane with its own controller.
#pragma once

#include <functional>
#include <memory>

#include <QMdiSubWindow>

#include "session/session.h"
#include "session/window_shell.h"
#include "ui/grid_view.h"
#include "ui/picture_pane.h"

namespace slv {

class ChildWindow final : public QMdiSubWindow {
public:
    /// The window of a kind with its controller; nullptr for a kind this program has no window for yet.
    static ChildWindow* create(WindowId window, Session& session, QWidget* parent);
    ~ChildWindow() override;

    WindowId id() const { return m_id; }
    /// Whether the window edits or shows a grid; the grid accessors below need one.
    bool hasGrid() const { return m_controller != nullptr; }
    GridWindow& controller() { return *m_controller; }
    GridView& view() { return *m_view; }
    /// The picture of the Chart and Model Layout windows (what Print Current
    /// prints of them); nullptr for a grid window.
    PicturePane* picture() const { return m_picture; }
    /// Told before the window closes.
    void onClosing(std::function<void()> closing) { m_closing = std::move(closing); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ChildWindow(WindowId id, std::unique_ptr<GridWindow> controller, QWidget* parent);

    WindowId m_id;
    std::unique_ptr<GridWindow> m_controller;
    GridView* m_view = nullptr;
    PicturePane* m_picture = nullptr;
    std::function<void()> m_closing;
};

/// The caption a user sees on a child window.
QString CaptionOf(WindowId window);

}  // namespace slv
