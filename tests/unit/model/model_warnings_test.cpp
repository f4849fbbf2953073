// Model warnings: shown when a model would mislead (a curved sample too small
// for the surface-angle classes, emission angles of 90 degrees or more, Gries
// constants of one element for several, a fitted stack nobody sees through)
// and not otherwise; a warning never makes a model unusable.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/emission_angle.h"
#include "model/model_check.h"
#include "model/model_test.h"
#include "model/model_warnings.h"
#include "support/layer_models.h"
#include "support/model_workspace.h"

namespace slv {
namespace {

/// The largest IMFP the oxidised wafer's intensities need (Si 2p in the carbon layer).
constexpr float kWaferImfp = 3.6f;

std::string warningsOf(const Document& doc)
{
    int errors = 0;
    std::string message;
    CheckModelWarnings(doc, errors, message);
    EXPECT_EQ(errors, message.empty() ? 0 : 1 << kBitModelWarning);
    return message;
}

void setTilts(Document& doc, TiltUnit unit, const std::vector<const char*>& tilts)
{
    doc.LabelSelect[kTiltLabelName] = 1;
    doc.LabelName[kTiltLabelName] = "Tilt";
    doc.setTiltUnit(unit);
    RecomputeUnits(doc);
    doc.ExpCount = static_cast<Integer>(tilts.size());
    for (int exp = 1; exp <= doc.ExpCount; ++exp)
        doc.LabelText[exp][kTiltLabelColumn] = tilts[exp - 1];
}

TEST(ModelWarnings, CurvedSampleTooSmallForTheSurfaceAngleClasses)
{
    struct Case {
        const char* what;
        ModelType type;
        float radiusInImfps;   // 0: infinitely large
        const char* expected;  // a part of the warning, or nullptr for none
        std::function<void(Document&)> change = [](Document&) {};
    };
    const Case cases[] = {
        {"flat limit", ModelType::Sphere, 0.0f, nullptr},
        {"large sphere", ModelType::Sphere, 12.0f, nullptr},
        {"at ten IMFPs", ModelType::Sphere, 10.0f, nullptr},
        {"R/IMFP 8", ModelType::Sphere, 8.0f, "layers too large by +8 to +23 %; use the exact particle integral"},
        {"wire, about half", ModelType::Cylinder, 4.5f, "wire's layers too large by +10 to +20 %"},
        {"thin wire", ModelType::Cylinder, 1.5f, "far too large, or no solution"},
        {"polyhedron", ModelType::Polyhedron, 1.5f, nullptr, [](Document& d) { d.PolyPar[1] = 1.0f; }},
        {"plane", ModelType::Plane, 1.5f, nullptr},
        {"exact integral chosen", ModelType::Sphere, 1.5f, nullptr,
         [](Document& d) { d.setCurvedModel(CurvedModel::Exact); }},
        {"islands keep the classes", ModelType::Sphere, 4.5f, "serves full shells only",
         [](Document& d) {
             d.setCurvedModel(CurvedModel::Exact);
             d.IslandMode = 1;
         }},
        {"a single row of spheres keeps the classes", ModelType::Sphere, 4.5f, "serves full shells only",
         [](Document& d) {
             d.setCurvedModel(CurvedModel::Exact);
             d.setSingleRowOfSpheres(true);
         }},
        {"IMFPs no line needs do not count", ModelType::Sphere, 12.0f, nullptr,
         [](Document& d) { d.LayerIMFP[0][4] = 50.0f; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ModelWorkspace t;
        test::BuildOxidisedWafer(t.doc);
        RecomputeUnits(t.doc);
        t.doc.setModelType(c.type);
        t.doc.setCurvedModel(CurvedModel::SurfaceAngleClasses);
        t.doc.SampleRadius = c.radiusInImfps * kWaferImfp;
        c.change(t.doc);
        const std::string message = warningsOf(t.doc);
        if (c.expected == nullptr)
            EXPECT_EQ(message, "");
        else
            EXPECT_NE(message.find(c.expected), std::string::npos) << message;
    }

    test::ModelWorkspace t;
    test::BuildOxidisedWafer(t.doc);
    RecomputeUnits(t.doc);
    t.doc.setModelType(ModelType::Sphere);
    t.doc.setCurvedModel(CurvedModel::SurfaceAngleClasses);
    t.doc.SampleRadius = 3.2f;
    EXPECT_EQ(warningsOf(t.doc),
              "- Outer radius 3.2 nm = 0.9 x the largest IMFP (3.6 nm): surface-angle classes make the particle's "
              "layers several times too large, or no solution; use the exact particle integral   \r\n");
}

TEST(ModelWarnings, EmissionAnglesOfNinetyDegreesOrMoreNameTheColumnAndItsUnit)
{
    struct Case {
        const char* what;
        ModelType type;
        TiltUnit unit;
        std::vector<const char*> tilts;
        const char* expected;  // nullptr: no warning
    };
    const Case cases[] = {
        {"degrees", ModelType::Plane, TiltUnit::Degree, {"0", "30", "60", "89.9"}, nullptr},
        {"radians", ModelType::Plane, TiltUnit::Radian, {"0", "0.5", "1.2"}, nullptr},
        {"grazing", ModelType::Plane, TiltUnit::Degree, {"0", "90"}, "experiment 2 (90)"},
        {"negative", ModelType::OxideLayer, TiltUnit::Degree, {"-95", "10"}, "experiment 1 (-95)"},
        {"degrees read as radians",
         ModelType::OxideLayer,
         TiltUnit::Radian,
         {"0", "30", "45", "60"},
         "- Emission angle of 90\260 or more (up to 3438\260) in label column \"Tilt\", unit rad, experiment 2 "
         "(30), 3 (45), 4 (60): correct the unit or the angles   \r\n"},
        {"curved samples take no emission angle", ModelType::Sphere, TiltUnit::Radian, {"60"}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ModelWorkspace t;
        if (c.type == ModelType::OxideLayer)
            test::BuildOxideLayer(t.doc);
        else
            test::BuildOxidisedWafer(t.doc);
        t.doc.setModelType(c.type);
        setTilts(t.doc, c.unit, c.tilts);
        const std::string message = warningsOf(t.doc);
        if (c.expected == nullptr)
            EXPECT_EQ(message, "");
        else
            EXPECT_NE(message.find(c.expected), std::string::npos) << message;
    }

    test::ModelWorkspace t;
    test::BuildOxidisedWafer(t.doc);
    setTilts(t.doc, TiltUnit::Radian, {"60"});
    t.doc.LabelSelect[kTiltLabelName] = 0;  // the label is not in use: every experiment at normal emission
    EXPECT_EQ(warningsOf(t.doc), "");
}

TEST(ModelWarnings, GriesClassElementNamesTheElementWhoseConstantsAreTaken)
{
    struct Case {
        const char* what;
        ImfpMethod method;
        MaterialClass layerClass;
        bool expected;
    };
    const Case cases[] = {
        {"element class, Si and O", ImfpMethod::Gries, MaterialClass::Element, true},
        {"inorganic class", ImfpMethod::Gries, MaterialClass::Inorganic, false},
        {"another method", ImfpMethod::Tpp2m, MaterialClass::Element, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ModelWorkspace t;
        test::BuildOxidisedWafer(t.doc);
        t.doc.setModelImfpMethod(c.method);
        t.doc.LayerMatClass[2] = CodeOf(c.layerClass);            // "SiO2"
        t.doc.LayerMatClass[0] = CodeOf(MaterialClass::Element);  // "Si" alone: never warned
        EXPECT_EQ(warningsOf(t.doc),
                  c.expected ? "- Layer 2 \"SiO2\": Gries IMFP, class element, in a matrix of 2 elements takes the "
                               "constants of O alone   \r\n"
                             : "");
    }
}

TEST(ModelWarnings, AWarningLeavesTheModelUsableUnderItsOwnHeading)
{
    test::ModelWorkspace t;
    test::BuildOxidisedWafer(t.doc);
    setTilts(t.doc, TiltUnit::Radian, {"60"});
    const ModelFindings found = RunModelChecks(t.doc, t.model);
    EXPECT_TRUE(ModelUsable(found.errors));
    EXPECT_TRUE(t.model.SystemDefined);
    const auto finding = ModelErrorsFinding(found.errors, found.message);
    ASSERT_TRUE(finding);
    EXPECT_EQ(finding->kind, FindingKind::Warning);
    EXPECT_EQ(finding->heading, "Model warning(s):");

    const ModelSummary summary = TestModel(t.doc, t.model);
    EXPECT_EQ(summary.status, ModelTestStatus::Clean);
    EXPECT_EQ(summary.statusTip, " Warning(s) ");
    EXPECT_NE(summary.errorList.find("Emission angle"), std::string::npos);

    // Beside an error the warning is listed under the error heading.
    t.doc.LayerLink = {0, -1, -1};
    const ModelSummary wrong = TestModel(t.doc, t.model);
    EXPECT_EQ(wrong.status, ModelTestStatus::Wrong);
    EXPECT_NE(wrong.errorList.find("Emission angle"), std::string::npos);
    EXPECT_EQ(ModelErrorsFinding(t.model.ModelErrors, wrong.errorList)->heading, "Model error(s):");
}

TEST(ModelWarnings, AFittedStackNobodySeesThroughIsPoorlyDetermined)
{
    // The wafer's Si 2p metal line (bulk) crosses "Carbon" (IMFP 3.6 nm) and "SiO2" (3.4 nm).
    struct Case {
        const char* what;
        double carbon;
        double oxide;
        bool expected;
        std::function<void(Document&)> change = [](Document&) {};
    };
    const Case cases[] = {
        {"thin", 1.0, 2.0, false},
        {"just under 3 IMFPs", 3.6, 6.7, false},
        {"over 3 IMFPs", 3.6, 7.0, true},
        {"repeated stack", 2.0, 3.5, true, [](Document& d) { d.MultiLayers = 2; }},
        {"no bulk line in the model", 3.6, 7.0, false, [](Document& d) { d.ElModelFlag[1] = kElementOmitted; }},
        {"Oxide-Layer has no fit", 20.0, 20.0, false, [](Document& d) { d.setModelType(ModelType::OxideLayer); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ModelWorkspace t;
        test::BuildOxidisedWafer(t.doc);
        RecomputeUnits(t.doc);
        t.doc.LayerThick[1] = c.carbon;
        t.doc.LayerThick[2] = c.oxide;
        c.change(t.doc);
        Findings findings;
        CheckFittedStack(t.doc, findings);
        ASSERT_EQ(findings.size(), c.expected ? 1u : 0u);
        if (c.expected) {
            EXPECT_EQ(findings[0].kind, FindingKind::Warning);
            EXPECT_NE(findings[0].text.find("Si 2p, the line from below that sees furthest: the signal from below "
                                            "is under 5 % and the thickness is poorly determined    "),
                      std::string::npos)
                << findings[0].text;
        }
    }
}

}  // namespace
}  // namespace slv
