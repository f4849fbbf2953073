// Typing into the layer calculation's grid: only the current thickness and
// coverage cells take keys; the value typed is worked out ("2*0.7") and
// committed (checked and calculated) when the analyst presses Enter or Tab
// or leaves the cell. Keys anywhere else sound a beep.
#pragma once

#include <optional>
#include <utility>

#include "session/grid_editing.h"
#include "session/layer_calculation.h"

namespace slv {

class LayerCalculationEntry {
public:
    LayerCalculationEntry(LayerCalculation& calculation, Session& session);

    /// Whether a cell takes typed values.
    bool Editable(int row, int col) const;

    void KeyDown(GridKey key);
    void KeyPress(char ch);
    /// Moves the current cell, committing a value typed into the one left.
    void MoveTo(int row, int col);
    /// Commits a value typed and not yet committed; false when there was
    /// none or it was refused (the cell then shows the old value again).
    bool Commit();

private:
    bool currentEditable() const;

    LayerCalculation& m_calculation;
    Session& m_session;
    GridEditor m_editor;
    /// The cell typed into since the last commit.
    std::optional<std::pair<int, int>> m_typed;
};

}  // namespace slv
