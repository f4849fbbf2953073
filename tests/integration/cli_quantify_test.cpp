#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/cli_app.h"
#include "support/test_session.h"
#include "support/sample_documents.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

class CliQuantify : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("slv_cli_quantify_" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        // The analyst's own settings must not steer the test.
        ::setenv("XDG_CONFIG_HOME", m_folder.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string writeSiliconOxide()
    {
        test::TestSession t;
        test::FillSiliconOxide(t.doc());
        const fs::path path = m_folder / "silica.lvd";
        test::WriteDataFile(t.doc(), path);
        return path.string();
    }

    int run(std::vector<std::string> args)
    {
        out.str("");
        err.str("");
        return cli::runCli(args, out, err);
    }

    fs::path m_folder;
    std::ostringstream out, err;
};

TEST_F(CliQuantify, JsonGivesTheCompositionWithLabelsAndNullsForBlanks)
{
    const std::string file = writeSiliconOxide();
    ASSERT_EQ(run({"quantify", file, "--format", "json"}), 0) << err.str();
    const auto json = nlohmann::json::parse(out.str());
    EXPECT_EQ(json["type"], "Atomic %");
    EXPECT_EQ(json["columns"], nlohmann::json({"Si", "O"}));
    EXPECT_EQ(json["labels"], nlohmann::json({"Time (min)"}));
    ASSERT_EQ(json["experiments"].size(), 2u);
    const auto& first = json["experiments"][0];
    EXPECT_EQ(first["labels"][0], "10");
    EXPECT_NEAR(first["values"][0].get<double>(), 30.0, 1e-4);
    EXPECT_NEAR(first["values"][1].get<double>(), 70.0, 1e-4);
    EXPECT_TRUE(first["o_balance"].is_null());
    const auto& second = json["experiments"][1];
    EXPECT_NEAR(second["values"][0].get<double>() + second["values"][1].get<double>(), 100.0, 1e-4);

    ASSERT_EQ(run({"quantify", file, "--type", "Oxide molar %", "--format", "json"}), 0);
    const auto oxide = nlohmann::json::parse(out.str());
    EXPECT_EQ(oxide["columns"], nlohmann::json({"SiO2", "O"}));
    EXPECT_NEAR(oxide["experiments"][0]["values"][0].get<double>(), 100.0, 1e-4);
    EXPECT_TRUE(oxide["experiments"][0]["values"][1].is_null());
    // 70 measured O atoms against 2 x 30 required: balance 7/6.
    EXPECT_NEAR(oxide["experiments"][0]["o_balance"].get<double>(), 70.0 / 60.0, 1e-5);
}

TEST_F(CliQuantify, TextAndCsvShowTheWindowsMasksAndRatiosUseTheReference)
{
    const std::string file = writeSiliconOxide();
    ASSERT_EQ(run({"quantify", file}), 0) << err.str();
    EXPECT_NE(out.str().find("Time (min)"), std::string::npos);
    EXPECT_NE(out.str().find("30.0"), std::string::npos);
    EXPECT_NE(out.str().find("70.0"), std::string::npos);

    ASSERT_EQ(run({"quantify", file, "--type", "1", "--ref", "2", "--value", "2", "--format", "csv"}), 0);
    EXPECT_EQ(out.str(), ",Time (min),Si,O\n1,10,0.86,2.00\n2,20,0.67,2.00\n");
}

TEST_F(CliQuantify, BadUsageAndUnusableFilesAreToldApart)
{
    const std::string file = writeSiliconOxide();
    EXPECT_EQ(run({"quantify", file, "--type", "Bogus %"}), 2);
    EXPECT_EQ(run({"quantify", file, "--format", "xml"}), 2);
    EXPECT_EQ(run({"quantify"}), 2);
    EXPECT_EQ(run({"quantify", file, "--ref", "9"}), 2);
    EXPECT_EQ(run({"quantify", (m_folder / "missing.lvd").string()}), 1);
    EXPECT_NE(err.str().find("error:"), std::string::npos);
}

}  // namespace
}  // namespace slv
