// File Open without the windows: the document is reset, the file is loaded
// (data file, template or exchange file) and the element table is parsed and
// validated, as the main window does after every open. The Qt main window
// and selvaro-cli share it.
#pragma once

#include <string>

#include "core/session.h"
#include "document/data_file.h"

namespace slv {

struct OpenedFile {
    bool ok = false;
    LoadedFileKind kind = LoadedFileKind::None;
    /// The window-layout code an example file carries (Document::exampleLayout);
    /// bits 0-3 give the result type to show.
    int exampleLayout = 0;
};

/// Resets the document, loads the file at path and validates its element table.
OpenedFile OpenDocumentFile(Session& session, const std::string& path);

/// Validates the element table and keeps its multiline marks for the results;
/// true when no finding was reported.
bool RevalidateElements(Session& session);

}  // namespace slv
