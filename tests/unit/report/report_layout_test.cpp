// The report layout on a recording device: page measures and option clamps,
// the header, page breaks before rows, stacked table blocks with their
// headers, word wrap, and numbers printed with the digits they were entered with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "document/new_document.h"
#include "report/parameter_summary.h"
#include "report/report_job.h"
#include "report/report_numbers.h"
#include "report/report_options.h"
#include "report/report_parameters.h"
#include "report/report_tables.h"
#include "report/report_text.h"
#include "support/recording_report_device.h"
#include "support/report_documents.h"

namespace slv {
namespace {

using test::RecordedText;
using test::RecordingReportDevice;

PrintOptions optionsOf(int size, float margin, int orientation = 1, std::string font = "Times New Roman")
{
    PrintOptions options;
    options.PrintFontName = std::move(font);
    options.PrintFontSize = static_cast<Integer>(size);
    options.PrintMargin = margin;
    options.PrintOrientation = static_cast<Integer>(orientation);
    return options;
}

ReportHeader headerOf(std::string fileName = "")
{
    return {"  Float glass  ", std::move(fileName), "Sunday, 7 December 2025"};
}

Document fullDocument(int elements = kMaxElements, int experiments = kMaxExperiments)
{
    Document doc;
    SetFixedLabelNames(doc);
    doc.UnitIndex = {1, 0, 1};
    test::FillReportDocument(doc, elements, experiments);
    return doc;
}

// --- Page measures, clamps and header -------------------------------------

struct PageCase {
    const char* name;
    int size;
    float margin;
    int orientation;
    std::string font;
    int expectedSize;
    int expectedTitle;
    double expectedMargin;  // twips
    double expectedWidth;
    std::string expectedFont;
};

class PageHeaderTest : public testing::TestWithParam<PageCase> {};

TEST_P(PageHeaderTest, HeaderFollowsTheClampedOptions)
{
    const PageCase& c = GetParam();
    RecordingReportDevice device;
    ReportPage page(device);
    page.StartPage(optionsOf(c.size, c.margin, c.orientation, c.font), headerOf());

    EXPECT_EQ(page.Measures().fontSize, c.expectedSize);
    EXPECT_EQ(page.Measures().titleSize, c.expectedTitle);
    EXPECT_DOUBLE_EQ(page.Measures().margin, c.expectedMargin);
    EXPECT_DOUBLE_EQ(device.pageWidth(), c.expectedWidth);
    const RecordedText* program = device.find("XPS Selvaro   ");
    ASSERT_NE(program, nullptr);
    EXPECT_DOUBLE_EQ(program->x, c.expectedMargin);
    EXPECT_DOUBLE_EQ(program->y, c.expectedMargin);
    EXPECT_EQ(program->font, c.expectedFont);

    const RecordedText* date = device.find("Sunday, 7 December 2025");
    ASSERT_NE(date, nullptr);
    EXPECT_DOUBLE_EQ(date->x + date->width, c.expectedWidth - c.expectedMargin);

    // The rule under the first line spans the printable width.
    ASSERT_FALSE(device.lines.empty());
    const auto& rule = device.lines.front();
    EXPECT_DOUBLE_EQ(rule.x1, c.expectedMargin);
    EXPECT_DOUBLE_EQ(rule.x2, c.expectedWidth - c.expectedMargin);
    EXPECT_DOUBLE_EQ(rule.y1, c.expectedMargin + c.expectedTitle * kTwipsPerPoint + 2.0 * c.expectedSize);
}

INSTANTIATE_TEST_SUITE_P(
    Options, PageHeaderTest,
    testing::Values(
        PageCase{"Defaults", 10, 1.5f, 1, "Times New Roman", 10, 12, 851.0, test::kA4Width, "Times New Roman"},
        PageCase{"ZeroTakesDefaults", 0, 0.0f, 1, "", 10, 12, 851.0, test::kA4Width, "Times New Roman"},
        PageCase{"SizeTwoBecomesFour", 2, 1.0f, 1, "Courier New", 4, 5, 567.0, test::kA4Width, "Courier New"},
        PageCase{"MarginSevenBecomesFive", 12, 7.0f, 1, " Arial ", 12, 14, 2835.0, test::kA4Width, "Arial"},
        PageCase{"SizeAboveLimit", 99, -3.0f, 2, "Arial", 36, 43, 284.0, test::kA4Height, "Arial"},
        PageCase{"UnknownOrientationIsPortrait", 11, 2.0f, 7, "Arial", 11, 13, 1134.0, test::kA4Width, "Arial"},
        PageCase{"MarginNotANumber", 10, std::numeric_limits<float>::quiet_NaN(), 1, "Arial", 10, 12, 851.0,
                 test::kA4Width, "Arial"}),
    [](const testing::TestParamInfo<PageCase>& info) { return info.param.name; });

TEST(ReportHeader, FileLineOnlyWithAFileNameAndWhenAskedFor)
{
    struct Case {
        std::string path;
        bool asked;
        std::string expected;  // empty: no file line
    };
    const std::vector<Case> cases = {{"C:\\data\\glass.lvd", true, "File:  glass.lvd"},
                                     {"/home/ana/runs/steel.lvd", true, "File:  steel.lvd"},
                                     {"", true, ""},
                                     {"C:\\data\\glass.lvd", false, ""}};
    for (const auto& c : cases) {
        Document doc = fullDocument(2, 2);
        doc.DocFileName = c.path;
        PrintOptions options = optionsOf(10, 1.5f);
        options.PrintWhat[kPrintFileName] = c.asked ? 1 : 0;
        RecordingReportDevice device;
        ReportPage page(device);
        struct NoData final : ReportData {
            std::string dateText() const override { return "today"; }
            int currentResultType() const override { return 0; }
            ResultsTable results(int) override { return {}; }
            void restoreResults(int) override {}
            std::optional<std::vector<float>> oxideThicknesses() override { return std::nullopt; }
        } data;
        PrintJob(page, doc, data, '.').PrintSelected(options);
        int fileLines = 0;
        for (const auto& t : device.texts)
            fileLines += t.text.rfind("File:", 0) == 0 ? 1 : 0;
        EXPECT_EQ(fileLines, c.expected.empty() ? 0 : 1) << c.path;
        if (!c.expected.empty()) {
            EXPECT_NE(device.find(c.expected), nullptr) << c.path;
        }
    }
}

// --- Tables: page breaks and stacked blocks ---------------------------------

/// The y of every text on a page that is not the page header.
void expectInsideMargins(const RecordingReportDevice& device, const ReportPage& page)
{
    const double margin = page.Measures().margin;
    for (const auto& t : device.texts) {
        EXPECT_GE(t.y, margin) << t.text;
        EXPECT_LE(t.y + t.size * kTwipsPerPoint, device.pageHeight() - margin) << t.text << " on page " << t.page;
    }
}

TEST(ReportTable, RowsBreakToANewPageThatRepeatsTheHeaderAndATableStartsWhereItFits)
{
    const Document doc = fullDocument(3, kMaxExperiments);
    for (const int size : {16, 20, 28}) {
        RecordingReportDevice device;
        ReportPage page(device);
        page.StartPage(optionsOf(size, 3.0f), headerOf());
        PrintReportTable(page, IntensityTable(doc, '.'));
        ASSERT_GT(device.pages, 1) << size;
        expectInsideMargins(device, page);
        // Every experiment once, in order; every page of the table has its header.
        int expected = 1;
        std::set<int> pagesWithHeader;
        for (const auto& t : device.texts) {
            if (t.text == "Name" && t.bold)
                pagesWithHeader.insert(t.page);
            if (t.x == page.Measures().margin && !t.bold && t.text == std::to_string(expected))
                ++expected;
        }
        EXPECT_EQ(expected, kMaxExperiments + 1) << size;
        EXPECT_EQ(static_cast<int>(pagesWithHeader.size()), device.pages) << size;
    }

    // A table whose title and first rows do not fit below starts on the next page.
    RecordingReportDevice device;
    ReportPage page(device);
    page.StartPage(optionsOf(10, 1.5f), headerOf());
    device.setCurrentY(page.Bottom() - 1000.0);  // room for a few lines only
    PrintReportTable(page, IntensityTable(fullDocument(3, 10), '.'));
    const RecordedText* title = device.find(kIntensityTitle);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->page, 2);
    EXPECT_DOUBLE_EQ(title->y, page.Measures().margin);
}

TEST(ReportTable, TwentyElementsStackInBlocksEachWithItsHeader)
{
    const Document doc = fullDocument();
    const ReportTable table = IntensityTable(doc, '.');
    for (const int orientation : {1, 2}) {
        RecordingReportDevice device;
        ReportPage page(device);
        page.StartPage(optionsOf(10, 1.5f, orientation), headerOf());
        PrintReportTable(page, table);

        // Each block starts with the bold label captions; a block continued
        // on a new page repeats its header. Over all blocks the element
        // captions appear once each, in order.
        const std::set<std::string> labelCaptions = {"Name", "Time (min)", "Tilt (\xB0)",
                                                     "Temp. (\xB0"
                                                     "C)"};
        std::vector<std::vector<std::string>> blocks;
        for (const auto& t : device.texts) {
            if (!t.bold || t.size != 10)
                continue;
            if (t.text == "Name")
                blocks.emplace_back();
            else if (!blocks.empty() && labelCaptions.count(t.text) == 0)
                blocks.back().push_back(t.text);
        }
        blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
        ASSERT_GT(blocks.size(), 1u) << orientation;
        std::vector<std::string> all;
        for (const auto& block : blocks) {
            EXPECT_FALSE(block.empty());
            all.insert(all.end(), block.begin(), block.end());
        }
        std::vector<std::string> expected;
        for (const auto& column : table.valueColumns)
            expected.push_back(column.caption);
        EXPECT_EQ(all, expected) << orientation;
        // Nothing is printed beyond the right margin.
        for (const auto& t : device.texts)
            EXPECT_LE(t.x + t.width, device.pageWidth() - page.Measures().margin + 1e-6) << t.text;
        expectInsideMargins(device, page);
    }
}

TEST(ReportTable, BlocksHoldAtLeastOneValueColumn)
{
    struct Case {
        std::vector<double> widths;
        double available;
        std::vector<std::pair<std::size_t, std::size_t>> blocks;
    };
    const std::vector<Case> cases = {
        {{100, 100, 100}, 250, {{0, 2}, {2, 3}}},
        {{100, 100, 100}, 300, {{0, 3}}},
        {{500, 500}, 100, {{0, 1}, {1, 2}}},    // labels wider than the page
        {{500, 500}, -2000, {{0, 1}, {1, 2}}},  // nothing left beside the labels
        {{}, 100, {{0, 0}}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<std::size_t, std::size_t>> got;
        for (const auto& b : SplitIntoBlocks(c.widths, c.available))
            got.emplace_back(b.first, b.last);
        EXPECT_EQ(got, c.blocks) << c.available;
    }
}

TEST(ReportTable, ElementTableKeepsTheColumnsThatFit)
{
    const Document doc = fullDocument(3, 1);
    struct Case {
        int size;
        int orientation;
        bool allColumns;
    };
    for (const Case c : {Case{10, 1, true}, Case{36, 1, false}, Case{36, 2, false}, Case{20, 2, true}}) {
        RecordingReportDevice device;
        ReportPage page(device);
        page.StartPage(optionsOf(c.size, 1.5f, c.orientation), headerOf());
        PrintReportTable(page, ElementTable(doc, '.'), WideTable::DropColumns);
        EXPECT_EQ(device.find("Ox.") != nullptr, c.allColumns) << c.size;
        EXPECT_NE(device.find("Na"), nullptr);
        for (const auto& t : device.texts)
            EXPECT_LE(t.x + t.width, device.pageWidth() - page.Measures().margin + 1e-6) << t.text;
    }
}

TEST(ReportTable, ExperimentLabelsAndElementValuesAsTheReportShowsThem)
{
    Document doc = fullDocument(3, 2);
    doc.LabelSelect[7] = 0;
    doc.setSputterRate(0.5f);
    struct Case {
        int depthScale;
        std::vector<std::string> captions;
        std::string timeCell;
    };
    for (const Case& c : {Case{0,
                               {"", "Name", "Time (min)", "Tilt (\xB0)",
                                "Temp. (\xB0"
                                "C)"},
                               "2"},
                          Case{1,
                               {"", "Name", "Depth (nm)", "Tilt (\xB0)",
                                "Temp. (\xB0"
                                "C)"},
                               "1.0"}}) {
        doc.DepthScale = static_cast<Integer>(c.depthScale);
        const ReportTable table = IntensityTable(doc, '.');
        std::vector<std::string> captions;
        for (const auto& column : table.keyColumns)
            captions.push_back(column.caption);
        EXPECT_EQ(captions, c.captions);
        EXPECT_EQ(table.rows[0][2], c.timeCell);
    }
    // A negative asymmetry parameter is a value; only the missing one is blank.
    doc.Asymmetry[2] = kNoAsymmetry;
    const ReportTable elements = ElementTable(doc, '.');
    EXPECT_EQ(elements.rows[2][5], "-0.5000");
    EXPECT_EQ(elements.rows[1][5], "");
    EXPECT_EQ(elements.rows[0][5], "1.5000");
}

// --- Free text --------------------------------------------------------------

double charWidth(std::string_view text)
{
    return static_cast<double>(text.size());
}

TEST(ReportText, WrapsAtTheLastBlankOrTheLastCharacterThatFits)
{
    struct Case {
        const char* name;
        std::string text;
        double width;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"LineFeeds", "ab\r\ncd\n\nef\n", 10, {"ab", "cd", "", "ef"}},
        {"LastLineWithoutLineFeed", "ab\ncd", 10, {"ab", "cd"}},
        {"AtTheLastBlank", "the quick brown fox", 10, {"the quick ", "brown fox"}},
        {"NoBlank", "abcdefghijkl", 5, {"abcde", "fghij", "kl"}},
        {"BlankOverflows", "abcde fg", 5, {"abcde ", "fg"}},
        {"Tabs", "a\tb", 20, {"a       b"}},
        {"Empty", "", 10, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WrapText(c.text, c.width, charWidth), c.lines) << c.name;
}

TEST(ReportText, ALongLineWithoutBlanksWrapsAndALongTextBreaksPages)
{
    const std::string text(500, 'x');
    RecordingReportDevice device;
    ReportPage page(device);
    page.StartPage(optionsOf(10, 1.5f), headerOf());
    PrintText(page, kNotesTitle, text + "\r\n");
    std::string printed;
    int lines = 0;
    for (const auto& t : device.texts) {
        if (t.text.find('x') == std::string::npos)
            continue;
        ++lines;
        printed += t.text;
        EXPECT_LE(t.width, page.PrintableWidth());
        EXPECT_DOUBLE_EQ(t.x, page.Measures().margin);
    }
    EXPECT_EQ(printed, text);
    // 100 twips a character: 102 characters fit on the 10204 twips of A4 within 1.5 cm margins.
    EXPECT_EQ(lines, 5);
    EXPECT_NE(device.find(kNotesTitle), nullptr);

    // A text longer than a page breaks before the line that does not fit.
    std::string lines200;
    for (int i = 1; i <= 200; ++i)
        lines200 += "line " + std::to_string(i) + "\r\n";
    PrintText(page, kTransmissionFileTitle, lines200);
    EXPECT_GT(device.pages, 2);
    expectInsideMargins(device, page);
    EXPECT_NE(device.find("line 200"), nullptr);
}

// --- Numbers as entered and the parameter block -----------------------------

TEST(ReportNumbers, ParametersKeepTheDigitsTheyWereEnteredWith)
{
    struct Case {
        float value;
        const char* mask;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {3.2f, "###", "3.2"},         {0.75f, "#0.0", "0.75"},        {2.5f, "##0.00", "2.50"},
        {20.4f, "##0.000", "20.400"}, {54.7356f, "##0.0", "54.7356"}, {0.1234567f, "#0.0", "0.123457"},
        {-1.25f, "##0.0;\\ ", " "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatAsEntered(c.value, c.mask, '.'), c.expected) << c.value << " " << c.mask;
    EXPECT_EQ(FormatAsEntered(0.75f, "#0.0", ','), "0,75");
    EXPECT_EQ(WidenedMask("##0.0;\\ ", 3), "##0.000;\\ ");
    EXPECT_EQ(WidenedMask("###", 2), "##0.00");
    EXPECT_EQ(WidenedMask("#0.00", 1), "#0.00");
}

TEST(ReportParameters, LabelsValuesAndSubEntriesInTheirColumns)
{
    Document doc;
    doc.setModelType(ModelType::Sphere);
    doc.SampleRadius = 3.2f;
    doc.setAngularMethod(AngularMethod::Reilman);
    doc.setSourceAnalyserAngle(54.7f);
    RecordingReportDevice device;
    ReportPage page(device);
    page.StartPage(optionsOf(10, 1.5f), headerOf());
    PrintParameters(page, ParameterSummary(doc, '.', ParameterDigits::AsEntered));

    const double column1 = page.Measures().margin;
    const double column2 = column1 + device.textWidth(kFirstColumnSample);
    const double column3 = column2 + device.textWidth(kSecondColumnSample);
    const RecordedText* title = device.find(kParametersTitle);
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->bold);
    const RecordedText* radius = device.find("Sample radius:");
    ASSERT_NE(radius, nullptr);
    EXPECT_DOUBLE_EQ(radius->x, column1);
    EXPECT_EQ(device.lineAt(radius->page, radius->y), (std::vector<std::string>{"Sample radius:", "3.2 nm"}));
    EXPECT_DOUBLE_EQ(device.find("3.2 nm")->x, column2);

    const RecordedText* angular = device.find("Angular correction:");
    ASSERT_NE(angular, nullptr);
    EXPECT_EQ(device.lineAt(angular->page, angular->y),
              (std::vector<std::string>{"Angular correction:", "method:", "Reilman"}));
    EXPECT_DOUBLE_EQ(device.find("Reilman")->x, column3);
    const RecordedText* angle = device.find("analyser-excitation:");
    ASSERT_NE(angle, nullptr);
    EXPECT_DOUBLE_EQ(angle->x, column2);
    EXPECT_DOUBLE_EQ(angle->y, angular->y + 10 * kTwipsPerPoint);
    EXPECT_NE(device.find("54.7 \xB0"), nullptr);
}

}  // namespace
}  // namespace slv
