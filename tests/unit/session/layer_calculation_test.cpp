// The layer calculation window without widgets: what opening shows, the
// checks of thickness and coverage edits, the history of the last three
// calculations, the row-header click (reference and omission), the two
// Autofit preconditions, and what accept, cancel and a change of experiment
// leave in the document.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "model/model_regions.h"
#include "model/thickness_checks.h"
#include "session/layer_calculation.h"
#include "session/layer_calculation_entry.h"
#include "support/model_cases.h"
#include "support/test_session.h"

namespace slv {
namespace {

using test::SampleShape;

/// The structures whose intensities serve as the measurement of experiments 1 and 2.
const LayerTable<double> kTruth{0.0, 1.3, 2.1};
const LayerTable<double> kTruthOfSecond{0.0, 0.9, 1.5};

/// Two layers on a plane, four element rows (rows 1 and 4 in the bulk, 2 in
/// layer 1, 3 in layer 2), two experiments measured on different structures.
/// The working thicknesses are the true ones of experiment 1.
struct MeasuredSample {
    /// prepare completes the document before the measurement is simulated.
    explicit MeasuredSample(
        const SampleShape& shape = {ModelType::Plane, 2, 4, 2, false}, const LayerTable<double>& truth = kTruth,
        const std::function<void(Document&)>& prepare = [](Document&) {})
    {
        test::ModelWorkspace w;
        test::BuildSample(w, shape);
        prepare(w.doc);
        if (shape.angleResolved || shape.experiments == 1) {
            EXPECT_TRUE(test::SimulateMeasurement(w, truth, 0.0));
        } else {
            w.model.ModelExperiment = 2;
            EXPECT_TRUE(test::SimulateMeasurement(w, kTruthOfSecond, 0.0));
            w.model.ModelExperiment = 1;
            EXPECT_TRUE(test::SimulateMeasurement(w, truth, 0.0));
        }
        w.model.FitExpCount = 1;
        t.doc() = w.doc;
        t.res() = w.res;
        t.model() = w.model;
    }
    std::string cell(const LayerCalculation& calc, int row, int col) const { return calc.Grid().TextMatrix(row, col); }
    const std::vector<MessageRequest>& messages() const { return t.dialogs.messages; }
    void useDecimalSeparator(char decSep)
    {
        Environment environment = t.session.environment();
        environment.DecSep = decSep;
        t.session.setEnvironment(environment);
    }

    test::TestSession t;
    Document& doc = t.doc();
    ModelState& model = t.model();
    QuantResults& res = t.res();
};

TEST(LayerCalculation, OpeningShowsTheWorkingThicknessesCalculatedAgainstTheMeasurement)
{
    for (const auto& [lengthUnit, unitCaption] : {std::pair{0, "[ nm ]"}, std::pair{1, "[ A ]"}}) {
        MeasuredSample m;
        m.doc.setLengthUnit(static_cast<LengthUnit>(lengthUnit));
        test::RecordingObserver views(m.t.session);
        LayerCalculation calc(m.t.session);

        EXPECT_TRUE(m.messages().empty());
        EXPECT_TRUE(calc.AutofitEnabled());
        EXPECT_EQ(views.notices, std::vector<ChangeSet>{Change::Model});  // once, though it calculated
        EXPECT_EQ(calc.QSumRow(), 5);
        EXPECT_EQ(m.cell(calc, calc.LayerRow(0), kCalcColMeasured), unitCaption);
        EXPECT_EQ(calc.CoverageRow(), 0);
        EXPECT_EQ(calc.Grid().Rows(), calc.LayerRow(2) + 1);
        // The working thicknesses are the measured structure: every ratio agrees.
        for (int e = 1; e <= 4; ++e) {
            EXPECT_EQ(m.cell(calc, e, kCalcColHeader), std::to_string(e));
            EXPECT_EQ(m.cell(calc, e, kCalcColMeasured), m.cell(calc, e, kCalcColCurrent)) << "row " << e;
        }
        EXPECT_EQ(m.cell(calc, calc.QSumRow(), kCalcColCurrent), "0.0000");
        EXPECT_EQ(m.cell(calc, calc.LayerRow(1), kCalcColLabel), "Layer1");
        EXPECT_EQ(m.cell(calc, calc.LayerRow(1), kCalcColDiff), " = ");
        EXPECT_EQ(m.cell(calc, calc.LayerRow(1), kCalcColCurrent), "1.300");
        EXPECT_EQ(m.cell(calc, calc.LayerRow(2), kCalcColCurrent), "2.100");
    }
}

TEST(LayerCalculation, ModelErrorsOnOpeningAreShownOnceAndKeepAutofitOff)
{
    MeasuredSample m;
    m.doc.LayerName[2] = "";
    LayerCalculation calc(m.t.session);

    ASSERT_EQ(m.messages().size(), 1u);
    EXPECT_EQ(m.messages()[0].text, "Model error(s):\r\n- Layer 2 not defined   \r\n");
    EXPECT_FALSE(calc.AutofitEnabled());
    EXPECT_FALSE(calc.Autofit().started);
    EXPECT_EQ(m.messages().size(), 1u);
}

TEST(LayerCalculation, EditsAreCheckedThenCalculated)
{
    struct Case {
        const char* name;
        char decSep;
        int layer;
        int col;
        const char* text;
        bool accepted;
        double thickness;  // of the layer afterwards
    };
    // A refused negative thickness is typed in the entry's table below.
    const Case cases[] = {
        {"decimal comma", ',', 2, kCalcColCurrent, "1,75", true, 1.75},
        {"blank cell reads as 0", '.', 2, kCalcColCurrent, "", true, 0.0},
        {"previous thickness is no input", '.', 1, kCalcColPrevious, "0.9", false, 1.3},
        {"measured column", '.', 1, kCalcColMeasured, "0.9", false, 1.3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MeasuredSample m;
        m.useDecimalSeparator(c.decSep);
        LayerCalculation calc(m.t.session);
        const double qSumBefore = m.model.History.QSum[0];

        EXPECT_EQ(calc.EditCell(calc.LayerRow(c.layer), c.col, c.text), c.accepted);
        EXPECT_FLOAT_EQ(m.doc.LayerThick[c.layer], c.thickness);
        EXPECT_TRUE(m.messages().empty());
        // Only an accepted value is calculated: the Q sum moves away from 0.
        EXPECT_EQ(m.model.History.QSum[0] != qSumBefore, c.accepted);
    }
}

TEST(LayerCalculation, CoverageEditsOfIslandsAreCheckedThenCalculated)
{
    MeasuredSample m;
    // Layer 1 becomes an island holding rows 2 and 3, enough to fit its coverage.
    m.doc.IslandMode = 1;
    m.doc.LayerKind[1] = 2;
    m.doc.LayerComp[1][3] = 0.7f;
    m.doc.AutoCov = true;
    m.doc.Coverage = 0.6;
    LayerCalculation calc(m.t.session);
    ASSERT_EQ(calc.CoverageRow(), calc.LayerRow(2) + 1);
    EXPECT_EQ(m.cell(calc, calc.CoverageRow(), kCalcColLabel), "Coverage");

    for (const char* refused : {"1.2", "-0.1"}) {
        EXPECT_FALSE(calc.EditCell(calc.CoverageRow(), kCalcColCurrent, refused));
        EXPECT_EQ(m.messages().back().text, kCoverageRangeText);
        EXPECT_EQ(m.cell(calc, calc.CoverageRow(), kCalcColCurrent), "0.600");
    }
    ASSERT_EQ(m.messages().size(), 2u);
    EXPECT_TRUE(calc.EditCell(calc.CoverageRow(), kCalcColCurrent, "1"));
    EXPECT_DOUBLE_EQ(m.doc.Coverage, 1.0);
    EXPECT_EQ(m.cell(calc, calc.CoverageRow(), kCalcColPrevious), "0.600");
}

TEST(LayerCalculation, EveryCalculationShiftsTheHistoryByOneColumn)
{
    MeasuredSample m;
    LayerCalculation calc(m.t.session);
    ASSERT_TRUE(calc.SetThickness(1, 1.0));
    const std::string calculatedAtOne = m.cell(calc, 2, kCalcColCurrent);
    ASSERT_TRUE(calc.SetThickness(1, 0.8));

    const int layerRow = calc.LayerRow(1);
    EXPECT_EQ(m.cell(calc, layerRow, kCalcColCurrent), "0.800");
    EXPECT_EQ(m.cell(calc, layerRow, kCalcColPrevious), "1.000");
    EXPECT_EQ(m.cell(calc, layerRow, kCalcColBefore), "1.300");
    EXPECT_EQ(m.cell(calc, calc.LayerRow(2), kCalcColBefore), "2.100");
    EXPECT_EQ(m.cell(calc, 2, kCalcColPrevious), calculatedAtOne);
    // Moving layer 1 away from the measured structure worsens the agreement step by step.
    const auto& qSum = m.model.History.QSum;
    EXPECT_GT(qSum[0], qSum[1]);
    EXPECT_GT(qSum[1], qSum[2]);
    EXPECT_EQ(m.cell(calc, calc.QSumRow(), kCalcColBefore), "0.0000");
}

TEST(LayerCalculation, DeviationsAndOversizedValuesAreShownBlankOrAsHash)
{
    MeasuredSample m;
    m.res.ResultValue[1][3] = 0.0f;  // element row 3 not measured
    LayerCalculation calc(m.t.session);
    EXPECT_EQ(m.cell(calc, 3, kCalcColMeasured), "0.000");
    EXPECT_EQ(m.cell(calc, 3, kCalcColDiff), "");  // -100 % is not shown
    EXPECT_NE(m.cell(calc, 2, kCalcColDiff), "");

    CalcHistory& history = m.model.History;
    history.RelIntensity[0][2] = 100000.0;
    history.RelIntensity[1][2] = 99999.9;
    history.QSum[1] = 10000.0;
    history.QSum[2] = 9999.99;
    calc.SetThickness(1, -1.0);  // refused: the grid is only refilled
    EXPECT_EQ(m.cell(calc, 2, kCalcColCurrent), "#");
    EXPECT_EQ(m.cell(calc, 2, kCalcColPrevious), "99999.900");
    EXPECT_EQ(m.cell(calc, calc.QSumRow(), kCalcColPrevious), "#");
    EXPECT_EQ(m.cell(calc, calc.QSumRow(), kCalcColBefore), "9999.9900");
}

TEST(LayerCalculation, RowHeaderMakesTheReferenceAndTogglesTheOmission)
{
    MeasuredSample m;
    LayerCalculation calc(m.t.session);
    ASSERT_EQ(m.res.RefElem, 1);

    // Row 4 shares the bulk with row 1: omitting it leaves the system defined.
    calc.ClickRowHeader(4);
    EXPECT_TRUE(m.messages().empty());
    EXPECT_EQ(m.res.RefElem, 4);
    EXPECT_EQ(m.doc.ElModelFlag[4], 1);
    EXPECT_EQ(m.cell(calc, 4, kCalcColHeader), "X");
    EXPECT_TRUE(calc.AutofitEnabled());
    // Measured and calculated ratios are both seen against row 4 now.
    EXPECT_EQ(m.cell(calc, 4, kCalcColMeasured), "1.000");
    EXPECT_EQ(m.cell(calc, 4, kCalcColCurrent), "1.000");
    EXPECT_EQ(m.cell(calc, calc.QSumRow(), kCalcColCurrent), "0.0000");

    calc.ClickRowHeader(4);
    EXPECT_EQ(m.doc.ElModelFlag[4], 0);
    EXPECT_EQ(m.cell(calc, 4, kCalcColHeader), "4");

    // Row 2 is the only element of layer 1: without it the system is ill-defined.
    calc.ClickRowHeader(2);
    ASSERT_EQ(m.messages().size(), 1u);
    EXPECT_EQ(m.messages()[0].text.rfind("Model error(s):\r\n\r\n- The model system is", 0), 0u)
        << m.messages()[0].text;
    EXPECT_EQ(m.messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(m.doc.ElModelFlag[2], 0);
    EXPECT_EQ(m.cell(calc, 2, kCalcColHeader), "2");
    EXPECT_TRUE(calc.AutofitEnabled());

    // An element without a measured value cannot be the reference.
    m.res.ResultValue[1][3] = 0.0f;
    const int reference = m.res.RefElem;
    calc.ClickRowHeader(3);
    EXPECT_EQ(m.res.RefElem, reference);
}

TEST(LayerCalculation, AutofitNeedsAnEstimateAndAQSumBelowFifty)
{
    struct Case {
        const char* name;
        LayerTable<double> start;
        double qSum;  // set after opening; negative: as calculated
        const char* warning;
    };
    const Case cases[] = {
        {"no thickness estimated", {0.0, 0.0, 0.0}, -1.0, kEstimateThicknessText},
        {"Q sum of exactly 50", {0.0, 1.5, 1.9}, 50.0, kRefineThicknessText},
        {"Q sum just below 50", {0.0, 1.5, 1.9}, 49.99, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MeasuredSample m;
        m.doc.LayerThick = c.start;
        LayerCalculation calc(m.t.session);
        if (c.qSum >= 0.0)
            m.model.History.QSum[0] = c.qSum;

        const AutofitRun run = calc.Autofit();
        EXPECT_EQ(run.started, c.warning == nullptr);
        if (c.warning) {
            ASSERT_EQ(m.messages().size(), 1u);
            EXPECT_EQ(m.messages()[0].text, c.warning);
            EXPECT_EQ(m.messages()[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(run.findings.texts(), std::vector<std::string>{c.warning});
            EXPECT_EQ(m.doc.LayerThick, c.start);
        } else {
            EXPECT_NEAR(m.doc.LayerThick[1], kTruth[1], 1e-4);
        }
    }
}

TEST(LayerCalculation, AutofitThenAcceptStoresTheFittedThicknesses)
{
    MeasuredSample m;
    m.doc.LayerThick = {0.0, 1.6, 1.7};
    LayerCalculation calc(m.t.session);
    test::RecordingObserver views(m.t.session);
    const AutofitRun run = calc.Autofit();
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(run.summary.succeeded()) << run.summary.briefReport();
    EXPECT_EQ(views.notices, std::vector<ChangeSet>{Change::Model});
    for (int k = 1; k <= 2; ++k)
        EXPECT_NEAR(m.doc.LayerThick[k], kTruth[k], 1e-4 * kTruth[k]);
    // The grid is calculated anew for the fitted thicknesses.
    EXPECT_LT(m.model.History.QSum[0], 1e-8);
    EXPECT_EQ(m.model.History.Thick[0], m.doc.LayerThick);
    EXPECT_EQ(m.doc.ThickRes[1][1], kEmptyValue);
    EXPECT_FALSE(m.doc.DocDirty);

    calc.Accept();
    for (int k = 1; k <= 2; ++k)
        EXPECT_EQ(m.doc.ThickRes[1][k], static_cast<float>(m.doc.LayerThick[k]));
    EXPECT_EQ(m.doc.CoverRes[1], kEmptyValue);  // no islands
    EXPECT_EQ(m.doc.ThickRes[2][1], kEmptyValue);
    EXPECT_TRUE(m.doc.DocDirty);
    EXPECT_EQ(views.notices.back(), (ChangeSet{Change::Model, Change::DirtyFlag}));
}

TEST(LayerCalculation, AcceptKeepsTheDeviationsOfAConvergedAutofitOnly)
{
    // Accepted untouched after the fit, accepted after a thickness was
    // typed, and stored on the way to another experiment after the fit.
    enum class After { Nothing, Edit, SwitchExperiment };
    for (const After after : {After::Nothing, After::Edit, After::SwitchExperiment}) {
        SCOPED_TRACE(static_cast<int>(after));
        MeasuredSample m;
        m.doc.LayerThick = {0.0, 1.6, 1.7};
        m.model.Spreads.Record(1, 2, 9.0f, 1.0);  // of an earlier result
        LayerCalculation calc(m.t.session);
        ASSERT_TRUE(calc.Autofit().started);
        if (after == After::Edit)
            calc.SetThickness(2, 2.0);
        if (after == After::SwitchExperiment)
            calc.ChangeExperiment(2);
        else
            calc.Accept();

        for (int k = 1; k <= 2; ++k) {
            const auto spread = m.model.Spreads.SpreadOf(1, k, m.doc.ThickRes[1][k]);
            if (after == After::Edit && k == 2) {
                EXPECT_FALSE(spread) << "a typed thickness has no deviation";
                continue;
            }
            ASSERT_TRUE(spread) << "layer " << k;
            EXPECT_GE(*spread, 0.0);
            EXPECT_LT(*spread, 0.1 * kTruth[k]);
        }
        EXPECT_FALSE(m.model.Spreads.SpreadOf(1, 2, 9.0f)) << "the earlier result's deviation is gone";
    }
}

TEST(LayerCalculation, TypingReachesOnlyTheCurrentThicknessAndIsCommittedOnEnterOrLeaving)
{
    struct Case {
        const char* name;
        int layer;  // 0: the Q sum row
        int col;
        const char* typed;
        bool leaveByMove;
        int beeps;
        double layer1;  // the working thickness of layer 1 afterwards
        const char* message;
    };
    const Case cases[] = {
        {"a value", 1, kCalcColCurrent, "1.5", false, 0, 1.5, nullptr},
        {"worked out", 1, kCalcColCurrent, "2*0.7", true, 0, 1.4, nullptr},
        {"refused and restored", 1, kCalcColCurrent, "-0.5", false, 0, 1.3, kNegativeThicknessText},
        {"the previous value is not typed over", 1, kCalcColPrevious, "9", false, 2, 1.3, nullptr},
        {"nor the Q sum", 0, kCalcColCurrent, "9", false, 2, 1.3, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MeasuredSample m;
        LayerCalculation calc(m.t.session);
        LayerCalculationEntry entry(calc, m.t.session);
        const int row = c.layer > 0 ? calc.LayerRow(c.layer) : calc.QSumRow();
        entry.MoveTo(row, c.col);
        const std::string before = m.cell(calc, row, c.col);
        entry.KeyDown(GridKey::Delete);  // typed keys add to the cell's text
        for (const char* ch = c.typed; *ch != '\0'; ++ch)
            entry.KeyPress(*ch);
        if (c.leaveByMove)
            entry.MoveTo(calc.LayerRow(2), kCalcColCurrent);
        else
            entry.KeyDown(GridKey::Enter);

        EXPECT_EQ(m.t.dialogs.beeps, c.beeps);
        EXPECT_NEAR(m.doc.LayerThick[1], c.layer1, 1e-6);
        if (c.message) {
            ASSERT_EQ(m.messages().size(), 1u);
            EXPECT_EQ(m.messages()[0].text, c.message);
            EXPECT_EQ(m.messages()[0].icon, MessageIcon::Exclamation);
        } else {
            EXPECT_TRUE(m.messages().empty());
        }
        if (c.beeps > 0 || c.message) {
            EXPECT_EQ(m.cell(calc, row, c.col), before);
        }
        EXPECT_FALSE(entry.Commit()) << "nothing is left to commit";
    }
}

TEST(LayerCalculation, CancelStoresNothing)
{
    MeasuredSample m;
    LayerCalculation calc(m.t.session);
    calc.SetThickness(1, 0.5);
    test::RecordingObserver views(m.t.session);
    calc.Cancel();
    EXPECT_EQ(m.doc.ThickRes[1][1], kEmptyValue);
    EXPECT_FALSE(m.doc.DocDirty);
    EXPECT_EQ(views.notices, std::vector<ChangeSet>{Change::Model});
}

TEST(LayerCalculation, ChangingTheExperimentStoresTheOneLeftAndLoadsTheNext)
{
    MeasuredSample m;
    m.doc.ThickRes[2][1] = static_cast<float>(kTruthOfSecond[1]);
    LayerCalculation calc(m.t.session);
    calc.ChangeExperiment(2);

    EXPECT_EQ(calc.Experiment(), 2);
    EXPECT_EQ(m.doc.ThickRes[1][1], 1.3f);
    EXPECT_EQ(m.doc.ThickRes[1][2], 2.1f);
    EXPECT_TRUE(m.doc.DocDirty);
    EXPECT_DOUBLE_EQ(m.doc.LayerThick[1], static_cast<float>(kTruthOfSecond[1]));
    EXPECT_EQ(m.doc.LayerThick[2], 0.0);  // empty result
    EXPECT_EQ(m.cell(calc, calc.LayerRow(1), kCalcColPrevious), "1.300");

    for (int outside : {0, 3}) {
        calc.ChangeExperiment(outside);
        EXPECT_EQ(calc.Experiment(), 2);
    }
}

TEST(LayerCalculation, AngleResolvedResultsLiveInExperimentOne)
{
    MeasuredSample m({ModelType::Plane, 2, 3, 4, true});
    m.model.ModelExperiment = 3;
    m.doc.LayerThick = {0.0, 1.4, 2.0};
    LayerCalculation calc(m.t.session);
    EXPECT_EQ(m.model.FitExpCount, 4);

    // The thicknesses belong to every angle: switching keeps them (as stored).
    calc.ChangeExperiment(2);
    EXPECT_EQ(m.doc.LayerThick, (LayerTable<double>{0.0, 1.4f, 2.0f}));
    EXPECT_EQ(m.doc.ThickRes[1][1], 1.4f);
    EXPECT_EQ(m.doc.ThickRes[3][1], kEmptyValue);

    ASSERT_TRUE(calc.Autofit().started);
    calc.Accept();
    EXPECT_NEAR(m.doc.ThickRes[1][1], kTruth[1], 1e-4);
    EXPECT_NEAR(m.doc.ThickRes[1][2], kTruth[2], 1e-4);
    for (int exp = 2; exp <= 4; ++exp)
        EXPECT_EQ(m.doc.ThickRes[exp][1], kEmptyValue) << exp;
}

TEST(LayerCalculation, ModifiedTubeLayerIsFittedAndRefusedWhenThickerThanTheWall)
{
    const LayerTable<double> truth{0.0, 0.4, 0.7};
    MeasuredSample m({ModelType::Nanotube, 2, 3, 1, false}, truth, [](Document& d) {
        test::SetTubeRadii(d);  // wall from radius 6 to 8
        d.setModifiedTubeLayer(true);
    });
    EXPECT_TRUE(m.messages().empty());
    m.doc.LayerThick = {0.0, 0.5, 0.56};
    LayerCalculation calc(m.t.session);

    const AutofitRun run = calc.Autofit();
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(run.summary.succeeded()) << run.summary.briefReport();
    EXPECT_NEAR(m.doc.LayerThick[1], truth[1], 1e-3);
    EXPECT_NEAR(m.doc.LayerThick[2], truth[2], 1e-3);

    const double qSum = m.model.History.QSum[0];
    EXPECT_FALSE(calc.SetThickness(1, 1.5));  // 1.5 + 0.7 leaves no wall above radius 6
    EXPECT_EQ(m.messages().back().text, kModifiedLayerTooThickText);
    EXPECT_EQ(m.model.History.QSum[0], qSum);
}

TEST(LayerCalculation, WarningsOnOpeningAndAfterAutofitLeaveTheWindowWorking)
{
    // The bulk's lines cross layer 1 (IMFPs 1.42, 1.63 nm) and layer 2 (1.57, 1.78 nm).
    struct Case {
        const char* what;
        LayerTable<double> truth;
        std::function<void(Document&)> change;
        const char* openingWarning;  // a part of the warning shown on opening; nullptr: none
        bool stackWarning;           // after the fit
    };
    const Case cases[] = {
        {"clean", kTruth, [](Document&) {}, nullptr, false},
        {"thick stack", {0.0, 2.5, 3.5}, [](Document&) {}, nullptr, true},
        {"degrees read as radians", kTruth,
         [](Document& d) {
             d.setTiltUnit(TiltUnit::Radian);
             RecomputeUnits(d);
             d.LabelText[2][4] = "35";
         },
         "Model warning(s):\r\n- Emission angle of 90\260 or more (up to 2005\260) in label column", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MeasuredSample m({ModelType::Plane, 2, 4, 2, false}, c.truth);
        c.change(m.doc);
        m.res.RefElem = 2;  // layer 1's line: the bulk's is weak under a thick stack
        for (int k = 1; k <= 2; ++k)
            m.doc.LayerThick[k] = 1.05 * c.truth[k];
        LayerCalculation calc(m.t.session);
        ASSERT_TRUE(calc.AutofitEnabled());
        if (c.openingWarning == nullptr) {
            EXPECT_TRUE(m.messages().empty());
        } else {
            ASSERT_EQ(m.messages().size(), 1u);
            EXPECT_EQ(m.messages()[0].text.rfind(c.openingWarning, 0), 0u) << m.messages()[0].text;
            EXPECT_EQ(m.messages()[0].icon, MessageIcon::Exclamation);
        }
        const AutofitRun run = calc.Autofit();
        ASSERT_TRUE(run.summary.succeeded()) << run.summary.briefReport();
        const bool warned = std::any_of(run.findings.all().begin(), run.findings.all().end(), [](const Finding& f) {
            return f.kind == FindingKind::Warning && f.text.find("poorly determined") != std::string::npos;
        });
        EXPECT_EQ(warned, c.stackWarning);
        EXPECT_NEAR(m.doc.LayerThick[1], c.truth[1], 1e-3 * c.truth[1]);
    }
}

}  // namespace
}  // namespace slv
