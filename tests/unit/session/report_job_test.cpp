// The print job over a session: which sections reach the page in which
// order, the open page and Eject, Print Current, and the results of the
// current type computed again after several result types were printed.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/format_mask.h"
#include "report/report_options.h"
#include "report/report_tables.h"
#include "report/report_text.h"
#include "session/open_file.h"
#include "session/results_view.h"
#include "session/session_report_data.h"
#include "support/recording_report_device.h"
#include "support/report_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

using test::RecordingReportDevice;

constexpr const char* kDate = "Sunday, 7 December 2025";

struct PrintFixture {
    test::TestSession t;
    RecordingReportDevice device;
    ReportPage page{device};
    SessionReportData data{t.session, kDate};
    PrintJob job{page, t.session.doc(), data, '.'};

    explicit PrintFixture(int elements = 6, int experiments = 4)
    {
        test::FillReportDocument(t.doc(), elements, experiments);
        t.session.edit({}).print.PrintWhat.fill(0);
    }

    PrintOptions select(std::initializer_list<int> sections) const
    {
        PrintOptions options = t.session.print();
        for (const int s : sections)
            options.PrintWhat[s] = 1;
        return options;
    }

    /// The section titles on the pages, in order: bold texts at the left margin.
    std::vector<std::string> titles() const
    {
        std::vector<std::string> found;
        for (const auto& t : device.texts)
            if (t.bold && t.x == page.Measures().margin && t.size == page.Measures().fontSize && t.text != "Name")
                found.push_back(t.text);
        return found;
    }
};

int resultSection(int type)
{
    return kPrintFirstResultType + type;
}

TEST(PrintJob, SectionsInTheirOrderAndOnlyWhereTheyApply)
{
    struct Case {
        const char* name;
        std::function<void(Document&)> prepare;
        std::vector<int> sections;
        std::vector<std::string> titles;
    };
    const auto layered = [](Document& doc) { test::FillLayeredModel(doc); };
    const std::vector<Case> cases = {
        {"Nothing", {}, {}, {}},
        {"Homogeneous",
         {},
         {kPrintNotes, kPrintParameters, kPrintElements, kPrintIntensity, kPrintImfp, kPrintModel, resultSection(0),
          resultSection(7)},
         {"Parameters", "Elements", "Intensity", "IMFP & Contamination", "Atomic %", "Oxide mass ratio", "Notes"}},
        {"NoExperiments",
         [](Document& doc) { doc.ExpCount = 0; },
         {kPrintElements, kPrintIntensity, kPrintImfp, resultSection(0)},
         {"Elements"}},
        {"ImfpMethodWithoutTable",
         [](Document& doc) { doc.setHomogeneousImfpMethod(ImfpMethod::Tpp2m); },
         {kPrintImfp, kPrintNotes},
         {"Notes"}},
        {"MatrixImfpMethod",
         [](Document& doc) { doc.setHomogeneousImfpMethod(ImfpMethod::Gries); },
         {kPrintImfp},
         {"IMFP & Contamination"}},
        {"NoNotes", [](Document& doc) { doc.NotesText.clear(); }, {kPrintNotes, kPrintParameters}, {"Parameters"}},
        {"StructureModel",
         layered,
         {kPrintModel, kPrintImfp, resultSection(2)},
         {"IMFP & Contamination", "Model data", "Atom locations", "IMFP values", "Layer thickness (nm)"}},
        {"StructureModelWithoutResults", layered, {kPrintModel}, {"Model data", "Atom locations", "IMFP values"}},
    };
    for (const auto& c : cases) {
        PrintFixture f;
        if (c.prepare)
            c.prepare(f.t.doc());
        PrintOptions options = f.t.session.print();
        for (const int s : c.sections)
            options.PrintWhat[s] = 1;
        f.job.PrintSelected(options);
        EXPECT_EQ(f.titles(), c.titles) << c.name;
        EXPECT_TRUE(f.job.PageOpen()) << c.name;
    }
}

TEST(PrintJob, SeveralResultTypesLeaveTheCurrentOneComputed)
{
    PrintFixture f;
    Session& session = f.t.session;
    f.t.res().ResType = kOxideMolarPercent;
    const ResultsTable shown = ShowResults(session).table;
    const auto shownValues = session.results().ResultValue;
    f.t.res().ResType = kAtomicPercent;
    const ResultsTable atomic = ShowResults(session).table;
    f.t.res().ResType = kOxideMolarPercent;
    ShowResults(session);

    f.job.PrintSelected(f.select({resultSection(kAtomicPercent), resultSection(kMassPercent)}));

    EXPECT_EQ(f.titles(), (std::vector<std::string>{"Atomic %", "Mass %"}));
    EXPECT_EQ(session.results().ResType, kOxideMolarPercent);
    EXPECT_EQ(session.results().ResultValue, shownValues);
    EXPECT_EQ(session.results().ResElemCount, static_cast<int>(shown.valueHeaders.size()));
    // The printed numbers are those of the results window under the report's mask.
    const test::RecordedText* row = f.device.find("spot 2");
    ASSERT_NE(row, nullptr);
    const auto line = f.device.lineAt(row->page, row->y);
    ASSERT_GE(line.size(), 6u);
    EXPECT_EQ(line[5], FormatNumber(atomic.rows[1].values[0], kPercentMask));
}

TEST(PrintJob, ThePageStaysOpenUntilEjected)
{
    PrintFixture f;
    const PrintOptions options = f.select({kPrintParameters, kPrintFileName});
    f.job.PrintSelected(options);
    ASSERT_TRUE(f.job.PrintCurrent(options, ReportWindow::Intensity));
    EXPECT_EQ(f.device.count("XPS Selvaro   "), 1);
    EXPECT_EQ(f.device.count("File:  batch17.lvd"), 1);
    EXPECT_EQ(f.device.documentsBegun, 1);
    EXPECT_EQ(f.device.documentsEnded, 0);
    EXPECT_EQ(f.titles(), (std::vector<std::string>{"Parameters", "Intensity"}));

    f.job.Eject();
    EXPECT_FALSE(f.job.PageOpen());
    EXPECT_EQ(f.device.documentsEnded, 1);
    f.job.Eject();
    EXPECT_EQ(f.device.documentsEnded, 1);

    f.job.PrintNotesText(options, kTransmissionFileTitle, "KEY 1\r\n");
    EXPECT_EQ(f.device.documentsBegun, 2);
    EXPECT_EQ(f.device.count("XPS Selvaro   "), 2);
    EXPECT_NE(f.device.find("KEY 1"), nullptr);
}

TEST(PrintJob, PrintCurrentPrintsTheActiveWindowsTable)
{
    struct Case {
        const char* name;
        ReportWindow window;
        std::function<void(Document&)> prepare;
        std::vector<std::string> titles;  // empty: nothing printed, no page started
    };
    const auto layered = [](Document& doc) { test::FillLayeredModel(doc); };
    const std::vector<Case> cases = {
        {"Elements", ReportWindow::Elements, {}, {"Elements"}},
        {"NoElements", ReportWindow::Elements, [](Document& doc) { doc.ElemCount = 0; }, {}},
        {"Intensity", ReportWindow::Intensity, {}, {"Intensity"}},
        {"NoExperiments", ReportWindow::Intensity, [](Document& doc) { doc.ExpCount = 0; }, {}},
        {"Imfp", ReportWindow::Imfp, {}, {"IMFP & Contamination"}},
        {"ImfpComputed",
         ReportWindow::Imfp,
         [](Document& doc) { doc.setHomogeneousImfpMethod(ImfpMethod::Tpp2m); },
         {}},
        {"Results", ReportWindow::Results, [](Document&) {}, {"Mass ratio"}},
        {"ResultsOfAModel", ReportWindow::Results, layered, {}},
        {"Model", ReportWindow::Model, layered, {"Model data", "Atom locations", "IMFP values"}},
        {"ModelImfp", ReportWindow::ModelImfp, layered, {"IMFP & Contamination"}},
        {"LayerThickness", ReportWindow::LayerThickness, layered, {"Layer thickness (nm)"}},
        {"NoLayers", ReportWindow::LayerThickness, [](Document& doc) { doc.setModelType(ModelType::Plane); }, {}},
    };
    for (const auto& c : cases) {
        PrintFixture f;
        f.t.res().ResType = kMassRatio;
        if (c.prepare)
            c.prepare(f.t.doc());
        const bool printed = f.job.PrintCurrent(f.t.session.print(), c.window);
        EXPECT_EQ(printed, !c.titles.empty()) << c.name;
        EXPECT_EQ(f.device.documentsBegun, printed ? 1 : 0) << c.name;
        EXPECT_EQ(f.titles(), c.titles) << c.name;
    }
}

TEST(PrintJob, LayerThicknessesWithCoverageAndUnit)
{
    PrintFixture f(3, 2);
    Document& doc = f.t.doc();
    test::FillLayeredModel(doc);
    doc.IslandMode = 1;
    doc.setLengthUnit(LengthUnit::Angstrom);
    doc.CoverRes[1] = 0.35f;
    doc.CoverRes[2] = kEmptyValue;
    doc.ThickRes[2][2] = kEmptyValue;
    ASSERT_TRUE(f.job.PrintCurrent(f.t.session.print(), ReportWindow::LayerThickness));
    ASSERT_NE(f.device.find("Layer thickness (A)"), nullptr);
    const test::RecordedText* first = f.device.find("spot 1");
    const test::RecordedText* second = f.device.find("spot 2");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(f.device.lineAt(first->page, first->y),
              (std::vector<std::string>{"1", "spot 1", "2", "10", "25", "0.50", "1.00", "1.50", "0.350"}));
    // Missing results are blank cells.
    EXPECT_EQ(f.device.lineAt(second->page, second->y),
              (std::vector<std::string>{"2", "spot 2", "4", "20", "25", "0.50", "1.50"}));
}

class OxideLayerReport : public testing::Test {
protected:
    void SetUp() override
    {
        const std::filesystem::path example = std::filesystem::path(SLV_SOURCE_DIR) / "examples" / "sio2_on_si.lvd";
        ASSERT_TRUE(OpenDocumentFile(f.t.session, example.string()).ok);
        f.t.dialogs.messages.clear();
    }
    PrintFixture f;
};

TEST_F(OxideLayerReport, ThicknessOfEveryExperimentAfterTheModelCheck)
{
    f.job.PrintSelected(f.select({resultSection(kAtomicPercent)}));
    EXPECT_EQ(f.titles(), (std::vector<std::string>{"Layer thickness (nm)"}));
    for (int e = 1; e <= f.t.doc().ExpCount; ++e)
        EXPECT_NE(f.device.find(FormatNumber(f.t.session.results().ResultValue[e][1], kThicknessMask)), nullptr) << e;
    EXPECT_TRUE(f.t.dialogs.messages.empty());
}

TEST_F(OxideLayerReport, AModelThatFailsItsCheckPrintsNoThicknessAndSaysWhy)
{
    f.t.doc().LayerComp[1].fill(0.0f);
    f.job.PrintSelected(f.select({kPrintParameters, resultSection(kAtomicPercent)}));
    EXPECT_EQ(f.titles(), (std::vector<std::string>{"Parameters"}));
    ASSERT_FALSE(f.t.dialogs.messages.empty());
    EXPECT_NE(f.t.dialogs.messages.front().text.find("not specified"), std::string::npos);
}

}  // namespace
}  // namespace slv
