// The Elements window without the window: its grid loaded from the document
// and read back (TransferElementTable) when the window is left, the keys
// typed into it, the Line and State cells cycled by a double click, and the
// element table validated when the window is left. The grid reloads itself
// whenever the session's element table changes.
#pragma once

#include "document/text_grid.h"
#include "session/grid_editing.h"
#include "session/open_file.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

/// Reads the element grid into the document (TransferElementTable) and
/// enables or disables the commands that need element rows. Returns true
/// when the number of element rows changed.
bool TransferElementGrid(Session& session, TextGrid& grid);

inline constexpr const char* kLineCycle = "1s|2p|3d|4d|4f|";
inline constexpr const char* kStateCycle = "Me|Ox| |";

class ElementGrid final : public GridWindow, private SessionObserver {
public:
    static constexpr int kRows = kMaxElements + 1;
    static constexpr int kCols = 10;

    explicit ElementGrid(Session& session);

    TextGrid& grid() override { return m_grid; }
    void commit() override;
    /// The window is left or closed: the grid is read and the table validated.
    ElementCheck leave(bool dataWizardDocked = false);
    /// Fills the grid from the document (LoadElementTable).
    void load();

    void keyDown(GridKey key) { m_editor.keyDown(key); }
    void keyPress(char ch) { m_editor.keyPress(ch); }
    void moveTo(int row, int col) { m_editor.moveTo(row, col); }
    /// Cycles the current Line or State cell; any other cell beeps.
    void doubleClick();

private:
    void sessionChanged(ChangeSet changes) override;
    void markDirty();

    Session& m_session;
    TextGrid m_grid;
    GridEditor m_editor;
    Session::Subscription m_subscription;
};

}  // namespace slv
