#include "session/element_grid.h"

#include "document/element_table.h"

namespace slv {

bool TransferElementGrid(Session& session, TextGrid& grid)
{
    auto edit = session.edit(Change::Elements);
    const bool countChanged = TransferElementTable(edit.doc, grid, session.environment().DecSep);
    session.shell().setDataCommandsEnabled(edit.doc.ElemCount > 0);
    return countChanged;
}

}  // namespace slv
