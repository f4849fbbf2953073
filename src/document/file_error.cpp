#include "document/file_error.h"

#include "document/library_file.h"

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
}  // namespace

std::string FileErrorText(int errorNumber, int context, const std::filesystem::path& programFolder,
                          std::string_view systemDescription)
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
    default: return "Error " + std::to_string(errorNumber) + kErrorLineBreak + std::string(systemDescription);
    }
}

Finding FileErrorFinding(int errorNumber, int context, const std::filesystem::path& programFolder,
                         std::string_view systemDescription)
{
    return MessageFinding(FindingKind::Error,
                          FileErrorText(errorNumber, context, programFolder, systemDescription) + kErrorTail);
}

}  // namespace slv
