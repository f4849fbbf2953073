// The production intensity formulas against the term-by-term oracle, and the
// physical identities every geometry must keep.
#include <gtest/gtest.h>

#include <cmath>

#include "model/geometry_intensity.h"
#include "model/model_calculation.h"
#include "model/model_regions.h"
#include "support/model_cases.h"
#include "support/model_oracle.h"
#include "support/model_workspace.h"

namespace slv {
namespace {

using test::SampleShape;

struct OracleCase {
    const char* name;
    SampleShape shape;
    int multiLayers;
    bool islands;
    float radius;
    float innerRadius;
    bool modifiedTube;
};

class ProductionMatchesOracle : public testing::TestWithParam<OracleCase> {};

TEST_P(ProductionMatchesOracle, ToTwelveDigits)
{
    const OracleCase& c = GetParam();
    test::ModelWorkspace t;
    test::BuildSample(t, c.shape);
    Document& doc = t.doc;
    // The oracle writes out the surface-angle classes of sphere and cylinder.
    doc.setCurvedModel(CurvedModel::SurfaceAngleClasses);
    doc.MultiLayers = static_cast<Integer>(c.multiLayers);
    doc.SampleRadius = c.radius;
    doc.InnerRadius = c.innerRadius;
    doc.setModifiedTubeLayer(c.modifiedTube ? 1 : 0);
    if (c.islands) {
        doc.IslandMode = 1;
        doc.LayerKind[1] = 2;
    }
    const LayerTable<double> thick = {0.0, 0.4, 0.7, 0.5, 0.9, 0.6};
    doc.LayerThick = thick;
    t.model.SimulActive = true;
    ASSERT_TRUE(ModelSetup(t.quant(), t.model, 1));
    ASSERT_TRUE(ModelCalculation(t.doc, t.model, thick, 0.35));

    const std::vector<double> expected = test::OracleCalcIntensity(t.doc, t.model, thick, 0.35);
    ASSERT_EQ(expected.size(), t.model.CalcIntensity.size());
    for (std::size_t i = 1; i < expected.size(); ++i) {
        ASSERT_GT(expected[i], 0.0) << i;
        EXPECT_NEAR(t.model.CalcIntensity[i], expected[i], 1e-12 * expected[i]) << c.name << " cell " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryGeometry, ProductionMatchesOracle,
    testing::Values(OracleCase{"Plane", {ModelType::Plane, 3, 6, 1, false}, 1, false, 0, 0, false},
                    OracleCase{"PlaneMultilayer", {ModelType::Plane, 2, 5, 1, false}, 4, false, 0, 0, false},
                    OracleCase{"PlaneAngleResolved", {ModelType::Plane, 2, 4, 12, true}, 1, false, 0, 0, false},
                    OracleCase{"PlaneIslands", {ModelType::Plane, 2, 4, 5, true}, 3, true, 0, 0, false},
                    OracleCase{"Sphere", {ModelType::Sphere, 3, 6, 1, false}, 1, false, 12.0f, 0, false},
                    OracleCase{"SphereMultilayer", {ModelType::Sphere, 2, 5, 1, false}, 3, false, 40.0f, 0, false},
                    OracleCase{"SphereFlat", {ModelType::Sphere, 2, 5, 3, true}, 2, false, 0, 0, false},
                    OracleCase{"Cylinder", {ModelType::Cylinder, 4, 8, 1, false}, 1, false, 20.0f, 0, false},
                    OracleCase{"PolyhedronIslands", {ModelType::Polyhedron, 3, 7, 1, false}, 1, true, 15.0f, 0, false},
                    OracleCase{"Nanotube", test::LargeNanotube(), 1, false, 8.0f, 6.0f, false},
                    OracleCase{"NanotubeThinWall", {ModelType::Nanotube, 2, 5, 1, false}, 1, false, 3.0f, 2.8f, false},
                    OracleCase{"NanotubeModified", {ModelType::Nanotube, 3, 6, 1, false}, 1, false, 8.0f, 4.0f, true},
                    OracleCase{"NanotubeIslands", {ModelType::Nanotube, 2, 5, 3, true}, 1, true, 5.0f, 3.5f, false}),
    [](const testing::TestParamInfo<OracleCase>& info) { return std::string(info.param.name); });

/// One plane sample, set up.
struct PlaneSample {
    test::ModelWorkspace t;
    explicit PlaneSample(SampleShape shape = {ModelType::Plane, 2, 3, 1, false})
    {
        EXPECT_TRUE(test::BuildAndSetUp(t, shape));
    }
    double intensity(const LayerTable<double>& thick, int element, double cosine = 1.0)
    {
        return PlaneIntensity(t.model.Regions, thick, element, cosine, t.model.trap).value();
    }
};

TEST(PlaneIntensity, ZeroThicknessLeavesOnlyTheUnattenuatedBulk)
{
    PlaneSample s;
    const Document& doc = s.t.doc;
    const double cosine = std::cos(0.5);
    // Element 1 sits in the bulk only; element 2 in layer 1 only.
    const double bulkTerm =
        double{doc.LayerComp[0][1]} * doc.LayerDensity[0] / doc.LayerMolWeight[0] * doc.LayerIMFP[0][1] * cosine;
    EXPECT_NEAR(s.intensity({}, 1, cosine), bulkTerm, 1e-15 * bulkTerm);
    EXPECT_EQ(s.intensity({}, 2, cosine), 0.0);
}

TEST(PlaneIntensity, SplittingTheBulkIntoLayersOfItsMaterialKeepsTheIntensity)
{
    // anchors 3.4: N artificial layers of the substrate material sum to the undivided bulk.
    PlaneSample s({ModelType::Plane, 3, 1, 1, false});
    Document& doc = s.t.doc;
    for (int row = 1; row <= 3; ++row) {
        doc.LayerComp[row][1] = doc.LayerComp[0][1];
        doc.LayerDensity[row] = doc.LayerDensity[0];
        doc.LayerMolWeight[row] = doc.LayerMolWeight[0];
        doc.LayerIMFP[row][1] = doc.LayerIMFP[0][1];
    }
    ASSERT_TRUE(ModelSetup(s.t.quant(), s.t.model, 1));
    const double bulkOnly = s.intensity({}, 1, 0.8);
    EXPECT_NEAR(s.intensity({0.0, 0.3, 1.7, 4.0}, 1, 0.8), bulkOnly, 1e-14 * bulkOnly);
}

TEST(PlaneIntensity, DifferentImfpOverlayerRatioAnchor)
{
    // anchors 3.4: Lo = 2.0 nm, Ls = 2.5 nm, theta = 0, R_inf = 1, d = 3.0 nm -> Io/Is = 2.579299.
    PlaneSample s({ModelType::Plane, 1, 2, 1, false});
    Document& doc = s.t.doc;
    doc.LayerIMFP[0][1] = 2.5f;
    doc.LayerIMFP[1][2] = 2.0f;
    doc.LayerIMFP[1][1] = 2.5f;
    // Equal N x L in overlayer and substrate makes R_inf = 1.
    doc.LayerComp[0][1] = 1.0f;
    doc.LayerComp[1][2] = 1.25f;
    doc.LayerDensity[1] = doc.LayerDensity[0];
    doc.LayerMolWeight[1] = doc.LayerMolWeight[0];
    ASSERT_TRUE(ModelSetup(s.t.quant(), s.t.model, 1));
    const LayerTable<double> thick = {0.0, 3.0};
    EXPECT_NEAR(s.intensity(thick, 2) / s.intensity(thick, 1), 2.579299, 1e-6);
}

TEST(CurvedPaths, RadiusZeroIsTheFlatPathAndAHugeRadiusTendsToIt)
{
    // Polar-angle classes: facet tilts 0..80 degrees, sphere and cylinder bands centred at 5..85.
    for (const auto& [modelType, firstDegrees] :
         {std::pair{ModelType::Sphere, 5}, {ModelType::Cylinder, 5}, {ModelType::Polyhedron, 0}}) {
        test::ModelWorkspace t;
        ASSERT_TRUE(test::BuildAndSetUp(t, {modelType, 3, 6, 1, false}));
        const LayerTable<double> thick = {0.0, 0.5, 1.2, 0.8};
        ModelState& model = t.model;
        const auto flat = CurvedPathTable(model.Regions, thick, 0.0, modelType, model.trap).value();
        for (int row = 1; row <= 3; ++row)
            for (int i = 1; i <= kAngleClasses; ++i)
                EXPECT_NEAR(flat.at(i, row), thick[row] / std::cos((firstDegrees + 10 * (i - 1)) * M_PI / 180), 1e-12);

        ASSERT_TRUE(ModelCalculation(t.doc, t.model, thick, 0.0));
        const std::vector<double> flatIntensities = model.CalcIntensity;
        t.doc.SampleRadius = 2.5e6f;  // a million times the 2.5 nm stack
        ASSERT_TRUE(ModelCalculation(t.doc, t.model, thick, 0.0));
        for (int e = 1; e <= 6; ++e)
            EXPECT_NEAR(model.CalcIntensity[e], flatIntensities[e], 1e-3 * flatIntensities[e]) << CodeOf(modelType);
    }
}

TEST(NanotubeSteps, ThinWallsFollowMoreCrossings)
{
    // (w / Lb)^-0.4 x 3.4 + 0.75, limited to 1..6.
    EXPECT_EQ(TubeStepsFor(10.0f, 0.0f, 2.0f), 2);   // 5^-0.4 x 3.4 + 0.75 = 2.54
    EXPECT_EQ(TubeStepsFor(100.0f, 0.0f, 2.0f), 1);  // a thick wall: 1.15
    EXPECT_EQ(TubeStepsFor(1.0f, 0.9f, 2.0f), 6);    // a thin wall: 11.9, limited
    EXPECT_EQ(TubeStepsFor(1.0f, 0.0f, 2.0f), 5);    // 2^0.4 x 3.4 + 0.75 = 5.24
    EXPECT_EQ(TubeStepsFor(1.0f, 2.0f, 3.0f), 6);    // negative wall: w = Lb / 3 -> 6.03
    EXPECT_EQ(TubeStepsFor(1.0f, 1.0f, 2.0f), 6);    // no wall at all
    EXPECT_EQ(TubeStepsFor(1.0f, 0.0f, 0.0f), 1);    // no bulk IMFP: nothing to scale by
}

TEST(Islands, FullCoverageIsTheLayerModelAndNoCoverageTheBareSubstrate)
{
    const LayerTable<double> thick = {0.0, 1.1, 0.6};
    auto intensities = [&](bool islands, double coverage, double islandThickness) {
        test::ModelWorkspace t;
        EXPECT_TRUE(test::BuildAndSetUp(t, {ModelType::Sphere, 2, 3, 1, false}, 30.0f));
        t.doc.setCurvedModel(CurvedModel::SurfaceAngleClasses);  // as islands on a sphere always are
        t.doc.IslandMode = islands ? 1 : 0;
        t.doc.LayerKind[1] = islands ? 2 : 1;
        EXPECT_TRUE(ModelCalculation(t.doc, t.model, {0.0, islandThickness, thick[2]}, coverage));
        return t.model.CalcIntensity;
    };
    EXPECT_EQ(intensities(true, 1.0, thick[1]), intensities(false, 0.0, thick[1]));
    EXPECT_EQ(intensities(true, 0.0, thick[1]), intensities(false, 0.0, 0.0));
}

TEST(AngleResolved, EachExperimentSumsToOneHundred)
{
    test::ModelWorkspace t;
    ASSERT_TRUE(test::BuildAndSetUp(t, {ModelType::Plane, 2, 4, 6, true}));
    ASSERT_TRUE(ModelCalculation(t.doc, t.model, {0.0, 0.8, 1.5}, 0.0));
    for (int j = 1; j <= 6; ++j) {
        double sum = 0.0;
        for (int e = 1; e <= 4; ++e)
            sum += CalculatedIntensity(t.doc, t.model, j, e);
        EXPECT_NEAR(sum, 100.0, 1e-12);
    }
    // Grazing emission sees more of the top layer (element 2) than normal emission.
    EXPECT_GT(CalculatedIntensity(t.doc, t.model, 6, 2), CalculatedIntensity(t.doc, t.model, 1, 2));
}

}  // namespace
}  // namespace slv
