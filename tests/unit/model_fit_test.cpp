// Autofit round trips: intensities simulated for a known structure are taken
// as the measurement, the fit starts from perturbed thicknesses (and
// coverage), and must return the structure. Then the driver's messages.
#include <gtest/gtest.h>

#include "model/fit_driver.h"
#include "model/model_calculation.h"
#include "model/model_regions.h"
#include "support/model_cases.h"
#include "support/test_session.h"

namespace slv {
namespace {

using test::SampleShape;

struct RoundTrip {
    const char* name;
    SampleShape shape;
    LayerTable<double> thick;
    int multiLayers = 1;
    float radius = 0.0f;
    float innerRadius = 0.0f;
    bool modifiedTube = false;
    bool islands = false;
    double coverage = 0.0;
};

/// Islands: layer 1 is an island holding element rows 2 and 3, whose
/// different IMFPs separate the island height from the covered fraction.
void MakeIslandOfRowsTwoAndThree(Document& doc)
{
    doc.IslandMode = 1;
    doc.LayerKind[1] = 2;
    doc.LayerComp[0][3] = 0.0f;
    doc.LayerComp[1][3] = 0.7f;
    doc.LayerIMFP[1][3] = 3.1f;
}

class AutofitRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(AutofitRoundTrip, RecoversTheStructure)
{
    const RoundTrip& c = GetParam();
    test::TestSession t;
    Session& s = t.session;
    Document& doc = t.doc();
    test::BuildSample(s, c.shape);
    doc.MultiLayers = static_cast<Integer>(c.multiLayers);
    doc.SampleRadius = c.radius;
    doc.InnerRadius = c.innerRadius;
    doc.setModifiedTubeLayer(c.modifiedTube ? 1 : 0);
    if (c.islands)
        MakeIslandOfRowsTwoAndThree(doc);
    ASSERT_TRUE(test::SimulateMeasurement(s, c.thick, c.coverage));
    test::PrepareFit(s, c.islands);

    for (int k = 1; k <= doc.LayerCount; ++k)
        doc.LayerThick[k] = c.thick[k] * (k % 2 == 1 ? 1.25 : 0.8);
    doc.Coverage = c.islands ? c.coverage * 0.8 : 0.0;
    ASSERT_TRUE(ModelSetup(s, s.ModelExperiment));
    const FitOutcome outcome = RunAutofit(s);

    EXPECT_FALSE(outcome.failed) << outcome.info;
    EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.messages.front().text;
    for (int k = 1; k <= doc.LayerCount; ++k)
        EXPECT_NEAR(doc.LayerThick[k], c.thick[k], 1e-4 * c.thick[k]) << "layer " << k;
    if (c.islands) {
        EXPECT_NEAR(doc.Coverage, c.coverage, 1e-4 * c.coverage);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryGeometry, AutofitRoundTrip,
    testing::Values(RoundTrip{"Plane", {ModelType::Plane, 2, 3, 1, false}, {0.0, 1.3, 2.1}},
                    RoundTrip{"PlaneThreeLayers", {ModelType::Plane, 3, 6, 1, false}, {0.0, 0.9, 2.4, 1.6}},
                    RoundTrip{"PlaneMultilayer", {ModelType::Plane, 2, 4, 1, false}, {0.0, 0.5, 0.3}, 3},
                    RoundTrip{"PlaneAngleResolved", {ModelType::Plane, 2, 3, 10, true}, {0.0, 1.3, 2.1}},
                    RoundTrip{"Sphere", {ModelType::Sphere, 3, 5, 1, false}, {0.0, 0.7, 1.1, 0.9}, 1, 10.0f},
                    RoundTrip{"SphereFlat", {ModelType::Sphere, 2, 3, 1, false}, {0.0, 1.3, 2.1}},
                    RoundTrip{"Cylinder", {ModelType::Cylinder, 2, 4, 1, false}, {0.0, 0.6, 1.4}, 1, 6.0f},
                    RoundTrip{"Polyhedron", {ModelType::Polyhedron, 2, 4, 1, false}, {0.0, 0.8, 1.2}, 1, 25.0f},
                    RoundTrip{"Nanotube", {ModelType::Nanotube, 3, 6, 1, false}, {0.0, 0.4, 0.6, 0.5}, 1, 5.0f, 3.5f},
                    RoundTrip{"NanotubeModifiedLayer", {ModelType::Nanotube, 2, 4, 1, false}, {0.0, 0.5, 0.7}, 1, 15.0f, 8.0f,
                              true},
                    RoundTrip{"LargeAngleResolvedNanotube", test::LargeNanotube(), test::LargeNanotubeThicknesses(), 1,
                              8.0f, 6.0f},
                    RoundTrip{"PlaneIslands", {ModelType::Plane, 1, 3, 1, false}, {0.0, 1.8}, 1, 0.0f, 0.0f, false, true, 0.6},
                    RoundTrip{"SphereIslandsAngleResolved", {ModelType::Sphere, 1, 3, 5, true}, {0.0, 1.8}, 1, 20.0f, 0.0f, false,
                              true, 0.45}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

/// A one-experiment plane fit of the known structure `truth`, started from `start`.
struct PlaneFit {
    test::TestSession t;
    Session& s = t.session;
    Document& doc = t.doc();
    PlaneFit(SampleShape shape, const LayerTable<double>& truth)
    {
        test::BuildSample(s, shape);
        EXPECT_TRUE(test::SimulateMeasurement(s, truth, 0.0));
        test::PrepareFit(s);
    }
    FitOutcome fitFrom(const LayerTable<double>& start)
    {
        doc.LayerThick = start;
        EXPECT_TRUE(ModelSetup(s, s.ModelExperiment));
        return FitDriver(s);
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> all;
        for (const auto& m : t.dialogs.messages)
            all.push_back(m.text);
        return all;
    }
};

TEST(FitDriver, LinkedLayersShareOneParameter)
{
    PlaneFit f({ModelType::Plane, 3, 4, 1, false}, {0.0, 0.9, 0.9, 1.7});
    f.doc.LayerLink[2] = 1;
    const FitOutcome outcome = f.fitFrom({0.0, 1.2, 0.4, 1.3});
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(f.s.model.ParamOfLayer[1], 1);
    EXPECT_EQ(f.s.model.ParamOfLayer[2], 1);
    EXPECT_EQ(f.s.model.ParamOfLayer[3], 2);
    EXPECT_NEAR(f.doc.LayerThick[1], 0.9, 1e-5);
    EXPECT_EQ(f.doc.LayerThick[2], f.doc.LayerThick[1]);
    EXPECT_NEAR(f.doc.LayerThick[3], 1.7, 1e-5);
}

TEST(FitDriver, RefusesWhenNothingIsFreeOrTooFewElementsRemain)
{
    {
        PlaneFit f({ModelType::Plane, 2, 3, 1, false}, {0.0, 1.3, 2.1});
        f.doc.LayerLink[1] = -1;
        f.doc.LayerLink[2] = -1;
        EXPECT_TRUE(f.fitFrom({0.0, 1.0, 1.0}).failed);
        EXPECT_EQ(f.texts(), std::vector<std::string>{"No independent parameter to fit    "});
        EXPECT_EQ(f.t.dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(f.doc.LayerThick[1], 1.0);
    }
    {
        // Two free layers, two usable element rows besides the reference: m = n = 2 is enough.
        PlaneFit f({ModelType::Plane, 2, 3, 1, false}, {0.0, 1.3, 2.1});
        EXPECT_FALSE(f.fitFrom({0.0, 1.0, 1.0}).failed);
        f.doc.ElModelFlag[3] = 1;
        EXPECT_TRUE(f.fitFrom({0.0, 1.0, 1.0}).failed);
        EXPECT_EQ(f.texts(), std::vector<std::string>{"Too many elements omitted    "});
    }
}

TEST(FitDriver, AThicknessBeyondFiveImfpsIsOutOfRange)
{
    // The largest IMFP of this sample is 1.49 nm, so 7.45 nm is the bound; 8 nm is fitted and flagged.
    PlaneFit f({ModelType::Plane, 1, 2, 1, false}, {0.0, 8.0});
    ASSERT_DOUBLE_EQ(f.s.model.MaxThick, 5.0 * 1.49f);
    EXPECT_TRUE(f.fitFrom({0.0, 6.0}).failed);
    EXPECT_EQ(f.texts(), std::vector<std::string>{"Some of the results are out of the expected range.    \r\n"
                                                  "Refine initial data or modify the model"});
    EXPECT_EQ(f.t.dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_NEAR(f.doc.LayerThick[1], 8.0, 1e-4);  // written back all the same
}

TEST(FitDriver, TrappedErrorsEndTheFitWithTheirMessage)
{
    {
        // A sphere of radius 2 nm cannot carry 2.5 nm of layers: the chord has no meaning.
        PlaneFit f({ModelType::Sphere, 2, 3, 1, false}, {0.0, 0.4, 0.6});
        f.doc.SampleRadius = 2.0f;
        ASSERT_TRUE(test::SimulateMeasurement(f.s, {0.0, 0.4, 0.6}, 0.0));
        EXPECT_TRUE(f.fitFrom({0.0, 1.0, 1.5}).failed);
        EXPECT_EQ(f.texts(), std::vector<std::string>{
                                 "Invalid procedure call (e.g., square root of negative number) occurred at fitting "
                                 "of parameters (10).\r\nCheck model and refine initial data    "});
        EXPECT_EQ(f.t.dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(f.doc.LayerThick[1], 1.0);  // nothing written back
        EXPECT_EQ(f.s.model.ModelErrFlag, 0);
    }
    {
        // The reference element has no measured value: the measured ratios divide by zero.
        PlaneFit f({ModelType::Plane, 2, 3, 1, false}, {0.0, 1.3, 2.1});
        f.s.res.ResultValue[1][1] = 0.0f;
        f.s.res.RefElem = 2;
        EXPECT_TRUE(f.fitFrom({0.0, 1.0, 1.0}).failed);
        EXPECT_EQ(f.texts(), std::vector<std::string>{"Division by zero occurred at fitting of parameters (2).\r\n"
                                                      "Check model and refine initial data    "});
    }
}

/// The reference sits in the layer and the substrate row is fitted: far
/// from the solution the substrate's signal is flat in the thickness.
PlaneFit SubstrateAgainstLayer(int tiltDegrees)
{
    PlaneFit f({ModelType::Plane, 1, 3, 1, false}, {});
    f.doc.LabelText[1][4] = std::to_string(tiltDegrees);
    EXPECT_TRUE(test::SimulateMeasurement(f.s, {0.0, 0.5}, 0.0));
    f.s.model.ModelRefElem = 2;
    f.doc.ElModelFlag[1] = 0;
    f.doc.ElModelFlag[2] = 2;
    return f;
}

TEST(FitDriver, AnOverflowingTrialStepIsRetriedWithASmallerStepBound)
{
    // From 12 nm the first step bound (100 x the scaled parameter) lets a
    // trial thickness run deep below zero, where the layer's attenuation
    // overflows; with the bound divided by 10 the fit reaches 0.5 nm.
    PlaneFit f = SubstrateAgainstLayer(0);
    const FitOutcome outcome = f.fitFrom({0.0, 12.0});
    EXPECT_FALSE(outcome.failed);
    EXPECT_TRUE(f.texts().empty());
    EXPECT_NEAR(f.doc.LayerThick[1], 0.5, 1e-6);
}

TEST(FitDriver, AFlatStartEndsWithTheGradientMessage)
{
    // At 89 degrees 3 nm hide the substrate completely: the Jacobian is zero
    // to machine precision, lmdif returns info 4 at gtol 0.
    PlaneFit f = SubstrateAgainstLayer(89);
    const FitOutcome outcome = f.fitFrom({0.0, 3.0});
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.info, 4);
    EXPECT_EQ(f.texts(), std::vector<std::string>{"The cosine of the angle between the function values\r\n"
                                                  "and the columns of the Jacobian matrix is at tolerance    "});
    EXPECT_EQ(f.t.dialogs.messages[0].icon, MessageIcon::Exclamation);
}

TEST(Autofit, ModifiedTubeLayerThickerThanTheWallIsRefused)
{
    test::TestSession t;
    test::BuildSample(t.session, {ModelType::Nanotube, 2, 4, 1, false});
    t.doc().SampleRadius = 4.0f;
    t.doc().InnerRadius = 3.0f;
    t.doc().setModifiedTubeLayer(1);
    ASSERT_TRUE(test::SimulateMeasurement(t.session, {0.0, 0.3, 0.4}, 0.0));
    test::PrepareFit(t.session);
    t.doc().LayerThick = {0.0, 0.6, 0.5};
    EXPECT_TRUE(RunAutofit(t.session).failed);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, std::string(kModifiedLayerTooThickText));
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace slv
