// The Print and Print Options forms and the print job of a session: the
// options the analyst types kept in range, the check boxes becoming the
// printed sections after the grids went into the document, a page asked for
// only when there will be one, the open page told to the status bar, and a
// report that could not be delivered said so.
#include <gtest/gtest.h>

#include "quant/results_table.h"
#include "report/report_options.h"
#include "session/print_forms.h"
#include "support/fake_window_shell.h"
#include "support/recording_report_device.h"
#include "support/report_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

/// An output that hands out a recording device, or none when the analyst cancels.
class RecordingOutput final : public ReportOutput {
public:
    ReportDevice* beginJob(const std::string& title) override
    {
        titles.push_back(title);
        if (cancel)
            return nullptr;
        device = test::RecordingReportDevice();
        return &device;
    }
    std::string endJob() override
    {
        ++ended;
        return failure;
    }
    std::string dateText() const override { return "7 December 2026"; }

    test::RecordingReportDevice device;
    std::vector<std::string> titles;
    bool cancel = false;
    std::string failure;
    int ended = 0;
};

struct SpoolerFixture {
    test::TestSession t;
    test::FakeWindowShell shell;
    RecordingOutput output;
    ReportSpooler spooler{t.session, output};
    std::vector<bool> pageStates;

    SpoolerFixture()
    {
        test::FillReportDocument(t.doc(), 4, 3);
        t.session.edit({}).print.PrintWhat.fill(0);
        spooler.onPageOpenChanged([this](bool open) { pageStates.push_back(open); });
    }
};

TEST(PrintOptionsForm, KeepsWhatIsTypedWithinTheReportsRanges)
{
    struct Case {
        const char* size;
        const char* margin;
        char decSep;
        int points;
        float centimetres;
    };
    const Case cases[] = {
        {"2", "7", '.', 4, 5.0f},       {"40", "0.2", '.', 36, 0.5f}, {"11", "2.5", '.', 11, 2.5f},
        {"12,4", "1,5", ',', 12, 1.5f}, {"abc", "", '.', 14, 3.0f},   {" 9 ", " 1.0 ", '.', 9, 1.0f},
    };
    PrintOptions before;
    before.PrintFontSize = 14;
    before.PrintMargin = 3.0f;
    for (const Case& c : cases) {
        PrintOptionsForm form(before, c.decSep);
        form.sizeText = c.size;
        form.marginText = c.margin;
        const PrintOptions after = form.accepted(before);
        EXPECT_EQ(after.PrintFontSize, c.points) << c.size;
        EXPECT_FLOAT_EQ(after.PrintMargin, c.centimetres) << c.margin;
    }
}

TEST(PrintOptionsForm, ShowsTheOptionsAndTakesFontAndOrientation)
{
    PrintOptions options;
    options.PrintFontName = "";
    options.PrintFontSize = 0;
    options.PrintMargin = 2.0f;
    options.PrintOrientation = 2;
    PrintOptionsForm form(options, ',');
    // Missing values show as the defaults a page would use.
    EXPECT_EQ(form.fontName, "Times New Roman");
    EXPECT_EQ(form.sizeText, "10");
    EXPECT_EQ(form.marginText, "2,0");
    EXPECT_FALSE(form.portrait);
    EXPECT_EQ(form.marginChoices(), (std::vector<std::string>{"0,5", "1,0", "1,5", "2,0", "2,5", "3,0", "3,5", "4,0"}));

    form.fontName = "  Liberation Sans ";
    form.portrait = true;
    EXPECT_EQ(form.accepted(options).PrintFontName, "Liberation Sans");
    EXPECT_EQ(form.accepted(options).PrintOrientation, 1);
    form.fontName = "   ";
    EXPECT_EQ(form.accepted(options).PrintFontName, "");
}

TEST(PrintForm, TheCheckedSectionsArePrintedAfterTheGridsWentIntoTheDocument)
{
    SpoolerFixture f;
    auto& intensity = f.shell.open(WindowId::Intensity);
    auto& elements = f.shell.open(WindowId::Elements);
    PrintForm form(f.t.session.print());
    EXPECT_FALSE(form.checked(kPrintParameters));
    form.setChecked(kPrintElements, true);
    form.setChecked(kPrintFirstResultType + static_cast<int>(kMassPercent), true);
    form.setChecked(kPrintFileName, true);

    form.print(f.t.session, f.shell, f.spooler);

    EXPECT_EQ(intensity.commits, 1);
    EXPECT_EQ(elements.commits, 1);
    const auto& what = f.t.session.print().PrintWhat;
    EXPECT_EQ(what[kPrintElements], 1);
    EXPECT_EQ(what[kPrintFirstResultType + static_cast<int>(kMassPercent)], 1);
    EXPECT_EQ(what[kPrintParameters], 0);
    EXPECT_NE(f.output.device.find("Elements"), nullptr);
    EXPECT_NE(f.output.device.find("Mass %"), nullptr);
    EXPECT_NE(f.output.device.find("File:  batch17.lvd"), nullptr);
    EXPECT_EQ(f.output.titles, (std::vector<std::string>{"Glass batch 17, all spots"}));
    EXPECT_EQ(f.pageStates, (std::vector<bool>{true}));
}

TEST(ReportSpooler, OnePageServesEveryPrintUntilItIsEjected)
{
    SpoolerFixture f;
    f.spooler.printSelected(f.t.session.print());
    ASSERT_TRUE(f.spooler.printCurrent(ReportWindow::Intensity));
    f.spooler.printText("Notes", "first line\n");
    EXPECT_EQ(f.output.titles.size(), 1u);
    EXPECT_EQ(f.output.device.documentsBegun, 1);
    EXPECT_NE(f.output.device.find("first line"), nullptr);
    EXPECT_EQ(f.pageStates, (std::vector<bool>{true}));

    f.spooler.eject();
    EXPECT_FALSE(f.spooler.pageOpen());
    EXPECT_EQ(f.output.device.documentsEnded, 1);
    EXPECT_EQ(f.output.ended, 1);
    EXPECT_EQ(f.pageStates, (std::vector<bool>{true, false}));
    EXPECT_TRUE(f.t.dialogs.messages.empty());
    // Without a page, Eject does nothing.
    f.spooler.eject();
    EXPECT_EQ(f.output.ended, 1);
}

TEST(ReportSpooler, AsksForAnOutputOnlyWhenThereIsSomethingToPrint)
{
    SpoolerFixture f;
    f.t.doc().ExpCount = 0;
    EXPECT_FALSE(f.spooler.printCurrent(ReportWindow::Intensity));
    EXPECT_FALSE(f.spooler.printCurrent(ReportWindow::LayerThickness));
    EXPECT_TRUE(f.output.titles.empty());

    f.output.cancel = true;
    EXPECT_FALSE(f.spooler.printCurrent(ReportWindow::Elements));
    f.spooler.printSelected(f.t.session.print());
    EXPECT_EQ(f.output.titles.size(), 2u);
    EXPECT_FALSE(f.spooler.pageOpen());
    EXPECT_TRUE(f.pageStates.empty());
}

TEST(ReportSpooler, AReportThatCouldNotBeDeliveredIsReported)
{
    SpoolerFixture f;
    f.output.failure = "/mnt/full/report.pdf: No space left on device";
    f.spooler.printSelected(f.t.session.print());
    f.spooler.eject();
    ASSERT_EQ(f.t.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.t.dialogs.messages[0].text,
              "The report could not be delivered:\r\n/mnt/full/report.pdf: No space left on device    ");
    EXPECT_EQ(f.t.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(f.spooler.pageOpen());
}

TEST(PrintCurrent, TablesGoOntoTheOpenPageAndPicturesOntoPagesOfTheirOwn)
{
    for (const WindowId picture : {WindowId::Chart, WindowId::ModelLayout}) {
        SCOPED_TRACE(static_cast<int>(picture));
        SpoolerFixture f;
        EXPECT_FALSE(PrintCurrentWindow(f.shell, f.spooler));  // no active window
        f.shell.active = picture;
        EXPECT_FALSE(PrintCurrentWindow(f.shell, f.spooler)) << "no picture printer";
        EXPECT_TRUE(f.output.titles.empty());

        auto& intensity = f.shell.open(WindowId::Intensity);
        ASSERT_TRUE(PrintCurrentWindow(f.shell, f.spooler));
        EXPECT_EQ(intensity.commits, 1) << "the grid went into the document first";
        EXPECT_NE(f.output.device.find("Intensity"), nullptr);
        ASSERT_TRUE(f.spooler.pageOpen());

        std::vector<WindowId> printed;
        const PicturePrinter printPicture = [&](WindowId window) {
            // The tables already on the page are delivered before the picture goes out.
            EXPECT_EQ(f.output.ended, 1);
            printed.push_back(window);
            return true;
        };
        f.shell.active = picture;
        EXPECT_TRUE(PrintCurrentWindow(f.shell, f.spooler, printPicture));
        EXPECT_EQ(printed, std::vector<WindowId>{picture});
        EXPECT_FALSE(f.spooler.pageOpen());
        EXPECT_EQ(f.output.titles.size(), 1u);  // no report page was started for the picture

        // A cancelled or failed picture is no print; a grid window never reaches the picture printer.
        EXPECT_FALSE(PrintCurrentWindow(f.shell, f.spooler, [](WindowId) { return false; }));
        f.shell.active = WindowId::Intensity;
        EXPECT_TRUE(PrintCurrentWindow(f.shell, f.spooler, printPicture));
        EXPECT_EQ(printed.size(), 1u);
    }
}

}  // namespace
}  // namespace slv
