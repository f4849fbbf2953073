// The Chart and Model Layout windows of the desktop program and the dialogs
// the Parameters dialog opens, on Qt's offscreen platform: the chart follows
// the results window's choices, Colours turns it black and white, Copy puts
// a picture of the window's size on the clipboard, View > Chart is offered
// only while the results are shown, the layout's caption and switches, and
// the polyhedron editor's area box; closing a picture window, and the
// examples opening the Model Layout and its legend as their stored code asks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QLineSeries>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include "chart_qt/chart_view.h"
#include "document/data_file.h"
#include "gui/main_window_fixture.h"
#include "quant/results_table.h"
#include "session/results_view.h"
#include "support/recording_dialogs.h"
#include "ui/chart_pane.h"
#include "ui/child_window.h"
#include "ui/layout_pane.h"
#include "ui/main_window.h"
#include "ui/polyhedron_dialog.h"
#include "ui/transmission_dialog.h"

namespace slv {
namespace {

std::string example(const char* name)
{
    return (std::filesystem::path(SLV_SOURCE_DIR) / "examples" / name).string();
}

class PictureWindows : public test::MainWindowTest {
protected:
    void SetUp() override { window.show(); }

    ChartPane& openChart(const char* file)
    {
        EXPECT_TRUE(window.commands().openAtStart(example(file)));
        EXPECT_TRUE(window.showView(WindowId::Chart));
        return *dynamic_cast<ChartPane*>(childOf(WindowId::Chart)->picture());
    }
    static std::vector<QLineSeries*> lines(const ChartView& view)
    {
        std::vector<QLineSeries*> found;
        for (QAbstractSeries* series : view.chart()->series())
            if (auto* line = dynamic_cast<QLineSeries*>(series);
                line != nullptr && series->type() == QAbstractSeries::SeriesTypeLine)
                found.push_back(line);
        return found;
    }

    /// File > Open Example with the file chosen in its dialog.
    bool openExample(const std::string& path)
    {
        QTimer::singleShot(0, [path] {
            if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                files->selectFile(QString::fromStdString(path));
                static_cast<QDialog*>(files)->accept();  // as the Open or Save button does
            }
        });
        return window.commands().openExample();
    }
};

TEST_F(PictureWindows, TheChartFollowsTheResultsWindowAndTurnsBlackAndWhite)
{
    ChartPane& pane = openChart("steel_depth_profile.lvd");
    ASSERT_EQ(pane.view().plan().type, ChartType::Line);
    ASSERT_FALSE(lines(pane.view()).empty());
    EXPECT_EQ(lines(pane.view()).front()->count(), 12) << "one point per sputter step";
    const auto leftTitle = [&pane] {
        return pane.view().chart()->axes(Qt::Vertical).front()->titleText().toStdString();
    };
    EXPECT_EQ(leftTitle(), "Atomic %");

    auto* results = dynamic_cast<ResultsView*>(window.gridWindow(WindowId::Results));
    ASSERT_NE(results, nullptr);
    results->chooseResultType(kMassPercent);
    EXPECT_EQ(leftTitle(), "Mass %") << "the chart is drawn again when the results change";

    EXPECT_TRUE(pane.colourAction()->isChecked());
    pane.colourAction()->trigger();
    EXPECT_FALSE(pane.view().plan().colour);
    for (QLineSeries* line : lines(pane.view()))
        EXPECT_EQ(line->pen().color(), QColor(Qt::black));
}

TEST_F(PictureWindows, CopyPutsThePictureOfTheWindowsSizeOnTheClipboard)
{
    ChartPane& chart = openChart("float_glass.lvd");
    QApplication::clipboard()->clear();
    chart.copyAction()->trigger();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), chart.size());

    ASSERT_TRUE(window.commands().openAtStart(example("sio2_on_si.lvd")));
    ASSERT_TRUE(window.showView(WindowId::ModelLayout));
    auto* layout = dynamic_cast<LayoutPane*>(childOf(WindowId::ModelLayout)->picture());
    ASSERT_NE(layout, nullptr);
    QApplication::clipboard()->clear();
    layout->copyAction()->trigger();
    const QImage figure = QApplication::clipboard()->image();
    ASSERT_FALSE(figure.isNull());
    EXPECT_EQ(figure.size(), layout->size());
    EXPECT_EQ(figure, layout->image());
}

TEST_F(PictureWindows, ViewChartIsOfferedWhileTheResultsAreShown)
{
    QAction* chart = command({"&View", "&Chart"});
    ASSERT_NE(chart, nullptr);
    EXPECT_FALSE(chart->isEnabled());
    ASSERT_TRUE(window.commands().openAtStart(example("float_glass.lvd")));
    EXPECT_TRUE(chart->isEnabled());
    childOf(WindowId::Results)->close();
    EXPECT_FALSE(chart->isEnabled()) << "closing the results window takes the chart item away";
    ASSERT_NE(command({"&View", "Model &Layout"}), nullptr);
}

TEST_F(PictureWindows, TheLayoutNamesItsExperimentAndSwitchesItsLegend)
{
    ASSERT_TRUE(window.commands().openAtStart(example("hfo2_gate_stack.lvd")));
    ASSERT_TRUE(window.showView(WindowId::ModelLayout));
    ChildWindow* sub = childOf(WindowId::ModelLayout);
    auto* layout = dynamic_cast<LayoutPane*>(sub->picture());
    EXPECT_EQ(sub->windowTitle().toStdString(), layout->controller().caption());
    EXPECT_TRUE(sub->windowTitle().startsWith("Model Layout"));
    EXPECT_EQ(MainWindow::windowNamed("Model Layout"), WindowId::ModelLayout);

    const QImage plain = layout->image();
    layout->legendAction()->trigger();
    EXPECT_TRUE(layout->controller().state().legend);
    EXPECT_NE(layout->image(), plain);
    layout->legendAction()->trigger();
    layout->colourAction()->trigger();
    EXPECT_FALSE(layout->controller().state().colour);
    layout->colourAction()->trigger();
    EXPECT_EQ(layout->image(), plain) << "Colours off and on again restores the fills";
}

TEST_F(PictureWindows, ThePolyhedronEditorsAreaBoxTakesOnlyAnArea)
{
    PolyhedronDialog dialog(window.session(), &window);
    dialog.show();
    QLineEdit& area = dialog.areaBox();
    area.clear();
    QTest::keyClicks(&area, "-x3e5,5");
    EXPECT_EQ(area.text(), "35,5");
    EXPECT_FLOAT_EQ(dialog.editor().areas()[0], 35.5f);
    QTest::keyClick(&area, Qt::Key_Delete);
    EXPECT_EQ(area.text(), "");
    QTest::keyClicks(&area, "40");
    dialog.slider().setValue(3);
    EXPECT_EQ(area.text(), "0.0");
    area.selectAll();
    QTest::keyClicks(&area, "60");
    EXPECT_EQ(dialog.graph().plan().pointCount(), 9);
    EXPECT_EQ(*dialog.graph().plan().sets[0].values[3], 60.0);
    EXPECT_EQ(*dialog.graph().plan().sets[0].values[0], 40.0);
}

TEST_F(PictureWindows, TheTransmissionWindowPlotsOverTheKineticEnergy)
{
    TransmissionSettings settings{TransmissionType::Fat, 0.0f, "", 1486.6f};
    TransmissionDialog dialog(window.session(), settings, &window);
    EXPECT_EQ(dialog.windowTitle(), "Transmission Function");
    EXPECT_EQ(dialog.plan().pointCount(), 29);
    EXPECT_EQ(dialog.plan().bottomTitle, "Kinetic Energy (eV)");
}

TEST_F(PictureWindows, ClosingAPictureWindowLeavesTheResultsShown)
{
    ASSERT_TRUE(window.commands().openAtStart(example("hfo2_gate_stack.lvd")));
    for (WindowId id : {WindowId::Chart, WindowId::ModelLayout}) {
        ASSERT_TRUE(window.showView(id)) << CaptionOf(id).toStdString();
        // As the title bar's close button does.
        EXPECT_TRUE(childOf(id)->close());
        EXPECT_FALSE(window.isShown(id));
    }
    EXPECT_TRUE(window.isShown(WindowId::ModelResults));
}

TEST_F(PictureWindows, EachExampleOpensTheModelLayoutAndItsLegendAsItsStoredCodeAsks)
{
    constexpr int kLayoutFlagsShift = 8, kShowLayout = 2, kLegendOn = 4;
    for (const auto& entry : std::filesystem::directory_iterator(example(""))) {
        if (entry.path().extension() != ".lvd")
            continue;
        const std::string path = entry.path().string();
        Document stored;
        Findings findings;
        ASSERT_TRUE(DocumentWasRead(LoadDataFile(stored, path, findings))) << path;
        const int flags = stored.exampleLayout() >> kLayoutFlagsShift;
        const bool layout = (flags & kShowLayout) != 0;

        ASSERT_TRUE(openExample(path)) << path;
        ASSERT_EQ(window.isShown(WindowId::ModelLayout), layout) << path;
        if (!layout)
            continue;
        auto* pane = dynamic_cast<LayoutPane*>(childOf(WindowId::ModelLayout)->picture());
        ASSERT_NE(pane, nullptr);
        EXPECT_EQ(pane->controller().state().legend, (flags & kLegendOn) != 0) << path;
        EXPECT_EQ(pane->legendAction()->isChecked(), pane->controller().state().legend) << path;
    }
}

}  // namespace
}  // namespace slv
