// The one message routine for run-time file errors: an error number (the
// classic run-time error codes) and a context say which text the analyst sees.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace slv {

struct Session;

/// Error numbers of file operations.
enum FileErrorNumber : int {
    kErrOverflow = 6,
    kErrBadFileName = 52,
    kErrFileNotFound = 53,
    kErrReadPastEnd = 62,
    kErrPathNotFound = 75,
    kErrPathAccess = 76,
};

/// Where the error occurred: general, data file, element library, transmission file.
enum FileErrorContext : int {
    kContextGeneral = 0,
    kContextDataFile = 1,
    kContextLibrary = 2,
    kContextTransmission = 4,
};

/// The text shown for an error, without the trailing blanks.
std::string FileErrorText(int errorNumber, int context, const std::filesystem::path& programFolder,
                          std::string_view systemDescription = {});

/// Shows FileErrorText followed by four blanks in a critical message box.
void ReportFileError(Session& session, int errorNumber, int context, std::string_view systemDescription = {});

}  // namespace slv
