#include "session/layer_calculation_entry.h"

#include <string>

namespace slv {

LayerCalculationEntry::LayerCalculationEntry(LayerCalculation& calculation, Session& session)
    : ValueCellEntry(calculation.Grid(), session, kCalcColCurrent,
                     [this] {
                         m_typed = std::pair{m_grid.Row(), m_grid.Col()};
                     }),
      m_calculation(calculation)
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

void LayerCalculationEntry::KeyDown(GridKey key)
{
    if (key == GridKey::Enter || key == GridKey::Tab) {
        Commit();
        return;
    }
    if (!refusedHere())
        m_editor.keyDown(key);
}

void LayerCalculationEntry::MoveTo(int row, int col)
{
    Commit();
    m_grid.SetRow(row);
    m_grid.SetCol(col);
}

bool LayerCalculationEntry::Commit()
{
    if (!m_typed)
        return false;
    const auto [row, col] = *m_typed;
    m_typed.reset();
    const std::string text = m_grid.TextMatrix(row, col);
    const std::string value = EvaluateCellText(text, m_session.environment().DecSep).value_or(text);
    return m_calculation.EditCell(row, col, value);
}

}  // namespace slv
