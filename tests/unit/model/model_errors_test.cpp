// The run-time error trap: where numeric faults are caught, which routine
// code and error number they get, and the exact texts the analyst reads.
#include <gtest/gtest.h>

#include "document/file_error.h"
#include "model/geometry_intensity.h"
#include "model/model_calculation.h"
#include "model/model_errors.h"
#include "model/model_regions.h"
#include "support/model_cases.h"
#include "support/model_workspace.h"

namespace slv {
namespace {

// The messages of both stages are read in the trap tests below and in the fit's.
TEST(ModelErrorText, NumbersWithoutATextOfTheirOwnAreShownAsNumbers)
{
    EXPECT_EQ(ModelErrorText(9), "Subscript out of range");
    EXPECT_EQ(ModelErrorText(7), "Error 7");
    EXPECT_EQ(ModelErrorText(-3), "Error-3");
}

/// A set-up sample of the given shape, ready for ModelCalculation.
struct Sample {
    test::ModelWorkspace t;
    explicit Sample(test::SampleShape shape, float radius = 0.0f)
    {
        EXPECT_TRUE(test::BuildAndSetUp(t, shape, radius));
    }
    ModelState& model() { return t.model; }
};

TEST(ModelErrorTrap, LayersThickerThanTheSphereRadiusAreAnInvalidCallAndTheFirstFaultIsKept)
{
    Sample s({ModelType::Sphere, 2, 3, 1, false}, 2.0f);
    EXPECT_TRUE(ModelCalculation(s.t.doc, s.t.model, {0.0, 0.9, 1.0}, 0.0));
    EXPECT_FALSE(ModelCalculation(s.t.doc, s.t.model, {0.0, 0.9, 1.2}, 0.0));
    EXPECT_EQ(s.model().trap.routine, kRoutineCurved);
    EXPECT_EQ(s.model().trap.errorNumber, kErrInvalidCall);

    const Finding finding = TakeModelError(s.model().trap, ModelErrorOrigin::Calculation);
    EXPECT_EQ(finding.text,
              "Invalid procedure call (e.g., square root of negative number) occurred at model calculation (10)    ");
    EXPECT_EQ(finding.kind, FindingKind::Error);
    EXPECT_EQ(s.model().trap.routine, 0);
    EXPECT_EQ(s.model().trap.errorNumber, 0);

    // The first fault is kept.
    EXPECT_FALSE(TrapModelError(s.model().trap, kRoutineCurved, kErrInvalidCall));
    TrapModelError(s.model().trap, kRoutineModelCalculation, kErrOverflow);
    EXPECT_EQ(s.model().trap.routine, kRoutineCurved);
    EXPECT_EQ(s.model().trap.errorNumber, kErrInvalidCall);
}

TEST(ModelErrorTrap, EachGeometryReportsItsOwnRoutine)
{
    {
        // exp(2000 / 1.3) overflows.
        Sample s({ModelType::Plane, 1, 2, 1, false});
        EXPECT_FALSE(ModelCalculation(s.t.doc, s.t.model, {0.0, -2000.0}, 0.0));
        EXPECT_EQ(s.model().trap.routine, kRoutinePlane);
        EXPECT_EQ(s.model().trap.errorNumber, kErrOverflow);
    }
    {
        // Emission along the surface: the depth scale L cos(theta) is 0.
        Sample s({ModelType::Plane, 1, 2, 1, false});
        EXPECT_FALSE(PlaneIntensity(s.model().Regions, {0.0, 1.0}, 1, 0.0, s.model().trap));
        EXPECT_EQ(s.model().trap.routine, kRoutinePlane);
        EXPECT_EQ(s.model().trap.errorNumber, kErrDivisionByZero);
    }
    {
        Sample s({ModelType::Plane, 1, 2, 1, false}, 0.0f);
        EXPECT_FALSE(ModelCalculation(s.t.doc, s.t.model, {0.0, -2000.0}, 0.0));
        s.t.doc.setModelType(ModelType::Cylinder);
        EXPECT_FALSE(ModelCalculation(s.t.doc, s.t.model, {0.0, -2000.0}, 0.0));
        EXPECT_EQ(s.model().trap.routine, kRoutineCurved);
        EXPECT_EQ(s.model().trap.errorNumber, kErrOverflow);
    }
    {
        Sample s({ModelType::Nanotube, 1, 2, 1, false}, 5.0f);
        TubeChords chords;
        chords.P[3][1] = -1e4;
        EXPECT_FALSE(NanotubeIntensity(s.model().Regions, chords, 1, 2, s.model().trap));
        EXPECT_EQ(s.model().trap.routine, kRoutineNanotube);
        EXPECT_EQ(s.model().trap.errorNumber, kErrOverflow);
    }
    {
        // The Oxide-Layer model has no region geometry to calculate.
        Sample s({ModelType::Plane, 1, 2, 1, false});
        s.t.doc.setModelType(ModelType::OxideLayer);
        EXPECT_FALSE(ModelCalculation(s.t.doc, s.t.model, {0.0, 1.0}, 0.0));
        EXPECT_EQ(s.model().trap.routine, kRoutineModelCalculation);
        EXPECT_EQ(s.model().trap.errorNumber, kErrSubscript);
    }
}

}  // namespace
}  // namespace slv
