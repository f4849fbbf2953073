// The Tools menu's Model submenu on the offscreen platform: where it sits,
// which window offers which command, the Model Summary showing for every
// structured example what selvaro-cli model-check prints and for three
// models the verdict with its picture, and the layer data worked out in the
// windows that show them.
#include <unistd.h>

#include <filesystem>

#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>

#include "main_window_fixture.h"
#include "model/model_table.h"
#include "session/model_imfp_grid.h"
#include "session/save_file.h"
#include "support/layer_models.h"
#include "support/run_cli_binary.h"
#include "ui/model_summary_dialog.h"

namespace slv {
namespace {

const std::string kExamples = std::string(SLV_SOURCE_DIR) + "/examples/";
const char* const kModelMenu[] = {"&Test Model", "&Mark Unused IMFPs", "Calculate Molecular &Weight",
                                  "Calculate Valence &Electrons", "Calculate &IMFPs"};

/// Lines without their trailing blanks, and no empty lines at the end.
QStringList trimmedLines(const QString& text)
{
    QStringList lines = text.split('\n');
    for (QString& line : lines)
        while (line.endsWith(' '))
            line.chop(1);
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

/// What selvaro-cli model-check prints: the captions with their values, the error list and the status line.
struct PrintedSummary {
    std::vector<std::pair<QString, QString>> values;
    QStringList errors;
    QString status;
};

PrintedSummary printedSummary(const std::string& output)
{
    PrintedSummary printed;
    const QStringList lines = QString::fromStdString(output).split('\n');
    qsizetype i = 0;
    for (; i < lines.size() && lines[i] != "Errors:"; ++i)
        if (const qsizetype colon = lines[i].indexOf(':'); colon > 0)
            printed.values.emplace_back(lines[i].left(colon), lines[i].mid(colon + 1).trimmed());
    QStringList errors;
    for (++i; i < lines.size() && !lines[i].startsWith("Status: "); ++i)
        errors << lines[i];
    printed.errors = trimmedLines(errors.join('\n'));
    if (i < lines.size())
        printed.status = lines[i];
    return printed;
}

QString statusWord(ModelTestStatus status)
{
    return status == ModelTestStatus::Clean ? "clean" : status == ModelTestStatus::Doubtful ? "doubtful" : "wrong";
}

class ModelMenu : public test::MainWindowTest {
protected:
    void SetUp() override { window.show(); }
    QAction* tool(const char* caption) { return command({"&Tools", "&Model", caption}); }
    std::vector<bool> enabledTools()
    {
        std::vector<bool> enabled;
        for (const char* caption : kModelMenu)
            enabled.push_back(tool(caption)->isEnabled());
        return enabled;
    }
    /// Runs Test Model in the Model window and lets `look` see the summary it opens.
    void testModel(const std::function<void(ModelSummaryDialog&)>& look)
    {
        ASSERT_TRUE(window.showView(WindowId::Model));
        whileModal([this] { tool("&Test Model")->trigger(); },
                   [&](QWidget& dialog) {
                       auto* summary = dynamic_cast<ModelSummaryDialog*>(&dialog);
                       EXPECT_NE(summary, nullptr);
                       if (summary != nullptr) {
                           EXPECT_EQ(summary->windowTitle(), "Model Summary");
                           look(*summary);
                       }
                       dialog.close();
                   });
    }
};

TEST_F(ModelMenu, SitsBelowLibraryLookupAndOffersEachCommandInItsWindow)
{
    const QList<QAction*> tools = command({"&Tools"})->menu()->actions();
    ASSERT_GE(tools.size(), 3);
    EXPECT_EQ(tools[0]->text(), "&Library Lookup");
    EXPECT_TRUE(tools[1]->isSeparator());
    ASSERT_EQ(tools[2]->text(), "&Model");
    QStringList captions;
    for (QAction* action : tools[2]->menu()->actions())
        captions << action->text();
    EXPECT_EQ(captions, QStringList(std::begin(kModelMenu), std::end(kModelMenu)));

    ASSERT_TRUE(window.commands().openAtStart(kExamples + "hfo2_gate_stack.lvd"));
    struct Case {
        WindowId window;
        std::vector<bool> enabled;
    };
    for (const Case& c : {Case{WindowId::Model, {true, true, true, false, true}},
                          Case{WindowId::ModelImfps, {false, false, false, true, false}},
                          Case{WindowId::Elements, {false, false, false, false, false}}}) {
        ASSERT_TRUE(window.showView(c.window));
        EXPECT_EQ(enabledTools(), c.enabled) << CaptionOf(c.window).toStdString();
    }
}

class PrintedSummaries : public ModelMenu {
protected:
    /// Test Model on the file shows what selvaro-cli model-check prints of it.
    void expectAsPrinted(const std::string& path)
    {
        const PrintedSummary printed = printedSummary(test::RunCliBinary("model-check " + path).output);
        ASSERT_EQ(printed.values.size(), 7u);
        ASSERT_FALSE(printed.status.isEmpty());
        ASSERT_TRUE(window.commands().openAtStart(path));
        testModel([&](ModelSummaryDialog& summary) {
            for (const auto& [caption, value] : printed.values)
                EXPECT_EQ(summary.value(caption), value) << caption.toStdString();
            EXPECT_EQ(trimmedLines(summary.errorList().toPlainText()), printed.errors);
            EXPECT_EQ(QString("Status: %1 (%2)")
                          .arg(statusWord(summary.status()), summary.statusPicture().toolTip().trimmed()),
                      printed.status);
        });
    }
};

TEST_F(PrintedSummaries, OfEveryStructuredExample)
{
    for (const char* example : {"cdse_zns_quantum_dots.lvd", "cu_islands_on_graphite.lvd", "hfo2_gate_stack.lvd",
                                "sio2_on_si.lvd", "tio2_coated_nanotubes.lvd"}) {
        SCOPED_TRACE(example);
        expectAsPrinted(kExamples + example);
    }
}

TEST_F(PrintedSummaries, OfAnExampleWithFaults)
{
    // The gate stack with both layers fixed and the bulk's silicon omitted.
    ASSERT_TRUE(window.commands().openAtStart(kExamples + "hfo2_gate_stack.lvd"));
    {
        auto edit = window.session().edit(Change::Model);
        edit.doc.LayerLink[1] = edit.doc.LayerLink[2] = -1;
        edit.doc.ElModelFlag[4] = 1;
    }
    const auto saved = std::filesystem::temp_directory_path() / ("slv_summary_" + std::to_string(::getpid()) + ".lvd");
    ASSERT_TRUE(SaveDocument(window.session(), saved.string()));
    expectAsPrinted(saved.string());
    std::filesystem::remove(saved);
}

TEST_F(ModelMenu, TheVerdictShowsInThePictureAndItsToolTip)
{
    struct Case {
        const char* name;
        void (*build)(Document&);
        void (*change)(Document&);
        QString errors;
        ModelTestStatus status;
        QString tip;
    };
    const Case cases[] = {
        {"Clean", test::BuildOxidisedWafer, [](Document&) {}, "No errors", ModelTestStatus::Clean, " No errors "},
        {"BothLayersFixed", test::BuildOxidisedWafer,
         [](Document& d) {
             d.LayerLink = {0, -1, -1};
         },
         "- No independent parameter", ModelTestStatus::Wrong, " Level 2 error "},
        {"SmallCarbonNanotube", test::BuildCarbonNanotube,
         [](Document& d) {
             d.SampleRadius = 0.2f;
             d.InnerRadius = 0.1f;
         },
         "- Radius of the carbon nanotube seems to be too small", ModelTestStatus::Clean, " Warning(s) "},
    };
    // The models have no element table worth checking: its findings go to the error stream.
    window.dialogs().setUnattended(true);
    QList<QImage> pictures;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.commands().fileNew();
        {
            auto edit = window.session().edit(ChangeSet::everything());
            c.build(edit.doc);
            c.change(edit.doc);
        }
        testModel([&](ModelSummaryDialog& summary) {
            EXPECT_EQ(summary.errorList().toPlainText().trimmed(), c.errors);
            EXPECT_EQ(summary.status(), c.status);
            EXPECT_EQ(summary.statusPicture().toolTip(), c.tip);
            EXPECT_EQ(summary.errorList().toolTip(), "List of model errors");
            pictures << summary.statusPicture().pixmap().toImage();
        });
    }
    ASSERT_EQ(pictures.size(), 3);
    EXPECT_EQ(pictures[0], pictures[2]) << "a warning alone is clean";
    EXPECT_NE(pictures[0], pictures[1]);
}

TEST_F(ModelMenu, LayerDataAreWorkedOutInTheWindowsThatShowThem)
{
    ASSERT_TRUE(window.commands().openAtStart(kExamples + "hfo2_gate_stack.lvd"));
    {
        auto edit = window.session().edit({});
        edit.doc.LayerMolWeight.fill(0.0f);
        edit.doc.LayerValElec.fill(0);
    }
    ASSERT_TRUE(window.showView(WindowId::Model));
    tool("Calculate Molecular &Weight")->trigger();
    ASSERT_TRUE(window.showView(WindowId::ModelImfps));
    tool("Calculate Valence &Electrons")->trigger();
    // Layer 1 HfO2 and layer 2 SiO2 on a bulk of Si; Si and Hf have 4 valence electrons, O has 6.
    const Document& doc = window.session().doc();
    EXPECT_NEAR(doc.LayerMolWeight[1], 178.49f + 2 * 16.00f, 0.01f);
    EXPECT_EQ(doc.LayerValElec, (LayerTable<Integer>{4, 16, 16, 0, 0, 0}));
    EXPECT_EQ(trimmed(gridOf(WindowId::ModelImfps).TextMatrix(1, kModelImfpColValence)), "16");
}

}  // namespace
}  // namespace slv
