// The analysis defaults kept in the settings store, section "Defaults" of
// application "SLV": the parameter record, label selections, unit choices,
// chart axis, model switches and the print options. They are read into every
// new document and written by File > Save Defaults.
#pragma once

#include "core/session.h"

namespace slv {

/// Reads every key of section "Defaults" into the document and print options.
/// A missing key gives its default; a value that does not convert is skipped.
void ReadDefaults(Session& session);

/// Writes every key of section "Defaults" from the document and print options.
void SaveDefaults(Session& session);

}  // namespace slv
