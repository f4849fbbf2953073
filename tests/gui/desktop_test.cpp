// The desktop program's windows driven like an analyst drives them, on Qt's
// offscreen platform: keys typed into the Elements grid, the Composition
// window of an opened example against the command line's numbers, and the
// window settings written on close and read at start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <QApplication>
#include <QMdiSubWindow>
#include <QTest>

#include "document/element_table.h"
#include "platform/format_mask.h"
#include "quant/results_table.h"
#include "session/results_view.h"
#include "support/recording_dialogs.h"
#include "ui/child_window.h"
#include "ui/main_window.h"

namespace slv {
namespace {

const std::string kFloatGlass = std::string(SLV_SOURCE_DIR) + "/examples/float_glass.lvd";

class Desktop : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // No screen needed: the windows are drawn offscreen unless a platform was chosen.
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        s_application = new QApplication(argc, argv);
    }
    // The application goes before the program's exit handlers run, with the
    // input devices the simulated keys created.
    static void TearDownTestSuite()
    {
        delete s_application;
        s_application = nullptr;
    }

    static inline QApplication* s_application = nullptr;
    MemorySettingsStore settings;
    MainWindow window{settings, SLV_LIBRARY_DIR};

    GridView& viewOf(WindowId id)
    {
        ChildWindow* child = nullptr;
        for (QMdiSubWindow* sub : window.findChildren<QMdiSubWindow*>())
            if (auto* c = dynamic_cast<ChildWindow*>(sub); c != nullptr && c->id() == id)
                child = c;
        return child->view();
    }
};

TEST_F(Desktop, KeysTypedIntoTheElementGridGoThroughTheCellRules)
{
    window.show();
    ASSERT_TRUE(window.showView(WindowId::Elements));
    GridView& view = viewOf(WindowId::Elements);
    TextGrid& grid = window.gridWindow(WindowId::Elements)->grid();
    grid.SetRow(1);
    grid.SetCol(kColBindEnergy);
    QTest::keyClicks(&view, "a");
    EXPECT_EQ(grid.Text(), "");
    QTest::keyClicks(&view, "2*3");
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(grid.TextMatrix(1, kColBindEnergy), "6");
    EXPECT_EQ(grid.Col(), kColCrossSect);
    EXPECT_EQ(view.currentIndex().column(), kColCrossSect - 1);
    QTest::keyClicks(&view, "1.2e3");
    QTest::keyClick(&view, Qt::Key_Tab);
    EXPECT_EQ(grid.TextMatrix(1, kColCrossSect), "1200");
    EXPECT_EQ(view.model()->data(view.model()->index(0, kColCrossSect - 1)).toString(), "1200");
}

TEST_F(Desktop, TheCompositionWindowShowsTheResultsOfAnOpenedFile)
{
    window.show();
    ASSERT_TRUE(window.commands().openAtStart(kFloatGlass));
    ASSERT_TRUE(window.isShown(WindowId::Results));
    auto* results = dynamic_cast<ResultsView*>(window.gridWindow(WindowId::Results));
    ASSERT_NE(results, nullptr);
    results->chooseResultType(kOxideMolarPercent);
    EXPECT_FALSE(results->mergeEnabled());
    const QAbstractItemModel* model = viewOf(WindowId::Results).model();
    const ResultsTable& table = results->table();
    ASSERT_EQ(model->rowCount(), static_cast<int>(table.rows.size()));
    EXPECT_EQ(model->headerData(model->columnCount() - 1, Qt::Horizontal).toString(), "O balance");
    // Every value cell shows the table's number through its mask.
    const int labelCols = static_cast<int>(table.labelHeaders.size());
    for (int r = 0; r < model->rowCount(); ++r)
        for (std::size_t c = 0; c < table.valueHeaders.size(); ++c)
            EXPECT_EQ(model->data(model->index(r, labelCols + static_cast<int>(c))).toString().toStdString(),
                      FormatNumber(table.rows[static_cast<std::size_t>(r)].values[c], table.valueMask));
}

TEST_F(Desktop, TheWindowSettingsAreWrittenOnCloseAndReadAtStart)
{
    window.show();
    window.resize(700, 520);
    window.move(40, 30);
    ASSERT_TRUE(window.close());
    const WindowSettings written = ReadWindowSettings(settings);
    const int dpi = window.logicalDpiX();
    EXPECT_EQ(written.width, window.geometry().width() * 1440 / dpi);
    MainWindow again(settings, SLV_LIBRARY_DIR);
    EXPECT_EQ(again.geometry().width(), written.width * dpi / 1440);
}

}  // namespace
}  // namespace slv
