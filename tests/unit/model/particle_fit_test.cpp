// The exact particle integral in the fit: intensities of core-shell spheres
// and wires computed exactly are fitted back to their shell thickness, from
// an Estimate and from a start off by a third, at radii from half an IMFP to
// twenty; and what decides which model a document's Sphere or Cylinder uses.
#include <gtest/gtest.h>

#include <cmath>

#include "model/fit_driver.h"
#include "model/fit_estimate.h"
#include "model/imfp_needs.h"
#include "model/particle_regions.h"
#include "support/model_cases.h"

namespace slv {
namespace {

/// The longest IMFP of the one-shell samples of BuildSample (nm).
constexpr double kLongestImfp = 1.2 + 0.07 * 3 + 0.15;

struct ParticleCase {
    ModelType modelType;
    double radiusInImfps;
    double shell;  // nm
};

class ExactParticleFit : public testing::TestWithParam<ParticleCase> {};

TEST_P(ExactParticleFit, RecoversTheShellThickness)
{
    const ParticleCase& c = GetParam();
    for (const bool fromEstimate : {false, true}) {
        SCOPED_TRACE(fromEstimate ? "from an Estimate" : "from 1.3 x the shell");
        test::ModelWorkspace w;
        test::BuildSample(w, {c.modelType, 1, 3, 1, false});
        w.doc.setCurvedModel(CurvedModel::Exact);
        w.doc.SampleRadius = static_cast<float>(c.radiusInImfps * kLongestImfp);
        ASSERT_TRUE(test::SimulateMeasurement(w, {0.0, c.shell}, 0.0));
        test::PrepareFit(w);
        ASSERT_TRUE(w.setUp());
        w.doc.LayerThick[1] = 1.3 * c.shell;
        if (fromEstimate) {
            FitProblem problem = BuildFitProblem(w.doc, w.model, w.res);
            const FitEstimate estimate = EstimateStart(problem);
            ASSERT_TRUE(estimate.found);
            w.doc.LayerThick[1] = estimate.x[0];
        }
        const FitSummary summary = RunAutofit(w.doc, w.model, w.res);
        EXPECT_TRUE(summary.succeeded()) << summary.briefReport() << summary.message();
        EXPECT_NEAR(summary.fittedValues.at(0), c.shell, 1e-4 * c.shell);
    }
}

std::vector<ParticleCase> ParticleCases()
{
    std::vector<ParticleCase> cases;
    for (ModelType type : {ModelType::Sphere, ModelType::Cylinder})
        for (double radius : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0})
            for (double shell : {0.2, 1.0, 5.0})
                if (shell < 0.5 * radius * kLongestImfp)
                    cases.push_back({type, radius, shell});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(SpheresAndWires, ExactParticleFit, testing::ValuesIn(ParticleCases()),
                         [](const testing::TestParamInfo<ParticleCase>& info) {
                             const ParticleCase& c = info.param;
                             return std::string(c.modelType == ModelType::Sphere ? "Sphere" : "Wire") + "R" +
                                    std::to_string(static_cast<int>(c.radiusInImfps * 10)) + "Shell" +
                                    std::to_string(static_cast<int>(c.shell * 10));
                         });

TEST(ExactParticleIntegral, AppliesToSpheresAndWiresTheDocumentChoseItFor)
{
    struct Case {
        ModelType modelType;
        CurvedModel choice;
        bool singleRow;
        bool islands;
        bool exact;
    };
    const Case cases[] = {
        {ModelType::Sphere, CurvedModel::Exact, false, false, true},
        {ModelType::Cylinder, CurvedModel::Exact, false, false, true},
        {ModelType::Sphere, CurvedModel::SurfaceAngleClasses, false, false, false},
        {ModelType::Cylinder, CurvedModel::SurfaceAngleClasses, false, false, false},
        {ModelType::Sphere, CurvedModel::Exact, true, false, false},   // the single row keeps its classes
        {ModelType::Cylinder, CurvedModel::Exact, true, false, true},  // a sphere option only
        {ModelType::Sphere, CurvedModel::Exact, false, true, false},   // islands on a curved substrate
        {ModelType::Polyhedron, CurvedModel::Exact, false, false, false},
        {ModelType::Plane, CurvedModel::Exact, false, false, false},
        {ModelType::Nanotube, CurvedModel::Exact, false, false, false},
    };
    for (const Case& c : cases) {
        Document doc;
        doc.setModelType(c.modelType);
        doc.setCurvedModel(c.choice);
        doc.setSingleRowOfSpheres(c.singleRow);
        doc.IslandMode = c.islands ? 1 : 0;
        EXPECT_EQ(UsesExactParticleIntegral(doc), c.exact)
            << static_cast<int>(c.modelType) << " " << static_cast<int>(c.choice) << c.singleRow << c.islands;
    }
}

TEST(ExactParticleIntegral, NeedsTheImfpOfEveryRegionAnElectronCrosses)
{
    // A line of the outer shell alone: its electrons from the far side cross
    // the core, so the exact integral needs the core's IMFP of that line.
    test::ModelWorkspace w;
    test::BuildSample(w, {ModelType::Sphere, 1, 3, 1, false});
    for (const auto& [choice, needed] :
         {std::pair{CurvedModel::Exact, true}, std::pair{CurvedModel::SurfaceAngleClasses, false}}) {
        w.doc.setCurvedModel(choice);
        EXPECT_EQ(ImfpNeeded(w.doc, 0, 2), needed);
        EXPECT_TRUE(ImfpNeeded(w.doc, 1, 2));
    }
}

TEST(ExactParticleIntegral, TheTwoModelsAgreeForALargeSphere)
{
    // At 200 IMFPs the class model's large-radius limit is nearly exact; the
    // nine 10-degree classes, each taken at its middle, leave a percent or two.
    std::vector<double> ratios;
    for (CurvedModel choice : {CurvedModel::Exact, CurvedModel::SurfaceAngleClasses}) {
        test::ModelWorkspace w;
        test::BuildSample(w, {ModelType::Sphere, 1, 3, 1, false});
        w.doc.setCurvedModel(choice);
        w.doc.SampleRadius = 300.0f;
        // The sphere's class weights: the projected area of each 10-degree band, integral of sin 2 theta.
        for (int i = 1; i <= kAngleClasses; ++i)
            w.model.AngleWeight[i] =
                static_cast<float>((std::cos(2 * (i - 1) * 0.17453) - std::cos(2 * i * 0.17453)) / 2);
        ASSERT_TRUE(test::SimulateMeasurement(w, {0.0, 1.0}, 0.0));
        ratios.push_back(w.res.ResultValue[1][2] / w.res.ResultValue[1][1]);
    }
    EXPECT_NEAR(ratios[0] / ratios[1], 1.0, 0.02);
}

}  // namespace
}  // namespace slv
