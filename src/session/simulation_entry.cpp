#include "session/simulation_entry.h"

namespace slv {

SimulationEntry::SimulationEntry(Simulation& simulation, Session& session)
    : ValueCellEntry(simulation.Grid(), session, kSimColThickness, [] {})
{
}

int SimulationEntry::lastRow() const
{
    return m_grid.Rows() - 1;
}

bool SimulationEntry::Editable(int row, int col) const
{
    return col == kSimColThickness && row >= 1 && row <= lastRow();
}

void SimulationEntry::KeyDown(GridKey key)
{
    if (refusedHere())
        return;
    if (key != GridKey::Enter && key != GridKey::Tab) {
        m_editor.keyDown(key);
        return;
    }
    if (m_editor.leaveCell() && m_grid.Row() < lastRow())
        m_grid.SetRow(m_grid.Row() + 1);
}

void SimulationEntry::MoveTo(int row, int col)
{
    m_editor.moveTo(row, col);
}

bool SimulationEntry::Commit()
{
    // A cell left with a text that is no number kept it; it is found here.
    for (int row = 1; row <= lastRow(); ++row) {
        const auto value = EvaluateCellText(m_grid.TextMatrix(row, kSimColThickness), m_session.environment().DecSep);
        if (!value) {
            m_grid.SetRow(row);
            m_grid.SetCol(kSimColThickness);
            m_session.dialogs().beep();
            return false;
        }
        m_grid.SetTextMatrix(row, kSimColThickness, *value);
    }
    return true;
}

}  // namespace slv
