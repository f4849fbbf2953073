// The report, notes and help windows of the desktop program on Qt's
// offscreen platform: the Print dialog writes the same pages as selvaro-cli
// report onto an open page that the status bar shows and a click there
// ejects, Print Current puts pictures on pages of their own, the main and
// notes windows keep their place (and the notes their font and word wrap),
// and F1 opens the topic of the window in front.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

#include "gui/main_window_fixture.h"
#include "quant/results_table.h"
#include "report/report_options.h"
#include "session/results_view.h"
#include "support/run_cli_binary.h"
#include "ui/child_window.h"
#include "ui/main_window.h"
#include "ui/print_dialogs.h"
#include "ui/text_editor_window.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

const std::string kGlassExample = std::string(SLV_SOURCE_DIR) + "/examples/float_glass.lvd";

/// The text of a PDF as pdftotext -layout reads it.
std::string pdfText(const fs::path& pdf)
{
    std::string text;
    FILE* pipe = ::popen(("pdftotext -layout '" + pdf.string() + "' - 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return text;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, n);
    ::pclose(pipe);
    return text;
}

class DesktopReports : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        fs::create_directories(folder);
        window.show();
        // Reports go into a PDF file that no dialog asks for.
        window.reportOutput().setPdfOnly(true);
        window.reportOutput().setPdfFileChooser([this](const std::string&) { return pdf.string(); });
    }
    void TearDown() override { fs::remove_all(folder); }

    QLabel& printerPanel() { return *window.statusBar()->findChildren<QLabel*>().back(); }

    const fs::path folder = fs::temp_directory_path() / ("slv_gui_reports_" + std::to_string(::getpid()));
    const fs::path pdf = folder / "dialog.pdf";
};

TEST_F(DesktopReports, ThePrintDialogWritesTheSamePagesAsTheCommandLine)
{
    ASSERT_TRUE(window.commands().openAtStart(kGlassExample));
    auto* results = dynamic_cast<ResultsView*>(window.gridWindow(WindowId::Results));
    ASSERT_NE(results, nullptr);
    results->chooseResultType(kMassRatio);
    const ResultsTable shown = results->table();
    PrintDialog dialog(window.session(), window, window.spooler(), window.reportOutput(), &window);
    for (int section = 0; section < kPrintSectionCount; ++section)
        dialog.sectionBox(section)->setChecked(false);
    const int sections[] = {kPrintFileName,
                            kPrintParameters,
                            kPrintElements,
                            kPrintIntensity,
                            kPrintImfp,
                            kPrintNotes,
                            kPrintFirstResultType + static_cast<int>(kAtomicPercent),
                            kPrintFirstResultType + static_cast<int>(kOxideMolarPercent)};
    for (const int section : sections)
        dialog.sectionBox(section)->setChecked(true);
    dialog.print();
    ASSERT_TRUE(window.spooler().pageOpen());
    // The Composition window shows its own type's numbers again, not the last printed type's.
    EXPECT_EQ(window.session().results().ResType, kMassRatio);
    ASSERT_EQ(results->table().rows.size(), shown.rows.size());
    EXPECT_EQ(results->table().rows.front().values, shown.rows.front().values);
    EXPECT_FALSE(printerPanel().pixmap().isNull());
    QTest::mouseClick(&printerPanel(), Qt::LeftButton);
    EXPECT_FALSE(window.spooler().pageOpen());
    EXPECT_TRUE(printerPanel().pixmap().isNull());

    const fs::path cliPdf = folder / "cli.pdf";
    const test::CliRun run = test::RunCliBinary("report '" + kGlassExample + "' --pdf '" + cliPdf.string() +
                                                "' --sections 'filename,parameters,elements,intensity,imfp,notes,"
                                                "Atomic %,Oxide molar %'");
    ASSERT_EQ(run.exitCode, 0);
    const std::string printed = pdfText(pdf);
    EXPECT_NE(printed.find("Oxide molar %"), std::string::npos) << printed;
    EXPECT_EQ(printed, pdfText(cliPdf));
}

TEST_F(DesktopReports, PrintCurrentPrintsTheChartAndTheLayoutOnPagesOfTheirOwn)
{
    // Each print job goes into a file of its own, so that the ejected report and the pictures can be read apart.
    int jobs = 0;
    window.reportOutput().setPdfFileChooser(
        [&](const std::string&) { return (folder / ("job" + std::to_string(++jobs) + ".pdf")).string(); });
    ASSERT_TRUE(window.commands().openAtStart(std::string(SLV_SOURCE_DIR) + "/examples/steel_depth_profile.lvd"));
    ASSERT_TRUE(window.showView(WindowId::Intensity));
    ASSERT_TRUE(window.printCurrent());
    ASSERT_TRUE(window.spooler().pageOpen());

    ASSERT_TRUE(window.showView(WindowId::Chart));
    ASSERT_TRUE(window.printCurrent());
    EXPECT_FALSE(window.spooler().pageOpen()) << "the report page went out before the chart";
    EXPECT_TRUE(printerPanel().pixmap().isNull());
    const std::string report = pdfText(folder / "job1.pdf");
    EXPECT_NE(report.find("Intensity"), std::string::npos) << report;
    const std::string chart = pdfText(folder / "job2.pdf");
    EXPECT_NE(chart.find("stainless steel"), std::string::npos) << "the chart is headed by the title\n" << chart;
    EXPECT_NE(chart.find("Atomic %"), std::string::npos) << chart;
    EXPECT_EQ(chart.find("XPS Selvaro"), std::string::npos) << "no report header on the chart's page";

    ASSERT_TRUE(window.showView(WindowId::ModelLayout));
    ASSERT_TRUE(window.printCurrent());
    EXPECT_NE(pdfText(folder / "job3.pdf").find("Bulk"), std::string::npos);

    // Cancelling the file dialog prints nothing and reports nothing.
    window.reportOutput().setPdfFileChooser([](const std::string&) { return std::nullopt; });
    EXPECT_FALSE(window.printCurrent());
    EXPECT_FALSE(fs::exists(folder / "job4.pdf"));
}

TEST_F(DesktopReports, TheMainAndNotesWindowsKeepTheirPlaceAndTheNotesTheirFontAndWordWrap)
{
    window.session().edit({}).doc.NotesText = "sputtered 30 s\r\nthen annealed\r\n";
    TextEditorWindow& notes = window.showNotes();
    EXPECT_EQ(notes.windowTitle(), "XPS Selvaro Notes");
    EXPECT_EQ(notes.textBox().toPlainText(), "sputtered 30 s\nthen annealed\n");
    const bool wrapped = notes.wordWrap();
    notes.setWordWrap(!wrapped);
    EXPECT_EQ(notes.text(), "sputtered 30 s\nthen annealed\n");
    notes.resize(notes.minimumWidth() + 40, notes.minimumHeight() + 30);
    const int width = notes.width();
    // Typing and deleting the same character leaves nothing to ask about.
    notes.textBox().moveCursor(QTextCursor::End);
    QTest::keyClicks(&notes.textBox(), "x");
    QTest::keyClick(&notes.textBox(), Qt::Key_Backspace);
    ASSERT_TRUE(notes.close());
    QApplication::processEvents();

    window.resize(700, 520);
    ASSERT_TRUE(window.close());
    const WindowSettings written = ReadWindowSettings(settings);
    EXPECT_EQ(written.width, window.geometry().width() * 1440 / window.logicalDpiX());
    EXPECT_EQ(written.wrap, wrapped ? 0 : 1);
    EXPECT_EQ(written.notesWidth, width * 1440 / window.logicalDpiX());
    EXPECT_EQ(written.notesFont, "Courier New");
    MainWindow again(settings, SLV_LIBRARY_DIR);
    EXPECT_EQ(again.geometry().width(), written.width * window.logicalDpiX() / 1440);
    TextEditorWindow& reopened = again.showNotes();
    EXPECT_EQ(reopened.width(), width);
    EXPECT_EQ(reopened.wordWrap(), !wrapped);
    EXPECT_EQ(reopened.textBox().font().family(), QFont("Courier New").family());
}

TEST_F(DesktopReports, ContextHelpOpensTheTopicOfTheWindowInFront)
{
    const auto shownPage = [this] { return window.help().window().browser().source().fileName(); };
    ASSERT_TRUE(window.commands().openAtStart(kGlassExample));
    QApplication::setActiveWindow(&window);
    window.contextHelp();
    EXPECT_EQ(shownPage(), "composition.html");
    EXPECT_FALSE(window.help().window().browser().toPlainText().isEmpty());

    TextEditorWindow& notes = window.showNotes();
    QApplication::setActiveWindow(&notes);
    window.contextHelp();
    EXPECT_EQ(shownPage(), "notes.html");
}

TEST_F(DesktopReports, TheDialogsAndWindowsAreFoundByTheirCaptions)
{
    for (const char* caption : {"Print", "Print Options", "XPS Selvaro Notes", "XPS Selvaro Help"}) {
        QWidget* shown = window.showDialogNamed(caption);
        ASSERT_NE(shown, nullptr) << caption;
        EXPECT_TRUE(shown->isVisible()) << caption;
        EXPECT_TRUE(shown->windowTitle().startsWith(caption)) << caption;
        shown->close();
    }
    EXPECT_EQ(window.showDialogNamed("Nothing"), nullptr);
}

TEST_F(DesktopReports, TheMainControlsSayWhatTheyAreFor)
{
    ASSERT_TRUE(window.commands().openAtStart(kGlassExample));
    ASSERT_TRUE(window.showView(WindowId::Elements));
    for (QMdiSubWindow* sub : window.findChildren<QMdiSubWindow*>()) {
        if (auto* child = dynamic_cast<ChildWindow*>(sub)) {
            EXPECT_FALSE(child->view().whatsThis().isEmpty()) << CaptionOf(child->id()).toStdString();
        }
    }
    EXPECT_FALSE(printerPanel().whatsThis().isEmpty());
    PrintDialog dialog(window.session(), window, window.spooler(), window.reportOutput(), &window);
    EXPECT_FALSE(dialog.whatsThis().isEmpty());
}

}  // namespace
}  // namespace slv
