// File Open without the windows: the document is reset, the file is loaded
// (data file, template or exchange file) and the element table is parsed and
// validated, as the main window does after every open. The Qt main window
// and selvaro-cli share it.
#pragma once

#include <string>

#include "session/session.h"

namespace slv {

/// What OpenDocumentFile found at the path.
enum class LoadedFileKind { None, DataFile, TemplateFile, ExchangeFile };

struct OpenedFile {
    bool ok = false;
    LoadedFileKind kind = LoadedFileKind::None;
    /// The window-layout code an example file carries (Document::exampleLayout);
    /// bits 0-3 give the result type to show.
    int exampleLayout = 0;
    /// Everything the open reported, in order; it has been shown.
    Findings findings;
};

/// Resets the document, loads the file at path and validates its element
/// table, showing what it finds through the session's dialogs. After a
/// failed open the document has no file name, so that Save cannot overwrite
/// the unreadable file; after an exchange file or a template neither.
OpenedFile OpenDocumentFile(Session& session, const std::string& path);

/// The result type the opened file asks to show (bits 0-3 of its layout
/// code); Atomic % when the code names none.
int StoredResultType(const OpenedFile& opened);

/// The answer of the element validation: whether the table passed, and
/// whether the analyst pressed Cancel in its message.
struct ElementCheck {
    bool ok = true;
    bool cancelled = false;
};

/// Validates the element table as a window does when it is left: keeps the
/// multiline marks for the quantification and shows the findings, unless
/// the report before was just shown (the session is closing), which only
/// clears that state.
ElementCheck ValidateElementTable(Session& session, bool dataWizardDocked = false);

}  // namespace slv
