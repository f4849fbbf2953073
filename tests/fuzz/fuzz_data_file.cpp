// Fuzz entry point for data and template files. The bytes go through the
// program's own reader (ReadDataFile, the parser behind LoadDataFile) into an
// empty document; nothing touches the disk. A file that
// loads must also survive saving: the loaded document written, read back and
// written again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "document/data_file.h"
#include "support/empty_document.h"

namespace {

std::vector<std::byte> SavedBytes(const slv::Document& doc)
{
    auto bytes = slv::DataFileBytes(doc);
    if (!bytes)
        std::abort();  // a loaded document always fits the layout
    return *bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    slv::Findings findings;
    slv::Document opened = slv::test::EmptyDocument();
    if (!slv::DocumentWasRead(slv::ReadDataFile(opened, std::as_bytes(std::span(data, size)), findings)))
        return 0;
    const std::vector<std::byte> saved = SavedBytes(opened);

    slv::Document reopened = slv::test::EmptyDocument();
    if (slv::ReadDataFile(reopened, saved, findings) != slv::DataFileStatus::Loaded)
        std::abort();
    if (SavedBytes(reopened) != saved)
        std::abort();
    return 0;
}
