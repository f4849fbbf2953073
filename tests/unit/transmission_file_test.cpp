#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>
#include <unistd.h>

#include "quant/transmission_file.h"
#include "support/test_session.h"

namespace slv {
namespace {

TransmissionTable readValid(std::string_view text)
{
    const TransmissionRead read = ReadTransmissionFile(text);
    EXPECT_EQ(read.fault, TransmissionFault::None) << text;
    return read.table;
}

TransmissionFault readFault(std::string_view text)
{
    return ReadTransmissionFile(text).fault;
}

float valueAt(const TransmissionTable& table, float kineticEv)
{
    const TransmissionValue t = EvaluateTransmission(table, kineticEv);
    EXPECT_EQ(t.fault, TransmissionFault::None) << "at " << kineticEv << " eV";
    return t.value;
}

TEST(TransmissionFile, KeywordNamesKindAndOrder)
{
    struct Case {
        const char* line;
        int kind;
        int order;
    };
    const Case cases[] = {
        {"EXP", kTransmissionKindExp, 2},  {"POL3", kTransmissionKindPol, 3}, {"  pol6  ", kTransmissionKindPol, 6},
        {"POL 0", kTransmissionKindPol, 0}, {"POL", kTransmissionKindPol, 0},  {"npl", kTransmissionKindNpl, 4},
        {"TAB", kTransmissionKindTab, 0},   {"Tabulated", kTransmissionKindTab, 0}, {"UNI", kTransmissionKindUni, 6},
    };
    for (const auto& c : cases) {
        const auto keyword = ParseTransmissionKeyword(c.line);
        ASSERT_TRUE(keyword) << c.line;
        EXPECT_EQ(keyword->kind, c.kind) << c.line;
        EXPECT_EQ(keyword->order, c.order) << c.line;
    }
    for (const char* bad : {"POL7", "POL9", "XYZ", "TA", "", "#TAB"})
        EXPECT_FALSE(ParseTransmissionKeyword(bad)) << bad;
}

TEST(TransmissionFile, TabulatedInterpolatesAndExtendsTheLastSegment)
{
    const auto table = readValid("TAB\r\n500; 1.0\r\n1500; 0.5\r\n");
    EXPECT_FLOAT_EQ(valueAt(table, 1000.0f), 0.75f);
    EXPECT_FLOAT_EQ(valueAt(table, 400.0f), 1.0f);  // below the first row
    EXPECT_FLOAT_EQ(valueAt(table, 2000.0f), 0.25f);
    EXPECT_FLOAT_EQ(valueAt(table, 500.0f), 1.0f);
    EXPECT_FLOAT_EQ(valueAt(table, 1500.0f), 0.5f);
}

TEST(TransmissionFile, TabulatedSingleRowHoldsItsValueAboveItsEnergy)
{
    const auto table = readValid("TAB\n800; 0.6\n");
    EXPECT_FLOAT_EQ(valueAt(table, 700.0f), 1.0f);
    EXPECT_FLOAT_EQ(valueAt(table, 800.0f), 0.6f);
    EXPECT_FLOAT_EQ(valueAt(table, 5000.0f), 0.6f);
}

TEST(TransmissionFile, EachKindEvaluatesItsFunction)
{
    EXPECT_FLOAT_EQ(valueAt(readValid("POL2\r\n0; 1; 0.001; 0\r\n"), 1000.0f), 2.0f);
    EXPECT_FLOAT_EQ(valueAt(readValid("EXP\r\n0; 0; 1; -0.5\r\n"), 400.0f), 0.05f);

    // Rows apply from their start energy on: 1 + x below 1000 eV, 2 x above.
    const auto steps = readValid("POL1\n0; 1; 1\n1000; 0; 2\n");
    EXPECT_FLOAT_EQ(valueAt(steps, 999.0f), 1000.0f);
    EXPECT_FLOAT_EQ(valueAt(steps, 1000.0f), 2000.0f);

    // u = (x - 1000) / 1000: at 1000 eV the constants, at 2000 eV u = 1.
    const auto rational = readValid("NPL\n2; 1; 1; 0; 0\n9; 1; 0; 0; 1\n");
    EXPECT_FLOAT_EQ(valueAt(rational, 1000.0f), 2.0f);
    EXPECT_FLOAT_EQ(valueAt(rational, 2000.0f), 4.0f / 3.0f);
    EXPECT_FLOAT_EQ(valueAt(rational, 0.0f), 2.0f);  // u = -1; NPL has no lower limit
    const auto numeratorOnly = readValid("NPL\n2; 1; 0; 0; 0\n");
    EXPECT_FLOAT_EQ(valueAt(numeratorOnly, 3000.0f), 4.0f);

    const auto combined = readValid("UNI\n1; 1; 0; 0; 0; 2; 0.5\n");
    EXPECT_FLOAT_EQ(valueAt(combined, 1000.0f), 1.0f + 2.0f * std::sqrt(1000.0f));
    EXPECT_FLOAT_EQ(valueAt(combined, 400.0f), 1.0f - 0.6f + 2.0f * 20.0f);
}

TEST(TransmissionFile, ExpExponentAboveTwelveIsInvalid)
{
    EXPECT_EQ(EvaluateTransmission(readValid("EXP\n0; 0; 1; 12\n"), 2.0f).fault, TransmissionFault::None);
    EXPECT_EQ(EvaluateTransmission(readValid("EXP\n0; 0; 1; 12.01\n"), 2.0f).fault, TransmissionFault::InvalidData);
    // Only the row in use counts.
    EXPECT_EQ(EvaluateTransmission(readValid("EXP\n0; 0; 1; 1\n900; 0; 1; 13\n"), 500.0f).fault,
              TransmissionFault::None);
}

TEST(TransmissionFile, FieldsSplitAtSemicolonsAndCommas)
{
    const auto table = readValid("POL2\n 100 , 1.5abc ; ;2e-3\n");
    EXPECT_FLOAT_EQ(table.E[1], 100.0f);
    EXPECT_FLOAT_EQ(table.C[0][1], 1.5f);  // the leading number of the field
    EXPECT_FLOAT_EQ(table.C[1][1], 0.0f);  // blank field
    EXPECT_FLOAT_EQ(table.C[2][1], 0.002f);
}

TEST(TransmissionFile, FieldCountsOfEachKind)
{
    struct Case {
        const char* text;
        TransmissionFault fault;
    };
    const Case cases[] = {
        {"EXP\n500; 1\n", TransmissionFault::InvalidData},      // energy and one value only
        {"EXP\n500; 1; 2; 3; 4\n", TransmissionFault::InvalidData},
        {"TAB\n500\n", TransmissionFault::InvalidData},
        {"TAB\n500; 1; 2\n", TransmissionFault::InvalidData},
        {"POL6\n0;1;2;3;4;5;6;7\n", TransmissionFault::None},    // eight fields
        {"POL6\n0;1;2;3;4;5;6;7;8\n", TransmissionFault::InvalidData},
        {"NPL\n1;2;3;4;5\n1;2;3;4;5;6\n", TransmissionFault::None},  // one more field is ignored
        {"NPL\n1;2;3;4\n", TransmissionFault::InvalidData},
        {"UNI\n1;2;3;4;5;6;7;8\n", TransmissionFault::None},
        {"UNI\n1;2;3;4;5;6\n", TransmissionFault::InvalidData},
        {"UNI\n1;2;3;4;5;6;7;8;9;10;11\n", TransmissionFault::InvalidData},
        {"TAB\n500; 1\n \n", TransmissionFault::InvalidData},  // a blank line is one empty field
        {"TAB\n500; 1\n\r\n\n1500; 0.5", TransmissionFault::None},  // empty lines are skipped
    };
    for (const auto& c : cases)
        EXPECT_EQ(readFault(c.text), c.fault) << c.text;
}

TEST(TransmissionFile, CommentsBeforeTheKeywordOnly)
{
    EXPECT_EQ(readFault("# measured 2024\r\n\r\n   \r\n#\r\nTAB\r\n500; 1\r\n"), TransmissionFault::None);
    EXPECT_EQ(readFault("TAB\r\n# note\r\n500; 1\r\n"), TransmissionFault::InvalidData);
    // A comment that happens to split into two fields is a data row.
    const auto table = readValid("TAB\r\n# note, 3\r\n500; 1\r\n");
    EXPECT_EQ(table.rowCount, 2);
    EXPECT_FLOAT_EQ(table.E[1], 0.0f);
    EXPECT_FLOAT_EQ(table.C[0][1], 3.0f);
}

TEST(TransmissionFile, FilesWithoutAFunction)
{
    for (const char* text : {"", "# only a comment\n", "\n\n", "TAB\n", "TAB\n\n\n", "POL7\n0; 1\n", "FOO\n1; 2\n"})
        EXPECT_EQ(readFault(text), TransmissionFault::InvalidData) << text;
}

TEST(TransmissionFile, AtMostFortyRowsAreRead)
{
    std::string text = "TAB\n";
    for (int i = 1; i <= 40; ++i)
        text += std::to_string(100 * i) + "; 1\n";
    text += "this line is not read\n";
    const auto table = readValid(text);
    EXPECT_EQ(table.rowCount, 40);
    EXPECT_FLOAT_EQ(table.E[40], 4000.0f);
}

TEST(TransmissionFile, RunTimeErrorsOfTheArithmetic)
{
    EXPECT_EQ(readFault("TAB\n500; 1e39\n"), TransmissionFault::Overflow);
    EXPECT_EQ(EvaluateTransmission(readValid("POL6\n0; 0;0;0;0;0;0; 1e30\n"), 1e3f).fault, TransmissionFault::Overflow);
    EXPECT_EQ(EvaluateTransmission(readValid("TAB\n500; 1\n500; 2\n"), 600.0f).fault,
              TransmissionFault::DivisionByZero);
    EXPECT_EQ(EvaluateTransmission(readValid("NPL\n1;0;0;0;0\n0;-1;0;0;0\n"), 2000.0f).fault,
              TransmissionFault::DivisionByZero);
    EXPECT_EQ(EvaluateTransmission(readValid("EXP\n-100; 0; 1; 0.5\n"), -50.0f).fault,
              TransmissionFault::InvalidCall);
    EXPECT_EQ(EvaluateTransmission(readValid("UNI\n0;0;0;0;0;1;-1\n"), 0.0f).fault, TransmissionFault::Overflow);
}

// Whatever the bytes, reading and evaluating end in a status: never a
// crash, never a NaN or infinity passed on as a factor.
TEST(TransmissionFile, ArbitraryTextNeverYieldsANonFiniteFactor)
{
    const std::string alphabet = "0123456789.,;;eE-+#  \r\n\n\tTABPOLEXPNPLUNI7";
    std::mt19937 random(20240611);
    const float energies[] = {-10.0f, 0.0f, 1.0f, 486.6f, 1000.0f, 1486.6f, 1e30f};
    for (int trial = 0; trial < 3000; ++trial) {
        std::string text = trial % 2 ? "TAB\n" : "POL3\n";
        const std::size_t length = random() % 300;
        for (std::size_t i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        const TransmissionRead read = ReadTransmissionFile(text);
        if (read.fault != TransmissionFault::None)
            continue;
        EXPECT_LE(read.table.rowCount, kMaxTransmissionRows);
        for (const float e : energies) {
            const TransmissionValue t = EvaluateTransmission(read.table, e);
            EXPECT_TRUE(t.fault != TransmissionFault::None || std::isfinite(t.value)) << text;
        }
    }
}

TEST(TransmissionFile, CurveGridOfTheTransmissionWindow)
{
    struct Case {
        float excitationEv;
        float stepEv;
        int count;
    };
    const Case cases[] = {
        {1486.6f, 50.0f, 29}, {2500.0f, 100.0f, 25}, {1253.6f, 50.0f, 25}, {2049.9f, 50.0f, 40},
        {2050.0f, 100.0f, 20}, {4100.0f, 150.0f, 27}, {50.0f, 50.0f, 1},  {49.0f, 50.0f, 0},
        {0.0f, 50.0f, 0},      {-100.0f, 50.0f, 0},
    };
    for (const auto& c : cases) {
        const TransmissionCurveGrid grid = TransmissionCurveGridOf(c.excitationEv);
        EXPECT_FLOAT_EQ(grid.stepEv, c.stepEv) << c.excitationEv;
        EXPECT_EQ(grid.count, c.count) << c.excitationEv;
    }
    for (const float huge : {1e9f, 3e38f, std::numeric_limits<float>::infinity(), std::nanf("")}) {
        const TransmissionCurveGrid grid = TransmissionCurveGridOf(huge);
        EXPECT_LE(grid.count, 40) << huge;
        EXPECT_GE(grid.count, 0) << huge;
    }
}

/// A test folder with a transmission file, a program folder and a working
/// folder; the current folder is restored afterwards.
class TransmissionFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = std::filesystem::temp_directory_path() /
               ("slv_transmission_" + std::to_string(::getpid()) + "_" + info->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "program");
        std::filesystem::create_directories(root / "work");
        std::filesystem::create_directories(root / "data");
        t.session.programFolder = root / "program";
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(root / "work");
    }
    void TearDown() override
    {
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove_all(root);
    }
    static void write(const std::filesystem::path& file, const std::string& text)
    {
        std::ofstream(file, std::ios::binary) << text;
    }
    /// FileTransmission at kinetic energies 1000 and 400 eV (Al K-alpha).
    bool evaluate(std::string& path)
    {
        const float binding[] = {486.6f, 1086.6f};
        return FileTransmission(t.session, path, binding, 1486.6f, factors);
    }
    std::string onlyMessage() const
    {
        EXPECT_EQ(t.dialogs.messages.size(), 1u);
        return t.dialogs.messages.empty() ? std::string() : t.dialogs.messages.back().text;
    }

    static constexpr const char* kTable = "# analyser\r\nTAB\r\n500; 1.0\r\n1500; 0.5\r\n";
    test::TestSession t;
    std::filesystem::path root;
    std::filesystem::path previousFolder;
    float factors[2] = {-7.0f, -7.0f};
};

TEST_F(TransmissionFileOnDisk, EvaluatesAFileAtItsPath)
{
    write(root / "data" / "t.ltr", kTable);
    std::string path = (root / "data" / "t.ltr").string();
    ASSERT_TRUE(evaluate(path));
    EXPECT_FLOAT_EQ(factors[0], 0.75f);
    EXPECT_FLOAT_EQ(factors[1], 1.0f);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(TransmissionFileOnDisk, MissingFileNamesAndFolders)
{
    struct Case {
        std::string path;
        const char* message;
    };
    const Case cases[] = {
        {"", "No transmission file specified    "},
        {"   ", "No transmission file specified    "},
        {(root / "data" / "gone.ltr").string(), "Transmission file not found    "},
        {(root / "nofolder" / "gone.ltr").string(), "Path not found or incorrect    "},
        {(root / "data").string(), "Path not found or incorrect    "},
    };
    for (const auto& c : cases) {
        t.dialogs.messages.clear();
        std::string path = c.path;
        EXPECT_FALSE(evaluate(path)) << c.path;
        EXPECT_EQ(onlyMessage(), c.message) << c.path;
        EXPECT_EQ(t.dialogs.messages.back().icon, MessageIcon::Critical);
        EXPECT_EQ(path, c.path);
        EXPECT_FALSE(t.doc().DocDirty);
    }
}

TEST_F(TransmissionFileOnDisk, MovedFileInTheProgramFolder)
{
    write(root / "program" / "t.ltr", kTable);
    const std::string stored = (root / "gone" / "t.ltr").string();
    const std::string question = "The transmission file is not found in its specified location (" + stored +
                                 ") but found in the aplication folder.    \r\n"
                                 "Do you want to keep the original invalid path?";

    std::string path = stored;
    t.dialogs.answers.push_back(DialogAnswer::Yes);
    ASSERT_TRUE(evaluate(path));
    EXPECT_EQ(onlyMessage(), question);
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(path, stored);
    EXPECT_FALSE(t.doc().DocDirty);
    EXPECT_FLOAT_EQ(factors[0], 0.75f);

    t.dialogs.messages.clear();
    t.dialogs.answers.push_back(DialogAnswer::No);
    ASSERT_TRUE(evaluate(path));
    EXPECT_EQ(path, (root / "program" / "t.ltr").string());
    EXPECT_TRUE(t.doc().DocDirty);
}

TEST_F(TransmissionFileOnDisk, MovedFileInTheCurrentFolderIsFoundFirst)
{
    write(root / "work" / "t.ltr", kTable);
    write(root / "program" / "t.ltr", "TAB\n0; 0.1\n");
    std::string path = "C:\\Old Data\\t.ltr";  // a path written on Windows
    t.dialogs.answers.push_back(DialogAnswer::No);
    ASSERT_TRUE(evaluate(path));
    EXPECT_NE(onlyMessage().find("but found in the data file folder."), std::string::npos);
    EXPECT_EQ(path, "t.ltr");
    EXPECT_TRUE(t.doc().DocDirty);
    EXPECT_FLOAT_EQ(factors[0], 0.75f);
}

TEST_F(TransmissionFileOnDisk, InvalidDataAreLeftToTheCallersMessage)
{
    write(root / "data" / "bad.ltr", "POL7\r\n0; 1; 2; 3; 4; 5; 6; 7\r\n");
    std::string path = (root / "data" / "bad.ltr").string();
    EXPECT_FALSE(evaluate(path));
    EXPECT_TRUE(t.dialogs.messages.empty());

    // A file far larger than any transmission file is not read.
    write(root / "data" / "huge.ltr", "TAB\n500; 1\n" + std::string(kMaxTransmissionFileBytes, '#'));
    path = (root / "data" / "huge.ltr").string();
    EXPECT_FALSE(evaluate(path));
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(TransmissionFileOnDisk, RunTimeErrorsAreReportedAsFileErrors)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"TAB\n500; 1e39\n", "Overflow\r\nToo large number in transmission file    "},
        {"POL6\n0; 0;0;0;0;0;0; 1e30\n", "Overflow\r\nToo large number in transmission file    "},
        {"TAB\n100; 1\n100; 2\n", "Error 11\r\nDivision by zero    "},
    };
    for (const auto& c : cases) {
        t.dialogs.messages.clear();
        write(root / "data" / "t.ltr", c.text);
        std::string path = (root / "data" / "t.ltr").string();
        EXPECT_FALSE(evaluate(path)) << c.text;
        EXPECT_EQ(onlyMessage(), c.message) << c.text;
    }
}

}  // namespace
}  // namespace slv
