// The windows of a structure model on the offscreen platform: the model
// IMFP window chosen by the model type, the Model window's row captions,
// and a layer name typed in one window shown by the other.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QApplication>
#include <QMdiSubWindow>
#include <QTest>

#include "session/model_imfp_grid.h"
#include "ui/child_window.h"
#include "ui/main_window.h"

namespace slv {
namespace {

const std::string kGateStack = std::string(SLV_SOURCE_DIR) + "/examples/hfo2_gate_stack.lvd";

class LayerWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        s_application = new QApplication(argc, argv);
    }
    // The application goes before the program's exit handlers run.
    static void TearDownTestSuite()
    {
        delete s_application;
        s_application = nullptr;
    }

    GridView& viewOf(WindowId id)
    {
        ChildWindow* child = nullptr;
        for (QMdiSubWindow* sub : window.findChildren<QMdiSubWindow*>())
            if (auto* c = dynamic_cast<ChildWindow*>(sub); c != nullptr && c->id() == id)
                child = c;
        return child->view();
    }
    QString rowCaption(WindowId id, int row) { return viewOf(id).model()->headerData(row, Qt::Vertical).toString(); }

    static inline QApplication* s_application = nullptr;
    MemorySettingsStore settings;
    MainWindow window{settings, SLV_LIBRARY_DIR};
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

}  // namespace
}  // namespace slv
