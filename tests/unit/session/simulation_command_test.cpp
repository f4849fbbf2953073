// Tools, Simulation... before its window opens: the models it opens for,
// the refusal of a model without layers and the question before an
// intensity table with values; and typing thicknesses into the window's
// grid, where only the thickness and coverage cells take keys.
#include <gtest/gtest.h>

#include "session/main_commands.h"
#include "session/simulation_entry.h"
#include "support/fake_window_shell.h"
#include "support/model_cases.h"
#include "support/test_session.h"

namespace slv {
namespace {

struct PrepareCase {
    const char* name;
    ModelType model;
    int layers;
    float intensity;  // of element row 1 in experiment 1
    std::optional<DialogAnswer> answer;
    bool opens;
    std::vector<std::string> messages;
};

class PrepareSimulation : public ::testing::TestWithParam<PrepareCase> {};

TEST_P(PrepareSimulation, AsksWhatTheDataSetNeeds)
{
    const PrepareCase& c = GetParam();
    test::TestSession t;
    test::FakeWindowShell shell;
    MainCommands commands{t.session, shell};
    Document& doc = t.doc();
    doc.setModelType(c.model);
    doc.LayerCount = c.layers;
    doc.ElemCount = 2;
    doc.ExpCount = 1;
    doc.Intensity[1][1] = c.intensity;
    doc.Intensity[1][2] = 0.0f;
    if (c.answer)
        t.dialogs.answers = {*c.answer};

    EXPECT_EQ(commands.prepareSimulation(), c.opens);
    EXPECT_EQ(t.texts(), c.messages);
    if (!t.dialogs.messages.empty() && c.answer) {
        EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Question);
        EXPECT_EQ(t.dialogs.messages[0].defaultButton, 1) << "Cancel is the default";
    }
}

const std::string kOverwriteIntensities = "Intensity data set is not empty.    \r\nDo you want to overwrite?    ";

INSTANTIATE_TEST_SUITE_P(
    ToolsCommands, PrepareSimulation,
    ::testing::Values(
        PrepareCase{"EmptyTableOpensWithoutAQuestion", ModelType::Plane, 2, 0.0f, {}, true, {}},
        PrepareCase{"NoLayers", ModelType::Sphere, 0, 0.0f, {}, false, {"Model structure not defined    "}},
        PrepareCase{"OverwriteAccepted", ModelType::Plane, 1, 5.0f, DialogAnswer::Ok, true, {kOverwriteIntensities}},
        PrepareCase{
            "OverwriteCancelled", ModelType::Nanotube, 1, 5.0f, DialogAnswer::Cancel, false, {kOverwriteIntensities}},
        PrepareCase{"HomogeneousNeverOpens", ModelType::Homogeneous, 1, 0.0f, {}, false, {}},
        PrepareCase{"OxideLayerNeverOpens", ModelType::OxideLayer, 1, 0.0f, {}, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

/// A simulation of two layers on islands: grid rows 1 and 2 are the layers, row 3 the coverage.
class SimulationTyping : public ::testing::Test {
protected:
    SimulationTyping()
    {
        test::ModelWorkspace w;
        test::BuildSample(w, {ModelType::Plane, 2, 3, 1, false});
        t.doc() = w.doc;
        t.model() = w.model;
        t.doc().IslandMode = 1;
        simulation = std::make_unique<Simulation>(t.session);
        entry = std::make_unique<SimulationEntry>(*simulation, t.session);
        grid().SetRow(1);
        grid().SetCol(kSimColThickness);
    }
    TextGrid& grid() { return simulation->Grid(); }
    void type(const std::string& keys)
    {
        for (char ch : keys)
            entry->KeyPress(ch);
    }
    std::string thickness(int row) { return grid().TextMatrix(row, kSimColThickness); }

    test::TestSession t;
    std::unique_ptr<Simulation> simulation;
    std::unique_ptr<SimulationEntry> entry;
};

TEST_F(SimulationTyping, EnterWorksOutTheValueAndMovesDownTheThicknesses)
{
    type("2*0.7");
    entry->KeyDown(GridKey::Enter);
    EXPECT_EQ(thickness(1), "1.4");
    EXPECT_EQ(grid().Row(), 2);
    type("3");
    entry->KeyDown(GridKey::Tab);
    type("0.45");
    entry->KeyDown(GridKey::Enter);
    EXPECT_EQ(grid().Row(), 3) << "the coverage row is the last";
    EXPECT_EQ(thickness(3), "0.45");
    entry->KeyDown(GridKey::Backspace);
    EXPECT_EQ(thickness(3), "0.4");
    entry->KeyDown(GridKey::Delete);
    EXPECT_EQ(thickness(3), "");
    EXPECT_EQ(t.dialogs.beeps, 0);
}

TEST_F(SimulationTyping, OnlyTheThicknessColumnTakesKeys)
{
    for (int col : {kSimColLayer, kSimColLink}) {
        entry->MoveTo(1, col);
        const std::string before = grid().TextMatrix(1, col);
        type("5");
        entry->KeyDown(GridKey::Delete);
        EXPECT_EQ(grid().TextMatrix(1, col), before) << "column " << col;
    }
    EXPECT_EQ(t.dialogs.beeps, 4);
    entry->MoveTo(2, kSimColThickness);
    type("x");
    EXPECT_EQ(thickness(2), "") << "a letter is no part of a thickness";
}

TEST_F(SimulationTyping, ACellLeftWithoutANumberHoldsBackTheCalculation)
{
    type("1-");
    entry->MoveTo(2, kSimColThickness);
    type("2");
    EXPECT_EQ(t.dialogs.beeps, 1) << "leaving 1- beeps";
    EXPECT_FALSE(entry->Commit());
    EXPECT_EQ(grid().Row(), 1) << "the cell to mend becomes current";
    EXPECT_EQ(thickness(1), "1-");
    entry->KeyDown(GridKey::Backspace);
    EXPECT_TRUE(entry->Commit());
    EXPECT_EQ(thickness(1), "1");
    EXPECT_EQ(thickness(2), "2");
}

}  // namespace
}  // namespace slv
