// Starting the program's session and File New: the document reset to an
// empty data set with the analysis defaults, the windows told.
#pragma once

#include "session/session.h"

namespace slv {

/// The start-up settings of the session: fixed label names, the hydrogen row
/// and the locale's decimal separator.
void StartSession(Session& session, char localeDecimalSeparator);

/// Closes the child windows, resets the document to empty with the analysis
/// defaults, and forgets the window switches and the file name.
void NewDocument(Session& session);

}  // namespace slv
