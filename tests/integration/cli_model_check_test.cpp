// selvaro-cli model-check and the model part of selvaro-cli check on data
// files holding a structure model: the summary, the findings, the verdict
// and the exit codes.
#include <functional>

#include "support/cli_fixture.h"
#include "support/layer_models.h"
#include "support/run_cli_binary.h"
#include "support/sample_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

class CliModelCheck : public test::CliFixture {
protected:
    /// A data file of the model built by build, with measured lines of its element rows.
    std::string modelFile(const std::function<void(Document&)>& build)
    {
        test::TestSession source;
        Document& doc = source.doc();
        build(doc);
        doc.setTitle("model");
        doc.ExpCount = 1;
        for (int e = 1; e <= doc.ElemCount; ++e) {
            doc.BindEnergy[e] = 100.0f + 100.0f * static_cast<float>(e);
            doc.CrossSect[e] = 1.0f;
            doc.Asymmetry[e] = 1.0f;
            doc.AtWeight[e] = 12.0f;
            doc.Intensity[1][e] = 10.0f;
        }
        const std::string file = temp("model" + std::to_string(++m_files) + ".lvd");
        test::WriteDataFile(doc, file);
        return file;
    }

    int m_files = 0;
};

TEST_F(CliModelCheck, VerdictsAndExitCodes)
{
    // Named fields rather than a structured binding: a binding cannot be captured by the lambda below in C++20.
    struct VerdictCase {
        void (*build)(Document&);
        std::function<void(Document&)> change;
        int exitCode;
        const char* ending;
    };
    const VerdictCase cases[] = {
        {test::BuildOxidisedWafer, [](Document& d) { d.LayerIMFP[1][1] = 0; }, 1,
         "- Missing IMFP data\n\nStatus: wrong (Level 1 error(s))\n"},
        {test::BuildOxidisedWafer, [](Document& d) { d.ElModelFlag[4] = 1; }, 1,
         "  too many or necessary elements omitted\n\nStatus: doubtful (Level 2 error)\n"},
        {test::BuildCarbonNanotube,
         [](Document& d) {
             d.SampleRadius = 0.2f;
             d.InnerRadius = 0.1f;
         },
         0, "- Radius of the carbon nanotube seems to be too small\n\nStatus: clean (Warning(s))\n"},
    };
    for (const VerdictCase& c : cases) {
        EXPECT_EQ(run({"model-check", modelFile([&c](Document& d) {
                           c.build(d);
                           c.change(d);
                       })}),
                  c.exitCode)
            << out.str();
        EXPECT_TRUE(out.str().ends_with(c.ending)) << out.str();
    }

    EXPECT_EQ(run({"model-check", temp("none.lvd")}), 1);
    EXPECT_EQ(test::RunCliBinary("model-check").exitCode, 2);
}

TEST_F(CliModelCheck, CheckReportsModelErrorsButNotANanotubeWarningAlone)
{
    const std::string broken = modelFile([](Document& d) {
        test::BuildOxidisedWafer(d);
        d.LayerLink[1] = 2;
        d.LayerLink[2] = -1;
    });
    EXPECT_EQ(run({"check", broken}), 1);
    EXPECT_EQ(out.str(), "error: Model error(s):\n- Link error at Layer 1: chains or cross-links\nfindings reported\n");

    const std::string thinTube = modelFile([](Document& d) {
        test::BuildCarbonNanotube(d);
        d.SampleRadius = 0.2f;
        d.InnerRadius = 0.1f;
    });
    EXPECT_EQ(run({"check", thinTube}), 0);
    EXPECT_EQ(out.str(), "note: Nanotube warning(s):\n- Radius of the carbon nanotube seems to be too small\n"
                         "only warnings reported\n");
}

}  // namespace
}  // namespace slv
