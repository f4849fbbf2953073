#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "document/library_file.h"
#include "document/new_document.h"
#include "quant/exchange_import.h"
#include "quant/exchange_lines.h"
#include "support/test_session.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

// Values of the small test library (invented; only their passage matters).
constexpr float kFe2p3Energy = 706.8f;
constexpr float kFe2p3ScofieldAl = 10.82f;
constexpr float kO1sEnergy = 531.0f;
constexpr float kFeAtWeight = 55.845f;

LineRecord libraryLine(const char* notation, float energy, float scofieldMg, float scofieldAl)
{
    LineRecord line;
    line.notation = notation;
    line.bindEnergy = energy;
    line.crossSect.fill(-1.0f);
    line.crossSect[1] = scofieldMg;
    line.crossSect[2] = scofieldAl;
    return line;
}

std::vector<std::byte> testLibrary()
{
    LibraryContents contents;
    ElementRecord iron;
    iron.Z = 26;
    iron.symbol = "Fe";
    iron.atWeight = kFeAtWeight;
    iron.valence = 2;
    iron.oxygens = 1;
    iron.lines = {libraryLine("2p1", 719.9f, 5.0f, 5.4f), libraryLine("2p3", kFe2p3Energy, 9.9f, kFe2p3ScofieldAl),
                  libraryLine("2p", 710.0f, 14.9f, 16.2f)};
    ElementRecord oxygen;
    oxygen.Z = 8;
    oxygen.symbol = "O ";
    oxygen.atWeight = 15.999f;
    oxygen.valence = -2;
    oxygen.lines = {libraryLine("1s", kO1sEnergy, 2.9f, 2.93f)};
    contents.elements = {iron, oxygen};
    return LibraryBytes(contents);
}

/// A header line, the given lines, each ended by CR LF.
std::string exchangeText(const std::vector<std::string>& lines, const std::string& header = "XPSRDE;1.00")
{
    std::string text = header + "\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

/// The lines of a clean file around the lines under test (before ELEM).
std::vector<std::string> cleanFileWith(const std::vector<std::string>& parameterLines)
{
    std::vector<std::string> lines = {"TITL;Sample A"};
    lines.insert(lines.end(), parameterLines.begin(), parameterLines.end());
    lines.insert(lines.end(), {"ELEM", "O;1s;;531.0;2.93;2;16.00;-2;0", "INTE", "1000", "END"});
    return lines;
}

class ExchangeImport : public testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
                   ("slv_exchange_" + std::to_string(::getpid()) + "_" +
                    testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
        const auto bytes = testLibrary();
        std::ofstream(m_folder / kLibraryFileName, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        t.session.programFolder = m_folder;
        NewDocument(t.session);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string import(const std::vector<std::string>& lines) { return ImportExchangeText(t.session, exchangeText(lines)); }
    Document& doc() { return t.doc(); }

    test::TestSession t;
    fs::path m_folder;
};

TEST_F(ExchangeImport, HeaderAndVersionDecideWhetherTheFileIsReadAtAll)
{
    struct Case {
        const char* text;
        const char* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {"XPSRDE;1.00\r\nTITL;T\r\nEND", nullptr},
        {"ABCXPSRDE;1.00\r\nTITL;T\r\nEND", nullptr},       // only the last six characters count
        {"XPSRDE;1.1\nTITL;T\nEND", nullptr},
        {"XPSRDE\t1.05\nTITL;T\nEND", nullptr},
        {"\r\n  \r\n\nXPSRDE;1.10\nTITL;T\nEND", nullptr},  // leading empty lines
        {"XPSRDE;1.11\nTITL;T\nEND", "Illegal exchange file version    "},
        {"XPSRDE;0.9\nTITL;T\nEND", "Illegal exchange file version    "},
        {"XPSRDE\nTITL;T\nEND", "Illegal exchange file version    "},
        {"XPSRDE;one\nTITL;T\nEND", "Illegal exchange file version    "},
        {"xpsrde;1.00\nTITL;T\nEND", "Illegal exchange file header    "},
        {"XPSRD;1.00\nTITL;T\nEND", "Illegal exchange file header    "},
        {"XPSRDEX;1.00\nTITL;T\nEND", "Illegal exchange file header    "},
        {"TITL;T\nXPSRDE;1.00\nEND", "Illegal exchange file header    "},
        {"", "Illegal exchange file header    "},
        {"\n\n", "Illegal exchange file header    "},
    };
    for (const Case& c : cases) {
        test::TestSession fresh;
        fresh.session.programFolder = m_folder;
        NewDocument(fresh.session);
        const std::string errors = ImportExchangeText(fresh.session, c.text);
        if (c.message == nullptr) {
            EXPECT_NE(errors, kExchangeCritical) << c.text;
            EXPECT_EQ(fresh.doc().ParText[0], "T") << c.text;
            continue;
        }
        EXPECT_EQ(errors, kExchangeCritical) << c.text;
        ASSERT_EQ(fresh.dialogs.messages.size(), 1u) << c.text;
        EXPECT_EQ(fresh.dialogs.messages[0].text, c.message);
        EXPECT_EQ(fresh.dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(fresh.doc().ParText[0], "") << "a rejected file loads nothing";
    }
}

TEST_F(ExchangeImport, ParameterKeywordsSetTheirOptionsOrReportAnIllegalCode)
{
    struct Case {
        const char* line;
        const char* error;  // "" when the line is clean
        int parIndex;       // which ParIndex the line sets, -1 none
        int expected;
    };
    const Case cases[] = {
        {"EXCI;MG", "", 1, kSourceMg},
        {"exci;al", "", 1, kSourceAl},
        {"EXCI;OTHER;3000", "", 1, kSourceOther},
        {"EXCI;ALUMINIUM", " - Illegal excitation code", 1, kSourceMg},
        {"EXCI", " - Illegal excitation code", 1, kSourceMg},
        {"EXCI;OTHE;0", " - Invalid excitation energy", 1, kSourceOther},
        {"EXCI;OTHE;-5", " - Invalid excitation energy", 1, kSourceOther},
        {"CROS;SCOFIELD", "", 2, 1},
        {"CROS;Nefedov", "", 2, 4},
        {"CROS;WAG", " - Illegal cross section set", 2, 0},
        {"IMFP;NONE", "", 3, 0},
        {"IMFP;EXP;0.75", "", 3, 2},
        {"IMFP;EXPONENT;0.75", "", 3, 2},
        {"IMFP;JABL;ELEMENT", "", 3, 4},
        {"IMFP;TPP2M", " - Illegal IMFP method", 3, 0},
        {"IMFP;JABL;GLASS", " - Illegal IMFP material class", 3, 4},
        {"ANGL;EBEL", "", 6, 2},
        {"ANGL;Reilman", "", 6, 1},
        {"ANGL;SCOF", " - Illegal angular correction method", 6, 0},
        {"TRAN;FAT", "", 7, 1},
        {"TRAN;frr", "", 7, 2},
        {"TRAN;EXPO;-0.5", "", 7, 3},
        {"TRAN;FILE;C:\\t.ltr", "", 7, 4},
        {"TRAN;FATS", " - Illegal transmission correction", 7, 0},
        {"CONT;VARN", "", 5, 2},
        {"CONT;EVANS", "", 5, 1},
        {"CONT;EXPL", " - Illegal contamination correction method", 5, 0},
        {"LABE;TIME;TEMP", "", -1, 0},
        {"LABE;NAME;DATE;TILT;X", " - Illegal label set\r\n - Illegal label set", -1, 0},
        {"PARA", "", -1, 0},
        {"WHAT;1", " - Unknown keyword: WHAT", -1, 0},
        {";ignored", "", -1, 0},
    };
    for (const Case& c : cases) {
        test::TestSession fresh;
        fresh.session.programFolder = m_folder;
        NewDocument(fresh.session);
        // A model IMFP method in the high byte, which an IMFP line overwrites.
        fresh.doc().ParIndex[3] = 0x0300;
        const std::string errors = ImportExchangeText(fresh.session, exchangeText(cleanFileWith({c.line})));
        EXPECT_EQ(errors, std::string(c.error) + (*c.error ? "\r\n" : "")) << c.line;
        if (c.parIndex >= 0) {
            EXPECT_EQ(fresh.doc().ParIndex[c.parIndex], c.expected) << c.line;
        }
    }
}

TEST_F(ExchangeImport, OptionValuesAfterTheCodeAreStored)
{
    EXPECT_EQ(import(cleanFileWith({"EXCI;OTHE;2984.3", "IMFP;EXPO;0.75", "TRAN;EXP;-0.5"})), "");
    EXPECT_FLOAT_EQ(doc().ParNumber[6], 2984.3f);
    EXPECT_FLOAT_EQ(doc().ParNumber[0], 0.75f);
    EXPECT_FLOAT_EQ(doc().ParNumber[5], -0.5f);
    EXPECT_FLOAT_EQ(doc().ExcEnergy, 2984.3f);

    NewDocument(t.session);
    EXPECT_EQ(import(cleanFileWith({"IMFP;JABL;POLY", "TRAN;FILE; C:\\t.ltr ", "LABE;TIME;TEMP"})), "");
    EXPECT_EQ(doc().ExpMatClass[1], kClassPolymer);
    EXPECT_EQ(doc().ParText[1], "C:\\t.ltr");
    EXPECT_EQ(doc().ParText[0], "Sample A");
    const Integer selected[] = {2, 0, 1, 0, 1, 0, 0, 0};  // the sequence number keeps its fixed mark
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(doc().LabelSelect[k], selected[k]) << "label " << k;
}

TEST_F(ExchangeImport, ElementRowsAreCompletedFromTheLibraryAndOverriddenByTheFile)
{
    const std::string errors = import({"TITL;T", "EXCI;AL", "CROS;SCOF", "ELEM", "Fe;2p3;;;;;;3", "fe;2P3;Ox;707.5;;0.5",
                                       "O;1s", "INTE", "1;2;3", "END"});
    EXPECT_EQ(errors, "");
    EXPECT_TRUE(t.dialogs.messages.empty());
    ASSERT_EQ(doc().ElemCount, 3);
    // Row 1: valence from the file, everything else from the library's Fe 2p3.
    EXPECT_EQ(doc().Valence[1], 3);
    EXPECT_EQ(doc().Oxygens[1], 1);
    EXPECT_FLOAT_EQ(doc().BindEnergy[1], kFe2p3Energy);
    EXPECT_FLOAT_EQ(doc().CrossSect[1], kFe2p3ScofieldAl);
    EXPECT_FLOAT_EQ(doc().AtWeight[1], kFeAtWeight);
    EXPECT_EQ(doc().AtomicNo[1], 26);
    // Row 2: typed as fe 2P3; its energy and asymmetry come from the file.
    EXPECT_EQ(doc().ElSymbol[2].trimmedText(), "Fe");
    EXPECT_EQ(doc().ElLine[2].trimmedText(), "2p3");
    EXPECT_EQ(doc().ElState[2].trimmedText(), "Ox");
    EXPECT_FLOAT_EQ(doc().BindEnergy[2], 707.5f);
    EXPECT_FLOAT_EQ(doc().Asymmetry[2], 0.5f);
    EXPECT_FLOAT_EQ(doc().CrossSect[2], kFe2p3ScofieldAl);
    EXPECT_FLOAT_EQ(doc().BindEnergy[3], kO1sEnergy);
    EXPECT_FLOAT_EQ(doc().Asymmetry[3], 2.0f);  // every s line has beta = 2
    EXPECT_EQ(doc().ParLibrary[0], 1);
}

TEST_F(ExchangeImport, CrossSectionSetGivenAfterTheElementsStillChoosesTheLibraryValues)
{
    EXPECT_EQ(import({"TITL;T", "ELEM", "Fe;2p3", "INTE", "1", "CROS;SCOF", "EXCI;AL", "END"}), "");
    EXPECT_FLOAT_EQ(doc().CrossSect[1], kFe2p3ScofieldAl);
}

TEST_F(ExchangeImport, AnElementMissingFromTheLibraryKeepsTheFileValues)
{
    EXPECT_EQ(import({"TITL;T", "ELEM", "Xx;1s;;100;1;2;50;1;0", "Yy;2p", "INTE", "1;2", "END"}), "");
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Element Xx not found    ");
    EXPECT_FLOAT_EQ(doc().BindEnergy[1], 100.0f);
    EXPECT_FLOAT_EQ(doc().AtWeight[1], 50.0f);
    EXPECT_EQ(doc().Valence[1], 1);
    EXPECT_FLOAT_EQ(doc().BindEnergy[2], kEmptyValue);
}

TEST_F(ExchangeImport, ExperimentLinesCarryTheSelectedLabelsThenOneValuePerElementRow)
{
    const std::string errors =
        import({"TITL;T", "LABE;TIME;TEMP", "ELEM", "Fe;2p3", "O;1s", "INTE", "10;25;1000;2000",
                "20;  ;1500;", "30;A temperature label too long;;2500", "ENER", "10;25;706;531", "20;;;",
                "30;A temperature label too long;1;2", "END"});
    EXPECT_EQ(errors, "");
    EXPECT_EQ(doc().ExpCount, 3);
    EXPECT_EQ(doc().LabelText[1][3].trimmedText(), "10");  // time is label 2, text 3
    EXPECT_EQ(doc().LabelText[1][5].trimmedText(), "25");  // temperature is label 4, text 5
    EXPECT_EQ(doc().LabelText[3][5].padded(), "A temperature l");
    EXPECT_FLOAT_EQ(doc().Intensity[1][1], 1000.0f);  // energies are not intensities
    EXPECT_FLOAT_EQ(doc().Intensity[1][2], 2000.0f);
    EXPECT_FLOAT_EQ(doc().Intensity[2][1], 1500.0f);
    EXPECT_FLOAT_EQ(doc().Intensity[2][2], kEmptyValue);  // an empty field leaves the cell empty
    EXPECT_FLOAT_EQ(doc().Intensity[3][1], kEmptyValue);
    EXPECT_FLOAT_EQ(doc().Intensity[3][2], 2500.0f);
}

TEST_F(ExchangeImport, CountsOfElementsAndExperimentsAreCheckedAndBounded)
{
    struct Case {
        std::vector<std::string> body;
        const char* errors;
        int elemCount;
        int expCount;
    };
    const std::vector<std::string> elements21(21, "O;1s");
    std::vector<std::string> tooManyElements = {"TITL;T", "ELEM"};
    tooManyElements.insert(tooManyElements.end(), elements21.begin(), elements21.end());
    tooManyElements.insert(tooManyElements.end(), {"INTE", "5", "END"});
    std::vector<std::string> tooManyExperiments = {"TITL;T", "ELEM", "O;1s", "FWHM"};
    tooManyExperiments.insert(tooManyExperiments.end(), 42, "1.5");
    tooManyExperiments.push_back("END");

    const Case cases[] = {
        {tooManyElements, " - Too many elements\r\n", 20, 1},
        {tooManyExperiments, " - Too many experiments in FWHM section\r\n", 1, 40},
        {{"TITL;T", "ELEM", "O;1s", "INTE", "1", "2", "3", "FWHM", "1", "2", "END"},
         " - Number of experiments not equal in sections\r\n", 1, 3},
        {{"TITL;T", "ELEM", "O;1s", "ENER", "1", "2", "INTE", "1", "FWHM", "1", "2", "3", "END"},
         " - Number of experiments not equal in sections\r\n", 1, 1},
        {{"TITL;T", "ELEM", "O;1s", "ENER", "1", "2", "END"}, "", 1, 2},
        {{"TITL;T", "ELEM", "O;1s", "END"}, " - No experiment section (Intensity, Energy, FWHM) found\r\n", 1, 0},
        {{"EXPE", "1", "2", "ELEM", "O;1s", "INTE", "3"},
         " - Element section must precede experiment sections\r\n - TITLE keyword not found\r\n"
         " - END keyword not found\r\n",
         1, 3},
        {{"PARA"},
         " - TITLE keyword not found\r\n - Element section not found\r\n"
         " - No experiment section (Intensity, Energy, FWHM) found\r\n - END keyword not found\r\n",
         0, 0},
    };
    for (const Case& c : cases) {
        test::TestSession fresh;
        fresh.session.programFolder = m_folder;
        NewDocument(fresh.session);
        EXPECT_EQ(ImportExchangeText(fresh.session, exchangeText(c.body)), c.errors) << testing::PrintToString(c.body);
        EXPECT_EQ(fresh.doc().ElemCount, c.elemCount);
        EXPECT_EQ(fresh.doc().ExpCount, c.expCount);
    }
}

TEST_F(ExchangeImport, NothingAfterEndIsRead)
{
    EXPECT_EQ(import(cleanFileWith({})), "");
    NewDocument(t.session);
    EXPECT_EQ(import({"TITL;T", "ELEM", "O;1s", "INTE", "1", "END", "2", "TITL;Other", "bogus"}), "");
    EXPECT_EQ(doc().ExpCount, 1);
    EXPECT_EQ(doc().ParText[0], "T");
}

TEST_F(ExchangeImport, DataLinesInTheParameterSectionAreUnknownKeywords)
{
    EXPECT_EQ(import({"TITL;T", "Fe;2p", "ELEM", "O;1s", "INTE", "1", "PARA", "O;1s", "END"}),
              " - Unknown keyword: Fe\r\n - Unknown keyword: O\r\n");
}

TEST(ExchangeLineReader, LinesEndAtCrLfOrEitherPairAndTheLastNeedsNoEnd)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\r\nb\n\rc\rd\ne", {"a", "b", "c", "d", "e"}},
        {"a\r\rb\n\nc", {"a", "", "b", "", "c"}},
        {"a\r\n\r\nb\n", {"a", "", "b"}},
        {"", {}},
        {"\n", {""}},
        {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const Case& c : cases) {
        ExchangeLineReader reader(c.text);
        std::vector<std::string> lines;
        std::string_view line;
        while (reader.ReadDataLine(line))
            lines.emplace_back(line);
        EXPECT_EQ(lines, c.lines) << testing::PrintToString(c.text);
        EXPECT_FALSE(reader.lineWasCut());
    }
}

TEST(ExchangeLineReader, BoundsLineLengthAndLineCount)
{
    const std::string longLine = "TITL;" + std::string(3 * kMaxExchangeLineLength, 'x');
    ExchangeLineReader reader(longLine + "\nEND");
    std::string_view line;
    ASSERT_TRUE(reader.ReadDataLine(line));
    EXPECT_EQ(line.size(), kMaxExchangeLineLength);
    EXPECT_TRUE(reader.lineWasCut());
    ASSERT_TRUE(reader.ReadDataLine(line));
    EXPECT_EQ(line, "END");

    std::string manyLines;
    for (int i = 0; i < kMaxExchangeLines + 5; ++i)
        manyLines += "x\n";
    ExchangeLineReader counted(manyLines);
    int count = 0;
    while (counted.ReadDataLine(line))
        ++count;
    EXPECT_EQ(count, kMaxExchangeLines);
    EXPECT_TRUE(counted.linesLeftUnread());
}

TEST(ExchangeFields, SplitAtSemicolonsAndTabsTrimmedAndBounded)
{
    EXPECT_EQ(SplitFields(" Fe ;2p3\t Ox;; "), (std::vector<std::string_view>{"Fe", "2p3", "Ox", "", ""}));
    EXPECT_EQ(SplitFields(""), (std::vector<std::string_view>{""}));
    EXPECT_EQ(SplitFields(std::string(100, ';')).size(), kMaxExchangeFields);
    EXPECT_EQ(KeywordOf("scofield"), "SCOF");
    EXPECT_EQ(KeywordOf("al"), "AL");
}

TEST(ExchangeFields, NumbersAcceptEitherDecimalSeparatorAndNeverAreNonFinite)
{
    struct Case {
        const char* field;
        char decSep;
        float value;
    };
    const Case cases[] = {
        {"1,5", '.', 1.5f},   {"1.5", '.', 1.5f},  {"1,5", ',', 1.5f},  {"1.5", ',', 1.5f},
        {"", '.', 0.0f},      {"  ", ',', 0.0f},   {"abc", '.', 0.0f},  {"-2.5e2", '.', -250.0f},
        {"1e39", '.', 0.0f},  {"nan", '.', 0.0f},  {"inf", '.', 0.0f},  {" 531.0 ", ',', 531.0f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(ParseNumberField(c.field, c.decSep), c.value) << c.field << " with " << c.decSep;
    EXPECT_EQ(ParseIntegerField("2.5", '.'), 2);
    EXPECT_EQ(ParseIntegerField("3,5", '.'), 4);
    EXPECT_EQ(ParseIntegerField("-7", '.'), -7);
    EXPECT_EQ(ParseIntegerField("40000", '.'), 0);
}

TEST_F(ExchangeImport, HostileTextIsReadWithinBoundsAndReportedOnce)
{
    std::string text = exchangeText({"TITL;" + std::string(50000, 'T'), "ELEM"});
    for (int i = 0; i < 300; ++i)
        text += "PARA\r\nJunk" + std::to_string(i) + "\r\n";
    for (int i = 0; i < kMaxExchangeLines; ++i)
        text += "\n";
    text += "END\n";
    const std::string errors = ImportExchangeText(t.session, text);
    EXPECT_EQ(doc().ParText[0].size(), kMaxExchangeLineLength - 5);
    EXPECT_NE(errors.find(" - Unknown keyword: Junk0\r\n"), std::string::npos);
    EXPECT_NE(errors.find(" - Further errors not listed\r\n"), std::string::npos);
    EXPECT_EQ(errors.find("Junk150"), std::string::npos);
    EXPECT_TRUE(errors.ends_with(" - END keyword not found\r\n")) << "the file was cut before its END";
    EXPECT_LT(errors.size(), 4000u);
}

TEST_F(ExchangeImport, FileIsReadButNeverChangedOnDisk)
{
    const fs::path file = m_folder / "sample.lvx";
    const std::string text = exchangeText(cleanFileWith({}));
    std::ofstream(file, std::ios::binary) << text;
    EXPECT_EQ(ImportExchangeFile(t.session, file.string()), "");
    EXPECT_EQ(doc().ElemCount, 1);
    ASSERT_TRUE(fs::exists(file));
    std::ifstream again(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), text);
}

TEST_F(ExchangeImport, MissingOrUnreadableFileIsReportedWithoutEndingTheProgram)
{
    EXPECT_EQ(ImportExchangeFile(t.session, (m_folder / "absent.lvx").string()), kExchangeCritical);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Error 53\r\nFile not found    ");
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Critical);

    // A folder opens but cannot be read: the read error is shown and the
    // nothing that was read is then judged like any other text.
    t.dialogs.messages.clear();
    EXPECT_EQ(ImportExchangeFile(t.session, m_folder.string()), kExchangeCritical);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Error 57\r\nDevice I/O error    ");
    EXPECT_EQ(t.dialogs.messages[1].text, kIllegalExchangeHeader);
}

TEST_F(ExchangeImport, AFileBeyondTheSizeLimitLoadsItsBeginning)
{
    const fs::path file = m_folder / "huge.lvx";
    std::string text = exchangeText(cleanFileWith({}));
    text.resize(kMaxExchangeFileBytes + 10, '\n');
    std::ofstream(file, std::ios::binary) << text;
    const std::string errors = ImportExchangeFile(t.session, file.string());
    EXPECT_TRUE(errors.ends_with(" - File longer than 1 MB: the rest of the file was not read\r\n")) << errors;
    EXPECT_EQ(doc().ExpCount, 1);
}

}  // namespace
}  // namespace slv
