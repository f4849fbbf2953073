#include "session/layer_calculation_entry.h"

#include <string>

namespace slv {

LayerCalculationEntry::LayerCalculationEntry(LayerCalculation& calculation, Session& session)
    : m_calculation(calculation),
      m_session(session),
      m_editor(
          calculation.Grid(), [](int col) { return col == kCalcColCurrent; },
          [this] {
              m_typed = std::pair{m_calculation.Grid().Row(), m_calculation.Grid().Col()};
          },
          [&session] { session.dialogs().beep(); }, session.environment().DecSep)
{
}

bool LayerCalculationEntry::Editable(int row, int col) const
{
    if (col != kCalcColCurrent)
        return false;
    for (int k = 1; k <= m_session.doc().LayerCount; ++k)
        if (row == m_calculation.LayerRow(k))
            return true;
    return row > 0 && row == m_calculation.CoverageRow();
}

bool LayerCalculationEntry::currentEditable() const
{
    const TextGrid& grid = m_calculation.Grid();
    return Editable(grid.Row(), grid.Col());
}

void LayerCalculationEntry::KeyDown(GridKey key)
{
    if (key == GridKey::Enter || key == GridKey::Tab) {
        Commit();
        return;
    }
    if (!currentEditable()) {
        m_session.dialogs().beep();
        return;
    }
    m_editor.keyDown(key);
}

void LayerCalculationEntry::KeyPress(char ch)
{
    if (!currentEditable()) {
        m_session.dialogs().beep();
        return;
    }
    m_editor.keyPress(ch);
}

void LayerCalculationEntry::MoveTo(int row, int col)
{
    Commit();
    TextGrid& grid = m_calculation.Grid();
    grid.SetRow(row);
    grid.SetCol(col);
}

bool LayerCalculationEntry::Commit()
{
    if (!m_typed)
        return false;
    const auto [row, col] = *m_typed;
    m_typed.reset();
    const std::string text = m_calculation.Grid().TextMatrix(row, col);
    const std::string value = EvaluateCellText(text, m_session.environment().DecSep).value_or(text);
    return m_calculation.EditCell(row, col, value);
}

}  // namespace slv
