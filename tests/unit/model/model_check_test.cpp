// The two validation stages of a structure model and their display.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "model/model_check.h"
#include "support/layer_models.h"
#include "support/model_cases.h"
#include "support/model_workspace.h"

namespace slv {
namespace {

using Change = std::function<void(Document&)>;
constexpr const char* kRange = "- Some parameters out of the expected range   \r\n";
constexpr const char* kNoImfp = "- Missing IMFP data   \r\n";

struct Case {
    const char* what;
    Change change;
    const char* message;
};

std::string tableFindings(void (*build)(Document&), const Change& change, int* errors = nullptr)
{
    test::ModelWorkspace t;
    build(t.doc);
    change(t.doc);
    int bits = 0;
    std::string message;
    CheckModel(t.doc, t.model, bits, message);
    if (errors != nullptr)
        *errors = bits;
    return message;
}

TEST(TableCheck, FindingsOfTheWafer)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"as built", [](Document&) {}, ""},
        {"order",
         [](Document& d) {
             d.LayerName[0] = "";
             d.LayerName[2] = "";
             d.LayerMolWeight[0] = 0;
             d.LayerIMFP[1][1] = 0;
         },
         "- No bulk defined   \r\n- Layer 2 not defined   \r\n- Some parameters out of the expected range   \r\n"
         "- Missing IMFP data   \r\n"},
        {"density 22.59", [](Document& d) { d.LayerDensity[1] = 22.59f; }, kRange},
        {"density 22.58", [](Document& d) { d.LayerDensity[1] = 22.58f; }, ""},
        {"band gaps -1, 0, 9.99",
         [](Document& d) {
             d.LayerBandGap = {-1.0f, 0.0f, 9.99f};
         },
         ""},
        {"band gap 10", [](Document& d) { d.LayerBandGap[2] = 10.0f; }, kRange},
        {"IMFP 100 nm", [](Document& d) { d.LayerIMFP[1][4] = 100.0f; }, kRange},
        {"IMFP 999 A",
         [](Document& d) {
             d.LenUnitA = 1;
             d.LayerIMFP[1][4] = 999.0f;
         },
         ""},
        {"composition marker -1", [](Document& d) { d.LayerComp[1][1] = -1.0f; }, ""},
        {"composition -0.5", [](Document& d) { d.LayerComp[1][1] = -0.5f; }, kRange},
        // Values only a damaged file holds must not pass the range checks.
        {"density NaN", [nan](Document& d) { d.LayerDensity[2] = nan; }, kRange},
        {"infinite composition", [](Document& d) { d.LayerComp[2][3] = std::numeric_limits<float>::infinity(); },
         kRange},
        {"layer 1 empty", [](Document& d) { d.LayerComp[1][4] = 0; },
         "- The composition of layer \"Carbon\" not specified   \r\n"},
        {"bulk empty", [](Document& d) { d.LayerComp[0][1] = 0; }, "- The composition of bulk not specified   \r\n"},
        {"polyhedron without factors", [](Document& d) { d.setModelType(ModelType::Polyhedron); },
         "- Geometry correction factors of the Layers-on-Polyhedron model not specified    \r\n"},
        {"polyhedron with a factor",
         [](Document& d) {
             d.setModelType(ModelType::Polyhedron);
             d.PolyPar[9] = 0.3f;
         },
         ""},
        // An element's electrons cross every layer above the region they leave,
        // also where the element is absent, and never a layer below it.
        {"bulk Si through the carbon", [](Document& d) { d.LayerIMFP[1][1] = 0; }, kNoImfp},
        {"oxide O through the carbon", [](Document& d) { d.LayerIMFP[1][3] = 0; }, kNoImfp},
        {"oxide O in the bulk", [](Document& d) { d.LayerIMFP[0][3] = 0; }, ""},
    };
    for (const Case& c : cases) {
        int errors = 0;
        EXPECT_EQ(tableFindings(test::BuildOxidisedWafer, c.change, &errors), c.message) << c.what;
        EXPECT_EQ(errors, *c.message ? 2 : 0) << c.what;
    }
}

TEST(TableCheck, OxideLayerNeedsOneLayerAndAMetalAndOxideRowOfOneLine)
{
    const Case cases[] = {
        {"states in capitals",
         [](Document& d) {
             d.ElState[1] = "METAL";
             d.ElState[2] = "Oxide";
         },
         ""},
        {"two layers",
         [](Document& d) {
             d.LayerCount = 2;
             d.LayerName[2] = "X";
         },
         "- Only one layer allowed for the Oxide-Layer model   \r\n"},
        // Both row faults end the check: the density is not looked at.
        {"no metal row",
         [](Document& d) {
             d.ElState[1] = "elemental";
             d.LayerDensity[0] = 40;
         },
         "- Bulk or layer element not marked   \r\n"},
        {"two lines",
         [](Document& d) {
             d.ElLine[2] = "2s";
             d.LayerDensity[0] = 40;
         },
         "- The same element and line must be selected in two different chemical states   \r\n"},
        {"metal IMFP", [](Document& d) { d.LayerIMFP[0][1] = 0; }, kNoImfp},
        {"O IMFP, unused by the closed form", [](Document& d) { d.LayerIMFP[1][3] = 0; }, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tableFindings(test::BuildOxideLayer, c.change), c.message) << c.what;

    test::ModelWorkspace t;
    test::BuildOxideLayer(t.doc);
    t.doc.LayerCount = 2;
    int errors = 0;
    std::string message;
    CheckModel(t.doc, t.model, errors, message);
    EXPECT_EQ(t.doc.LayerCount, 1);  // repaired, and still reported
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(t.model.MetalElem, 1);
    EXPECT_EQ(t.model.OxideElem, 2);
}

TEST(TableCheck, NanotubeRadiusAndWall)
{
    struct Tube {
        float radius, inner;
        int lengthUnit;
        const char* symbol;
        int errors;
        const char* message;
    };
    const char* const kInner = "- Inner radius of the nanotube is too large    \r\n";
    const char* const kBoth = "- Radius of the nanotube must be specified    \r\n"
                              "- Inner radius of the nanotube is too large    \r\n";
    const char* const kThin = "- Radius of the carbon nanotube seems to be too small    \r\n";
    const Tube tubes[] = {
        {0.0f, 0.0f, 0, "C", 4, kBoth},  // both the radius and the inner radius reported
        {std::numeric_limits<float>::quiet_NaN(), 0.0f, 0, "C", 4, kBoth},
        {1.0f, 1.0f, 0, "C", 4, kInner},
        {0.2f, 0.1f, 0, "C", 1, kThin},
        {1.0f, 0.97f, 0, "C", 1, "- Thickness of the carbon nanotube wall seems to be too small    \r\n"},
        {2.0f, 1.0f, 1, "C", 1, kThin},  // Angstrom
        {0.2f, 0.17f, 0, "B", 0, ""},
    };
    for (const Tube& c : tubes) {
        int errors = 0;
        const std::string message = tableFindings(
            test::BuildCarbonNanotube,
            [&](Document& d) {
                d.SampleRadius = c.radius;
                d.InnerRadius = c.inner;
                d.LenUnitA = static_cast<Integer>(c.lengthUnit);
                d.ElSymbol[1] = c.symbol;
            },
            &errors);
        EXPECT_EQ(errors, c.errors) << c.radius;
        EXPECT_EQ(message, c.message) << c.radius;
    }
}

/// Links and solvability of a Plane sample of model_cases.h: element row e
/// in layer row (e - 1) mod (layers + 1).
std::string analysis(int layers, int elements, const Change& change, test::ModelWorkspace* keep = nullptr)
{
    test::ModelWorkspace own;
    test::ModelWorkspace& w = keep != nullptr ? *keep : own;
    test::BuildSample(w, {ModelType::Plane, layers, elements, 2, false});
    change(w.doc);
    int errors = 0;
    std::string message;
    AnalyseStructure(w.doc, w.model, message, errors);
    EXPECT_EQ(errors, message.empty() ? 0 : 8) << message;
    EXPECT_EQ(w.model.SystemDefined, message.empty() || message.find("Supply") != std::string::npos) << message;
    return message;
}

TEST(StructureAnalysis, LinksMustPointAtAFreeLayerOfTheStack)
{
    const std::pair<std::array<Integer, 4>, const char*> cases[] = {
        {{0, 0, 1, 0}, ""},
        {{0, 0, 3, -1}, "- Link error at Layer 2: chains or cross-links   \r\n"},
        {{0, 2, 3, 0}, "- Link error at Layer 1: chains or cross-links   \r\n"},
        {{0, 0, 2, 0}, "- Link error at Layer 2: chains or cross-links   \r\n"},
        // Nothing sets the thickness of a layer beyond the stack; "Layer 9" can be typed.
        {{0, 9, 0, 0}, "- Link error at Layer 1: the linked layer is not defined   \r\n"},
    };
    for (const auto& [links, message] : cases)
        EXPECT_EQ(analysis(3, 4, [&](Document& d) { std::copy(links.begin(), links.end(), d.LayerLink.begin()); }),
                  message);
}

TEST(StructureAnalysis, EveryFreeRowNeedsAnElementOfItsOwn)
{
    EXPECT_EQ(analysis(2, 1, [](Document& d) { d.LayerComp[1][1] = d.LayerComp[2][1] = 1; }),
              "- The model system is ill-defined.   \r\n  Specify at least 3 independent elements   \r\n");
    EXPECT_EQ(analysis(2, 2,
                       [](Document& d) {
                           d.LayerComp[2][2] = 1;
                           d.LayerLink[2] = 1;
                       }),
              "");
    EXPECT_EQ(analysis(2, 3, [](Document& d) { d.ElModelFlag[3] = 1; }),
              "- The model system is defined but   \r\n  too many or necessary elements omitted   \r\n");

    // Row 1 in the bulk and layer 1, row 2 in the bulk: only the order that
    // starts at row 2 serves both; the stale reference mark moves there.
    test::ModelWorkspace t;
    EXPECT_EQ(analysis(
                  1, 3,
                  [](Document& d) {
                      d.LayerComp[1][1] = 1;
                      d.LayerComp[1][2] = 0;
                      d.LayerComp[0][2] = 1;
                      d.LayerComp[0][3] = 0;
                      d.ElModelFlag[3] = 2;
                  },
                  &t),
              "");
    EXPECT_EQ(t.model.ModelRefElem, 2);
    EXPECT_EQ(t.doc.ElModelFlag[2], 2);
    EXPECT_EQ(t.doc.ElModelFlag[3], 0);
}

TEST(StructureAnalysis, FittedCoverageNeedsMoreIslandElementsThanFreeIslands)
{
    const char* const kShort =
        "- The model system is ill-defined.   \r\n  Supply coverage data from independent measurements   \r\n"
        "  or specify one more element in the islands   \r\n";
    struct Cov {
        int islandElements;
        bool angleResolved, omitSecond;
        const char* message;
    };
    for (const Cov& c : {Cov{1, false, false, kShort}, Cov{2, false, false, ""}, Cov{1, true, false, ""},
                         Cov{2, false, true, kShort}}) {
        test::ModelWorkspace t;
        EXPECT_EQ(analysis(
                      1, 1 + c.islandElements,
                      [&](Document& d) {
                          d.IslandMode = 1;
                          d.AutoCov = true;
                          d.ARXPS = c.angleResolved;
                          d.LayerKind[1] = kKindIsland;
                          for (int e = 2; e <= 1 + c.islandElements; ++e) {
                              d.LayerComp[0][e] = 0;
                              d.LayerComp[1][e] = 1;
                          }
                          d.ElModelFlag[3] = c.omitSecond ? 1 : 0;
                      },
                      &t),
                  c.message);
        EXPECT_EQ(t.model.CoverageFitted, !*c.message);
        EXPECT_EQ(t.model.FitExpCount, c.angleResolved ? 2 : 1);
    }
}

TEST(ModelErrorsFinding, HeadingKindAndButtonsFollowTheBits)
{
    const std::string finding = "- Missing IMFP data   \r\n";
    EXPECT_EQ(ModelErrorsFinding(16, "", MessageButtons::Ok), std::nullopt);
    const Finding model = *ModelErrorsFinding(2, finding, MessageButtons::OkCancel);
    EXPECT_EQ(model.text, "Model error(s):\r\n" + finding);
    EXPECT_EQ(model.items, std::vector<std::string>{"Missing IMFP data"});
    EXPECT_EQ(model.kind, FindingKind::Error);
    EXPECT_EQ(model.buttons, MessageButtons::OkCancel);
    EXPECT_EQ(ModelErrorsFinding(16 + 2, finding)->text, "Parameter error(s):\r\n" + finding);
    const Finding warning = *ModelErrorsFinding(16 + 1, finding, MessageButtons::OkCancel);
    EXPECT_EQ(warning.text, "Nanotube warning(s):\r\n" + finding);
    EXPECT_EQ(warning.kind, FindingKind::Note);
    EXPECT_EQ(warning.buttons, MessageButtons::Ok);
}

TEST(RunModelChecks, NoLayersNanotubeWarningAndTheStageOrder)
{
    test::ModelWorkspace t;
    test::BuildCarbonNanotube(t.doc);
    t.doc.SampleRadius = 0.2f;
    t.doc.InnerRadius = 0.1f;
    ModelFindings found = RunModelChecks(t.doc, t.model);
    EXPECT_TRUE(ModelUsable(found.errors));  // a warning alone lets the caller go on
    EXPECT_TRUE(found.analysed);
    EXPECT_TRUE(t.model.SystemDefined);

    t.doc.LayerIMFP[1][1] = 0;
    t.doc.LayerLink[1] = 1;  // would be a link error, but the analysis does not run
    found = RunModelChecks(t.doc, t.model);
    EXPECT_FALSE(found.analysed);
    EXPECT_EQ(t.model.ModelErrors, 3);
    EXPECT_FALSE(t.model.SystemDefined);

    t.doc.LayerCount = 0;
    found = RunModelChecks(t.doc, t.model);
    EXPECT_EQ(t.model.ModelErrors, 2);
    EXPECT_EQ(ModelErrorsFinding(found.errors, found.message)->text, "Model error(s):\r\n");
}

}  // namespace
}  // namespace slv
