// Typing into the simulation's grid: only the thickness cells (and the
// coverage cell in island mode) take keys. A value typed is worked out
// ("2*0.7") when the analyst presses Enter or Tab, which then moves down to
// the next thickness, or leaves the cell. Keys anywhere else sound a beep.
#pragma once

#include "session/grid_editing.h"
#include "session/simulation.h"

namespace slv {

class SimulationEntry {
public:
    SimulationEntry(Simulation& simulation, Session& session);

    /// Whether a cell takes typed values.
    bool Editable(int row, int col) const;

    void KeyDown(GridKey key);
    void KeyPress(char ch);
    /// Moves the current cell, working out the value typed into the one left.
    void MoveTo(int row, int col);
    /// Works out every value typed before a Calculate; false (after a beep,
    /// the text kept and the cell made current) when one is not a number.
    bool Commit();

private:
    int lastRow() const;
    bool currentEditable() const;

    Simulation& m_simulation;
    Session& m_session;
    GridEditor m_editor;
};

}  // namespace slv
