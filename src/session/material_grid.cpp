#include "session/material_grid.h"

#include "document/option_names.h"

namespace slv {

MaterialGrid::MaterialGrid(Session& session, int rows, int cols, std::function<bool(int col)> isNumeric)
    : m_session(session),
      m_grid(rows, cols),
      m_editor(
          m_grid, std::move(isNumeric), [this] { m_session.edit({}).doc.DocDirty = true; },
          [this] { m_session.dialogs().beep(); }, session.environment().DecSep),
      m_subscription(session.subscribe(*this))
{
}

void MaterialGrid::chooseClass(MaterialClass materialClass)
{
    if (!classCellCurrent())
        return;
    m_grid.SetText(MaterialClassName(materialClass));
    classChosen(m_grid.Row(), materialClass);
    m_session.edit({}).doc.DocDirty = true;
}

}  // namespace slv
