#include <gtest/gtest.h>

#include <cerrno>

#include "document/file_error.h"

namespace slv {
namespace {

const std::filesystem::path kSelvaroFolder = "/opt/selvaro";

TEST(FileError, EveryErrorAndContextHasItsText)
{
    struct Case {
        int error;
        int context;
        std::string text;
    };
    const Case cases[] = {
        {kErrOverflow, kContextTransmission, "Overflow\r\nToo large number in transmission file"},
        {kErrOverflow, kContextDataFile, "Overflow during file operation"},
        {kErrBadFileName, kContextTransmission, "No transmission file specified"},
        {kErrBadFileName, kContextLibrary, "Bad file name"},
        {kErrFileNotFound, kContextLibrary,
         "Library not found.\r\n\r\nFile  SLV.lib  must be in folder \r\n/opt/selvaro"},
        {kErrFileNotFound, kContextGeneral, "File not found"},
        {kErrPathAccess, kContextGeneral, "Path not found or incorrect"},
        {70, kContextDataFile, "Error 70\r\nPermission denied"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileErrorText(c.error, c.context, kSelvaroFolder, "Permission denied"), c.text)
            << "error " << c.error << " context " << c.context;
    const Finding finding = FileErrorFinding(kErrDivisionByZero, kContextTransmission, {}, "Division by zero");
    EXPECT_EQ(finding.text, "Error 11\r\nDivision by zero    ");
    EXPECT_EQ(finding.kind, FindingKind::Error);
}

// Every failure used to say only "Path not found or incorrect"; the second
// line names the file and the system's reason.
TEST(FileError, AFailureAddsALineWithTheFileAndTheSystemsReason)
{
    const std::filesystem::path file = "/data/run 7/Probe \xC3\xA9.lvd";  // UTF-8 on disk, 8-bit in messages
    const std::string named = "/data/run 7/Probe \xE9.lvd";
    const auto systemError = [](int value) { return std::error_code(value, std::generic_category()); };
    const std::string noPath = "Path not found or incorrect\r\n" + named;
    struct Case {
        std::error_code error;
        FileAccess access;
        int context;
        std::string text;
    };
    const Case cases[] = {
        {systemError(ENOENT), FileAccess::Read, kContextDataFile,
         "Data file not found\r\n" + named + ": No such file or directory    "},
        {systemError(ENOENT), FileAccess::Write, kContextGeneral, noPath + ": No such file or directory    "},
        {systemError(ENOENT), FileAccess::Read, kContextLibrary,
         "Library not found.\r\n\r\nFile  SLV.lib  must be in folder \r\n/opt/selvaro\r\n" + named +
             ": No such file or directory    "},
        {systemError(EACCES), FileAccess::Read, kContextDataFile, noPath + ": Permission denied    "},
        {systemError(EROFS), FileAccess::Write, kContextGeneral, noPath + ": Read-only file system    "},
        {FileKindError::NamedPipe, FileAccess::Read, kContextTransmission,
         noPath + ": is a named pipe (FIFO), not a regular file    "},
        {FileKindError::DanglingLink, FileAccess::Write, kContextGeneral,
         noPath + ": is a symbolic link to a file that does not exist    "},
        // Numbers without a text of their own show the reason on their second line.
        {systemError(ENOSPC), FileAccess::Write, kContextGeneral,
         "Error 61\r\n" + named + ": No space left on device    "},
        {systemError(EIO), FileAccess::Read, kContextDataFile, "Error 57\r\n" + named + ": Input/output error    "},
    };
    for (const auto& c : cases) {
        const Finding finding = FileFailureFinding({file, c.error}, c.access, c.context, kSelvaroFolder);
        EXPECT_EQ(finding.text, c.text) << c.error.message();
        EXPECT_EQ(finding.kind, FindingKind::Error);
    }
    // Without a file name there is no file to name.
    EXPECT_EQ(FileFailureFinding({{}, systemError(EINVAL)}, FileAccess::Read, kContextDataFile).text,
              "Bad file name    ");
}

}  // namespace
}  // namespace slv
