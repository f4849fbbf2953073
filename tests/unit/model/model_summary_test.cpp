// The model test: its counts, its findings (its own "No independent
// parameter" included) and the verdict with the tool tip of the deciding stage.
#include <gtest/gtest.h>

#include <functional>

#include "model/model_test.h"
#include "support/layer_models.h"
#include "support/model_workspace.h"

namespace slv {
namespace {

TEST(ModelSummary, CountsWithAndWithoutIslands)
{
    using Rows = std::vector<std::pair<std::string, std::string>>;
    test::ModelWorkspace t;
    Document& doc = t.doc;
    test::BuildOxidisedWafer(doc);
    EXPECT_EQ(SummaryRows(TestModel(t.doc, t.model)), (Rows{{"Model type", "Layers-on-Plane"},
                                                            {"Elements", "4"},
                                                            {"Layers", "2"},
                                                            {"Islands", "-"},
                                                            {"Number of equations", "2"},
                                                            {"Number of necessary elements", "3"},
                                                            {"within islands", "-"}}));

    doc.IslandMode = 1;
    doc.AutoCov = true;
    doc.LayerKind = {1, kKindIsland, kKindIsland};
    doc.LayerLink[2] = -1;
    const ModelSummary islands = TestModel(t.doc, t.model);
    EXPECT_EQ(islands.modelType, "Islands-on-Plane");
    EXPECT_EQ(islands.islands, 2);
    EXPECT_EQ(islands.equations, 2);  // layer 1 and the coverage
    EXPECT_EQ(islands.necessaryElements, 3);
    EXPECT_EQ(islands.withinIslands, 2);  // two islands, one fixed, plus the coverage
}

TEST(ModelSummary, VerdictByTheFindings)
{
    struct Case {
        const char* what;
        std::function<void(Document&)> change;
        ModelTestStatus status;
        const char* tip;
        const char* errorList;
        void (*build)(Document&) = test::BuildOxidisedWafer;
    };
    const Case cases[] = {
        {"clean", [](Document&) {}, ModelTestStatus::Clean, " No errors ", "No errors"},
        {"both layers fixed",
         [](Document& d) {
             d.LayerLink = {0, -1, -1};
         },
         ModelTestStatus::Wrong, " Level 2 error ", "- No independent parameter\r\n"},
        {"no layers", [](Document& d) { d.LayerCount = 0; }, ModelTestStatus::Wrong, " Level 1 error(s) ",
         "- No independent parameter\r\n"},
        {"missing IMFP", [](Document& d) { d.LayerIMFP[1][1] = 0; }, ModelTestStatus::Wrong, " Level 1 error(s) ",
         "- Missing IMFP data   \r\n"},
        {"needed element omitted", [](Document& d) { d.ElModelFlag[4] = 1; }, ModelTestStatus::Doubtful,
         " Level 2 error ", "- The model system is defined but   \r\n  too many or necessary elements omitted   \r\n"},
        {"islands short of elements",
         [](Document& d) {
             d.IslandMode = 1;
             d.AutoCov = true;
             d.LayerKind[1] = kKindIsland;
         },
         ModelTestStatus::Doubtful, " Level 2 error ",
         "- The model system is ill-defined.   \r\n  Supply coverage data from independent measurements   \r\n"
         "  or specify one more element in the islands   \r\n"},
        {"O alone in both layers",
         [](Document& d) {
             d.LayerComp[1] = d.LayerComp[2] = {0, 0, 0, 1};
         },
         ModelTestStatus::Wrong, " Level 2 error ",
         "- The model system is ill-defined.   \r\n  Specify at least 3 independent elements   \r\n"},
        {"small carbon nanotube",
         [](Document& d) {
             d.SampleRadius = 0.2f;
             d.InnerRadius = 0.1f;
         },
         ModelTestStatus::Clean, " Warning(s) ", "- Radius of the carbon nanotube seems to be too small    \r\n",
         test::BuildCarbonNanotube},
    };
    for (const Case& c : cases) {
        test::ModelWorkspace t;
        c.build(t.doc);
        c.change(t.doc);
        const ModelSummary summary = TestModel(t.doc, t.model);
        EXPECT_EQ(summary.status, c.status) << c.what;
        EXPECT_EQ(summary.statusTip, c.tip) << c.what;
        EXPECT_EQ(summary.errorList, c.errorList) << c.what;
        EXPECT_EQ(t.model.ModelErrors, summary.findings.errors) << c.what;
        EXPECT_TRUE(t.findings.empty()) << c.what;
    }
}

}  // namespace
}  // namespace slv
