// The Tools menu's Model submenu through a fake shell holding the real Model
// and model IMFP windows: which window each tool needs, the grid read first,
// a model without layers, and what each tool works out and shows again.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "document/library_file.h"
#include "model/layer_materials.h"
#include "model/model_table.h"
#include "platform/fixed_text.h"
#include "session/main_commands.h"
#include "session/model_grid.h"
#include "session/model_imfp_grid.h"
#include "support/fake_window_shell.h"
#include "support/layer_models.h"
#include "support/test_library.h"
#include "support/test_session.h"

namespace slv {
namespace {

class ModelTools : public ::testing::Test {
protected:
    Document& doc() { return t.doc(); }
    ModelTableLayout layout() { return ModelTableLayoutOf(t.session.doc()); }
    /// Opens the Model window on the document as it is now and makes it the active one.
    ModelGrid& openModel()
    {
        model.emplace(t.session);
        shell.attach(WindowId::Model, *model);
        return *model;
    }
    ModelImfpGrid& openModelImfps()
    {
        imfps.emplace(t.session);
        shell.attach(WindowId::ModelImfps, *imfps);
        return *imfps;
    }
    std::string cell(const TextGrid& grid, int row, int col) { return std::string(trimmed(grid.TextMatrix(row, col))); }
    void run(ModelTool tool)
    {
        switch (tool) {
        case ModelTool::TestModel: summary = commands.testModel(); break;
        case ModelTool::MarkUnusedImfps: commands.markUnusedImfps(); break;
        case ModelTool::MolecularWeight: commands.calculateMolecularWeight(); break;
        case ModelTool::ValenceElectrons: commands.calculateValenceElectrons(); break;
        case ModelTool::Imfps: commands.calculateImfps(); break;
        }
    }

    test::TestSession t;
    test::FakeWindowShell shell;
    MainCommands commands{t.session, shell};
    std::optional<ModelGrid> model;
    std::optional<ModelImfpGrid> imfps;
    std::optional<ModelSummary> summary;
};

TEST_F(ModelTools, EachToolIsOfferedInItsOwnWindowOnly)
{
    struct Case {
        const char* name;
        std::optional<WindowId> active;
        ModelType modelType;
        std::vector<ModelTool> enabled;
    };
    const Case cases[] = {
        {"ModelWindow",
         WindowId::Model,
         ModelType::Plane,
         {ModelTool::TestModel, ModelTool::MarkUnusedImfps, ModelTool::MolecularWeight, ModelTool::Imfps}},
        // The model test is one of a structure model.
        {"ModelWindowOfAHomogeneousSample",
         WindowId::Model,
         ModelType::Homogeneous,
         {ModelTool::MarkUnusedImfps, ModelTool::MolecularWeight, ModelTool::Imfps}},
        {"ModelImfpWindow", WindowId::ModelImfps, ModelType::Plane, {ModelTool::ValenceElectrons}},
        {"ElementsWindow", WindowId::Elements, ModelType::Plane, {}},
        {"NoWindow", std::nullopt, ModelType::Plane, {}},
    };
    for (const Case& c : cases) {
        doc().setModelType(c.modelType);
        shell.active = c.active;
        for (ModelTool tool : {ModelTool::TestModel, ModelTool::MarkUnusedImfps, ModelTool::MolecularWeight,
                               ModelTool::ValenceElectrons, ModelTool::Imfps}) {
            const bool expected = std::find(c.enabled.begin(), c.enabled.end(), tool) != c.enabled.end();
            EXPECT_EQ(commands.modelToolEnabled(tool), expected) << c.name << " tool " << static_cast<int>(tool);
        }
    }
}

TEST_F(ModelTools, AModelWhoseGridNamesNoLayerIsNotDefined)
{
    test::BuildOxidisedWafer(doc());
    doc().DocDirty = false;
    ModelGrid& window = openModel();
    // The analyst blanked both layer names; the record still has two layers until the grid is read.
    window.grid().SetTextMatrix(layout().nameRow(), ModelTableColumn(1), "");
    window.grid().SetTextMatrix(layout().nameRow(), ModelTableColumn(2), "");
    for (ModelTool tool :
         {ModelTool::TestModel, ModelTool::MarkUnusedImfps, ModelTool::MolecularWeight, ModelTool::Imfps}) {
        t.dialogs.messages.clear();
        run(tool);
        ASSERT_EQ(t.texts(), std::vector<std::string>{kModelNotDefined}) << static_cast<int>(tool);
        EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Critical);
    }
    EXPECT_FALSE(summary);
    EXPECT_EQ(t.session.doc().LayerCount, 0);
    EXPECT_FALSE(t.session.doc().DocDirty);
}

/// Layer 1 "HfO2" on layer 2 "SiO2" on a bulk of Si, with the atomic weights of the elements.
void BuildGateStack(Document& doc)
{
    test::SetRowsAndLayers(doc, ModelType::Plane,
                           {{"Si", "2p", "Me"}, {"Si", "2p", "Ox"}, {"O", "1s", ""}, {"Hf", "4f", ""}},
                           {{"Si", 1.0f, 2.33f}, {"HfO2", 1.0f, 9.68f}, {"SiO2", 1.0f, 2.2f}});
    doc.AtWeight = {1.008f, 28.0855f, 28.0855f, 15.999f, 178.49f};
    doc.LayerComp[0][1] = 1.0f;
    doc.LayerComp[1][4] = 1.0f;
    doc.LayerComp[1][3] = 2.0f;
    doc.LayerComp[2][2] = 1.0f;
    doc.LayerComp[2][3] = 2.0f;
    doc.DocDirty = false;
    doc.RecalcNeeded = false;
}

TEST_F(ModelTools, MolecularWeightsAddTheAtomicWeightsOfTheAtomsTheGridHolds)
{
    struct Case {
        const char* name;
        float hafniumWeight;
        std::array<float, 3> weights;  // bulk, layer 1, layer 2
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"AllWeightsKnown", 178.49f, {28.0855f, 178.49f + 2 * 15.999f, 28.0855f + 2 * 15.999f}, {}},
        {"HafniumWithoutWeightKeepsItsLayer",
         0.0f,
         {28.0855f, 1.0f, 28.0855f + 2 * 15.999f},
         {std::string(kNoAtomicWeightHeading) + "\r\n\r\n- Layer 1 \"HfO2\": Hf    \r\n"}},
    };
    for (const Case& c : cases) {
        BuildGateStack(doc());
        doc().AtWeight[4] = c.hafniumWeight;
        doc().LayerComp[0][1] = 0.0f;
        ModelGrid& window = openModel();
        ModelImfpGrid& materials = openModelImfps();
        shell.activate(WindowId::Model);
        // The bulk's silicon typed into the grid counts.
        window.grid().SetTextMatrix(layout().compositionRow(1), ModelTableColumn(0), "1");
        t.dialogs.messages.clear();

        run(ModelTool::MolecularWeight);

        for (int k = 0; k <= 2; ++k)
            EXPECT_NEAR(t.session.doc().LayerMolWeight[k], c.weights[static_cast<std::size_t>(k)], 1e-3)
                << c.name << " layer " << k;
        EXPECT_EQ(t.texts(), c.messages) << c.name;
        // Both windows that show the weights show the new ones.
        EXPECT_EQ(cell(window.grid(), layout().molWeightRow(), ModelTableColumn(2)), "60.08") << c.name;
        EXPECT_EQ(cell(materials.grid(), 2, kModelImfpColMolWeight), "60.08") << c.name;
        EXPECT_TRUE(t.session.doc().DocDirty && t.session.doc().RecalcNeeded) << c.name;
    }
}

class ValenceElectrons : public ModelTools {
protected:
    /// Bulk "Fe"; layer 1 "Fe2O3"; layer 2 "CH" of fractional atoms (H 1.4, C 0.2, Fe 0.2, each 1.4
    /// electrons in the test library, where C has 7, O 9 and Fe 7); layer 3 "ZzO" whose Zz the library lacks.
    void SetUp() override
    {
        test::SetRowsAndLayers(
            doc(), ModelType::Plane, {{"Fe", "2p", ""}, {"O", "1s", ""}, {"C", "1s", ""}, {"Zz", "1s", ""}},
            {{"Fe", 55.8f, 7.87f}, {"Fe2O3", 159.7f, 5.24f}, {"CH", 13.0f, 1.0f}, {"ZzO", 50.0f, 3.0f}});
        doc().LayerComp[0][1] = 1.0f;
        doc().LayerComp[1] = {0.0f, 2.0f, 3.0f};
        doc().LayerComp[2] = {1.4f, 0.2f, 0.0f, 0.2f};
        doc().LayerComp[3] = {0.0f, 0.0f, 1.0f, 0.0f, 1.0f};
        doc().ValElectrons[4] = kEmptyValue;  // the lookup found no such element
        doc().LayerValElec = {5, 5, 5, 5};
        doc().DocDirty = false;
    }
};

TEST_F(ValenceElectrons, CountedFromTheLibraryAndRoundedOnce)
{
    ModelImfpGrid& materials = openModelImfps();
    // Without the library the numbers of the element rows are not known: nothing is counted.
    const test::LibraryFolder none(std::vector<std::byte>{});
    t.setProgramFolder(none.path());
    run(ModelTool::ValenceElectrons);
    EXPECT_EQ(t.texts().back(), "Library access error    ");
    EXPECT_EQ(t.session.doc().LayerValElec, (LayerTable<Integer>{5, 5, 5, 5, 0, 0}));
    EXPECT_FALSE(t.session.doc().DocDirty);

    const test::LibraryFolder library(LibraryBytes(test::SmallLibrary()));
    t.setProgramFolder(library.path());
    t.dialogs.messages.clear();
    run(ModelTool::ValenceElectrons);
    EXPECT_EQ(t.session.doc().LayerValElec, (LayerTable<Integer>{7, 41, 4, 0, 0, 0}));
    EXPECT_EQ(t.texts(), std::vector<std::string>{std::string(kNoValenceElectronsHeading) +
                                                  "\r\n\r\n- Layer 3 \"ZzO\": Zz    \r\n"});
    EXPECT_EQ(cell(materials.grid(), 1, kModelImfpColValence), "41");
    EXPECT_TRUE(t.session.doc().DocDirty);
}

TEST_F(ModelTools, MarkUnusedImfpsFollowsTheCompositionTyped)
{
    // Wafer: C (row 4) only in layer 1 on top, so its IMFP below is marked; Si metal (row 1) only in the bulk.
    test::BuildOxidisedWafer(doc());
    doc().DocDirty = false;
    ModelGrid& window = openModel();
    TextGrid& grid = window.grid();
    const int bulk = ModelTableColumn(0);
    ASSERT_EQ(grid.TextMatrix(layout().imfpRow(4), bulk), kUnusedImfpMark);
    ASSERT_EQ(cell(grid, layout().imfpRow(1), bulk), "3.20");

    // Carbon typed into the bulk, the bulk's Si metal taken out.
    grid.SetTextMatrix(layout().compositionRow(4), bulk, "1");
    grid.SetTextMatrix(layout().compositionRow(1), bulk, "");
    run(ModelTool::MarkUnusedImfps);

    // Carbon's electrons now cross every region: its cells ask for values.
    EXPECT_EQ(cell(grid, layout().imfpRow(4), bulk), "");
    EXPECT_EQ(cell(grid, layout().imfpRow(4), ModelTableColumn(2)), "");
    // Si metal is nowhere: its values are no longer used.
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(grid.TextMatrix(layout().imfpRow(1), ModelTableColumn(k)), kUnusedImfpMark) << k;
        EXPECT_EQ(t.session.doc().LayerIMFP[k][1], 0.0f) << k;
    }
    EXPECT_TRUE(t.session.doc().DocDirty && t.session.doc().RecalcNeeded);
}

class LayerImfps : public ModelTools {
protected:
    /// Cu on Cu with the Cu 2p line at 1000 eV kinetic energy: element class, A = 63.55, rho = 8.96.
    void SetUp() override
    {
        test::SetRowsAndLayers(doc(), ModelType::Plane, {{"Cu", "2p", ""}},
                               {{"Cu", 63.55f, 8.96f}, {"Cu", 63.55f, 8.96f}});
        doc().ExcEnergy = 1486.6f;
        doc().BindEnergy[1] = 486.6f;
        doc().AtomicNo[1] = 29;
        doc().AtWeight[1] = 63.55f;
        doc().LayerComp[0][1] = doc().LayerComp[1][1] = 1.0f;
        doc().setLayerClass(0, MaterialClass::Element);
        doc().setLayerClass(1, MaterialClass::Element);
        doc().setModelImfpMethod(ImfpMethod::SeahDench);
        doc().DocDirty = false;
        doc().RecalcNeeded = false;
    }
    /// Seah-Dench: monolayer 0.2275 nm, lambda = 538 a / E^2 + 0.41 a^1.5 sqrt(E).
    static constexpr float kCopperLambdaNm = 1.41f;
};

TEST_F(LayerImfps, EveryLayerOrTheOneWhoseColumnIsSelected)
{
    ModelGrid& window = openModel();
    TextGrid& grid = window.grid();
    // The layer's column selected from its name down.
    grid.SetRow(layout().nameRow());
    grid.SetCol(ModelTableColumn(1));
    grid.SetRowSel(layout().imfpRow(1));
    run(ModelTool::Imfps);
    EXPECT_NEAR(t.session.doc().LayerIMFP[1][1], kCopperLambdaNm, 0.01f);
    EXPECT_EQ(t.session.doc().LayerIMFP[0][1], 0.0f);
    EXPECT_EQ(cell(grid, layout().imfpRow(1), ModelTableColumn(1)), "1.41");

    // One cell is no choice of a layer: all of them.
    grid.SetRow(layout().nameRow());
    grid.SetCol(ModelTableColumn(1));
    run(ModelTool::Imfps);
    EXPECT_NEAR(t.session.doc().LayerIMFP[0][1], kCopperLambdaNm, 0.01f);
    EXPECT_TRUE(t.session.doc().DocDirty && t.session.doc().RecalcNeeded);
}

TEST(SelectedLayer, OnlyABlockInOneColumnOfALayerInUse)
{
    struct Case {
        const char* name;
        CellRange selection;  // top, left, bottom, right
        std::optional<int> layer;
    };
    const Case cases[] = {{"ColumnOfLayer2", {1, 3, 9, 3}, 2},
                          {"ColumnOfTheBulk", {1, 7, 9, 7}, 0},
                          {"TwoColumns", {1, 2, 9, 3}, std::nullopt},
                          {"LayerNotInUse", {1, 5, 9, 5}, std::nullopt}};
    for (const Case& c : cases) {
        TextGrid grid(12, kModelTableCols);
        grid.SetRow(c.selection.top);
        grid.SetCol(c.selection.left);
        grid.SetRowSel(c.selection.bottom);
        grid.SetColSel(c.selection.right);
        EXPECT_EQ(SelectedLayer(grid, 3), c.layer) << c.name;
    }
}

}  // namespace
}  // namespace slv
