// File Save and Save As without the windows: the document (a template when
// IsTemplate is set) is written to a file; a data set without a title is
// given one first.
#pragma once

#include <string>

#include "session/session.h"

namespace slv {

inline constexpr const char* kTitlePromptText = "Title must be entered\r\n\r\nCancel abort saving";

/// Saves the document to path. Asks for a title while there is none; false
/// when the analyst gave none or the file could not be written (shown;
/// DocDirty then stays set and the file on disk keeps its previous content).
/// The caller first transfers the open grid windows into the document.
bool SaveDocument(Session& session, const std::string& path);

}  // namespace slv
