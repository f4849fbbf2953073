// The one message routine for run-time file errors: an error number (the
// classic run-time error codes) and a context say which text the analyst sees.
// The readers of data files, of the element library and of transmission files
// report through it, so that one failure always reads the same.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/findings.h"

namespace slv {

/// Error numbers of file operations (and of the arithmetic run on file data).
enum FileErrorNumber : int {
    kErrInvalidCall = 5,
    kErrOverflow = 6,
    kErrDivisionByZero = 11,
    kErrBadFileName = 52,
    kErrFileNotFound = 53,
    kErrReadPastEnd = 62,
    kErrPathAccess = 75,
    kErrPathNotFound = 76,
};

/// Where the error occurred: general, data file, element library, transmission file.
enum FileErrorContext : int {
    kContextGeneral = 0,
    kContextDataFile = 1,
    kContextLibrary = 2,
    kContextTransmission = 4,
};

/// The text shown for an error, without the trailing blanks. The library
/// context names programFolder; an error number without a text of its own
/// shows the number and systemDescription.
std::string FileErrorText(int errorNumber, int context, const std::filesystem::path& programFolder,
                          std::string_view systemDescription = {});

/// The error message of FileErrorText followed by four blanks.
Finding FileErrorFinding(int errorNumber, int context, const std::filesystem::path& programFolder,
                         std::string_view systemDescription = {});

}  // namespace slv
