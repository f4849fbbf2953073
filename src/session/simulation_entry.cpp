#include "session/simulation_entry.h"

namespace slv {

SimulationEntry::SimulationEntry(Simulation& simulation, Session& session)
    : m_simulation(simulation),
      m_session(session),
      m_editor(
          simulation.Grid(), [](int col) { return col == kSimColThickness; }, [] {},
          [&session] { session.dialogs().beep(); }, session.environment().DecSep)
{
}

int SimulationEntry::lastRow() const
{
    return m_simulation.Grid().Rows() - 1;
}

bool SimulationEntry::Editable(int row, int col) const
{
    return col == kSimColThickness && row >= 1 && row <= lastRow();
}

bool SimulationEntry::currentEditable() const
{
    const TextGrid& grid = m_simulation.Grid();
    return Editable(grid.Row(), grid.Col());
}

void SimulationEntry::KeyDown(GridKey key)
{
    if (!currentEditable()) {
        m_session.dialogs().beep();
        return;
    }
    if (key != GridKey::Enter && key != GridKey::Tab) {
        m_editor.keyDown(key);
        return;
    }
    TextGrid& grid = m_simulation.Grid();
    if (m_editor.leaveCell() && grid.Row() < lastRow())
        grid.SetRow(grid.Row() + 1);
}

void SimulationEntry::KeyPress(char ch)
{
    if (!currentEditable()) {
        m_session.dialogs().beep();
        return;
    }
    m_editor.keyPress(ch);
}

void SimulationEntry::MoveTo(int row, int col)
{
    m_editor.moveTo(row, col);
}

bool SimulationEntry::Commit()
{
    // A cell left with a text that is no number kept it; it is found here.
    TextGrid& grid = m_simulation.Grid();
    for (int row = 1; row <= lastRow(); ++row) {
        const auto value = EvaluateCellText(grid.TextMatrix(row, kSimColThickness), m_session.environment().DecSep);
        if (!value) {
            grid.SetRow(row);
            grid.SetCol(kSimColThickness);
            m_session.dialogs().beep();
            return false;
        }
        grid.SetTextMatrix(row, kSimColThickness, *value);
    }
    return true;
}

}  // namespace slv
