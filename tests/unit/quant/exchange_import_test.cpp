#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/new_document.h"
#include "quant/exchange_import.h"
#include "quant/exchange_lines.h"
#include "support/non_regular_files.h"
#include "support/quant_workspace.h"
#include "support/test_library.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

// Values of the small test library (invented; the tests only follow them through).
constexpr float kFe2p3Energy = 706.8f;
constexpr float kFe2p3ScofieldAl = 10.82f;
constexpr float kO1sEnergy = 531.0f;

/// A header line, then the lines, each ended by CR LF.
std::string exchangeText(const std::vector<std::string>& lines)
{
    std::string text = "XPSRDE;1.00\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

/// A clean file with the lines under test among its parameters.
std::string cleanFileWith(const std::vector<std::string>& parameterLines)
{
    std::vector<std::string> lines = {"TITL;Sample A"};
    lines.insert(lines.end(), parameterLines.begin(), parameterLines.end());
    lines.insert(lines.end(), {"ELEM", "O;1s;;531.0;2.93;2;16.00;-2;0", "INTE", "1000", "END"});
    return exchangeText(lines);
}

class ExchangeImport : public testing::Test {
protected:
    /// Imports text into the freshly reset document.
    std::string import(test::QuantWorkspace& t, const std::string& text)
    {
        t.env.programFolder = m_folder;
        return ImportExchangeText(t.doc, text, t.env, t.findings);
    }

    test::LibraryFolder m_library{LibraryBytes(test::SmallLibrary())};
    const fs::path& m_folder = m_library.path();
};

TEST_F(ExchangeImport, HeaderAndVersionDecideWhetherTheFileIsReadAtAll)
{
    const std::pair<const char*, const char*> cases[] = {
        {"XPSRDE;1.00\nTITL;T\nEND", nullptr},
        {"ABCXPSRDE;1.00\nTITL;T\nEND", nullptr},
        {"XPSRDE;1.1\nTITL;T\nEND", nullptr},
        {"\r\n  \n\nXPSRDE\t1.10\nTITL;T\nEND", nullptr},
        {"XPSRDE;1.11\nTITL;T", "Illegal exchange file version    "},
        {"XPSRDE;0.9\nTITL;T", "Illegal exchange file version    "},
        {"XPSRDE\nTITL;T", "Illegal exchange file version    "},
        {"xpsrde;1.00\nTITL;T", "Illegal exchange file header    "},
        {"XPSRD;1.00\nTITL;T", "Illegal exchange file header    "},
        {"TITL;T\nXPSRDE;1.00", "Illegal exchange file header    "},
        {"\n\n", "Illegal exchange file header    "},
    };
    for (const auto& [text, message] : cases) {
        test::QuantWorkspace t;
        const std::string errors = import(t, text);
        EXPECT_EQ(t.doc.ParText[0], message ? "" : "T") << text;  // a rejected file loads nothing
        if (!message)
            continue;
        EXPECT_EQ(errors, kExchangeCritical) << text;
        ASSERT_EQ(t.findings.size(), 1u) << text;
        EXPECT_EQ(t.findings[0].text, message);
        EXPECT_EQ(IconOf(t.findings[0].kind), MessageIcon::Critical);
    }
}

TEST_F(ExchangeImport, ParameterKeywordsSetTheirOptionsOrReportAnIllegalCode)
{
    struct Case {
        const char* line;
        const char* error;  // "" when the line is clean
        int parIndex;       // the ParIndex the line sets, -1 none
        int expected;
    };
    const Case cases[] = {
        {"EXCI;MG", "", 1, 0},
        {"exci;al", "", 1, 1},
        {"EXCI;OTHER;3000", "", 1, 2},
        {"EXCI;ALUMINIUM", " - Illegal excitation code", 1, 0},
        {"EXCI;OTHE;0", " - Invalid excitation energy", 1, 2},
        {"CROS;SCOFIELD", "", 2, 1},
        {"CROS;WAG", " - Illegal cross section set", 2, 0},
        // IMFP writes the whole word, so the model's method in the high byte (preset 0x300) is gone.
        {"IMFP;NONE", "", 3, 0},
        {"IMFP;EXPONENT;0.75", "", 3, 2},
        {"IMFP;JABL;ELEMENT", "", 3, 4},
        {"IMFP;TPP2M", " - Illegal IMFP method", 3, 0},
        {"IMFP;JABL;GLASS", " - Illegal IMFP material class", 3, 4},
        {"ANGL;EBEL", "", 6, 2},
        {"ANGL;SCOF", " - Illegal angular correction method", 6, 0},
        {"TRAN;FAT", "", 7, 1},
        {"TRAN;EXPO;-0.5", "", 7, 3},
        {"TRAN;FILE;C:\\t.ltr", "", 7, 4},
        {"TRAN;FATS", " - Illegal transmission correction", 7, 0},
        {"CONT;VARN", "", 5, 2},
        {"CONT;EXPL", " - Illegal contamination correction method", 5, 0},
        {"LABE;NAME;DATE;TILT;X", " - Illegal label set\r\n - Illegal label set", -1, 0},
        {"WHAT;1", " - Unknown keyword: WHAT", -1, 0},
        {";ignored", "", -1, 0},
        {"PARA", "", -1, 0},
    };
    for (const Case& c : cases) {
        test::QuantWorkspace t;
        t.env.programFolder = m_folder;
        t.doc.ParIndex[3] = 0x0300;
        const std::string errors = ImportExchangeText(t.doc, cleanFileWith({c.line}), t.env, t.findings);
        EXPECT_EQ(errors, std::string(c.error) + (*c.error ? "\r\n" : "")) << c.line;
        if (c.parIndex >= 0) {
            EXPECT_EQ(t.doc.ParIndex[c.parIndex], c.expected) << c.line;
        }
    }
}

TEST_F(ExchangeImport, OptionValuesAfterTheCodeAreStored)
{
    test::QuantWorkspace t;
    EXPECT_EQ(
        import(t, cleanFileWith({"EXCI;OTHE;2984.3", "IMFP;JABL;POLY", "TRAN;FILE; C:\\t.ltr ", "LABE;TIME;TEMP"})),
        "");
    EXPECT_FLOAT_EQ(t.doc.ParNumber[6], 2984.3f);
    EXPECT_FLOAT_EQ(t.doc.ExcEnergy, 2984.3f);
    EXPECT_EQ(t.doc.matrixClass(1), MaterialClass::Polymer);
    EXPECT_EQ(t.doc.ParText[1], "C:\\t.ltr");  // the transmission file itself is not read
    EXPECT_EQ(t.doc.ParText[0], "Sample A");
    EXPECT_EQ((std::vector<Integer>(t.doc.LabelSelect.begin(), t.doc.LabelSelect.end())),
              (std::vector<Integer>{2, 0, 1, 0, 1, 0, 0, 0}));  // the sequence number keeps its fixed 2

    test::QuantWorkspace exponents;
    EXPECT_EQ(import(exponents, cleanFileWith({"IMFP;EXP;0.75", "TRAN;EXP;-0.5"})), "");
    EXPECT_FLOAT_EQ(exponents.doc.ParNumber[0], 0.75f);
    EXPECT_FLOAT_EQ(exponents.doc.ParNumber[5], -0.5f);
}

TEST_F(ExchangeImport, ElementRowsAreCompletedFromTheLibraryAndOverriddenByTheFile)
{
    test::QuantWorkspace t;
    // The source and set follow the elements: completion still uses them.
    EXPECT_EQ(import(t, exchangeText({"TITL;T", "ELEM", "Fe;2p3;;;;;;3", "fe;2P3;Ox;707.5;;0.5", "O;1s", "Zz;1s;;100",
                                      "INTE", "1;2;3;4", "EXCI;AL", "CROS;SCOF", "END"})),
              "");
    const Document& doc = t.doc;
    ASSERT_EQ(doc.ElemCount, 4);
    EXPECT_EQ(doc.Valence[1], 3);  // from the file; the rest of row 1 from the library
    EXPECT_EQ(doc.Oxygens[1], 1);
    EXPECT_FLOAT_EQ(doc.BindEnergy[1], kFe2p3Energy);
    EXPECT_FLOAT_EQ(doc.CrossSect[1], kFe2p3ScofieldAl);
    EXPECT_EQ(doc.AtomicNo[1], 26);
    EXPECT_EQ(doc.ElSymbol[2].trimmedText() + doc.ElLine[2].trimmedText() + doc.ElState[2].trimmedText(), "Fe2p3Ox");
    EXPECT_FLOAT_EQ(doc.BindEnergy[2], 707.5f);
    EXPECT_FLOAT_EQ(doc.Asymmetry[2], 0.5f);
    EXPECT_FLOAT_EQ(doc.CrossSect[2], kFe2p3ScofieldAl);
    EXPECT_FLOAT_EQ(doc.BindEnergy[3], kO1sEnergy);
    EXPECT_FLOAT_EQ(doc.Asymmetry[3], 2.0f);     // beta of every s line
    EXPECT_FLOAT_EQ(doc.BindEnergy[4], 100.0f);  // not in the library: the file's value stays
    EXPECT_FLOAT_EQ(doc.AtWeight[4], kEmptyValue);
    ASSERT_EQ(t.findings.size(), 1u);
    EXPECT_EQ(t.findings[0].text, "Element Zz not found    ");
}

TEST_F(ExchangeImport, ExperimentLinesCarryTheSelectedLabelsThenOneValuePerElementRow)
{
    test::QuantWorkspace t;
    EXPECT_EQ(import(t, exchangeText({"TITL;T", "LABE;TIME;TEMP", "ELEM", "Fe;2p3", "O;1s", "INTE", "10;25;1000;2000",
                                      "20;  ;1500;", "30;A temperature label too long;;2500", "ENER", "10;25;706;531",
                                      "20;;;", "30;A temperature label too long;1;2", "END"})),
              "");
    const Document& doc = t.doc;
    EXPECT_EQ(doc.ExpCount, 3);
    EXPECT_EQ(doc.LabelText[1][3].trimmedText(), "10");  // time is label 2, text 3
    EXPECT_EQ(doc.LabelText[1][5].trimmedText(), "25");  // temperature is label 4, text 5
    EXPECT_EQ(doc.LabelText[3][5].padded(), "A temperature l");
    const float intensities[][3] = {{1000.0f, 2000.0f}, {1500.0f, kEmptyValue}, {kEmptyValue, 2500.0f}};
    for (int exp = 1; exp <= 3; ++exp)
        for (int row = 1; row <= 2; ++row)  // energies are not intensities; an empty field changes nothing
            EXPECT_FLOAT_EQ(doc.Intensity[exp][row], intensities[exp - 1][row - 1]) << exp << "," << row;
}

TEST_F(ExchangeImport, AMeasuredValueThatIsNoFiniteNumberOfZeroOrMoreIsAnErrorLineAndLeavesItsCellEmpty)
{
    struct Case {
        const char* keyword;
        const char* section;
        const char* value;
    };
    const Case cases[] = {
        {"INTE", "INTENSITY", "abc"},   {"INTE", "INTENSITY", "nan"},  {"INTE", "INTENSITY", "inf"},
        {"INTE", "INTENSITY", "1e400"}, {"INTE", "INTENSITY", "1e39"}, {"INTE", "INTENSITY", "-5"},
        {"ENER", "ENERGY", "-inf"},     {"FWHM", "FWHM", "1,5,5"},
    };
    for (const Case& c : cases) {
        test::QuantWorkspace t;
        const std::string errors = import(
            t, exchangeText({"TITL;T", "ELEM", "Fe;2p3", "O;1s", c.keyword, std::string("1000;") + c.value, "END"}));
        // The header is line 1, so the value line is line 7; its second value belongs to element row 2.
        EXPECT_EQ(errors, std::string(" - Line 7: invalid ") + c.section +
                              " value of element row 2 (a number of 0 or more): " + c.value + "\r\n");
        EXPECT_EQ(t.doc.ExpCount, 1) << "the experiment still counts";
        const bool intensities = std::string_view(c.keyword) == "INTE";
        EXPECT_FLOAT_EQ(t.doc.Intensity[1][1], intensities ? 1000.0f : kEmptyValue);
        EXPECT_EQ(t.doc.Intensity[1][2], kEmptyValue) << c.value;
    }
}

TEST_F(ExchangeImport, SectionsAndCountsAreCheckedAndBounded)
{
    std::vector<std::string> manyElements = {"TITL;T", "ELEM"};
    manyElements.insert(manyElements.end(), 21, "O;1s");
    manyElements.insert(manyElements.end(), {"INTE", "5", "END"});
    std::vector<std::string> manyExperiments = {"TITL;T", "ELEM", "O;1s", "FWHM"};
    manyExperiments.insert(manyExperiments.end(), 42, "1.5");
    manyExperiments.push_back("END");
    struct Case {
        std::vector<std::string> body;
        const char* errors;
        int elemCount, expCount;
    };
    const Case cases[] = {
        {manyElements, " - Too many elements\r\n", 20, 1},
        {manyExperiments, " - Too many experiments in FWHM section\r\n", 1, 40},
        {{"TITL;T", "ELEM", "O;1s", "INTE", "1", "2", "3", "FWHM", "1", "2", "END"},
         " - Number of experiments not equal in sections\r\n",
         1,
         3},
        {{"TITL;T", "ELEM", "O;1s", "ENER", "1", "2", "INTE", "1", "END"},
         " - Number of experiments not equal in sections\r\n",
         1,
         1},
        {{"TITL;T", "ELEM", "O;1s", "ENER", "1", "2", "END"}, "", 1, 2},
        {{"TITL;T", "ELEM", "O;1s", "INTE", "1", "END", "2", "TITL;Other", "bogus"}, "", 1, 1},
        {{"TITL;T", "Fe;2p", "ELEM", "O;1s", "INTE", "1", "PARA", "O;1s", "END"},
         " - Unknown keyword: Fe\r\n - Unknown keyword: O\r\n",
         1,
         1},
        {{"EXPE", "1", "2", "ELEM", "O;1s", "INTE", "3"},
         " - Element section must precede experiment sections\r\n - TITLE keyword not found\r\n"
         " - END keyword not found\r\n",
         1,
         3},
        {{"PARA"},
         " - TITLE keyword not found\r\n - Element section not found\r\n"
         " - No experiment section (Intensity, Energy, FWHM) found\r\n - END keyword not found\r\n",
         0,
         0},
    };
    for (const Case& c : cases) {
        test::QuantWorkspace t;
        EXPECT_EQ(import(t, exchangeText(c.body)), c.errors) << testing::PrintToString(c.body);
        EXPECT_EQ(t.doc.ElemCount, c.elemCount);
        EXPECT_EQ(t.doc.ExpCount, c.expCount);
    }
}

TEST(ExchangeLines, LinesEndAtCrLfOrEitherPairAndTheLastNeedsNoEnd)
{
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"a\r\nb\n\rc\rd\ne", {"a", "b", "c", "d", "e"}},
        {"a\r\rb\n\nc", {"a", "", "b", "", "c"}},
        {"a\r\n\r\nb\n", {"a", "", "b"}},
        {"", {}},
        {std::string("a\0b", 3), {std::string("a\0b", 3)}},
    };
    for (const auto& [text, expected] : cases) {
        ExchangeLineReader reader(text);
        std::vector<std::string> lines;
        for (std::string_view line; reader.ReadDataLine(line);)
            lines.emplace_back(line);
        EXPECT_EQ(lines, expected) << testing::PrintToString(text);
    }
    EXPECT_EQ(SplitFields(" Fe ;2p3\t Ox;; "), (std::vector<std::string_view>{"Fe", "2p3", "Ox", "", ""}));
    EXPECT_EQ(SplitFields(std::string(100, ';')).size(), kMaxExchangeFields);
}

TEST(ExchangeLines, NumbersAcceptEitherDecimalSeparatorAndAreAlwaysFinite)
{
    const std::tuple<const char*, char, float> cases[] = {
        {"1,5", '.', 1.5f},       {"1.5", ',', 1.5f},  {"1,5", ',', 1.5f}, {"", '.', 0.0f},          {"abc", '.', 0.0f},
        {"-2.5e2", '.', -250.0f}, {"1e39", '.', 0.0f}, {"nan", '.', 0.0f}, {" 531.0 ", ',', 531.0f},
    };
    for (const auto& [field, decSep, value] : cases)
        EXPECT_FLOAT_EQ(ParseNumberField(field, decSep), value) << field << " with " << decSep;
    EXPECT_EQ(ParseIntegerField("2.5", '.'), 2);
    EXPECT_EQ(ParseIntegerField("3,5", '.'), 4);
    EXPECT_EQ(ParseIntegerField("40000", '.'), 0);
}

TEST_F(ExchangeImport, HostileTextIsReadWithinBoundsAndReportedBriefly)
{
    std::string text = exchangeText({"TITL;" + std::string(50000, 'T'), "ELEM"});
    for (int i = 0; i < 300; ++i)
        text += "PARA\r\nJunk" + std::to_string(i) + "\r\n";
    text.append(kMaxExchangeLines, '\n');
    text += "END\n";
    test::QuantWorkspace t;
    const std::string errors = import(t, text);
    EXPECT_EQ(t.doc.ParText[0].size(), kMaxExchangeLineLength - 5);
    EXPECT_NE(errors.find(" - Unknown keyword: Junk99\r\n - Further errors not listed\r\n"), std::string::npos);
    EXPECT_EQ(errors.find("Junk100"), std::string::npos);
    EXPECT_TRUE(errors.ends_with(" - END keyword not found\r\n")) << "reading stopped before the END line";
}

TEST_F(ExchangeImport, FilesAreReadButNeverChangedAndReadErrorsDoNotEndTheProgram)
{
    const fs::path file = m_folder / "sample.lvx";
    std::string text = cleanFileWith({});
    std::ofstream(file, std::ios::binary) << text;
    test::QuantWorkspace t;
    t.env.programFolder = m_folder;
    EXPECT_EQ(ImportExchangeFile(t.doc, file.string(), t.env, t.findings), "");
    EXPECT_EQ(t.doc.ExpCount, 1);
    std::ifstream again(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), text);

    text.resize(kMaxExchangeFileBytes + 10, '\n');
    std::ofstream(file, std::ios::binary) << text;
    EXPECT_EQ(ImportExchangeFile(t.doc, file.string(), t.env, t.findings),
              " - File longer than 1 MB: the rest of the file was not read\r\n");

    EXPECT_EQ(ImportExchangeFile(t.doc, (m_folder / "absent.lvx").string(), t.env, t.findings), kExchangeCritical);
    ASSERT_EQ(t.findings.size(), 1u);
    EXPECT_EQ(t.findings[0].text,
              "File not found\r\n" + (m_folder / "absent.lvx").string() + ": No such file or directory    ");
    EXPECT_EQ(IconOf(t.findings[0].kind), MessageIcon::Critical);
}

TEST_F(ExchangeImport, OnlyRegularFilesAreReadAndNothingWaitsOnAPipe)
{
    for (const test::NonRegularFile& special : test::MakeNonRegularFiles(m_folder, "sample.lvx")) {
        SCOPED_TRACE(special.kind);
        test::QuantWorkspace t;
        t.env.programFolder = m_folder;
        const std::string errors = test::WithoutWaitingOn(
            special.path, [&] { return ImportExchangeFile(t.doc, special.path.string(), t.env, t.findings); });
        EXPECT_EQ(errors, kExchangeCritical);
        ASSERT_EQ(t.findings.size(), 1u);
        EXPECT_EQ(t.findings[0].text,
                  "Path not found or incorrect\r\n" + special.path.string() + ": " + special.reason + "    ");
        EXPECT_EQ(t.doc.ElemCount, 0);
    }
}

}  // namespace
}  // namespace slv
