// The windows of a structure model on the offscreen platform: the model
// IMFP window chosen by the model type, the Model window's row captions, a
// layer name typed in one window shown by the other, and the Layer
// Calculation opened from the Layer Thickness window fitting as
// selvaro-cli fit does.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QApplication>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "gui/main_window_fixture.h"
#include "session/model_imfp_grid.h"
#include "support/run_cli_binary.h"
#include "ui/child_window.h"
#include "ui/layer_calculation_window.h"
#include "ui/main_window.h"

namespace slv {
namespace {

const std::string kGateStack = std::string(SLV_SOURCE_DIR) + "/examples/hfo2_gate_stack.lvd";

class LayerWindows : public test::MainWindowTest {
protected:
    QString rowCaption(WindowId id, int row) { return viewOf(id).model()->headerData(row, Qt::Vertical).toString(); }
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

TEST_F(LayerWindows, AutofitOpenedFromTheLayerThicknessWindowFitsAsTheCommandLineDoes)
{
    const test::CliRun cli = test::RunCliBinary("fit '" + kGateStack + "' --format json");
    ASSERT_EQ(cli.exitCode, 0) << cli.output;
    const QJsonArray expected = QJsonDocument::fromJson(QByteArray::fromStdString(cli.output))["layers"].toArray();
    ASSERT_EQ(expected.size(), 2);

    window.show();
    ASSERT_TRUE(window.commands().openAtStart(kGateStack));
    ASSERT_TRUE(window.showView(WindowId::ModelResults));
    GridView& thickness = viewOf(WindowId::ModelResults);
    int firstLayer = -1;
    for (int col = 0; col < thickness.model()->columnCount(); ++col)
        if (thickness.model()->headerData(col, Qt::Horizontal).toString() == "Layer 1\nHfO2")
            firstLayer = col;
    ASSERT_GE(firstLayer, 0) << "the layer's number over its name";

    // A double click on the experiment's number opens the calculation.
    QHeaderView* numbers = thickness.verticalHeader();
    QTest::mouseDClick(numbers->viewport(), Qt::LeftButton, {}, QPoint(4, numbers->sectionViewportPosition(0) + 4));
    auto* calculation = window.findChild<LayerCalculationWindow*>();
    ASSERT_NE(calculation, nullptr);
    EXPECT_EQ(calculation->windowTitle(), "Layer Calculation");
    ASSERT_TRUE(calculation->autofitButton().isEnabled());

    // The file holds no start: as the command line, estimate one, then fit.
    QTest::mouseClick(&calculation->estimateButton(), Qt::LeftButton);
    QTest::mouseClick(&calculation->autofitButton(), Qt::LeftButton);
    EXPECT_TRUE(calculation->status().text().startsWith("Autofit: ")) << calculation->status().text().toStdString();
    QTest::mouseClick(&calculation->okButton(), Qt::LeftButton);
    QApplication::processEvents();

    const Document& doc = window.session().doc();
    for (int k = 1; k <= 2; ++k) {
        const QJsonObject layer = expected[k - 1].toObject();
        EXPECT_NEAR(doc.ThickRes[1][k], layer["thickness"].toDouble(), 1e-4) << "layer " << k;
    }
    const QString shown = thickness.model()->index(0, firstLayer).data().toString();
    EXPECT_TRUE(shown.contains(QChar(0xB1))) << "the fitted thickness with its deviation: " << shown.toStdString();
}

}  // namespace
}  // namespace slv
