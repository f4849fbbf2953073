// selvaro-cli against hostile input and failing outputs: numbers on the
// command line that no data set can hold, texts of a file that carry control
// characters, exchange values that are no numbers, messages of kind error,
// outputs that cannot be written, and the exit code over every stored fuzz
// input. Each family is one table.
#include <nlohmann/json.hpp>

#include <fstream>

#include "cli/printable_text.h"
#include "support/cli_fixture.h"
#include "support/run_cli_binary.h"
#include "support/sample_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

const std::string kExampleFolderPrefix = std::string(SLV_SOURCE_DIR) + "/examples/";
const fs::path kFuzzCorpus = fs::path(SLV_SOURCE_DIR) / "tests" / "fuzz" / "corpus";

std::string quotedPath(const std::string& path)
{
    return "'" + path + "'";
}

/// The first character of text that a terminal would act upon, or none.
std::optional<std::size_t> firstControl(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\n') || c == 0x7F ||
            (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
             static_cast<unsigned char>(text[i + 1]) <= 0x9F))
            return i;
    }
    return std::nullopt;
}

/// An exchange file of carbon and oxygen (element rows 1 and 2) with the lines given after the parameters.
std::string exchangeFile(const std::string& title, const std::string& parameters, const std::string& intensities)
{
    return "XPSRDE;1.00\r\nTITL;" + title + "\r\nEXCI;AL\r\nCROS;SCOF\r\n" + parameters +
           "ELEM\r\nC;1s\r\nO;1s\r\nINTE\r\n" + intensities + "\r\nEND\r\n";
}

class CliHostile : public test::CliFixture {
protected:
    std::string writeText(const std::string& name, const std::string& text)
    {
        const std::string path = temp(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
};

TEST_F(CliHostile, NumbersNoDataSetCanHoldOrTheQuantityForbidsAreUsageErrorsNamingOptionAndValue)
{
    // The file does not exist: an accepted option ends with exit 1 when the
    // file is opened, a refused one with exit 2 before.
    const std::string none = temp("none.lvd");
    struct Case {
        std::vector<std::string> arguments;
        const char* option;
        const char* value;
        int exitCode;
    };
    const Case cases[] = {
        {{"quantify", none, "--ref", "1", "--value", "inf"}, "--value", "inf", 2},
        {{"quantify", none, "--ref", "1", "--value", "1e400"}, "--value", "1e400", 2},
        {{"quantify", none, "--ref", "1", "--value", "3.5e38"}, "--value", "3.5e38", 2},
        {{"quantify", none, "--ref", "1", "--value", "nan"}, "--value", "nan", 2},
        {{"quantify", none, "--ref", "1", "--value", "0"}, "--value", "0", 2},
        {{"quantify", none, "--ref", "1", "--value", "-1"}, "--value", "-1", 2},
        {{"quantify", none, "--ref", "1", "--value", "1e-50"}, "--value", "1e-50", 2},  // 0 in single precision
        {{"quantify", none, "--ref", "1", "--value", "2x"}, "--value", "2x", 2},
        {{"quantify", none, "--ref", "1", "--value", "3e38"}, "", "", 1},
        {{"simulate", none, "--thickness", "2.5,1e308", "--save", none}, "--thickness", "1e308", 2},
        {{"simulate", none, "--thickness", "nan", "--save", none}, "--thickness", "nan", 2},
        {{"simulate", none, "--thickness", "-0.5", "--save", none}, "--thickness", "-0.5", 2},
        {{"simulate", none, "--thickness", "0,2", "--save", none}, "", "", 1},
        {{"simulate", none, "--thickness", "1", "--coverage", "1.01", "--save", none}, "--coverage", "1.01", 2},
        {{"simulate", none, "--thickness", "1", "--coverage", "-inf", "--save", none}, "--coverage", "-inf", 2},
        {{"simulate", none, "--thickness", "1", "--coverage", "1", "--save", none}, "", "", 1},
        {{"fit", none, "--start", "1e308"}, "--start", "1e308", 2},
        {{"fit", none, "--start", "1,0"}, "--start", "0", 2},
        {{"fit", none, "--start", "infinity"}, "--start", "infinity", 2},
        {{"fit", none, "--coverage", "2"}, "--coverage", "2", 2},
        {{"fit", none, "--start", "0.5,1", "--coverage", "0"}, "", "", 1},
        {{"imfp", "--method", "seah-dench", "--class", "element", "--density", "1e39", "--molweight", "12", "--energy",
          "100"},
         "--density",
         "1e39",
         2},
        {{"imfp", "--method", "tpp2m", "--class", "element", "--density", "2", "--molweight", "12",
          "--valence-electrons", "4", "--bandgap", "-1", "--energy", "100"},
         "--bandgap",
         "-1",
         2},
    };
    for (const Case& c : cases) {
        const std::string line = testing::PrintToString(c.arguments);
        EXPECT_EQ(run(c.arguments), c.exitCode) << line << "\n" << err.str();
        if (c.exitCode != 2)
            continue;
        const std::string firstLine = err.str().substr(0, err.str().find('\n'));
        EXPECT_NE(firstLine.find(c.option), std::string::npos) << line << "\n" << firstLine;
        EXPECT_NE(firstLine.find(std::string("\"") + c.value + "\""), std::string::npos) << line << "\n" << firstLine;
    }
}

TEST_F(CliHostile, AFitStartBeyondWhatTheModelCanTellApartIsAUsageError)
{
    const auto refused = test::RunCliBinary("fit " + quotedPath(kExampleFolderPrefix + "cu_islands_on_graphite.lvd") +
                                                " --start 1e30 --coverage 0.3",
                                            true);
    EXPECT_EQ(refused.exitCode, 2) << refused.output;
    EXPECT_NE(refused.output.find("error: --start 1e+30 is not below"), std::string::npos) << refused.output;
    EXPECT_EQ(refused.output.find("Inf"), std::string::npos) << refused.output;
}

TEST(PrintableText, ControlCharactersBecomeQuestionMarksAndPrintableTextStays)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\x1b[2J\x1b[Hfake result", "?[2J?[Hfake result"},
        {"tab\there, line\r\nbreak", "tab?here, line??break"},
        {std::string("nul\0bell\a", 9), "nul?bell?"},
        {"del\x7f", "del?"},
        {"\xc2\x9b"
         "31m",
         "?31m"},  // the one-byte control sequence introducer, as UTF-8
        {"Z\xc3\xbcrich \xe2\x82\xac \xc2\xb0"
         "C",
         "Z\xc3\xbcrich \xe2\x82\xac \xc2\xb0"
         "C"},
        {"", ""},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(cli::PrintableText(text), shown) << testing::PrintToString(text);
}

TEST_F(CliHostile, TextsFromAFileReachTheTerminalAndCsvWithoutControlCharacters)
{
    test::TestSession source;
    Document& doc = source.doc();
    test::FillSiliconOxide(doc);
    doc.setTitle("\x1b[2J\x1b[Hfake result");
    doc.ElState[1] = "Ox\x1b[31m";
    doc.LabelText[1][3] = "10\r\n99";
    const std::string data = temp("hostile.lvd");
    test::WriteDataFile(doc, data);
    const std::string exchange = writeText(
        "hostile.lvx", exchangeFile("\x1b]0;owned\x07", "TRAN;FILE;/tmp/\x1b[1mt.ltr\r\nJUNK\x1b[2J\r\n", "1000;2000"));

    const std::vector<std::string> commands[] = {
        {"info", data},
        {"quantify", data},
        {"quantify", data, "--format", "csv"},
        {"info", exchange},
    };
    for (const auto& arguments : commands) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        run(arguments);
        for (const std::string& stream : {out.str(), err.str()}) {
            const auto control = firstControl(stream);
            EXPECT_FALSE(control) << "at " << *control << ":\n" << stream;
        }
    }
    run({"info", data});
    EXPECT_NE(out.str().find("Title: ?[2J?[Hfake result\n"), std::string::npos) << out.str();
    run({"quantify", data, "--format", "csv"});
    EXPECT_NE(out.str().find("1,10??99,"), std::string::npos) << "a line break is no new CSV row:\n" << out.str();
}

TEST_F(CliHostile, AnExchangeValueThatIsNoNumberOfZeroOrMoreIsReportedAndFailsTheRun)
{
    // Every kind of such value is a case of the import's own test; here the way to the exit code.
    const std::string file = quotedPath(writeText("bad.lvx", exchangeFile("T", "", "1000;nan")));
    // The header is line 1: the intensities stand on line 9.
    const std::string errorLine = "- Line 9: invalid INTENSITY value of element row 2 (a number of 0 or more): nan";
    const auto checked = test::RunCliBinary("check " + file);
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_NE(checked.output.find(errorLine), std::string::npos) << checked.output;

    const auto quantified = test::RunCliBinary("quantify " + file + " --format json", true);
    EXPECT_EQ(quantified.exitCode, 1);
    EXPECT_NE(quantified.output.find(errorLine), std::string::npos) << quantified.output;
    const auto json = nlohmann::json::parse(quantified.output.substr(quantified.output.find("\n{") + 1));
    EXPECT_TRUE(json["experiments"][0]["values"][1].is_null()) << "no 0 % oxygen from a value that is none";
}

TEST_F(CliHostile, AMessageOfKindErrorEndsTheRunWithExitOneAndWarningsAloneKeepZero)
{
    test::TestSession source;
    test::FillSiliconOxide(source.doc());
    const std::string clean = temp("clean.lvd");
    test::WriteDataFile(source.doc(), clean);
    // O 1s above the Al K-alpha energy: the line energy is moved (and said so), the results rest on it.
    source.doc().BindEnergy[2] = 1600.0f;
    const std::string unexcitable = temp("unexcitable.lvd");
    test::WriteDataFile(source.doc(), unexcitable);

    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* message;
    } cases[] = {
        {{"quantify", clean}, 0, ""},
        {{"quantify", unexcitable}, 1, "error: The  O1s  line cannot be excited"},
        {{"quantify", unexcitable, "--format", "json"}, 1, "error: The  O1s  line cannot be excited"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.arguments), c.exitCode) << err.str();
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
        EXPECT_NE(out.str().find("Si"), std::string::npos) << "the results are still shown";
    }
}

TEST_F(CliHostile, AnAngularCorrectionWithoutAUsableAngleIsLeftOutAndSaidSoRatherThanBlankingTheSLines)
{
    // At 0 degrees the factor 1 + beta P of an s line (beta 2, P -1/2) is 0: the line would get no result.
    const struct {
        float angle;
        bool refused;
    } cases[] = {{0.0f, true}, {360.0f, true}, {-10.0f, true}, {54.7f, false}, {90.0f, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        test::TestSession source;
        Document& doc = source.doc();
        test::FillSiliconOxide(doc);
        doc.Asymmetry[2] = 2.0f;  // O 1s
        doc.setAngularMethod(AngularMethod::Reilman);
        doc.setSourceAnalyserAngle(c.angle);
        const std::string file = temp("angle.lvd");
        test::WriteDataFile(doc, file);
        run({"quantify", file, "--format", "json"});
        const auto json = nlohmann::json::parse(out.str());
        EXPECT_FALSE(json["experiments"][0]["values"][1].is_null()) << "O 1s has a result";
        const bool told = json["errors"].dump().find("Invalid excitation - analyser angle") != std::string::npos &&
                          err.str().find("Invalid excitation - analyser angle") != std::string::npos;
        EXPECT_EQ(told, c.refused) << err.str() << json.dump();
    }
    // The exchange example with Reilman's correction: the file gives no angle, the default is 0.
    std::ifstream example(kExampleFolderPrefix + "anodised_aluminium.lvx", std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(example), std::istreambuf_iterator<char>()};
    text.replace(text.find("ANGL;NONE"), 9, "ANGL;REIL");
    const auto reilman = test::RunCliBinary("quantify " + quotedPath(writeText("reil.lvx", text)) + " --format json");
    const auto json = nlohmann::json::parse(reilman.output);
    EXPECT_FALSE(json["experiments"][0]["values"][0].is_null()) << "C 1s has a result";
    EXPECT_FALSE(json["experiments"][0]["values"][1].is_null()) << "O 1s has a result";
    EXPECT_NE(json["errors"].dump().find("Invalid excitation - analyser angle"), std::string::npos) << json.dump();
}

TEST_F(CliHostile, AnOutputThatCannotBeWrittenEndsTheRunWithExitOneAndTheReason)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    const std::string glass = quotedPath(kExampleFolderPrefix + "float_glass.lvd");
    // Every command writes through the one output the program checks at its end.
    const std::string commands[] = {
        "quantify " + glass,
        "imfp --method seah-dench --class element --density 19.32 --molweight 196.97 --energy 1000",
        "--help",
    };
    for (const std::string& command : commands) {
        // Standard error into the pipe, standard output onto the full device.
        const auto run = test::RunShell("XDG_CONFIG_HOME=/nonexistent " + std::string(SLV_CLI_PATH) + " " + command +
                                        " 2>&1 >/dev/full");
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_NE(run.output.find("error: the output could not be written: No space left on device"), std::string::npos)
            << command << "\n"
            << run.output;
    }
}

TEST_F(CliHostile, NoStoredFuzzInputEndsWithAnErrorMessageAndExitZero)
{
    const std::vector<std::string> commands = {"quantify", "check", "fit"};
    int runs = 0;
    for (const char* reader : {"data_file", "exchange"}) {
        for (const auto& entry : fs::directory_iterator(kFuzzCorpus / reader)) {
            for (const std::string& command : commands) {
                const auto run = test::RunCliBinary(command + " " + quotedPath(entry.path().string()), true);
                ++runs;
                const bool errorShown =
                    run.output.starts_with("error:") || run.output.find("\nerror:") != std::string::npos;
                EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1 || run.exitCode == 2)
                    << command << " " << entry.path() << " ended with " << run.exitCode;
                EXPECT_FALSE(errorShown && run.exitCode == 0) << command << " " << entry.path() << "\n" << run.output;
            }
        }
    }
    EXPECT_GT(runs, 100) << "the corpus was not found";
}

}  // namespace
}  // namespace slv
