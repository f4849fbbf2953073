#include "session/value_cell_entry.h"

#include <utility>

namespace slv {

ValueCellEntry::ValueCellEntry(TextGrid& grid, Session& session, int valueColumn, std::function<void()> typed)
    : m_grid(grid),
      m_session(session),
      m_editor(
          grid, [valueColumn](int col) { return col == valueColumn; }, std::move(typed),
          [&session] { session.dialogs().beep(); }, session.environment().DecSep)
{
}

bool ValueCellEntry::currentEditable() const
{
    return Editable(m_grid.Row(), m_grid.Col());
}

bool ValueCellEntry::refusedHere() const
{
    if (currentEditable())
        return false;
    m_session.dialogs().beep();
    return true;
}

void ValueCellEntry::KeyPress(char ch)
{
    if (!refusedHere())
        m_editor.keyPress(ch);
}

}  // namespace slv
