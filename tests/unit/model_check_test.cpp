// The two validation stages of a structure model and their display: the
// table check's findings and ranges, the Oxide-Layer, nanotube and
// polyhedron checks, links, solvability with and without Omit marks, the
// island coverage, and the headings and icons of ShowModelErrors.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "model/model_check.h"
#include "support/layer_models.h"
#include "support/model_cases.h"
#include "support/test_session.h"

namespace slv {
namespace {

struct Checked {
    int errors = 0;
    std::string message;
};

Checked tableCheck(Session& session)
{
    Checked c;
    CheckModel(session, c.errors, c.message);
    return c;
}

struct TableCase {
    const char* what;
    std::function<void(Document&)> change;
    const char* message;  // the whole message of the table check
};

TEST(TableCheck, FindingsOfTheWafer)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const TableCase cases[] = {
        {"as built", [](Document&) {}, ""},
        {"bulk unnamed", [](Document& d) { d.LayerName[0] = ""; }, "- No bulk defined   \r\n"},
        {"layer 2 unnamed", [](Document& d) { d.LayerName[2] = ""; }, "- Layer 2 not defined   \r\n"},
        {"density at the limit", [](Document& d) { d.LayerDensity[1] = 22.59f; },
         "- Some parameters out of the expected range   \r\n"},
        {"density below the limit", [](Document& d) { d.LayerDensity[1] = 22.58f; }, ""},
        {"no molecular weight", [](Document& d) { d.LayerMolWeight[0] = 0.0f; },
         "- Some parameters out of the expected range   \r\n"},
        {"band gap not given", [](Document& d) { d.LayerBandGap[2] = -1.0f; }, ""},
        {"band gap 0", [](Document& d) { d.LayerBandGap[2] = 0.0f; }, ""},
        {"band gap 9.99", [](Document& d) { d.LayerBandGap[2] = 9.99f; }, ""},
        {"band gap 10", [](Document& d) { d.LayerBandGap[2] = 10.0f; },
         "- Some parameters out of the expected range   \r\n"},
        {"band gap -0.5", [](Document& d) { d.LayerBandGap[2] = -0.5f; },
         "- Some parameters out of the expected range   \r\n"},
        {"IMFP 100 nm", [](Document& d) { d.LayerIMFP[1][4] = 100.0f; },
         "- Some parameters out of the expected range   \r\n"},
        {"IMFP 100 A", [](Document& d) { d.LenUnitA = 1; d.LayerIMFP[1][4] = 100.0f; }, ""},
        {"IMFP 1000 A", [](Document& d) { d.LenUnitA = 1; d.LayerIMFP[1][4] = 1000.0f; },
         "- Some parameters out of the expected range   \r\n"},
        {"composition marker -1", [](Document& d) { d.LayerComp[1][1] = -1.0f; }, ""},
        {"negative composition", [](Document& d) { d.LayerComp[1][1] = -0.5f; },
         "- Some parameters out of the expected range   \r\n"},
        // Values only a damaged file holds must not slip through the range checks.
        {"density NaN", [nan](Document& d) { d.LayerDensity[2] = nan; },
         "- Some parameters out of the expected range   \r\n"},
        {"composition infinite", [](Document& d) { d.LayerComp[2][3] = std::numeric_limits<float>::infinity(); },
         "- Some parameters out of the expected range   \r\n"},
        {"IMFP NaN", [nan](Document& d) { d.LayerIMFP[0][1] = nan; },
         "- Some parameters out of the expected range   \r\n"},
        {"layer 1 empty", [](Document& d) { d.LayerComp[1][4] = 0.0f; },
         "- The composition of layer \"Carbon\" not specified   \r\n"},
        {"layer 1 empty and unnamed", [](Document& d) { d.LayerComp[1][4] = 0.0f; d.LayerName[1] = ""; },
         "- Layer 1 not defined   \r\n- The composition of layer 1 not specified   \r\n"},
        {"bulk empty", [](Document& d) { d.LayerComp[0][1] = 0.0f; },
         "- The composition of bulk not specified   \r\n"},
        {"several findings in order", [](Document& d) { d.LayerName[0] = ""; d.LayerDensity[0] = 30.0f; d.LayerIMFP[1][1] = 0.0f; },
         "- No bulk defined   \r\n- Some parameters out of the expected range   \r\n- Missing IMFP data   \r\n"},
    };
    for (const TableCase& c : cases) {
        test::TestSession t;
        test::BuildOxidisedWafer(t.doc());
        c.change(t.doc());
        const Checked found = tableCheck(t.session);
        EXPECT_EQ(found.message, c.message) << c.what;
        EXPECT_EQ(found.errors, *c.message ? 2 : 0) << c.what;
    }
}

// Electrons of an element cross every layer above the region they leave:
// the IMFP is needed there even where the element is absent, and nowhere below.
TEST(TableCheck, AnImfpIsMissingOnlyWhereTheElementsElectronsPass)
{
    struct Cell {
        int layer;
        int element;
        bool needed;
    };
    const Cell cells[] = {
        {1, 1, true},   // Si of the bulk crosses the carbon layer
        {2, 1, true},   // and the oxide
        {1, 3, true},   // O of the oxide crosses the carbon layer
        {0, 3, false},  // but never the bulk below it
        {2, 4, false},  // C of the top layer crosses nothing else
        {0, 4, false},
    };
    for (const Cell& cell : cells) {
        test::TestSession t;
        test::BuildOxidisedWafer(t.doc());
        t.doc().LayerIMFP[cell.layer][cell.element] = 0.0f;
        EXPECT_EQ(tableCheck(t.session).message, cell.needed ? "- Missing IMFP data   \r\n" : "")
            << "layer " << cell.layer << ", element " << cell.element;
    }
    test::TestSession tube;
    test::BuildCarbonNanotube(tube.doc());
    tube.doc().LayerIMFP[0][2] = 0.0f;  // O electrons cross the whole tube
    EXPECT_EQ(tableCheck(tube.session).message, "- Missing IMFP data   \r\n");
}

TEST(TableCheck, NoLayersSetsTheTableBitAloneAndShowsOnlyTheHeading)
{
    test::TestSession t;
    test::BuildOxidisedWafer(t.doc());
    t.doc().LayerCount = 0;
    t.doc().LayerName[0] = "";
    t.session.model.SystemDefined = true;
    const Checked found = tableCheck(t.session);
    EXPECT_EQ(found.errors, 2);
    EXPECT_EQ(found.message, "");
    EXPECT_FALSE(t.session.model.SystemDefined);

    EXPECT_FALSE(ValidateModel(t.session));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Model error(s):\r\n");
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Critical);
}

TEST(OxideLayerCheck, MetalAndOxideRowsOfOneLine)
{
    const TableCase cases[] = {
        {"as built", [](Document&) {}, ""},
        {"states in capitals", [](Document& d) { d.ElState[1] = "METAL"; d.ElState[2] = "Oxide"; }, ""},
        {"a second layer", [](Document& d) { d.LayerCount = 2; d.LayerName[2] = "Extra"; },
         "- Only one layer allowed for the Oxide-Layer model   \r\n"},
        // The check ends at the unmarked rows: the bad density is not reported.
        {"no metal row", [](Document& d) { d.ElState[1] = "elemental"; d.LayerDensity[0] = 40.0f; },
         "- Bulk or layer element not marked   \r\n"},
        {"different lines", [](Document& d) { d.ElLine[2] = "2s"; d.LayerDensity[0] = 40.0f; },
         "- The same element and line must be selected in two different chemical states   \r\n"},
        {"metal missing in the bulk", [](Document& d) { d.LayerComp[0][1] = 0.0f; d.LayerComp[0][3] = 1.0f; },
         "- The composition of bulk not specified   \r\n"},
        {"oxide missing in the layer", [](Document& d) { d.LayerComp[1][2] = 0.0f; },
         "- The composition of layer \"SiO2\" not specified   \r\n"},
        {"metal IMFP in the bulk missing", [](Document& d) { d.LayerIMFP[0][1] = 0.0f; },
         "- Missing IMFP data   \r\n"},
        // The closed form uses only the metal line in the bulk and the oxide line in the layer.
        {"O IMFP missing", [](Document& d) { d.LayerIMFP[1][3] = 0.0f; }, ""},
    };
    for (const TableCase& c : cases) {
        test::TestSession t;
        test::BuildOxideLayer(t.doc());
        c.change(t.doc());
        EXPECT_EQ(tableCheck(t.session).message, c.message) << c.what;
    }
}

TEST(OxideLayerCheck, TwoLayersAreRepairedToOneAndTheRowsAreFound)
{
    test::TestSession t;
    test::BuildOxideLayer(t.doc());
    t.doc().ElState[3] = "Ox";  // the last oxide row counts
    t.doc().ElSymbol[3] = "Si";
    t.doc().ElLine[3] = "2p";
    t.doc().LayerCount = 2;
    t.doc().LayerName[2] = "Extra";
    const Checked found = tableCheck(t.session);
    EXPECT_EQ(found.errors, 2);
    EXPECT_EQ(t.doc().LayerCount, 1);
    EXPECT_EQ(t.session.model.MetalElem, 1);
    EXPECT_EQ(t.session.model.OxideElem, 3);
}

TEST(NanotubeCheck, RadiusAndWallOfTheTube)
{
    struct TubeCase {
        const char* what;
        float radius;
        float inner;
        int lengthUnit;
        const char* tubeSymbol;
        int errors;
        const char* message;
    };
    const TubeCase cases[] = {
        {"sound tube", 3.0f, 2.0f, 0, "C", 0, ""},
        {"no radius", 0.0f, 0.0f, 0, "C", 4,
         "- Radius of the nanotube must be specified    \r\n- Inner radius of the nanotube is too large    \r\n"},
        {"inner radius equal", 1.0f, 1.0f, 0, "C", 4, "- Inner radius of the nanotube is too large    \r\n"},
        {"thin carbon tube", 0.2f, 0.1f, 0, "C", 1, "- Radius of the carbon nanotube seems to be too small    \r\n"},
        {"thin wall", 1.0f, 0.97f, 0, "C", 1, "- Thickness of the carbon nanotube wall seems to be too small    \r\n"},
        {"thin in Angstrom", 2.0f, 1.0f, 1, "C", 1, "- Radius of the carbon nanotube seems to be too small    \r\n"},
        {"sound in Angstrom", 3.0f, 2.0f, 1, "C", 0, ""},
        {"thin boron tube", 0.2f, 0.17f, 0, "B", 0, ""},
        {"radius NaN", std::numeric_limits<float>::quiet_NaN(), 0.0f, 0, "C", 4,
         "- Radius of the nanotube must be specified    \r\n- Inner radius of the nanotube is too large    \r\n"},
    };
    for (const TubeCase& c : cases) {
        test::TestSession t;
        test::BuildCarbonNanotube(t.doc());
        t.doc().SampleRadius = c.radius;
        t.doc().InnerRadius = c.inner;
        t.doc().LenUnitA = static_cast<Integer>(c.lengthUnit);
        t.doc().ElSymbol[1] = c.tubeSymbol;
        const Checked found = tableCheck(t.session);
        EXPECT_EQ(found.errors, c.errors) << c.what;
        EXPECT_EQ(found.message, c.message) << c.what;
    }
}

TEST(NanotubeCheck, AWarningAloneIsShownAsInformationAndLetsTheCallerGoOn)
{
    test::TestSession t;
    test::BuildCarbonNanotube(t.doc());
    t.doc().SampleRadius = 0.2f;
    t.doc().InnerRadius = 0.1f;
    EXPECT_TRUE(ValidateModel(t.session, MessageButtons::OkCancel));
    EXPECT_EQ(t.session.model.ModelErrors, 1);
    EXPECT_TRUE(t.session.model.SystemDefined);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Nanotube warning(s):\r\n- Radius of the carbon nanotube seems to be too small    \r\n");
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::Ok);
}

TEST(PolyhedronCheck, SomeGeometryFactorMustBePositive)
{
    test::TestSession t;
    test::BuildOxidisedWafer(t.doc());
    t.doc().ParIndex[0] = kPolyhedron;
    EXPECT_EQ(tableCheck(t.session).message,
              "- Geometry correction factors of the Layers-on-Polyhedron model not specified    \r\n");
    t.doc().PolyPar[9] = 0.3f;
    EXPECT_EQ(tableCheck(t.session).errors, 0);
}

/// A Plane sample of model_cases.h: element row e in layer row (e - 1) mod (layers + 1).
struct Analysed {
    test::TestSession t;
    Checked found;
    Analysed(int layers, int elements, const std::function<void(Document&)>& change)
    {
        test::BuildSample(t.session, {kPlane, layers, elements, 2, false});
        change(t.doc());
        t.session.model.SystemDefined = false;
        AnalyseStructure(t.session, found.message, found.errors);
    }
    const ModelState& model() const { return t.session.model; }
};

TEST(StructureAnalysis, LinksMustPointAtAFreeLayerOfTheStack)
{
    struct LinkCase {
        const char* what;
        std::array<Integer, 4> links;  // layers 0..3
        const char* message;
    };
    const LinkCase cases[] = {
        {"free", {0, 0, 0, 0}, ""},
        {"layer 2 as thick as layer 1", {0, 0, 1, 0}, ""},
        {"a link to a fixed layer", {0, 0, 3, -1}, "- Link error at Layer 2: chains or cross-links   \r\n"},
        {"a chain", {0, 2, 3, 0}, "- Link error at Layer 1: chains or cross-links   \r\n"},
        {"cross-links", {0, 2, 1, 0}, "- Link error at Layer 1: chains or cross-links   \r\n"},
        {"a link to itself", {0, 0, 2, 0}, "- Link error at Layer 2: chains or cross-links   \r\n"},
        // A layer beyond the stack has no thickness to share (and links up to 9 can be typed).
        {"a link beyond the stack", {0, 0, 0, 5}, "- Link error at Layer 3: the linked layer is not defined   \r\n"},
        {"a link to layer 9", {0, 9, 0, 0}, "- Link error at Layer 1: the linked layer is not defined   \r\n"},
    };
    for (const LinkCase& c : cases) {
        Analysed a(3, 4, [&](Document& d) {
            for (int k = 0; k <= 3; ++k)
                d.LayerLink[k] = c.links[k];
        });
        EXPECT_EQ(a.found.message, c.message) << c.what;
        EXPECT_EQ(a.found.errors, *c.message ? 8 : 0) << c.what;
        EXPECT_EQ(a.model().SystemDefined, !*c.message) << c.what;
    }
}

TEST(StructureAnalysis, EveryFreeRowNeedsAnElementOfItsOwn)
{
    // Two layers and the bulk made of the same single element.
    Analysed common(2, 1, [](Document& d) {
        d.LayerComp[1][1] = 1.0f;
        d.LayerComp[2][1] = 1.0f;
    });
    EXPECT_EQ(common.found.message,
              "- The model system is ill-defined.   \r\n  Specify at least 3 independent elements   \r\n");
    EXPECT_EQ(common.found.errors, 8);
    EXPECT_FALSE(common.model().SystemDefined);

    // Linked to layer 1, layer 2 needs no element of its own.
    Analysed linked(2, 2, [](Document& d) {
        d.LayerComp[2][2] = 1.0f;
        d.LayerLink[2] = 1;
    });
    EXPECT_EQ(linked.found.errors, 0);
    EXPECT_EQ(linked.model().ModelRefElem, 1);

    // Element 1 in the bulk and layer 1, element 2 in the bulk: only the
    // order that starts with element 2 gives layer 1 a representative.
    Analysed reordered(1, 2, [](Document& d) {
        d.LayerComp[0][1] = 1.0f;
        d.LayerComp[1][1] = 1.0f;
        d.LayerComp[0][2] = 1.0f;
        d.LayerComp[1][2] = 0.0f;
    });
    EXPECT_EQ(reordered.found.errors, 0);
    EXPECT_EQ(reordered.model().ModelRefElem, 2);
    EXPECT_EQ(reordered.t.doc().ElModelFlag[2], 2);
}

TEST(StructureAnalysis, OmitMarksCountInTheSecondPassOnly)
{
    // The needed element of layer 2 omitted.
    Analysed tooMany(2, 3, [](Document& d) { d.ElModelFlag[3] = 1; });
    EXPECT_EQ(tooMany.found.message,
              "- The model system is defined but   \r\n  too many or necessary elements omitted   \r\n");
    EXPECT_EQ(tooMany.found.errors, 8);

    // Element 4 adds to the bulk: omitting it leaves the system defined, and
    // the reference mark moves from wherever it stood to the bulk's element.
    Analysed spare(2, 4, [](Document& d) {
        d.ElModelFlag[4] = 1;
        d.ElModelFlag[3] = 2;
    });
    EXPECT_EQ(spare.found.errors, 0);
    EXPECT_TRUE(spare.model().SystemDefined);
    EXPECT_EQ(spare.model().ModelRefElem, 1);
    const auto& flags = spare.t.doc().ElModelFlag;
    EXPECT_EQ((std::array<int, 4>{flags[1], flags[2], flags[3], flags[4]}), (std::array<int, 4>{2, 0, 0, 1}));
}

TEST(StructureAnalysis, FittedCoverageNeedsMoreIslandElementsThanFreeIslands)
{
    struct CoverageCase {
        const char* what;
        int islandElements;  // element rows 2.. in the island layer
        bool angleResolved;
        bool omitSecond;
        bool fitted;
    };
    const CoverageCase cases[] = {
        {"one element, one island", 1, false, false, false},
        {"two elements", 2, false, false, true},
        {"one element, angle-resolved", 1, true, false, true},
        {"second element omitted", 2, false, true, false},
    };
    for (const CoverageCase& c : cases) {
        Analysed a(1, 1 + c.islandElements, [&](Document& d) {
            d.IslandMode = 1;
            d.AutoCov = true;
            d.ARXPS = c.angleResolved;
            d.LayerKind[1] = kKindIsland;
            for (int e = 2; e <= 1 + c.islandElements; ++e) {
                d.LayerComp[0][e] = 0.0f;
                d.LayerComp[1][e] = 1.0f;
            }
            d.ElModelFlag[3] = c.omitSecond ? 1 : 0;
        });
        EXPECT_EQ(a.model().CoverageFitted, c.fitted) << c.what;
        EXPECT_EQ(a.found.message, c.fitted ? ""
                                            : "- The model system is ill-defined.   \r\n"
                                              "  Supply coverage data from independent measurements   \r\n"
                                              "  or specify one more element in the islands   \r\n")
            << c.what;
        EXPECT_EQ(a.model().FitExpCount, c.angleResolved ? 2 : 1) << c.what;
    }
}

TEST(SelectLayerElements, EachElementRepresentsTheFirstFreeRowStillOpenToIt)
{
    test::TestSession t;
    test::BuildOxidisedWafer(t.doc());
    t.doc().LayerComp[0][4] = 1.0f;  // carbon also in the bulk
    using Reps = std::array<int, 7>;
    EXPECT_EQ(SelectLayerElements(t.session, false, 0), (Reps{1, 4, 2, 0, 0, 0, 0}));
    // Starting at row 4, carbon takes the bulk and layer 1 is left without an element.
    EXPECT_EQ(SelectLayerElements(t.session, false, 3), (Reps{4, 0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(SelectLayerElements(t.session, false, 7), (Reps{4, 0, 2, 0, 0, 0, 0}));

    t.doc().ElModelFlag[1] = 1;  // the metal omitted
    EXPECT_EQ(SelectLayerElements(t.session, true, 0), (Reps{4, 0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(SelectLayerElements(t.session, false, 0), (Reps{1, 4, 2, 0, 0, 0, 0}));

    t.doc().LayerLink[2] = -1;  // a fixed layer needs no element
    EXPECT_EQ(SelectLayerElements(t.session, false, 0), (Reps{1, 4, 0, 0, 0, 0, 0}));
}

TEST(ShowModelErrors, HeadingIconAndAnswerFollowTheBits)
{
    test::TestSession t;
    const std::string finding = "- Missing IMFP data   \r\n";
    EXPECT_EQ(ShowModelErrors(t.session, 0, "", MessageButtons::Ok), std::nullopt);
    EXPECT_EQ(ShowModelErrors(t.session, 16, "", MessageButtons::Ok), std::nullopt);
    EXPECT_TRUE(t.dialogs.messages.empty());

    t.dialogs.answers.push_back(DialogAnswer::Cancel);
    EXPECT_EQ(ShowModelErrors(t.session, 2, finding, MessageButtons::OkCancel), DialogAnswer::Cancel);
    ShowModelErrors(t.session, 16 + 2, finding, MessageButtons::Ok);
    ShowModelErrors(t.session, 16 + 1, finding, MessageButtons::OkCancel);
    ASSERT_EQ(t.dialogs.messages.size(), 3u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Model error(s):\r\n" + finding);
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(t.dialogs.messages[1].text, "Parameter error(s):\r\n" + finding);
    EXPECT_EQ(t.dialogs.messages[2].text, "Nanotube warning(s):\r\n" + finding);
    EXPECT_EQ(t.dialogs.messages[2].icon, MessageIcon::Information);
    EXPECT_EQ(t.dialogs.messages[2].buttons, MessageButtons::Ok);
}

TEST(ValidateModel, StopsAfterTheTableCheckWhenItFoundErrors)
{
    test::TestSession t;
    test::BuildOxidisedWafer(t.doc());
    t.doc().LayerIMFP[1][1] = 0.0f;
    t.doc().LayerLink[1] = 2;  // the link would chain, but the analysis does not run
    t.doc().LayerLink[2] = -1;
    EXPECT_FALSE(ValidateModel(t.session));
    EXPECT_EQ(t.session.model.ModelErrors, 2);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Model error(s):\r\n- Missing IMFP data   \r\n");

    t.doc().LayerIMFP[1][1] = 3.6f;
    EXPECT_FALSE(ValidateModel(t.session));
    EXPECT_EQ(t.session.model.ModelErrors, 8);
}

}  // namespace
}  // namespace slv
