#include "document/file_error.h"

#include <cerrno>
#include <optional>

#include "document/library_file.h"
#include "platform/text_encoding.h"

namespace slv {

namespace {
constexpr const char* kErrorLineBreak = "\r\n";
constexpr const char* kErrorTail = "    ";

constexpr const char* kOverflowTransmissionText = "Overflow\r\nToo large number in transmission file";
constexpr const char* kOverflowText = "Overflow during file operation";
constexpr const char* kNoTransmissionFileText = "No transmission file specified";
constexpr const char* kBadFileNameText = "Bad file name";
constexpr const char* kDataFileNotFoundText = "Data file not found";
constexpr const char* kLibraryNotFoundText = "Library not found.";
constexpr const char* kTransmissionFileNotFoundText = "Transmission file not found";
constexpr const char* kFileNotFoundText = "File not found";
constexpr const char* kFileShorterText = "File shorter than expected";
constexpr const char* kPathNotFoundText = "Path not found or incorrect";

std::string libraryNotFoundText(const std::filesystem::path& programFolder)
{
    return std::string(kLibraryNotFoundText) + kErrorLineBreak + kErrorLineBreak + "File  " +
           std::string(kLibraryFileName) + "  must be in folder " + kErrorLineBreak + programFolder.string();
}

/// The text an error number has of its own in the context; none for the
/// numbers shown with the system's description.
std::optional<std::string> ownText(int errorNumber, int context, const std::filesystem::path& programFolder)
{
    switch (errorNumber) {
    case kErrOverflow: return context == kContextTransmission ? kOverflowTransmissionText : kOverflowText;
    case kErrBadFileName: return context == kContextTransmission ? kNoTransmissionFileText : kBadFileNameText;
    case kErrFileNotFound:
        switch (context) {
        case kContextDataFile: return kDataFileNotFoundText;
        case kContextLibrary: return libraryNotFoundText(programFolder);
        case kContextTransmission: return kTransmissionFileNotFoundText;
        default: return kFileNotFoundText;
        }
    case kErrReadPastEnd: return kFileShorterText;
    case kErrPathAccess:
    case kErrPathNotFound: return kPathNotFoundText;
    default: return std::nullopt;
    }
}

std::string numberedText(int errorNumber, std::string_view description)
{
    return "Error " + std::to_string(errorNumber) + kErrorLineBreak + std::string(description);
}

/// "FILE: reason", in the 8-bit texts of the messages (file names and the
/// system's words come as UTF-8).
std::string failureLine(const FileFailure& failure)
{
    return Utf8ToAnsi(failure.path.string() + ": " + failure.error.message());
}
}  // namespace

std::string FileErrorText(int errorNumber, int context, const std::filesystem::path& programFolder,
                          std::string_view systemDescription)
{
    return ownText(errorNumber, context, programFolder).value_or(numberedText(errorNumber, systemDescription));
}

Finding FileErrorFinding(int errorNumber, int context, const std::filesystem::path& programFolder,
                         std::string_view systemDescription)
{
    return MessageFinding(FindingKind::Error,
                          FileErrorText(errorNumber, context, programFolder, systemDescription) + kErrorTail);
}

Finding FileErrorFinding(int errorNumber, int context, const std::filesystem::path& programFolder,
                         const FileFailure& failure)
{
    if (failure.path.empty())
        return FileErrorFinding(errorNumber, context, programFolder, failure.error.message());
    const std::string line = failureLine(failure);
    const auto own = ownText(errorNumber, context, programFolder);
    const std::string text = own ? *own + kErrorLineBreak + line : numberedText(errorNumber, line);
    return MessageFinding(FindingKind::Error, text + kErrorTail);
}

int FileErrorNumberOf(std::error_code error, FileAccess access)
{
    constexpr int kDiskFull = 61, kTooManyFiles = 67, kDeviceError = 57;
    if (error.category() == FileKindCategory())
        return kErrPathAccess;
    if (error.category() != std::generic_category() && error.category() != std::system_category())
        return kDeviceError;
    switch (error.value()) {
    case ENOENT: return access == FileAccess::Read ? kErrFileNotFound : kErrPathNotFound;
    case ENOTDIR:
    case ELOOP: return kErrPathNotFound;
    case EINVAL:
    case ENAMETOOLONG: return kErrBadFileName;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY: return kErrPathAccess;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kDiskFull;
    case EMFILE:
    case ENFILE: return kTooManyFiles;
    default: return kDeviceError;
    }
}

Finding FileFailureFinding(const FileFailure& failure, FileAccess access, int context,
                           const std::filesystem::path& programFolder)
{
    return FileErrorFinding(FileErrorNumberOf(failure.error, access), context, programFolder, failure);
}

}  // namespace slv
