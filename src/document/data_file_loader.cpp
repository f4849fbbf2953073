// Opening a data or template file into the document: the file's start is
// read into memory, parsed, and the loaded document prepared for use.
#include "document/data_file.h"
#include "document/data_file_format.h"
#include "document/file_bytes.h"
#include "document/file_error.h"

namespace slv {

DataFileStatus LoadDataFile(Document& doc, const std::string& path, Findings& findings)
{
    std::error_code error;
    const std::vector<std::byte> bytes = ReadFileStart(path, kMaxDataFileBytes, error);
    if (error) {
        findings.add(FileFailureFinding({path, error}, FileAccess::Read, kContextDataFile));
        return DataFileStatus::Unreadable;
    }
    const DataFileStatus status = ReadDataFile(doc, bytes, findings);
    if (!DocumentWasRead(status))
        return status;
    doc.IslandMode = doc.islands() ? 1 : 0;
    RecomputeUnits(doc);
    doc.DocDirty = false;
    doc.ExcEnergy = ExcitationEnergy(doc, doc.source());
    return status;
}

}  // namespace slv
