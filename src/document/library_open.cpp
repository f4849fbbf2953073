#include <string>

#include "document/binary_io.h"
#include "document/element_library.h"
#include "document/file_error.h"
#include "platform/format_mask.h"

namespace slv {

namespace {

constexpr std::string_view kIllegalHeaderText = "Illegal or damaged library file header   ";
constexpr std::string_view kIncompatibleText = "Incompatible library.";
constexpr std::string_view kVersionShouldBeText = "Library version should be  ";
constexpr std::string_view kVersionMask = "#0\\.00";
constexpr std::string_view kUnreadableText = "the file cannot be read or is larger than any element library";
constexpr std::string_view kDamagedText = "Library file damaged:";

}  // namespace

LibraryOpenResult ReadLibrary(const std::filesystem::path& programFolder)
{
    const std::filesystem::path path = programFolder / kLibraryFileName;
    LibraryOpenResult result;
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return result;
    auto bytes = ReadFileBytes(path, kMaxLibraryBytes);
    if (!bytes) {
        result.status = LibraryOpenStatus::Unreadable;
        return result;
    }
    const LibraryParse parse = ParseLibrary(*bytes);
    switch (parse.fault) {
    case LibraryFault::IllegalHeader: result.status = LibraryOpenStatus::IllegalHeader; break;
    case LibraryFault::IncompatibleVersion: result.status = LibraryOpenStatus::IncompatibleVersion; break;
    case LibraryFault::Damaged:
        result.status = LibraryOpenStatus::Damaged;
        result.damage = parse.detail;
        break;
    case LibraryFault::None:
        result.status = LibraryOpenStatus::Ok;
        result.library.emplace(std::move(*bytes));
        break;
    }
    return result;
}

std::string LibraryOpenMessage(const LibraryOpenResult& result)
{
    switch (result.status) {
    case LibraryOpenStatus::IllegalHeader: return std::string(kIllegalHeaderText);
    case LibraryOpenStatus::IncompatibleVersion:
        return std::string(kIncompatibleText) + std::string(kFindingLineBreak) + std::string(kFindingLineBreak) +
               std::string(kVersionShouldBeText) + FormatNumber(kLibraryVersion, kVersionMask) + "   ";
    case LibraryOpenStatus::Unreadable: return LibraryDamagedMessage(kUnreadableText);
    case LibraryOpenStatus::Damaged: return LibraryDamagedMessage(result.damage);
    default: return {};
    }
}

std::string LibraryDamagedMessage(std::string_view damage)
{
    return std::string(kDamagedText) + std::string(kFindingLineBreak) + std::string(damage) + std::string(kFindingTail);
}

std::optional<LibraryFile> OpenLibrary(const std::filesystem::path& programFolder, Findings& findings)
{
    LibraryOpenResult opened = ReadLibrary(programFolder);
    if (opened.status == LibraryOpenStatus::NotFound)
        findings.add(FileErrorFinding(kErrFileNotFound, kContextLibrary, programFolder));
    else if (opened.status != LibraryOpenStatus::Ok)
        findings.error(LibraryOpenMessage(opened));
    return std::move(opened.library);
}

}  // namespace slv
