// selvaro-cli chart and drawing, run as the installed program: the pictures
// of the shipped examples, the sizes asked for, and the refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "support/cli_fixture.h"
#include "support/run_cli_binary.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

const std::string kChartExamples = std::string(SLV_SOURCE_DIR) + "/examples/";

class CliChart : public test::CliFixture {
protected:
    /// Width and height from a PNG file's header.
    static std::pair<int, int> pngSize(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        unsigned char header[24] = {};
        in.read(reinterpret_cast<char*>(header), sizeof header);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(header) + 1, 3), "PNG") << path;
        const auto be = [&](int at) {
            return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3];
        };
        return {be(16), be(20)};
    }
};

TEST_F(CliChart, ChartsAreWrittenAtTheirSizeWithoutComplaint)
{
    // The depth profile, the oxide thickness over the emission angles, the
    // pie of the angle-resolved stack, and a chosen type, axis and size.
    struct Case {
        const char* file;
        const char* options;
        std::pair<int, int> size;
    };
    const Case cases[] = {
        {"steel_depth_profile.lvd", "", {900, 600}},
        {"sio2_on_si.lvd", "--axis 4", {900, 600}},
        {"hfo2_gate_stack.lvd", "--axis 4", {900, 600}},
        {"float_glass.lvd", "--type 'Oxide molar %' --axis 2 --mono --width 400 --height 300", {400, 300}},
    };
    for (const Case& c : cases) {
        const std::string out = temp(std::string(c.file) + ".png");
        const auto run =
            test::RunCliBinary("chart " + kChartExamples + c.file + " " + c.options + " --png " + out, true);
        EXPECT_EQ(run.exitCode, 0) << c.file;
        EXPECT_EQ(run.output, "wrote " + out + "\n") << c.file;
        EXPECT_EQ(pngSize(out), c.size) << c.file;
    }
    const std::string svg = temp("glass.svg");
    EXPECT_EQ(test::RunCliBinary("chart " + kChartExamples + "anodised_aluminium.lvx --svg " + svg).exitCode, 0);
    std::ifstream in(svg);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("<svg"), std::string::npos);
}

TEST_F(CliChart, Refusals)
{
    struct Case {
        const char* what;
        std::string arguments;
        int exitCode;
        const char* message;
    };
    const std::string steel = kChartExamples + "steel_depth_profile.lvd ";
    const Case cases[] = {
        {"no output", "chart " + steel, 2, "--png or --svg"},
        {"two outputs", "chart " + steel + "--png a.png --svg a.svg", 2, "Excludes"},
        {"unknown type", "chart " + steel + "--type Weight --png " + temp("x.png"), 2, "unknown result type"},
        {"axis out of range", "chart " + steel + "--axis 9 --png " + temp("x.png"), 2, "--axis"},
        {"tiny picture", "chart " + steel + "--width 5 --png " + temp("x.png"), 2, "--width"},
        {"missing folder", "chart " + steel + "--png " + temp("none/x.png"), 1, "cannot write"},
        {"missing file", "chart " + temp("absent.lvd") + " --png " + temp("x.png"), 1, ""},
        {"single experiment, single layer",
         "chart " + kChartExamples + "cdse_zns_quantum_dots.lvd --png " + temp("x.png"), 1, "nothing to chart"},
        {"drawing without output", "drawing " + kChartExamples + "sio2_on_si.lvd", 2, "--png or --svg"},
        {"experiment beyond the file",
         "drawing " + kChartExamples + "sio2_on_si.lvd --experiment 6 --png " + temp("x.png"), 2,
         "beyond the 5 experiments"},
    };
    for (const Case& c : cases) {
        const auto run = test::RunCliBinary(c.arguments, true);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.what << "\n" << run.output;
    }
    EXPECT_FALSE(fs::exists(temp("x.png")));
}

TEST_F(CliChart, StructuredExamplesAreDrawnUnderTheirCaption)
{
    // Every model type is drawn by the layout tests; here one experiment's structure and an angle-resolved stack.
    struct Case {
        const char* file;
        const char* caption;
    };
    const Case cases[] = {
        {"tio2_coated_nanotubes.lvd", "Model Layout - 1"},
        {"hfo2_gate_stack.lvd", "Model Layout"},
    };
    for (const Case& c : cases) {
        const std::string out = temp(std::string(c.file) + ".png");
        const auto run =
            test::RunCliBinary(std::string("drawing ") + kChartExamples + c.file + " --legend --png " + out);
        EXPECT_EQ(run.exitCode, 0) << c.file;
        EXPECT_EQ(run.output, std::string(c.caption) + ": wrote " + out + "\n");
        EXPECT_EQ(pngSize(out), (std::pair<int, int>{800, 600}));
    }
}

}  // namespace
}  // namespace slv
