#include <gtest/gtest.h>

#include "document/file_error.h"

namespace slv {
namespace {

TEST(FileError, EveryErrorAndContextHasItsText)
{
    const std::filesystem::path folder = "/opt/selvaro";
    struct Case {
        int error;
        int context;
        std::string text;
    };
    const Case cases[] = {
        {kErrOverflow, kContextTransmission, "Overflow\r\nToo large number in transmission file"},
        {kErrOverflow, kContextGeneral, "Overflow during file operation"},
        {kErrOverflow, kContextDataFile, "Overflow during file operation"},
        {kErrBadFileName, kContextTransmission, "No transmission file specified"},
        {kErrBadFileName, kContextLibrary, "Bad file name"},
        {kErrFileNotFound, kContextDataFile, "Data file not found"},
        {kErrFileNotFound, kContextLibrary,
         "Library not found.\r\n\r\nFile  SLV.lib  must be in folder \r\n/opt/selvaro"},
        {kErrFileNotFound, kContextTransmission, "Transmission file not found"},
        {kErrFileNotFound, kContextGeneral, "File not found"},
        {kErrReadPastEnd, kContextDataFile, "File shorter than expected"},
        {kErrReadPastEnd, kContextTransmission, "File shorter than expected"},
        {kErrPathAccess, kContextGeneral, "Path not found or incorrect"},
        {kErrPathNotFound, kContextTransmission, "Path not found or incorrect"},
        {70, kContextDataFile, "Error 70\r\nPermission denied"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileErrorText(c.error, c.context, folder, "Permission denied"), c.text)
            << "error " << c.error << " context " << c.context;
}

TEST(FileError, TheFindingIsAnErrorWithFourBlanks)
{
    const Finding finding = FileErrorFinding(kErrDivisionByZero, kContextTransmission, {}, "Division by zero");
    EXPECT_EQ(finding.text, "Error 11\r\nDivision by zero    ");
    EXPECT_EQ(finding.kind, FindingKind::Error);
    EXPECT_EQ(finding.buttons, MessageButtons::Ok);
}

}  // namespace
}  // namespace slv
