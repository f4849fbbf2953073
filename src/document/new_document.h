// Starting the program's session and resetting the document to an empty
// data set (File New, start-up, before a dropped file is opened).
#pragma once

#include <string_view>

#include "core/session.h"

namespace slv {

/// The decimal separator of a locale, judged from how it writes the number 1.1.
char DecimalSeparatorOf(std::string_view textOfOnePointOne);

/// The start-up settings of the session: fixed label names, the hydrogen row
/// and the locale's decimal separator.
void StartSession(Session& session, char localeDecimalSeparator);

/// Resets the document to empty and reads the analysis defaults.
void NewDocument(Session& session);

}  // namespace slv
