// selvaro-cli on files it cannot use: a named pipe, a device or a folder
// given as a data file or named as an exchange file's transmission file is
// refused at once, and a failed save names the file and the system's reason
// on the line after the message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/cli_fixture.h"
#include "support/non_regular_files.h"
#include "support/run_cli_binary.h"
#include "support/sample_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

class CliFileErrors : public test::CliFixture {
protected:
    /// The built program on arguments, standard output and errors together.
    test::CliRun runBinary(const std::string& arguments, const fs::path& pipe)
    {
        return test::WithoutWaitingOn(pipe, [&] { return test::RunCliBinary(arguments, true); });
    }
};

TEST_F(CliFileErrors, FilesThatAreNoRegularFilesAreRefusedWithoutWaiting)
{
    for (const test::NonRegularFile& special : test::MakeNonRegularFiles(m_folder, "sample.lvd")) {
        SCOPED_TRACE(special.kind);
        const std::string refusal =
            "error: Path not found or incorrect\n" + special.path.string() + ": " + special.reason + "\n";

        const test::CliRun quantified = runBinary("quantify '" + special.path.string() + "'", special.path);
        EXPECT_EQ(quantified.exitCode, 1);
        EXPECT_EQ(quantified.output, refusal);

        // An exchange file names the special file as its analyser transmission.
        const std::string exchange = temp(std::string("transmission_") + special.kind + ".lvx");
        std::ofstream(exchange, std::ios::binary)
            << "XPSRDE;1.00\r\nTITL;Hostile transmission\r\nTRAN;FILE;" << special.path.string()
            << "\r\nELEM\r\nC;1s;\r\nO;1s;\r\nINTE\r\n1000;2000\r\nEND\r\n";
        const test::CliRun transmitted = runBinary("quantify '" + exchange + "'", special.path);
        EXPECT_NE(transmitted.output.find(refusal), std::string::npos) << transmitted.output;
    }
}

TEST_F(CliFileErrors, AFailedSaveNamesTheFileAndTheReason)
{
    const std::string input = temp("silica.lvd");
    test::TestSession source;
    test::FillSiliconOxide(source.doc());
    test::WriteDataFile(source.doc(), input);
    // Every kind of target that cannot be written is a case of the save's own test.
    EXPECT_EQ(run({"convert", input, temp("no folder/out.lvd")}), 1);
    EXPECT_EQ(err.str(), "error: Path not found or incorrect\n" + temp("no folder") + ": No such file or directory\n");
}

}  // namespace
}  // namespace slv
