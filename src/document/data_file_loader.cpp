// Opening a file into the document: a data or template file is read from
// memory and then prepared for use (contamination, islands, units, geometry
// weights); any other file is offered to the reduced data exchange import.
#include <filesystem>

#include "document/data_file.h"
#include "document/data_file_format.h"
#include "document/element_library.h"
#include "document/file_bytes.h"
#include "document/file_error.h"
#include "quant/correction_chain.h"
#include "quant/exchange_import.h"

namespace slv {
namespace {

/// The working state a loaded document needs before any window shows it.
void PrepareLoadedDocument(Session& session)
{
    Document& doc = session.doc;
    // The VARN contamination carbon leaves the composition once its thickness is known.
    if (doc.contaminationMethod() == ContaminationMethod::Varn)
        session.corr.ExcludeCarbon = true;
    doc.IslandMode = doc.islands() ? 1 : 0;
    RecomputeUnits(doc);
    LoadGeometryWeights(session);
    doc.DocDirty = false;
}

/// The exchange file stays on disk: the document now holds its data, and the
/// analyst decides what becomes of the file.
LoadedFileKind ImportExchange(Session& session, std::string& path, bool& ok)
{
    const std::string errors = ImportExchangeFile(session, path);
    if (errors == kExchangeCritical) {
        ok = false;
        return LoadedFileKind::None;
    }
    if (errors.empty()) {
        session.doc.DocDirty = true;
    } else {
        const std::string fileName = std::filesystem::path(path).filename().string();
        session.dialogs.show(std::string(kExchangeErrorText) + "\r\n" + fileName + "  \r\n\r\n" +
                                 kExchangeDataSuspectText,
                             MessageIcon::Critical);
        session.dialogs.beep();
    }
    path.clear();
    return LoadedFileKind::ExchangeFile;
}

}  // namespace

LoadedFileKind LoadDocument(Session& session, std::string& path, bool& ok)
{
    ok = true;
    std::error_code error;
    const std::vector<std::byte> bytes = ReadFileStart(path, kMaxDataFileBytes, error);
    if (error) {
        ReportFileError(session, FileErrorNumberOf(error, FileAccess::Read), kContextDataFile, error.message());
        ok = false;
        return LoadedFileKind::None;
    }

    LoadedFileKind kind = LoadedFileKind::None;
    const DataFileStatus status = ReadDataFile(session, bytes);
    if (status == DataFileStatus::NotADataFile) {
        kind = ImportExchange(session, path, ok);
        if (!ok)
            return kind;
    } else if (DocumentWasRead(status)) {
        PrepareLoadedDocument(session);
        kind = session.doc.IsTemplate ? LoadedFileKind::TemplateFile : LoadedFileKind::DataFile;
    } else {
        ok = false;
        return kind;
    }
    session.doc.ExcEnergy = ExcitationEnergy(session.doc, session.doc.source());
    return kind;
}

}  // namespace slv
