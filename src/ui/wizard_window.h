// The data wizard's small floating window: the page title, the explanation,
// the bad-data sign, "< Back" and "Next >", and the two check boxes "Start
// wizard automatically" and "Always on top". It shows the state of the
// wizard controller and forwards the presses.
#pragma once

#include <functional>

#include <QWidget>

#include "session/data_wizard.h"
#include "session/window_settings.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace slv {

class WizardWindow final : public QWidget {
public:
    /// client is the main window's client area the wizard docks to;
    /// showParameters opens the Parameters dialog modally.
    WizardWindow(Session& session, WindowShell& shell, MainCommands& commands, WindowSettings& settings,
                 std::function<void()> showParameters, QWidget* client, QWidget* parent);

    /// With "Always on top" ticked and the main window not minimised, the
    /// wizard moves to the top right corner of the client area.
    void dock();
    /// Shows the wizard where it hides nothing of the main window: beside
    /// it when the screen has room, else docked in the client area's corner.
    void showBesideFrame();
    /// Moves a dialog about to open to the wizard's left, so that the
    /// wizard's explanation stays readable beside it (as far left as the
    /// screen allows); nothing happens while the wizard is hidden.
    void placeClearOfWizard(QWidget& dialog) const;
    /// Called when the window closes, so that the menu item loses its mark.
    void setClosedHandler(std::function<void()> closed) { m_closed = std::move(closed); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void refresh();
    /// After a press: the texts shown anew and the keys given to the window the page opened.
    void moved();
    void setOnTop(bool onTop);
    QPoint dockedPosition() const;

    DataWizard m_wizard;
    WindowSettings& m_settings;
    QWidget* m_client;
    std::function<void()> m_closed;
    QLabel* m_title = nullptr;
    QLabel* m_explanation = nullptr;
    QLabel* m_badData = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QCheckBox* m_autoStart = nullptr;
    QCheckBox* m_onTop = nullptr;
};

}  // namespace slv
