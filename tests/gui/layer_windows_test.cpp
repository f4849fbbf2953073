// The windows of a structure model on the offscreen platform: the model
// IMFP window chosen by the model type, the Model window's row captions, a
// layer name typed in one window shown by the other, the Layer Calculation
// opened from the Layer Thickness window fitting as selvaro-cli fit does,
// the chart and the model drawing following each calculation, and the
// accepted thicknesses surviving a save.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include <QApplication>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "document/data_file.h"
#include "gui/main_window_fixture.h"
#include "session/model_imfp_grid.h"
#include "support/run_cli_binary.h"
#include "support/unfitted_copy.h"
#include "ui/chart_pane.h"
#include "ui/child_window.h"
#include "ui/layer_calculation_window.h"
#include "ui/layout_pane.h"
#include "ui/main_window.h"

namespace slv {
namespace {

const std::string kGateStack = std::string(SLV_SOURCE_DIR) + "/examples/hfo2_gate_stack.lvd";

/// The fitted layers selvaro-cli fit reports for a file.
QJsonArray FittedLayers(const std::string& file)
{
    const test::CliRun cli = test::RunCliBinary("fit '" + file + "' --format json");
    EXPECT_EQ(cli.exitCode, 0) << cli.output;
    return QJsonDocument::fromJson(QByteArray::fromStdString(cli.output))["layers"].toArray();
}

class LayerWindows : public test::MainWindowTest {
protected:
    ~LayerWindows() override { std::filesystem::remove_all(m_folder); }

    /// A copy of the gate stack before its first fit, so that what a fit
    /// stores cannot be mistaken for the example's own results.
    std::string unfittedGateStack()
    {
        std::filesystem::create_directories(m_folder);
        const std::string copy = (m_folder / "gate.lvd").string();
        test::SaveUnfittedCopy(kGateStack, copy);
        return copy;
    }
    /// Opens the Layer Calculation by a double click on the first experiment's number.
    LayerCalculationWindow* openCalculation()
    {
        QHeaderView* numbers = viewOf(WindowId::ModelResults).verticalHeader();
        QTest::mouseDClick(numbers->viewport(), Qt::LeftButton, {}, QPoint(4, numbers->sectionViewportPosition(0) + 4));
        return window.findChild<LayerCalculationWindow*>();
    }
    /// The column of the Layer Thickness window that heads layer 1 ("Layer 1" over its name).
    int firstLayerColumn()
    {
        QAbstractItemModel* shown = viewOf(WindowId::ModelResults).model();
        for (int col = 0; col < shown->columnCount(); ++col)
            if (shown->headerData(col, Qt::Horizontal).toString().startsWith("Layer 1\n"))
                return col;
        return -1;
    }
    QString rowCaption(WindowId id, int row) { return viewOf(id).model()->headerData(row, Qt::Vertical).toString(); }

    const std::filesystem::path m_folder =
        std::filesystem::temp_directory_path() / ("slv_layer_windows_" + std::to_string(::getpid()));
};

TEST_F(LayerWindows, TheModelsImfpWindowAndTheModelWindowShareTheLayerNames)
{
    window.show();
    ASSERT_TRUE(window.commands().openAtStart(kGateStack));
    ASSERT_TRUE(window.showView(WindowId::Model));
    EXPECT_EQ(rowCaption(WindowId::Model, 0), "Name");
    ASSERT_TRUE(window.showView(WindowId::Imfps));
    EXPECT_TRUE(window.isShown(WindowId::ModelImfps)) << "a structure model has the model's IMFP window";
    EXPECT_FALSE(window.isShown(WindowId::Imfps));
    EXPECT_EQ(rowCaption(WindowId::ModelImfps, kModelImfpBulkRow - 1), "Bulk");

    TextGrid& names = window.gridWindow(WindowId::ModelImfps)->grid();
    names.SetRow(3);
    names.SetCol(kModelImfpColName);
    QTest::keyClicks(&viewOf(WindowId::ModelImfps), "Al2O3");
    EXPECT_EQ(window.session().doc().LayerName[3].trimmedText(), "Al2O3");
    const TextGrid& model = window.gridWindow(WindowId::Model)->grid();
    EXPECT_EQ(model.TextMatrix(1, 4), "Al2O3") << "the Model window shows the name typed";
}

// The Layer Calculation opened by a double click on the experiment's number,
// Estimate, Autofit and OK as the analyst does them: the chart and the model
// drawing follow each step, and the accepted thicknesses are those of
// selvaro-cli fit, also after saving and reopening.
TEST_F(LayerWindows, CalculationFitsAsTheCommandLineAndSurvivesSavingAndReopening)
{
    const std::string copy = unfittedGateStack();
    const QJsonArray expected = FittedLayers(copy);
    ASSERT_EQ(expected.size(), 2);

    window.show();
    ASSERT_TRUE(window.commands().openAtStart(copy));
    ASSERT_TRUE(window.showView(WindowId::Chart));
    ASSERT_TRUE(window.showView(WindowId::ModelLayout));
    ASSERT_TRUE(window.showView(WindowId::ModelResults));
    auto* chart = dynamic_cast<ChartPane*>(childOf(WindowId::Chart)->picture());
    auto* layout = dynamic_cast<LayoutPane*>(childOf(WindowId::ModelLayout)->picture());
    ASSERT_NE(chart, nullptr);
    ASSERT_NE(layout, nullptr);
    const int firstLayer = firstLayerColumn();
    ASSERT_GE(firstLayer, 0);
    EXPECT_EQ(viewOf(WindowId::ModelResults).model()->headerData(firstLayer, Qt::Horizontal).toString(),
              "Layer 1\nHfO2");
    LayerCalculationWindow* calculation = openCalculation();
    ASSERT_NE(calculation, nullptr);
    ASSERT_TRUE(calculation->autofitButton().isEnabled());
    const Document& doc = window.session().doc();
    const auto drawsWorkingValues = [&] {
        for (int k = 1; k <= doc.LayerCount; ++k)
            if (layout->controller().state().thickness[k] != doc.LayerThick[k])
                return false;
        return true;
    };

    // The file holds no start: as the command line, estimate one, then fit.
    for (QPushButton* step : {&calculation->estimateButton(), &calculation->autofitButton()}) {
        const QImage drawn = layout->image();
        QTest::mouseClick(step, Qt::LeftButton);
        EXPECT_TRUE(drawsWorkingValues()) << step->text().toStdString();
        EXPECT_NE(layout->image(), drawn) << step->text().toStdString();
    }
    EXPECT_TRUE(calculation->status().text().startsWith("Autofit: ")) << calculation->status().text().toStdString();
    const QImage charted = chart->image();
    QTest::mouseClick(&calculation->okButton(), Qt::LeftButton);
    QApplication::processEvents();
    const auto charts = [plan = &chart->controller().plan()](double thickness) {
        for (const ChartSet& set : plan->sets)
            for (const auto& value : set.values)
                if (value && std::abs(*value - thickness) < 1e-6)
                    return true;
        return false;
    };
    for (int k = 1; k <= 2; ++k) {
        EXPECT_TRUE(charts(doc.ThickRes[1][k])) << "layer " << k;
        EXPECT_FLOAT_EQ(layout->controller().state().thickness[k], doc.ThickRes[1][k]) << "layer " << k;
    }
    EXPECT_NE(chart->image(), charted);
    const QString withDeviation = viewOf(WindowId::ModelResults).model()->index(0, firstLayer).data().toString();
    EXPECT_TRUE(withDeviation.contains(QChar(0xB1))) << withDeviation.toStdString();

    ASSERT_TRUE(window.commands().save());
    ASSERT_TRUE(window.commands().openAtStart(copy));
    ASSERT_TRUE(window.isShown(WindowId::ModelResults));
    const Document& reopened = window.session().doc();
    for (int k = 1; k <= 2; ++k) {
        const double fitted = expected[k - 1].toObject()["thickness"].toDouble();
        EXPECT_NEAR(reopened.ThickRes[1][k], fitted, 1e-4) << "layer " << k;
        const QString shown = viewOf(WindowId::ModelResults).model()->index(0, firstLayer + k - 1).data().toString();
        EXPECT_NEAR(shown.section(' ', 0, 0).toDouble(), fitted, 0.0005)
            << "layer " << k << ": " << shown.toStdString();
    }
}

TEST_F(LayerWindows, AnotherDataSetClosesAnOpenCalculationWithoutWritingIntoIt)
{
    window.show();
    ASSERT_TRUE(window.commands().openAtStart(kGateStack));
    ASSERT_TRUE(window.showView(WindowId::ModelResults));
    QPointer<LayerCalculationWindow> calculation = openCalculation();
    ASSERT_FALSE(calculation.isNull());
    QTest::mouseClick(&calculation->estimateButton(), Qt::LeftButton);

    const std::string islands = std::string(SLV_SOURCE_DIR) + "/examples/cu_islands_on_graphite.lvd";
    ASSERT_TRUE(window.commands().openAtStart(islands));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(calculation.isNull()) << "the calculation of the gate stack stayed open over the islands";
    EXPECT_FALSE(LayerCalculation::OpenOn(window.session()));
    Document stored;
    Findings findings;
    ASSERT_TRUE(DocumentWasRead(LoadDataFile(stored, islands, findings)));
    const Document& doc = window.session().doc();
    EXPECT_EQ(doc.ThickRes[1][1], stored.ThickRes[1][1]) << "the gate stack's estimate reached the islands";
    EXPECT_FALSE(doc.DocDirty);
}

}  // namespace
}  // namespace slv
