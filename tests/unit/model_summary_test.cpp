// The model test: the counts it shows, the findings it lists (its own "No
// independent parameter" included) and its verdict clean, doubtful or wrong
// with the tool tip of the stage that decided.
#include <gtest/gtest.h>

#include <functional>

#include "model/model_test.h"
#include "support/layer_models.h"
#include "support/test_session.h"

namespace slv {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

TEST(ModelSummary, ACleanModelShowsNoErrors)
{
    test::TestSession t;
    test::BuildOxidisedWafer(t.doc());
    const ModelSummary summary = TestModel(t.session);
    EXPECT_EQ(SummaryRows(summary), (Rows{{"Model type", "Layers-on-Plane"},
                                          {"Elements", "4"},
                                          {"Layers", "2"},
                                          {"Islands", "-"},
                                          {"Number of equations", "2"},
                                          {"Number of necessary elements", "3"},
                                          {"within islands", "-"}}));
    EXPECT_EQ(summary.errorList, "No errors");
    EXPECT_EQ(summary.status, ModelTestStatus::Clean);
    EXPECT_EQ(summary.statusTip, " No errors ");
    EXPECT_EQ(t.session.model.ModelErrors, 0);
}

TEST(ModelSummary, IslandCountsAndTheFittedCoverage)
{
    test::TestSession t;
    Document& doc = t.doc();
    test::BuildOxidisedWafer(doc);
    doc.IslandMode = 1;
    doc.AutoCov = true;
    doc.LayerKind[1] = kKindIsland;
    doc.LayerKind[2] = kKindIsland;
    doc.LayerLink[2] = -1;
    const ModelSummary summary = TestModel(t.session);
    EXPECT_EQ(summary.modelType, "Islands-on-Plane");
    EXPECT_EQ(summary.islands, 2);
    EXPECT_EQ(summary.equations, 2);  // layer 1 and the coverage
    EXPECT_EQ(summary.necessaryElements, 3);
    EXPECT_EQ(summary.withinIslands, 2);  // two islands, one fixed, plus the coverage
}

struct VerdictCase {
    const char* what;
    std::function<void(Document&)> build;
    ModelTestStatus status;
    const char* tip;
    const char* errorList;
};

TEST(ModelSummary, VerdictByTheFindings)
{
    const VerdictCase cases[] = {
        {"both layers fixed",
         [](Document& d) {
             test::BuildOxidisedWafer(d);
             d.LayerLink[1] = -1;
             d.LayerLink[2] = -1;
         },
         ModelTestStatus::Wrong, " Level 2 error ", "- No independent parameter\r\n"},
        {"a small carbon nanotube",
         [](Document& d) {
             test::BuildCarbonNanotube(d);
             d.SampleRadius = 0.2f;
             d.InnerRadius = 0.1f;
         },
         ModelTestStatus::Clean, " Warning(s) ", "- Radius of the carbon nanotube seems to be too small    \r\n"},
        {"a missing IMFP",
         [](Document& d) {
             test::BuildOxidisedWafer(d);
             d.LayerIMFP[1][1] = 0.0f;
         },
         ModelTestStatus::Wrong, " Level 1 error(s) ", "- Missing IMFP data   \r\n"},
        {"a needed element omitted",
         [](Document& d) {
             test::BuildOxidisedWafer(d);
             d.ElModelFlag[4] = 1;
         },
         ModelTestStatus::Doubtful, " Level 2 error ",
         "- The model system is defined but   \r\n  too many or necessary elements omitted   \r\n"},
        {"islands short of elements",
         [](Document& d) {
             test::BuildOxidisedWafer(d);
             d.IslandMode = 1;
             d.AutoCov = true;
             d.LayerKind[1] = kKindIsland;
         },
         ModelTestStatus::Doubtful, " Level 2 error ",
         "- The model system is ill-defined.   \r\n  Supply coverage data from independent measurements   \r\n"
         "  or specify one more element in the islands   \r\n"},
        {"too few elements",
         [](Document& d) {
             test::BuildOxidisedWafer(d);
             // O alone in both layers, carbon and the oxide's Si gone.
             d.LayerComp[1][4] = 0.0f;
             d.LayerComp[1][3] = 1.0f;
             d.LayerComp[2][2] = 0.0f;
         },
         ModelTestStatus::Wrong, " Level 2 error ",
         "- The model system is ill-defined.   \r\n  Specify at least 3 independent elements   \r\n"},
        {"no layers",
         [](Document& d) {
             test::BuildOxidisedWafer(d);
             d.LayerCount = 0;
         },
         ModelTestStatus::Wrong, " Level 1 error(s) ", "- No independent parameter\r\n"},
    };
    for (const VerdictCase& c : cases) {
        test::TestSession t;
        c.build(t.doc());
        const ModelSummary summary = TestModel(t.session);
        EXPECT_EQ(summary.status, c.status) << c.what;
        EXPECT_EQ(summary.statusTip, c.tip) << c.what;
        EXPECT_EQ(summary.errorList, c.errorList) << c.what;
        EXPECT_EQ(t.session.model.ModelErrors, summary.findings.errors) << c.what;
        EXPECT_TRUE(t.dialogs.messages.empty()) << c.what;
    }
}

}  // namespace
}  // namespace slv
