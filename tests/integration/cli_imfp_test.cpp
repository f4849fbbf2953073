// selvaro-cli imfp: IMFPs of a material by TPP-2M and Seah-Dench, run in
// process for the exit codes and once as the installed program.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <sys/wait.h>

#include "cli/cli_app.h"

namespace slv {
namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CliRun imfp(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "imfp");
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.exitCode = cli::runCli(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

const std::vector<std::string> kGold = {"--class", "element", "--density", "19.32", "--molweight", "196.97"};

std::vector<std::string> gold(std::vector<std::string> more)
{
    std::vector<std::string> arguments = kGold;
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// TPP-2M of gold, 28.8 variant: 7.65, 12.30 and 16.48 Å at 500, 1000 and
// 1486.6 eV (validation anchors, TPP-2M table).
TEST(CliImfp, Tpp2mOfGoldOneLinePerEnergy)
{
    const CliRun run = imfp(gold({"--method", "tpp2m", "--valence-electrons", "11", "--bandgap", "0", "--energy",
                                  "500", "--energy", "1000", "--energy", "1486.6"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "500\t0.7647\n1000\t1.2303\n1486.6\t1.6483\n");
    EXPECT_EQ(run.err, "");

    const CliRun angstrom = imfp(gold({"--method", "tpp2m", "--valence-electrons", "11", "--bandgap", "0", "--unit",
                                       "A", "--energy", "1000"}));
    ASSERT_EQ(angstrom.exitCode, 0) << angstrom.err;
    EXPECT_EQ(angstrom.out, "1000\t12.3027\n");
}

// Seah-Dench of SiO2 with three atoms per formula unit: Si 2p at 1383.1 eV
// 3.300 nm (validation anchors); the polymer form needs only the density.
TEST(CliImfp, SeahDenchPerAtomOfTheFormulaUnit)
{
    const CliRun silica = imfp({"--method", "seah-dench", "--class", "inorganic", "--density", "2.19", "--molweight",
                                "60.08", "--atoms", "3", "--energy", "1383.1"});
    ASSERT_EQ(silica.exitCode, 0) << silica.err;
    EXPECT_EQ(silica.out, "1383.1\t3.3000\n");

    const CliRun polymer = imfp({"--method", "seah-dench", "--class", "polymer", "--density", "1", "--molweight",
                                 "100", "--energy", "1202"});
    ASSERT_EQ(polymer.exitCode, 0) << polymer.err;
    EXPECT_EQ(polymer.out, "1202\t3.8137\n");
}

TEST(CliImfp, ExitCodes)
{
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        const char* says;
    };
    const Case cases[] = {
        {gold({"--method", "tpp2m", "--energy", "1000"}), 2, "needs --valence-electrons and --bandgap"},
        {gold({"--method", "tpp2m", "--valence-electrons", "11", "--energy", "1000"}), 2, "--bandgap"},
        {gold({"--method", "tpp2m-x", "--energy", "1000"}), 2, "--method"},
        {gold({"--method", "seah-dench"}), 2, "--energy"},
        {gold({"--method", "seah-dench", "--energy", "0"}), 2, "must be a number above 0"},
        {gold({"--method", "seah-dench", "--energy", "abc"}), 2, "--energy"},
        {gold({"--method", "seah-dench", "--energy", "inf"}), 2, "--energy"},
        {gold({"--method", "seah-dench", "--unit", "pm", "--energy", "1000"}), 2, "--unit"},
        {{"--method", "seah-dench", "--class", "metal", "--density", "1", "--molweight", "1", "--energy", "9"}, 2,
         "--class"},
        {{"--method", "seah-dench", "--class", "element", "--molweight", "1", "--energy", "9"}, 2, "--density"},
        {gold({"--method", "gries", "--energy", "1000"}), 1, "element library"},
        {gold({"--method", "cumpson-seah", "--energy", "1000"}), 1, "element library"},
    };
    for (const auto& c : cases) {
        const CliRun run = imfp(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.find("Usage") != std::string::npos, c.exitCode == 2) << run.err;
    }
}

TEST(CliImfp, EnergyWithoutAValueIsNamedAndTheOthersArePrinted)
{
    // Ep = 28.8 √(Nv ρ / M) is so small here that the TPP-2M denominator turns
    // negative at 1000 eV; 3 eV still has a value.
    const CliRun run = imfp({"--method", "tpp2m", "--class", "element", "--density", "1", "--molweight", "2",
                             "--valence-electrons", "3", "--bandgap", "0", "--energy", "3", "--energy", "1000"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.rfind("3\t", 0), 0u) << run.out;
    EXPECT_EQ(run.out.find("1000"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("no IMFP at 1000 eV"), std::string::npos) << run.err;
}

TEST(CliImfp, InstalledProgramPrintsTheTpp2mImfpOfGold)
{
    const std::string command = std::string(SLV_CLI_PATH) +
                                " imfp --method tpp2m --class element --density 19.32 --molweight 196.97"
                                " --valence-electrons 11 --bandgap 0 --energy 1000";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
        output += buffer.data();
    const int status = ::pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(output, "1000\t1.2303\n");  // 12.30 Å
}

}  // namespace
}  // namespace slv
