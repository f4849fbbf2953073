// Typing into the layer calculation's grid: only the current thickness and
// coverage cells take keys; the value typed is worked out ("2*0.7") and
// committed (checked and calculated) when the analyst presses Enter or Tab
// or leaves the cell. Keys anywhere else sound a beep.
#pragma once

#include <optional>
#include <utility>

#include "session/layer_calculation.h"
#include "session/value_cell_entry.h"

namespace slv {

class LayerCalculationEntry final : public ValueCellEntry {
public:
    LayerCalculationEntry(LayerCalculation& calculation, Session& session);

    bool Editable(int row, int col) const override;

    void KeyDown(GridKey key) override;
    /// Moves the current cell, committing a value typed into the one left.
    void MoveTo(int row, int col) override;
    /// Commits a value typed and not yet committed; false when there was
    /// none or it was refused (the cell then shows the old value again).
    bool Commit() override;

private:
    LayerCalculation& m_calculation;
    /// The cell typed into since the last commit.
    std::optional<std::pair<int, int>> m_typed;
};

}  // namespace slv
