// The Elements window's commands without the window: the grid read into the
// document when the window is left, and the element table validated.
#pragma once

#include "document/text_grid.h"
#include "session/session.h"

namespace slv {

/// Reads the element grid into the document (TransferElementTable) and
/// enables or disables the commands that need element rows. Returns true
/// when the number of element rows changed.
bool TransferElementGrid(Session& session, TextGrid& grid);

}  // namespace slv
