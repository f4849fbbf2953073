// The shipped example data sets, quantified by the real selvaro-cli (which
// finds the element library beside it), give back the compositions they were
// made from (examples/README.md) within their 1 % counting noise.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "support/run_cli_binary.h"

namespace {

const std::string kExamples = std::string(SLV_SOURCE_DIR) + "/examples/";

nlohmann::json quantify(const std::string& file, const std::string& type)
{
    const auto run = slv::test::RunCliBinary("quantify '" + kExamples + file + "' --format json --type '" + type + "'");
    EXPECT_EQ(run.exitCode, 0);
    return nlohmann::json::parse(run.output);
}

double valueOf(const nlohmann::json& result, std::size_t experiment, const std::string& column)
{
    const auto& columns = result["columns"];
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c] == column)
            return result["experiments"][experiment]["values"][c].get<double>();
    ADD_FAILURE() << "no column " << column;
    return 0;
}

void expectPercentagesSumTo100(const nlohmann::json& result)
{
    for (const auto& e : result["experiments"]) {
        double sum = 0;
        for (const auto& v : e["values"])
            if (!v.is_null())
                sum += v.get<double>();
        EXPECT_NEAR(sum, 100.0, 1e-3);
    }
}

TEST(Examples, FloatGlassGivesItsOxideCompositionAndABalancedOxygen)
{
    const auto result = quantify("float_glass.lvd", "Oxide molar %");
    ASSERT_EQ(result["experiments"].size(), 3u);
    expectPercentagesSumTo100(result);
    // Spot A was made from SiO2 72.5, Na2O 13.5, CaO 9, MgO 4, Al2O3 1 mol %.
    EXPECT_NEAR(valueOf(result, 0, "SiO2"), 72.5, 1.0);
    EXPECT_NEAR(valueOf(result, 0, "Na2O"), 13.5, 0.5);
    EXPECT_NEAR(valueOf(result, 0, "CaO"), 9.0, 0.3);
    for (const auto& e : result["experiments"])
        EXPECT_NEAR(e["o_balance"].get<double>(), 1.0, 0.03);
}

TEST(Examples, SteelProfileGoesFromOxideToMetal)
{
    const auto result = quantify("steel_depth_profile.lvd", "Atomic %");
    ASSERT_EQ(result["experiments"].size(), 12u);
    expectPercentagesSumTo100(result);
    EXPECT_GT(valueOf(result, 0, "C"), 40.0);
    EXPECT_NEAR(valueOf(result, 11, "Fe Me"), 70.0, 1.5);
    EXPECT_NEAR(valueOf(result, 11, "Cr Me"), 19.0, 1.0);
    EXPECT_EQ(result["labels"][0], "Time (min)");
}

TEST(Examples, ExchangeFileIsImportedWithLibraryCompletion)
{
    const auto result = quantify("anodised_aluminium.lvx", "Atomic %");
    ASSERT_EQ(result["experiments"].size(), 4u);
    expectPercentagesSumTo100(result);
    EXPECT_TRUE(result["errors"].empty()) << result["errors"];
    EXPECT_NEAR(valueOf(result, 0, "Al Me"), 12.0, 0.6);
}

}  // namespace
