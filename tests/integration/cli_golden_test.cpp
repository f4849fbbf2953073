// Every selvaro-cli command that reads a data set, run on every shipped
// example, must keep printing what it printed when the golden files under
// tests/golden/ were recorded: the same standard output, the same error
// stream and the same exit code. JSON output may gain keys (a newer program
// may say more) but every recorded key keeps its value.
//
// To record the golden files anew from the built program (only when a change
// of output is intended): SLV_RECORD_GOLDEN=1 ctest -R CliGolden
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/run_cli_binary.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

const fs::path kExamples = fs::path(SLV_SOURCE_DIR) / "examples";
const fs::path kGolden = fs::path(SLV_SOURCE_DIR) / "tests" / "golden";

const std::vector<std::string> kExampleFiles = {
    "anodised_aluminium.lvx",  "cdse_zns_quantum_dots.lvd", "cu_islands_on_graphite.lvd",
    "float_glass.lvd",         "hfo2_gate_stack.lvd",       "sio2_on_si.lvd",
    "steel_depth_profile.lvd", "tio2_coated_nanotubes.lvd",
};

/// The command lines, with FILE standing for the example's name: every result type, then the other commands.
std::vector<std::string> commands()
{
    std::vector<std::string> lines;
    for (int type = 0; type < 8; ++type)
        lines.push_back("quantify FILE --format json --type " + std::to_string(type));
    lines.insert(lines.end(), {"info FILE", "check FILE", "fit FILE --format json", "model-check FILE"});
    return lines;
}
const std::vector<std::string> kCommands = commands();

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

/// Runs the program in the examples folder with the bare file name, so that
/// no path of this machine enters a message, and away from the analyst's settings.
CliRun runCli(const std::string& commandLine)
{
    const fs::path errFile = fs::temp_directory_path() / ("slv_golden_err_" + std::to_string(::getpid()));
    const std::string shell = "cd '" + kExamples.string() + "' && XDG_CONFIG_HOME=/nonexistent " + SLV_CLI_PATH + " " +
                              commandLine + " 2>'" + errFile.string() + "'";
    const slv::test::CliRun shown = slv::test::RunShell(shell);
    CliRun run{shown.exitCode, shown.output, ""};
    run.err = readAll(errFile);
    fs::remove(errFile);
    return run;
}

std::string commandFor(const std::string& command, const std::string& file)
{
    std::string line = command;
    line.replace(line.find("FILE"), 4, "'" + file + "'");
    return line;
}

/// Whether `actual` holds everything `recorded` holds: equal scalars, arrays
/// of equal length element by element, and every recorded key of an object.
bool contains(const ordered_json& actual, const ordered_json& recorded, const std::string& where, std::string& why)
{
    if (recorded.is_object()) {
        if (!actual.is_object()) {
            why = where + " is no longer an object";
            return false;
        }
        for (const auto& [key, value] : recorded.items()) {
            if (!actual.contains(key)) {
                why = where + "." + key + " is missing";
                return false;
            }
            if (!contains(actual[key], value, where + "." + key, why))
                return false;
        }
        return true;
    }
    if (recorded.is_array()) {
        if (!actual.is_array() || actual.size() != recorded.size()) {
            why = where + " has another length";
            return false;
        }
        for (std::size_t i = 0; i < recorded.size(); ++i)
            if (!contains(actual[i], recorded[i], where + "[" + std::to_string(i) + "]", why))
                return false;
        return true;
    }
    if (actual != recorded) {
        why = where + " was " + recorded.dump() + ", is " + actual.dump();
        return false;
    }
    return true;
}

void expectSameOutput(const std::string& actual, const std::string& recorded)
{
    const ordered_json recordedJson = ordered_json::parse(recorded, nullptr, false);
    if (recordedJson.is_discarded()) {
        EXPECT_EQ(actual, recorded);
        return;
    }
    const ordered_json actualJson = ordered_json::parse(actual, nullptr, false);
    ASSERT_FALSE(actualJson.is_discarded()) << "output is no longer JSON:\n" << actual;
    std::string why;
    EXPECT_TRUE(contains(actualJson, recordedJson, "$", why)) << why << "\nnow:\n" << actual;
}

class CliGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(CliGolden, EveryCommandPrintsWhatItPrintedWhenRecorded)
{
    const std::string& file = GetParam();
    const fs::path goldenFile = kGolden / (fs::path(file).stem().string() + ".json");
    if (std::getenv("SLV_RECORD_GOLDEN") != nullptr) {
        ordered_json record = ordered_json::object();
        for (const std::string& command : kCommands) {
            const CliRun run = runCli(commandFor(command, file));
            record[command] = {{"exit", run.exitCode}, {"stdout", run.out}, {"stderr", run.err}};
        }
        fs::create_directories(kGolden);
        std::ofstream(goldenFile, std::ios::binary) << record.dump(2) << "\n";
        GTEST_SKIP() << "recorded " << goldenFile;
    }
    const ordered_json golden = ordered_json::parse(readAll(goldenFile), nullptr, false);
    ASSERT_FALSE(golden.is_discarded()) << "no golden record " << goldenFile;
    for (const std::string& command : kCommands) {
        SCOPED_TRACE(commandFor(command, file));
        ASSERT_TRUE(golden.contains(command));
        const ordered_json& expected = golden[command];
        const CliRun run = runCli(commandFor(command, file));
        EXPECT_EQ(run.exitCode, expected["exit"].get<int>());
        expectSameOutput(run.out, expected["stdout"].get<std::string>());
        EXPECT_EQ(run.err, expected["stderr"].get<std::string>());
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, CliGolden, ::testing::ValuesIn(kExampleFiles),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return fs::path(info.param).stem().string();
                         });

}  // namespace
