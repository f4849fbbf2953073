// The Intensity Simulation window reached through Tools, Simulation...: the
// menu item offered for layer models only, the question before a table
// with intensities, and Calculate appending the experiment that
// selvaro-cli simulate writes for the same thicknesses.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include "gui/main_window_fixture.h"
#include "support/run_cli_binary.h"
#include "ui/grid_view.h"
#include "ui/simulation_window.h"

namespace slv {
namespace {

const std::string kStackToSimulate = std::string(SLV_SOURCE_DIR) + "/examples/hfo2_gate_stack.lvd";

/// The intensities selvaro-cli simulate prints, in element-row order.
std::vector<double> SimulatedByCommandLine(const std::string& thicknesses)
{
    const std::string saved =
        (std::filesystem::temp_directory_path() / ("slv_simulated_" + std::to_string(::getpid()) + ".lvd")).string();
    const test::CliRun cli = test::RunCliBinary("simulate '" + kStackToSimulate + "' --thickness " + thicknesses +
                                                " --save '" + saved + "'");
    std::filesystem::remove(saved);
    EXPECT_EQ(cli.exitCode, 0) << cli.output;
    std::vector<double> intensities;
    std::istringstream lines(cli.output);
    bool inTable = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Element", 0) == 0) {
            inTable = true;
        } else if (inTable && line.rfind("wrote ", 0) != 0) {
            intensities.push_back(std::stod(line.substr(line.find_last_of(' ') + 1)));
        }
    }
    return intensities;
}

class SimulationWindowTest : public test::MainWindowTest {
protected:
    QAction* simulationItem() { return command({"&Tools", "Simulation..."}); }
    /// Lets `act` handle the simulation window as soon as it is the modal one.
    static void whenSimulationOpens(const std::function<void(SimulationWindow&)>& act)
    {
        auto* poll = new QTimer;
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            if (auto* dialog = dynamic_cast<SimulationWindow*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                act(*dialog);
            }
        });
        poll->start();
    }
};

TEST_F(SimulationWindowTest, TheMenuItemIsOfferedForLayerModelsWithElements)
{
    ASSERT_NE(simulationItem(), nullptr);
    EXPECT_FALSE(simulationItem()->isEnabled()) << "nothing to simulate at start";
    ASSERT_TRUE(window.commands().openAtStart(test::kFloatGlassFile));
    EXPECT_FALSE(simulationItem()->isEnabled()) << "a homogeneous sample";
    ASSERT_TRUE(window.commands().openAtStart(kStackToSimulate));
    EXPECT_TRUE(simulationItem()->isEnabled());
    window.session().edit({}).doc.DocDirty = false;
    ASSERT_TRUE(window.commands().fileNew());
    EXPECT_FALSE(simulationItem()->isEnabled());
}

TEST_F(SimulationWindowTest, CalculateAppendsTheExperimentTheCommandLineSimulates)
{
    const std::vector<double> expected = SimulatedByCommandLine("2.5,1.2");
    window.show();
    ASSERT_TRUE(window.commands().openAtStart(kStackToSimulate));
    const Document& doc = window.session().doc();
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(doc.ElemCount));
    const int measured = doc.ExpCount;
    const int thicknessRows = window.gridWindow(WindowId::ModelResults)->grid().Rows();

    bool simulated = false;
    whileModal([&] { simulationItem()->trigger(); },
               [&](QWidget& question) {
                   auto* box = qobject_cast<QMessageBox*>(&question);
                   ASSERT_NE(box, nullptr);
                   EXPECT_TRUE(box->text().startsWith("Intensity data set is not empty.")) << box->text().toStdString();
                   // The simulation window opens once the question is answered.
                   whenSimulationOpens([&](SimulationWindow& simulation) {
                       SimulationWindow* dialog = &simulation;
                       EXPECT_EQ(dialog->windowTitle(), "Intensity Simulation");
                       EXPECT_EQ(dialog->modelBox().text(), "Layers-on-Plane");
                       dialog->experimentBox().setValue(measured + 1);
                       EXPECT_EQ(dialog->stateBox().text(), "Empty");
                       QTest::keyClicks(&dialog->view(), "2.5\r1.2\r");
                       QTest::mouseClick(&dialog->calculateButton(), Qt::LeftButton);
                       simulated = true;
                       EXPECT_EQ(dialog->stateBox().text(), "Calculated");
                       EXPECT_EQ(dialog->experimentBox().maximum(), measured + 2) << "room for one more";
                       QTest::mouseClick(&dialog->closeButton(), Qt::LeftButton);
                   });
                   box->button(QMessageBox::Ok)->click();
               });
    ASSERT_TRUE(simulated);

    const int x = measured + 1;
    EXPECT_EQ(doc.ExpCount, x);
    EXPECT_FLOAT_EQ(doc.ThickRes[x][1], 2.5f);
    EXPECT_FLOAT_EQ(doc.ThickRes[x][2], 1.2f);
    for (int e = 1; e <= doc.ElemCount; ++e)
        EXPECT_NEAR(doc.Intensity[x][e], expected[e - 1], 0.5) << "row " << e;  // printed as whole counts
    EXPECT_FALSE(window.session().model().SimulActive) << "closed";
    EXPECT_EQ(window.gridWindow(WindowId::ModelResults)->grid().Rows(), thicknessRows + 1)
        << "the Layer Thickness window lists the new experiment";
}

}  // namespace
}  // namespace slv
