#include "session/save_file.h"

#include "document/data_file.h"
#include "platform/fixed_text.h"

namespace slv {

namespace {

/// Asks for a title while the document has none; false when the analyst
/// cancelled or left the answer empty.
bool ensureTitle(Session& session, Document& doc)
{
    while (trimmed(doc.title()).empty()) {
        const auto answer = session.dialogs().inputBox({kTitlePromptText, {}, {}});
        if (!answer || answer->empty())
            return false;
        doc.setTitle(std::string(trimmed(*answer)));
        doc.DocDirty = true;
    }
    return true;
}

}  // namespace

bool SaveDocument(Session& session, const std::string& path)
{
    auto edit = session.edit({});
    if (!ensureTitle(session, edit.doc))
        return false;
    Findings findings(session.dialogs());
    const bool saved = WriteDocumentFile(edit.doc, path, findings);
    session.present(findings);
    return saved;
}

}  // namespace slv
