// Typing into a calculation window's grid, of which only a few cells of one
// column take values (thicknesses, a coverage): a key on any other cell
// sounds a beep. The layer calculation and the simulation differ in when a
// typed value is worked out and what it then does.
#pragma once

#include <functional>

#include "session/grid_editing.h"
#include "session/session.h"

namespace slv {

class ValueCellEntry {
public:
    virtual ~ValueCellEntry() = default;
    ValueCellEntry(const ValueCellEntry&) = delete;
    ValueCellEntry& operator=(const ValueCellEntry&) = delete;

    /// Whether a cell takes typed values.
    virtual bool Editable(int row, int col) const = 0;

    virtual void KeyDown(GridKey key) = 0;
    void KeyPress(char ch);
    virtual void MoveTo(int row, int col) = 0;
    virtual bool Commit() = 0;

protected:
    /// typed is told after every edit of a cell's text.
    ValueCellEntry(TextGrid& grid, Session& session, int valueColumn, std::function<void()> typed);

    bool currentEditable() const;
    /// A beep, and true, when the current cell takes no keys.
    bool refusedHere() const;

    TextGrid& m_grid;
    Session& m_session;
    GridEditor m_editor;
};

}  // namespace slv
