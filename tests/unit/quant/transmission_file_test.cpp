#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <unistd.h>

#include "quant/correction_chain.h"
#include "quant/transmission_file.h"
#include "support/non_regular_files.h"
#include "support/quant_workspace.h"

namespace slv {
namespace {

constexpr float kNoEvaluation = std::numeric_limits<float>::quiet_NaN();

TEST(TransmissionFile, EachKindEvaluatesItsFunction)
{
    struct Case {
        const char* text;
        float kineticEv;
        float t;
    };
    const Case cases[] = {
        {"TAB\r\n500; 1.0\r\n1500; 0.5\r\n", 1000.0f, 0.75f},
        {"TAB\r\n500; 1.0\r\n1500; 0.5\r\n", 400.0f, 1.0f},    // below the first row
        {"TAB\r\n500; 1.0\r\n1500; 0.5\r\n", 2000.0f, 0.25f},  // the last segment extended
        {"TAB\n800; 0.6\n", 700.0f, 1.0f},                     // a single row holds its value above its energy
        {"TAB\n800; 0.6\n", 5000.0f, 0.6f},
        {"POL2\r\n0; 1; 0.001; 0\r\n", 1000.0f, 2.0f},
        {"  pol 1 \n0; 1; 1\n", 5.0f, 6.0f},               // keywords are trimmed and case-blind
        {"Polynomial\n0; 3\n", 5.0f, 3.0f},                // a last character that is no digit: order 0
        {"POL1\n0; 1; 1\n1000; 0; 2\n", 999.0f, 1000.0f},  // each row from its energy on
        {"POL1\n0; 1; 1\n1000; 0; 2\n", 1000.0f, 2000.0f},
        {"EXP\r\n0; 0; 1; -0.5\r\n", 400.0f, 0.05f},
        {"EXP\n0; 0; 1; 12\n", 2.0f, 4096.0f},
        {"EXP\n0; 0; 1; 1\n900; 0; 1; 13\n", 500.0f, 500.0f},  // only the row in use counts
        // NPL and UNI in u = (x - 1000) / 1000, denominator 1 + b1 u + ... + b4 u⁴.
        {"NPL\n2; 1; 1; 0; 0\n9; 1; 0; 0; 1\n", 1000.0f, 2.0f},
        {"NPL\n2; 1; 1; 0; 0\n9; 1; 0; 0; 1\n", 2000.0f, 4.0f / 3.0f},
        {"NPL\n2; 1; 1; 0; 0\n9; 1; 0; 0; 1\n", 0.0f, 2.0f},
        {"NPL\n2; 1; 0; 0; 0\n", 3000.0f, 4.0f},
        {"UNI\n1; 1; 0; 0; 0; 2; 0.5\n", 400.0f, 1.0f - 0.6f + 2.0f * 20.0f},
    };
    for (const auto& c : cases) {
        const TransmissionRead read = ReadTransmissionFile(c.text);
        ASSERT_EQ(read.fault, TransmissionFault::None) << c.text;
        const TransmissionValue t = EvaluateTransmission(read.table, c.kineticEv);
        EXPECT_EQ(t.fault, TransmissionFault::None) << c.text << " at " << c.kineticEv;
        EXPECT_FLOAT_EQ(t.value, c.t) << c.text << " at " << c.kineticEv;
    }
}

TEST(TransmissionFile, FaultsOfReadingAndEvaluating)
{
    struct Case {
        const char* text;
        float kineticEv;  // NaN: the fault is found when reading
        TransmissionFault fault;
    };
    const auto invalid = TransmissionFault::InvalidData;
    const Case cases[] = {
        {"", kNoEvaluation, invalid},
        {"# only a comment\n\n", kNoEvaluation, invalid},
        {"TAB\n\n", kNoEvaluation, invalid},  // no data
        {"POL7\n0; 1; 2; 3; 4; 5; 6; 7\n", kNoEvaluation, invalid},
        {"XYZ\n0; 1\n", kNoEvaluation, invalid},
        {"EXP\n500; 1\n", kNoEvaluation, invalid},  // energy and one value only
        {"TAB\n500; 1; 2\n", kNoEvaluation, invalid},
        {"POL6\n0;1;2;3;4;5;6;7;8\n", kNoEvaluation, invalid},  // nine fields
        {"NPL\n1;2;3;4\n", kNoEvaluation, invalid},
        {"UNI\n1;2;3;4;5;6;7;8;9\n", kNoEvaluation, invalid},
        {"TAB\n500; 1\n \n", kNoEvaluation, invalid},             // a blank line is one empty field
        {"TAB\r\n# note\r\n500; 1\r\n", kNoEvaluation, invalid},  // no comments after the keyword
        {"TAB\n500; 1e39\n", kNoEvaluation, TransmissionFault::Overflow},
        {"EXP\n0; 0; 1; 12.01\n", 2.0f, invalid},
        {"POL6\n0; 0;0;0;0;0;0; 1e30\n", 1000.0f, TransmissionFault::Overflow},
        {"TAB\n500; 1\n500; 2\n", 600.0f, TransmissionFault::DivisionByZero},
        {"NPL\n1;0;0;0;0\n0;-1;0;0;0\n", 2000.0f, TransmissionFault::DivisionByZero},
        {"EXP\n-100; 0; 1; 0.5\n", -50.0f, TransmissionFault::InvalidCall},
        {"UNI\n0;0;0;0;0;1;-1\n", 0.0f, TransmissionFault::Overflow},
    };
    for (const auto& c : cases) {
        const TransmissionRead read = ReadTransmissionFile(c.text);
        const bool atReading = std::isnan(c.kineticEv);
        EXPECT_EQ(read.fault != TransmissionFault::None, atReading) << c.text;
        EXPECT_EQ(atReading ? read.fault : EvaluateTransmission(read.table, c.kineticEv).fault, c.fault) << c.text;
    }
}

TEST(TransmissionFile, LinesFieldsAndComments)
{
    const TransmissionRead read =
        ReadTransmissionFile("# measured 2024\r\n\r\n   \r\n#\r\nPOL2\r\n 100 , 1.5abc ; ;2e-3\r\n\r\n"
                             "# c, 1, 2, 3\r\n");
    ASSERT_EQ(read.fault, TransmissionFault::None);
    EXPECT_EQ(read.table.rowCount, 2);  // the empty line is skipped
    EXPECT_EQ(read.table.E[1], 100.0f);
    EXPECT_EQ(read.table.C[0][1], 1.5f);  // the leading number of the field
    EXPECT_EQ(read.table.C[1][1], 0.0f);  // blank field
    EXPECT_EQ(read.table.C[2][1], 0.002f);
    EXPECT_EQ(read.table.C[2][2], 3.0f);  // a comment-like line that splits into four fields is data
    // NPL and UNI lines may carry one field more, which is ignored.
    EXPECT_EQ(ReadTransmissionFile("NPL\n1;2;3;4;5;6\n").fault, TransmissionFault::None);
    EXPECT_EQ(ReadTransmissionFile("UNI\n1;2;3;4;5;6;7;8\n").fault, TransmissionFault::None);

    std::string forty = "TAB\n";
    for (int i = 1; i <= 40; ++i)
        forty += std::to_string(100 * i) + "; 1\n";
    const TransmissionRead rows = ReadTransmissionFile(forty + "the 41st line is not read\n");
    EXPECT_EQ(rows.fault, TransmissionFault::None);
    EXPECT_EQ(rows.table.rowCount, 40);
}

/// A transmission file on disk, a program folder and a current folder that
/// is restored afterwards.
class TransmissionFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        root =
            std::filesystem::temp_directory_path() / ("slv_transmission_" + std::to_string(::getpid()) + "_" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        for (const char* folder : {"program", "work", "data"})
            std::filesystem::create_directories(root / folder);
        t.env.programFolder = root / "program";
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
    /// FileTransmission at kinetic energies 1000 and 400 eV; the one message shown, if any.
    bool evaluate(std::string& path)
    {
        t.findings = Findings(t.dialogs);
        const float binding[] = {486.6f, 1086.6f};
        const bool ok = FileTransmission(path, t.env.programFolder, binding, 1486.6f, factors, t.findings);
        EXPECT_LE(t.findings.size(), 1u);
        message = t.findings.empty() ? "" : t.findings[0].text;
        return ok;
    }

    static constexpr const char* kTable = "# analyser\r\nTAB\r\n500; 1.0\r\n1500; 0.5\r\n";
    test::QuantWorkspace t;
    std::filesystem::path root;
    std::filesystem::path previousFolder;
    float factors[2] = {-7.0f, -7.0f};
    std::string message;
};

TEST_F(TransmissionFileOnDisk, FileAtItsPathAndFilesThatCannotBeUsed)
{
    write(root / "data" / "t.ltr", kTable);
    std::string path = (root / "data" / "t.ltr").string();
    ASSERT_TRUE(evaluate(path));
    EXPECT_EQ(factors[0], 0.75f);
    EXPECT_EQ(factors[1], 1.0f);
    EXPECT_EQ(message, "");

    write(root / "data" / "bad.ltr", "POL7\r\n");
    write(root / "data" / "huge.ltr", "TAB\n500; 1\n" + std::string(kMaxTransmissionFileBytes, '#'));
    write(root / "data" / "overflow.ltr", "TAB\n500; 1e39\n");
    write(root / "data" / "zero.ltr", "TAB\n100; 1\n100; 2\n");
    struct Case {
        std::string path;
        std::string message;  // invalid data are left to the caller's message
    };
    const Case cases[] = {
        {"", "No transmission file specified    "},
        {"   ", "No transmission file specified    "},
        {(root / "data" / "gone.ltr").string(),
         "Transmission file not found\r\n" + (root / "data" / "gone.ltr").string() + ": No such file or directory    "},
        {(root / "nofolder" / "gone.ltr").string(), "Path not found or incorrect\r\n" +
                                                        (root / "nofolder" / "gone.ltr").string() +
                                                        ": No such file or directory    "},
        {(root / "data" / "bad.ltr").string(), ""},
        {(root / "data" / "huge.ltr").string(), ""},
        {(root / "data" / "overflow.ltr").string(), "Overflow\r\nToo large number in transmission file    "},
        {(root / "data" / "zero.ltr").string(), "Error 11\r\nDivision by zero    "},
    };
    for (const auto& c : cases) {
        path = c.path;
        EXPECT_FALSE(evaluate(path)) << c.path;
        EXPECT_EQ(message, c.message) << c.path;
        EXPECT_EQ(path, c.path);
    }
    EXPECT_FALSE(t.doc.DocDirty);
}

TEST_F(TransmissionFileOnDisk, OnlyRegularFilesAreReadAndNothingWaitsOnAPipe)
{
    for (const test::NonRegularFile& special : test::MakeNonRegularFiles(root / "data", "t.ltr")) {
        SCOPED_TRACE(special.kind);
        // Also where the search for a moved file looks: the current and the program folder.
        std::filesystem::current_path(special.path.parent_path());
        t.env.programFolder = special.path.parent_path();
        struct Case {
            std::string path;
            std::string message;
        };
        const Case cases[] = {
            {special.path.string(),
             "Path not found or incorrect\r\n" + special.path.string() + ": " + special.reason + "    "},
            {(root / "gone" / "t.ltr").string(), "Path not found or incorrect\r\n" +
                                                     (root / "gone" / "t.ltr").string() +
                                                     ": No such file or directory    "},
        };
        for (const Case& c : cases) {
            std::string path = c.path;
            EXPECT_FALSE(test::WithoutWaitingOn(special.path, [&] { return evaluate(path); }));
            EXPECT_EQ(message, c.message);
            EXPECT_EQ(path, c.path);
        }
    }
}

TEST_F(TransmissionFileOnDisk, MovedFileInTheProgramFolder)
{
    write(root / "program" / "t.ltr", kTable);
    const std::string stored = (root / "gone" / "t.ltr").string();
    std::string path = stored;
    t.dialogs.answers.push_back(DialogAnswer::Yes);
    ASSERT_TRUE(evaluate(path));
    EXPECT_EQ(message, "The transmission file is not found in its specified location (" + stored +
                           ") but found in the aplication folder.    \r\n"
                           "Do you want to keep the original invalid path?");
    EXPECT_EQ(IconOf(t.findings[0].kind), MessageIcon::Exclamation);
    EXPECT_EQ(t.findings[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(path, stored);
    EXPECT_EQ(factors[0], 0.75f);

    // The document's file taken with its new path: the document has changed.
    Document& doc = t.doc;
    doc.ElemCount = 1;
    doc.BindEnergy[1] = 486.6f;
    doc.ExcEnergy = 1486.6f;
    doc.setTransmissionType(TransmissionType::File);
    doc.transmissionFile() = stored;
    std::string errors;
    t.dialogs.answers.push_back(DialogAnswer::Yes);
    ElementTransmissionFactors(t.quant(), false, errors);
    EXPECT_EQ(doc.transmissionFile(), stored);
    EXPECT_FALSE(doc.DocDirty);
    t.dialogs.answers.push_back(DialogAnswer::No);
    ElementTransmissionFactors(t.quant(), false, errors);
    EXPECT_EQ(doc.transmissionFile(), (root / "program" / "t.ltr").string());
    EXPECT_TRUE(doc.DocDirty);
    EXPECT_EQ(t.corr.TransFactor[1], 0.75f);
    EXPECT_EQ(errors, "");
}

TEST_F(TransmissionFileOnDisk, MovedFileInTheCurrentFolderIsFoundFirst)
{
    write(root / "work" / "t.ltr", kTable);
    write(root / "program" / "t.ltr", "TAB\n0; 0.1\n");
    std::string path = "C:\\Old Data\\t.ltr";  // written on Windows
    t.dialogs.answers.push_back(DialogAnswer::No);
    ASSERT_TRUE(evaluate(path));
    EXPECT_NE(message.find(") but found in the data file folder."), std::string::npos) << message;
    EXPECT_EQ(path, "t.ltr");
    EXPECT_EQ(factors[0], 0.75f);
}

}  // namespace
}  // namespace slv
