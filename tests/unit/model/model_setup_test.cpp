// The calculation set-up: reference element, emission cosines, the IMFP
// cells a model needs and the upper thickness bound; and the relative
// intensities with their history.
#include <gtest/gtest.h>

#include <cmath>

#include "model/imfp_needs.h"
#include "model/model_calculation.h"
#include "model/model_regions.h"
#include "model/relative_intensities.h"
#include "support/model_cases.h"
#include "support/model_workspace.h"

namespace slv {
namespace {

constexpr const char* kAlwaysZero = "Incorrect dataset. Intensity always 0    ";

TEST(ModelSetup, ReferenceIsTheFirstRowWithAMeasuredValueFromRefElemOn)
{
    test::ModelWorkspace t;
    test::BuildSample(t, {ModelType::Plane, 1, 4, 2, false});
    auto& values = t.res.ResultValue[2];
    values = {};
    values[1] = 5.0f;
    values[3] = 2.0f;
    struct Step {
        int refElem;
        int expected;
    };
    for (const Step step : {Step{3, 3}, Step{4, 1}, Step{2, 3}, Step{0, 1}, Step{9, 1}}) {
        t.res.RefElem = step.refElem;
        EXPECT_TRUE(ModelSetup(t.quant(), t.model, 2));
        EXPECT_EQ(t.res.RefElem, step.expected) << step.refElem;
    }
    EXPECT_TRUE(t.findings.empty());

    values = {};
    EXPECT_FALSE(ModelSetup(t.quant(), t.model, 2));
    ASSERT_EQ(t.findings.size(), 1u);
    EXPECT_EQ(t.findings[0].text, kAlwaysZero);
    EXPECT_EQ(IconOf(t.findings[0].kind), MessageIcon::Exclamation);

    // The simulation has no measured values yet and keeps its reference.
    t.model.SimulActive = true;
    t.res.RefElem = 3;
    EXPECT_TRUE(ModelSetup(t.quant(), t.model, 2));
    EXPECT_EQ(t.res.RefElem, 3);
}

TEST(ModelSetup, EmissionCosinesFollowTheTiltLabelAndItsUnit)
{
    struct Case {
        const char* tilt;
        Integer unit;
        Integer shown;
        char decSep;
        double cosine;
    };
    for (const Case c :
         {Case{"60", 0, 1, '.', 0.5}, Case{"1.0471975511965976", 1, 1, '.', 0.5}, Case{"60", 0, 0, '.', 1.0},
          Case{"41,41", 0, 1, ',', std::cos(41.41 * M_PI / 180.0)}, Case{"tilted", 0, 1, '.', 1.0}}) {
        test::ModelWorkspace t;
        test::BuildSample(t, {ModelType::Plane, 1, 2, 3, false});
        t.env.DecSep = c.decSep;
        t.res.ResultValue[3][1] = 1.0f;
        t.doc.LabelText[3][4] = c.tilt;
        t.doc.UnitIndex[1] = c.unit;
        t.doc.LabelSelect[3] = c.shown;
        ASSERT_TRUE(ModelSetup(t.quant(), t.model, 3));
        EXPECT_NEAR(t.model.EmissionCos[1], c.cosine, 1e-6) << c.tilt;
    }
}

TEST(ModelSetup, AngleResolvedModeTakesEveryExperimentsTiltAndWarnsWhenNoneIsGiven)
{
    test::ModelWorkspace t;
    test::BuildSample(t, {ModelType::Plane, 1, 2, 4, true});
    t.res.ResultValue[1][1] = 1.0f;
    ASSERT_TRUE(ModelSetup(t.quant(), t.model, 1));
    for (int j = 1; j <= 4; ++j)
        EXPECT_NEAR(t.model.EmissionCos[j], std::cos((j - 1) * 70 / 4 * M_PI / 180.0), 1e-12);
    EXPECT_TRUE(t.findings.empty());

    for (int j = 1; j <= 4; ++j)
        t.doc.LabelText[j][4] = "0";
    EXPECT_TRUE(ModelSetup(t.quant(), t.model, 1));
    ASSERT_EQ(t.findings.size(), 1u);
    EXPECT_EQ(t.findings[0].text, "Angles of emission not entered    ");
}

TEST(ImfpNeeded, EveryLayerAboveTheDeepestOccurrence)
{
    test::ModelWorkspace t;
    Document& doc = t.doc;
    doc.LayerCount = 3;
    doc.ElemCount = 4;
    doc.LayerComp[2][1] = 1.0f;   // element 1 in layer 2 only
    doc.LayerComp[0][2] = 1.0f;   // element 2 in the bulk only
    doc.LayerComp[1][3] = -1.0f;  // element 3: only the "absent" marker
    doc.LayerComp[1][4] = 1.0f;   // element 4 in layers 1 and 3
    doc.LayerComp[3][4] = 1.0f;
    struct Expectation {
        int element;
        std::array<bool, 4> rows;  // bulk, layer 1, layer 2, layer 3
    };
    auto check = [&](std::initializer_list<Expectation> expectations, const char* what) {
        for (const auto& x : expectations)
            for (int row = 0; row <= 3; ++row)
                EXPECT_EQ(ImfpNeeded(doc, row, x.element), x.rows[row])
                    << what << " element " << x.element << " row " << row;
    };
    doc.setModelType(ModelType::Sphere);
    doc.setCurvedModel(CurvedModel::SurfaceAngleClasses);
    check({{1, {false, true, true, false}},
           {2, {true, true, true, true}},
           {3, {false, false, false, false}},
           {4, {false, true, true, true}}},
          "single stack");
    doc.MultiLayers = 2;
    check({{1, {false, true, true, true}}, {2, {true, true, true, true}}, {3, {false, false, false, false}}},
          "multilayer");
    doc.IslandMode = 1;
    check({{1, {false, true, true, false}}}, "islands use one stack");
    doc.setModelType(ModelType::Nanotube);
    check({{1, {true, true, true, true}}, {3, {false, false, false, false}}}, "nanotube");
    EXPECT_FALSE(ImfpNeeded(doc, 4, 1));
}

TEST(ModelSetup, AMissingImfpIsRefusedOnlyWhereElectronsCrossIt)
{
    const LayerTable<double> thick = {0.0, 0.8, 1.1, 0.6};
    auto calculate = [&](int row, int element, float imfp, test::ModelWorkspace& t) {
        test::BuildAndSetUp(t, {ModelType::Plane, 3, 4, 1, false});
        t.doc.LayerIMFP[row][element] = imfp;
        return ModelSetup(t.quant(), t.model, 1) && ModelCalculation(t.doc, t.model, thick, 0.0);
    };
    test::ModelWorkspace reference;
    ASSERT_TRUE(calculate(3, 3, 1.5f, reference));

    // Element 3 sits in layer 2: its IMFP below, in layer 3, is never used...
    test::ModelWorkspace below;
    ASSERT_TRUE(calculate(3, 3, 0.0f, below));
    EXPECT_EQ(below.model.CalcIntensity, reference.model.CalcIntensity);
    EXPECT_TRUE(below.findings.empty());

    // ...but its electrons cross layer 1 on the way out.
    test::ModelWorkspace above;
    EXPECT_FALSE(calculate(1, 3, 0.0f, above));
    ASSERT_EQ(above.findings.size(), 1u);
    EXPECT_EQ(above.findings[0].text, "Model error(s):\r\n- Missing IMFP data   \r\n");
    EXPECT_EQ(IconOf(above.findings[0].kind), MessageIcon::Critical);
}

TEST(ModelSetup, StaleResultsAreRecomputedWithoutAttenuationCorrection)
{
    test::ModelWorkspace t;
    test::BuildSample(t, {ModelType::Plane, 1, 2, 1, false});
    Document& doc = t.doc;
    doc.RecalcNeeded = true;
    doc.ElOmit[2] = true;
    t.model.SystemDefined = true;
    doc.Intensity[1][1] = 300.0f;
    doc.Intensity[1][2] = 100.0f;
    doc.CrossSect[1] = doc.CrossSect[2] = 1.0f;
    ModelSetup(t.quant(), t.model, 1);
    EXPECT_FALSE(doc.RecalcNeeded);
    EXPECT_FALSE(doc.ElOmit[2]);
    EXPECT_FALSE(t.model.SystemDefined);
    EXPECT_GT(t.res.ResultValue[1][1], t.res.ResultValue[1][2]);
}

TEST(RelativeIntensities, HistoryQSumAndReferenceChange)
{
    test::ModelWorkspace t;
    test::BuildSample(t, {ModelType::Plane, 2, 3, 1, false});
    ASSERT_TRUE(test::SimulateMeasurement(t, {0.0, 1.0, 2.0}, 0.0));
    const CalcHistory& h = t.model.History;
    auto calculate = [&](const LayerTable<double>& thick) {
        t.doc.LayerThick = thick;
        EXPECT_TRUE(ModelCalculation(t.doc, t.model, thick, 0.0));
        return UpdateRelativeIntensities(t.doc, t.model, t.res, t.findings);
    };
    ASSERT_TRUE(calculate({0.0, 1.0, 2.0}));
    ASSERT_TRUE(calculate({0.0, 1.5, 2.0}));
    ASSERT_TRUE(calculate({0.0, 0.5, 2.0}));
    EXPECT_EQ(h.Thick[0][1], 0.5);
    EXPECT_EQ(h.Thick[1][1], 1.5);
    EXPECT_EQ(h.Thick[2][1], 1.0);
    EXPECT_NEAR(h.QSum[2], 0.0, 1e-12);  // the simulated structure itself
    EXPECT_GT(h.QSum[0], 0.0);
    EXPECT_EQ(h.RelIntensity[0][1], 1.0);
    double q = 0.0;
    for (int e = 1; e <= 3; ++e) {
        EXPECT_FLOAT_EQ(h.MeasuredRel[e], t.res.ResultValue[1][e] / t.res.ResultValue[1][1]);
        q += std::pow(h.RelIntensity[0][e] - h.MeasuredRel[e], 2);
    }
    EXPECT_DOUBLE_EQ(h.QSum[0], q);

    // Element 3 lies under layer 2; with the reference set there and nothing
    // calculated for it, the next row with an intensity takes over.
    t.doc.LayerComp[2][3] = 0.0f;
    t.doc.LayerComp[0][3] = 0.0f;
    t.model.SimulActive = true;
    ASSERT_TRUE(ModelSetup(t.quant(), t.model, 1));
    t.res.RefElem = 3;
    ASSERT_TRUE(calculate({0.0, 0.5, 2.0}));
    EXPECT_EQ(t.res.RefElem, 1);

    const auto before = h;
    for (int e = 1; e <= 3; ++e)
        t.doc.LayerComp[0][e] = t.doc.LayerComp[1][e] = t.doc.LayerComp[2][e] = 0.0f;
    ASSERT_TRUE(ModelSetup(t.quant(), t.model, 1));
    EXPECT_FALSE(calculate({0.0, 0.5, 2.0}));
    EXPECT_EQ(t.findings.back().text, kAlwaysZero);
    EXPECT_EQ(h.QSum, before.QSum);
}

}  // namespace
}  // namespace slv
