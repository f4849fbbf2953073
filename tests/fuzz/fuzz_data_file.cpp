// Fuzz entry point for data and template files. The bytes go through the
// program's own reader (ReadDataFile, the parser behind LoadDocument) into a
// fresh session with recording dialogs; nothing touches the disk. A file that
// loads must also survive saving: the loaded document written, read back and
// written again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "document/data_file.h"
#include "support/test_session.h"

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
    slv::test::TestSession opened;
    if (!slv::DocumentWasRead(slv::ReadDataFile(opened.session, std::as_bytes(std::span(data, size)))))
        return 0;
    const std::vector<std::byte> saved = SavedBytes(opened.doc());

    slv::test::TestSession reopened;
    if (slv::ReadDataFile(reopened.session, saved) != slv::DataFileStatus::Loaded)
        std::abort();
    if (SavedBytes(reopened.doc()) != saved)
        std::abort();
    return 0;
}
