// selvaro-cli lookup, run as the installed program runs: the executable
// finds SLV.lib beside itself.
#include <gtest/gtest.h>

#include <string>

#include "support/run_cli_binary.h"

namespace slv {
namespace {

test::CliRun runLookup(const std::string& arguments)
{
    return test::RunCliBinary("lookup " + arguments, true);
}

TEST(CliLookup, PrintsTheRowAsTheLookupFillsIt)
{
    // Scofield (1976) Fe 2p3/2 for Al K-alpha 10.82 relative to C 1s (anchors.md 3.7).
    const test::CliRun fe = runLookup("Fe 2p3");
    ASSERT_EQ(fe.exitCode, 0) << fe.output;
    for (const char* expected : {"AtomicNo\t26\n", "BindEnergy\t706.8\n", "CrossSect\t10.82\n",
                                 "CrossSectOrigin\tlibrary\n", "ElDensity\t7.874\n"})
        EXPECT_NE(fe.output.find(expected), std::string::npos) << expected << " in\n" << fe.output;

    // The nominal 2/3 share of the whole 2p Wagner factor of Cu (6.3): 4.2 in single precision.
    const test::CliRun cu = runLookup("cu 2p3 --source mg --set wagner --splitting nominal");
    ASSERT_EQ(cu.exitCode, 0) << cu.output;
    EXPECT_NE(cu.output.find("CrossSect\t4.2000003\n"), std::string::npos) << cu.output;
    EXPECT_NE(cu.output.find("spin-orbit splitting"), std::string::npos) << cu.output;

    // No set: no cross section line at all.
    const test::CliRun none = runLookup("O 1s --set none");
    ASSERT_EQ(none.exitCode, 0) << none.output;
    EXPECT_EQ(none.output.find("CrossSect"), std::string::npos) << none.output;
}

TEST(CliLookup, ExitCodesTellNotFoundFromBadUsage)
{
    struct Case {
        const char* arguments;
        int exitCode;
        const char* says;
    };
    const Case cases[] = {
        {"Zz 1s", 1, "Element Zz not found"},
        {"Fe 2p9", 1, "Line Fe2p9 not found; available lines: 2s 2p1 2p3 2p 3s"},
        {"Au 4f7 --set evans --scaling average", 1, "holds no Evans cross sections"},
        {"Fe 2p3 --set bogus", 2, "--set"},
        {"Fe 2p3/2", 2, "at most 3"},
        {"Fe", 2, "line"},
    };
    for (const Case& c : cases) {
        const test::CliRun run = runLookup(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.arguments << "\n" << run.output;
    }
}

}  // namespace
}  // namespace slv
