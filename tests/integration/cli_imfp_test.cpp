// selvaro-cli imfp: IMFPs of a material by the five formulas, in process for
// output and exit codes. The formulas themselves are checked against the
// reference values in the quantification's own tests.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "support/run_cli_binary.h"

namespace slv {
namespace {

struct ImfpRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// selvaro-cli imfp for gold (element, 19.32 g/cm³, 196.97 g/mol) with more options.
ImfpRun imfpOfGold(std::vector<std::string> more)
{
    std::vector<std::string> arguments = {"imfp", "--class", "element", "--density", "19.32", "--molweight", "196.97"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = cli::runCli(arguments, out, err);
    return {exitCode, out.str(), err.str()};
}

// TPP-2M of gold 7.65, 12.30 and 16.48 Å at 500, 1000 and 1486.6 eV;
// Seah-Dench of Au 4f7/2 1.998 nm; Cumpson-Seah of Si 2p in SiO2 2.911 nm
// (validation anchors).
TEST(CliImfp, OneLinePerEnergyInTheChosenUnit)
{
    const ImfpRun tpp = imfpOfGold({"--method", "tpp2m", "--valence-electrons", "11", "--bandgap", "0", "--energy",
                                    "500", "--energy", "1000", "--energy", "1486.6"});
    EXPECT_EQ(tpp.exitCode, 0) << tpp.err;
    EXPECT_EQ(tpp.out, "500\t0.7647\n1000\t1.2303\n1486.6\t1.6483\n");
    EXPECT_EQ(tpp.err, "");

    const ImfpRun seahDench = imfpOfGold({"--method", "seah-dench", "--unit", "A", "--energy", "1402.6"});
    EXPECT_EQ(seahDench.out, "1402.6\t19.9798\n");
    // The atomic numbers and weights of a composition come from the library beside the program.
    EXPECT_EQ(test::RunCliBinary("imfp --method cumpson-seah --class inorganic --density 2.19 --molweight 60.08"
                                 " --composition Si:1,O:2 --energy 1383.1")
                  .output,
              "1383.1\t2.9108\n");
    EXPECT_EQ(test::RunCliBinary("imfp --method gries --class element --density 8.96 --molweight 63.55 --energy 1000"
                                 " --composition Qq")
                  .exitCode,
              1);
}

TEST(CliImfp, ExitCodes)
{
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        const char* says;
    };
    const Case cases[] = {
        {{"--method", "tpp2m", "--valence-electrons", "11", "--energy", "1000"}, 2, "needs --valence-electrons"},
        {{"--method", "seah-dench"}, 2, "--energy"},
        {{"--method", "seah-dench", "--energy", "0"}, 2, "must be a number above 0"},
        {{"--method", "seah-dench", "--energy", "inf"}, 2, "--energy"},
        {{"--method", "seah-dench", "--unit", "pm", "--energy", "1000"}, 2, "--unit"},
        {{"--method", "gries", "--energy", "1000"}, 2, "needs --composition"},
        {{"--method", "gries", "--composition", "Au:x", "--energy", "1000"}, 2, "--composition must"},
        // A huge band gap makes β, and so the TPP-2M λ, negative at 1000 eV.
        {{"--method", "tpp2m", "--valence-electrons", "11", "--bandgap", "1e6", "--energy", "1000"},
         1,
         "no IMFP at 1000 eV"},
    };
    for (const auto& c : cases) {
        const ImfpRun run = imfpOfGold(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("Usage") != std::string::npos, c.exitCode == 2) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace slv
