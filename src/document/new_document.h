// Resetting the document to an empty data set (File New, start-up, before a
// file is opened): every table emptied, the analysis defaults read.
#pragma once

#include "document/document.h"
#include "document/print_options.h"
#include "platform/settings_store.h"

namespace slv {

/// Empties the document (the hydrogen row, the fixed label names and the
/// binding energies stay) and reads the analysis defaults of the settings
/// store into it and into the print options.
void ResetDocument(Document& doc, PrintOptions& print, const SettingsStore& settings);

}  // namespace slv
