#include "session/open_file.h"

#include <filesystem>

#include "document/data_file.h"
#include "document/element_library.h"
#include "document/element_table.h"
#include "quant/exchange_import.h"
#include "session/new_document.h"

namespace slv {

namespace {

constexpr int kResultTypeBits = 0x0F;

/// The VARN contamination carbon leaves the composition once its thickness
/// is known, whichever kind of file brought the data in.
void excludeVarnCarbon(Session::Edit& edit)
{
    if (edit.doc.contaminationMethod() == ContaminationMethod::Varn)
        edit.corr.ExcludeCarbon = true;
}

/// The exchange file stays on disk: the document now holds its data, and the
/// analyst decides what becomes of the file. None when nothing usable was read.
LoadedFileKind importExchange(Session::Edit& edit, const Environment& env, const std::string& path, Findings& findings)
{
    const std::string errors = ImportExchangeFile(edit.doc, path, env, findings);
    if (errors == kExchangeCritical)
        return LoadedFileKind::None;
    excludeVarnCarbon(edit);
    if (errors.empty())
        edit.doc.DocDirty = true;
    else
        findings.add(ExchangeSuspectFinding(std::filesystem::path(path).filename().string(), errors));
    return LoadedFileKind::ExchangeFile;
}

/// The working state a loaded data or template file needs before any window shows it.
void prepareLoadedFile(Session::Edit& edit, const Environment& env, Findings& findings)
{
    excludeVarnCarbon(edit);
    if (const auto weights = GeometryWeightsOf(edit.doc, env.programFolder, findings))
        edit.model.AngleWeight = *weights;
}

LoadedFileKind loadFile(Session& session, Session::Edit& edit, const std::string& path, Findings& findings)
{
    const DataFileStatus status = LoadDataFile(edit.doc, path, findings);
    if (status == DataFileStatus::NotADataFile)
        return importExchange(edit, session.environment(), path, findings);
    if (!DocumentWasRead(status))
        return LoadedFileKind::None;
    prepareLoadedFile(edit, session.environment(), findings);
    return edit.doc.IsTemplate ? LoadedFileKind::TemplateFile : LoadedFileKind::DataFile;
}

}  // namespace

OpenedFile OpenDocumentFile(Session& session, const std::string& path)
{
    OpenedFile opened;
    opened.findings = Findings(session.dialogs());
    auto edit = session.edit(ChangeSet::everything());
    NewDocument(session);
    Document& doc = edit.doc;
    opened.kind = loadFile(session, edit, path, opened.findings);
    opened.ok = opened.kind != LoadedFileKind::None;
    if (!opened.ok) {
        session.present(opened.findings);
        return opened;
    }
    doc.ExcEnergy = ExcitationEnergy(doc, doc.source());
    // An exchange file gives the document no file of its own.
    doc.DocFileName = opened.kind == LoadedFileKind::ExchangeFile ? std::string() : path;
    opened.exampleLayout = doc.exampleLayout();
    doc.setExampleLayout(0);

    if (doc.ElemCount > 0)
        session.shell().setDataCommandsEnabled(true);
    doc.RecalcNeeded = true;
    const ElementValidation verdict = ValidateElements(doc);
    edit.res.MultiLineMark = verdict.multiLine.MultiLineMark;
    edit.res.MultiLineFound = verdict.multiLine.MultiLineFound;
    if (verdict.finding)
        opened.findings.add(*verdict.finding);
    session.present(opened.findings);
    // A finding shown by the validation must not silence the first results message.
    session.setClosing(false);
    if (doc.IsTemplate) {
        // A template seeds a new data set; it is never overwritten by Save.
        doc.DocFileName.clear();
        doc.IsTemplate = false;
    }
    return opened;
}

ElementCheck ValidateElementTable(Session& session, bool dataWizardDocked)
{
    auto edit = session.edit(Change::Elements);
    const ElementValidation verdict = ValidateElements(edit.doc, dataWizardDocked);
    edit.res.MultiLineMark = verdict.multiLine.MultiLineMark;
    edit.res.MultiLineFound = verdict.multiLine.MultiLineFound;
    if (session.closing()) {
        session.setClosing(false);
        return {};
    }
    if (!verdict.finding)
        return {};
    const DialogAnswer answer = Present(session.dialogs(), *verdict.finding);
    session.setClosing(true);
    return {false, answer == DialogAnswer::Cancel};
}

int StoredResultType(const OpenedFile& opened)
{
    const int type = opened.exampleLayout & kResultTypeBits;
    return type < kResultTypeCount ? type : kAtomicPercent;
}

}  // namespace slv
