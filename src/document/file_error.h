// The one message routine for run-time file errors: an error number (the
// classic run-time error codes) and a context say which text the analyst sees.
// The readers of data, template, exchange, library and transmission files and
// the saving of documents report through it, so that one failure always reads
// the same. Where the failing file is known, a second line names it and gives
// the system's reason.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "document/file_failure.h"
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

/// The error message of FileErrorText with a second line that names the
/// failing file and the system's reason ("/data/a.lvd: Permission denied"),
/// followed by four blanks. A failure without a path (no file name given)
/// adds no line.
Finding FileErrorFinding(int errorNumber, int context, const std::filesystem::path& programFolder,
                         const FileFailure& failure);

enum class FileAccess { Read, Write };

/// The run-time error number of a failed file operation: file not found
/// (reading), path not found, bad file name, path access (also a file that is
/// no regular file), 61 disk full, 67 too many files, 57 any other device error.
int FileErrorNumberOf(std::error_code error, FileAccess access);

/// FileErrorFinding of the failure's own error number.
Finding FileFailureFinding(const FileFailure& failure, FileAccess access, int context,
                           const std::filesystem::path& programFolder = {});

}  // namespace slv
