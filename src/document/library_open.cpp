#include <string>

#include "document/element_library.h"
#include "document/file_bytes.h"
#include "document/file_error.h"
#include "platform/format_mask.h"

namespace slv {

namespace {

constexpr std::string_view kIllegalHeaderText = "Illegal or damaged library file header   ";
constexpr std::string_view kIncompatibleText = "Incompatible library.";
constexpr std::string_view kVersionShouldBeText = "Library version should be  ";
constexpr std::string_view kVersionMask = "#0\\.00";
constexpr std::string_view kTooLargeText = "the file is larger than any element library";
constexpr std::string_view kDamagedText = "Library file damaged:";

}  // namespace

LibraryOpenResult ReadLibrary(const std::filesystem::path& programFolder)
{
    const std::filesystem::path path = programFolder / kLibraryFileName;
    LibraryOpenResult result;
    std::error_code error;
    std::vector<std::byte> bytes = ReadFileStart(path, kMaxLibraryBytes + 1, error);
    if (error) {
        result.status =
            error == std::errc::no_such_file_or_directory ? LibraryOpenStatus::NotFound : LibraryOpenStatus::Unreadable;
        result.failure = FileFailure{path, error};
        return result;
    }
    if (bytes.size() > kMaxLibraryBytes) {
        result.status = LibraryOpenStatus::TooLarge;
        return result;
    }
    const LibraryParse parse = ParseLibrary(bytes);
    switch (parse.fault) {
    case LibraryFault::IllegalHeader: result.status = LibraryOpenStatus::IllegalHeader; break;
    case LibraryFault::IncompatibleVersion: result.status = LibraryOpenStatus::IncompatibleVersion; break;
    case LibraryFault::Damaged:
        result.status = LibraryOpenStatus::Damaged;
        result.damage = parse.detail;
        break;
    case LibraryFault::None:
        result.status = LibraryOpenStatus::Ok;
        result.library.emplace(std::move(bytes));
        break;
    }
    return result;
}

std::string LibraryOpenMessage(const LibraryOpenResult& result, const std::filesystem::path& programFolder)
{
    switch (result.status) {
    case LibraryOpenStatus::NotFound:
    case LibraryOpenStatus::Unreadable:
        return FileFailureFinding(result.failure.value_or(FileFailure{}), FileAccess::Read, kContextLibrary,
                                  programFolder)
            .text;
    case LibraryOpenStatus::TooLarge: return LibraryDamagedMessage(kTooLargeText);
    case LibraryOpenStatus::IllegalHeader: return std::string(kIllegalHeaderText);
    case LibraryOpenStatus::IncompatibleVersion:
        return std::string(kIncompatibleText) + std::string(kFindingLineBreak) + std::string(kFindingLineBreak) +
               std::string(kVersionShouldBeText) + FormatNumber(kLibraryVersion, kVersionMask) + "   ";
    case LibraryOpenStatus::Damaged: return LibraryDamagedMessage(result.damage);
    case LibraryOpenStatus::Ok: return {};
    }
    return {};
}

std::string LibraryDamagedMessage(std::string_view damage)
{
    return std::string(kDamagedText) + std::string(kFindingLineBreak) + std::string(damage) + std::string(kFindingTail);
}

std::optional<LibraryFile> OpenLibrary(const std::filesystem::path& programFolder, Findings& findings)
{
    LibraryOpenResult opened = ReadLibrary(programFolder);
    if (opened.status != LibraryOpenStatus::Ok)
        findings.error(LibraryOpenMessage(opened, programFolder));
    return std::move(opened.library);
}

}  // namespace slv
