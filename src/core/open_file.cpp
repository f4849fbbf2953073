#include "core/open_file.h"

#include "document/element_table.h"
#include "document/new_document.h"

namespace slv {

bool RevalidateElements(Session& session)
{
    const ElementValidation verdict = ValidateElements(session);
    session.res.MultiLineMark = verdict.multiLine.MultiLineMark;
    session.res.MultiLineFound = verdict.multiLine.MultiLineFound;
    return verdict.ok;
}

OpenedFile OpenDocumentFile(Session& session, const std::string& path)
{
    OpenedFile opened;
    NewDocument(session);
    Document& doc = session.doc;
    doc.DocFileName = path;
    std::string loadedPath = path;
    opened.kind = LoadDocument(session, loadedPath, opened.ok);
    if (!opened.ok) {
        // A later Save must not overwrite the file that could not be read.
        doc.DocFileName.clear();
        return opened;
    }
    doc.DocFileName = loadedPath;
    opened.exampleLayout = doc.exampleLayout();
    doc.setExampleLayout(0);

    if (doc.ElemCount > 0)
        session.shell.setDataCommandsEnabled(true);
    doc.RecalcNeeded = true;
    session.Closing = false;
    RevalidateElements(session);
    // A finding shown by the validation must not silence the first results message.
    session.Closing = false;
    if (doc.IsTemplate) {
        // A template seeds a new data set; it is never overwritten by Save.
        doc.DocFileName.clear();
        doc.IsTemplate = false;
    }
    return opened;
}

}  // namespace slv
