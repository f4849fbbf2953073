// Typing into the simulation's grid: only the thickness cells (and the
// coverage cell in island mode) take keys. A value typed is worked out
// ("2*0.7") when the analyst presses Enter or Tab, which then moves down to
// the next thickness, or leaves the cell. Keys anywhere else sound a beep.
#pragma once

#include "session/simulation.h"
#include "session/value_cell_entry.h"

namespace slv {

class SimulationEntry final : public ValueCellEntry {
public:
    SimulationEntry(Simulation& simulation, Session& session);

    bool Editable(int row, int col) const override;

    void KeyDown(GridKey key) override;
    /// Moves the current cell, working out the value typed into the one left.
    void MoveTo(int row, int col) override;
    /// Works out every value typed before a Calculate; false (after a beep,
    /// the text kept and the cell made current) when one is not a number.
    bool Commit() override;

private:
    int lastRow() const;
};

}  // namespace slv
