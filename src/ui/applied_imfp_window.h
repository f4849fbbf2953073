// The "Applied IMFP" window: the line IMFPs of the homogeneous
// quantification in a read-only grid, opened modally from the Parameters
// dialog. A right click offers Copy of the selected cells.
#pragma once

#include <QDialog>

#include "document/text_grid.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

class GridView;

class AppliedImfpWindow final : public QDialog {
public:
    AppliedImfpWindow(Session& session, WindowShell& shell, QWidget* parent = nullptr);
    ~AppliedImfpWindow() override;

    const TextGrid& grid() const { return m_grid; }
    /// Copies the selected cells to the clipboard as text.
    void copySelection();

private:
    WindowShell& m_shell;
    TextGrid m_grid;
    GridView* m_view = nullptr;
};

}  // namespace slv
