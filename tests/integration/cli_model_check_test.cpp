// selvaro-cli model-check and the model part of selvaro-cli check on data
// files holding a structure model: the summary, the findings, the verdict
// and the exit codes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <tuple>

#include "cli/cli_app.h"
#include "support/test_session.h"
#include "support/layer_models.h"
#include "support/run_cli_binary.h"
#include "support/sample_documents.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

class CliModelCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("slv_cli_model_" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        ::setenv("XDG_CONFIG_HOME", m_folder.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(m_folder); }

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
        const std::string file = (m_folder / ("model" + std::to_string(++m_files) + ".lvd")).string();
        test::WriteDataFile(doc, file);
        return file;
    }

    int run(std::vector<std::string> args)
    {
        out.str("");
        err.str("");
        return cli::runCli(args, out, err);
    }

    fs::path m_folder;
    int m_files = 0;
    std::ostringstream out, err;
};

TEST_F(CliModelCheck, ACleanModelPrintsTheSummaryAndExitsZero)
{
    const std::string file = modelFile(test::BuildOxidisedWafer);
    ASSERT_EQ(run({"model-check", file}), 0) << out.str() << err.str();
    EXPECT_EQ(out.str(),
              "Model type:                    Layers-on-Plane\n"
              "Elements:                      4\n"
              "Layers:                        2\n"
              "Islands:                       -\n"
              "Number of equations:           2\n"
              "Number of necessary elements:  3\n"
              "within islands:                -\n"
              "\n"
              "Errors:\n"
              "No errors\n"
              "\n"
              "Status: clean (No errors)\n");
}

TEST_F(CliModelCheck, VerdictsAndExitCodes)
{
    const std::tuple<void (*)(Document&), std::function<void(Document&)>, int, const char*> cases[] = {
        {test::BuildOxidisedWafer, [](Document& d) { d.LayerIMFP[1][1] = 0; }, 1,
         "- Missing IMFP data\n\nStatus: wrong (Level 1 error(s))\n"},
        {test::BuildOxidisedWafer, [](Document& d) { d.ElModelFlag[4] = 1; }, 1,
         "  too many or necessary elements omitted\n\nStatus: doubtful (Level 2 error)\n"},
        {test::BuildCarbonNanotube, [](Document& d) { d.SampleRadius = 0.2f; d.InnerRadius = 0.1f; }, 0,
         "- Radius of the carbon nanotube seems to be too small\n\nStatus: clean (Warning(s))\n"},
    };
    for (const auto& [build, change, exitCode, ending] : cases) {
        EXPECT_EQ(run({"model-check", modelFile([&](Document& d) { build(d); change(d); })}), exitCode) << out.str();
        EXPECT_TRUE(out.str().ends_with(ending)) << out.str();
    }

    test::TestSession silica;
    test::FillSiliconOxide(silica.doc());
    const std::string homogeneous = (m_folder / "silica.lvd").string();
    test::WriteDataFile(silica.doc(), homogeneous);
    EXPECT_EQ(run({"model-check", homogeneous}), 1);
    EXPECT_NE(err.str().find("no structure model"), std::string::npos) << err.str();
    EXPECT_EQ(run({"model-check", (m_folder / "none.lvd").string()}), 1);
    EXPECT_EQ(test::RunCliBinary("model-check").exitCode, 2);
}

TEST_F(CliModelCheck, CheckReportsModelErrorsButNotANanotubeWarningAlone)
{
    EXPECT_EQ(run({"check", modelFile(test::BuildOxidisedWafer)}), 0) << out.str();
    EXPECT_EQ(out.str(), "no findings\n");

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
    EXPECT_EQ(out.str(),
              "note: Nanotube warning(s):\n- Radius of the carbon nanotube seems to be too small\n"
              "only warnings reported\n");
}

}  // namespace
}  // namespace slv
