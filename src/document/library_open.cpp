#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

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

/// What tells one version of the library file from another without reading it.
struct FileStamp {
    std::filesystem::file_time_type modified;
    std::uintmax_t size = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

std::optional<FileStamp> stampOf(const std::filesystem::path& path)
{
    std::error_code error;
    FileStamp stamp;
    stamp.modified = std::filesystem::last_write_time(path, error);
    if (!error)
        stamp.size = std::filesystem::file_size(path, error);
    return error ? std::nullopt : std::optional(stamp);
}

/// The last library read whole and found sound, with the stamp its file had
/// before it was read.
struct CheckedLibrary {
    std::filesystem::path path;
    FileStamp stamp;
    LibraryFile library;
};

/// The one library kept for the whole process, so that every lookup (each
/// element row, each imported exchange file) does not read and check the
/// whole file again. A file with another modification time or size is read
/// again; a rewrite within one tick of the file system's clock that keeps the
/// size goes unseen until the next change. Not guarded by a lock: the program
/// reads the library from one thread only.
std::optional<CheckedLibrary>& keptLibrary()
{
    static std::optional<CheckedLibrary> kept;
    return kept;
}

}  // namespace

LibraryOpenResult ReadLibrary(const std::filesystem::path& programFolder)
{
    const std::filesystem::path path = programFolder / kLibraryFileName;
    LibraryOpenResult result;
    // Taken before the read: a change while it reads leaves a stamp that the
    // next read no longer meets, so the file is read again then.
    const std::optional<FileStamp> stamp = stampOf(path);
    std::optional<CheckedLibrary>& kept = keptLibrary();
    if (stamp && kept && kept->path == path && kept->stamp == *stamp) {
        result.status = LibraryOpenStatus::Ok;
        result.library = kept->library;
        return result;
    }
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
        if (stamp)
            kept = CheckedLibrary{path, *stamp, *result.library};
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
