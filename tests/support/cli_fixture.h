// A scratch folder for selvaro-cli tests, with the analyst's settings kept
// out of the way, and the program run in process.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/cli_app.h"

namespace slv::test {

class CliFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() / ("slv_cli_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        ::setenv("XDG_CONFIG_HOME", m_folder.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    /// A path in the scratch folder.
    std::string temp(const std::string& name) const { return (m_folder / name).string(); }

    int run(std::vector<std::string> args)
    {
        out.str("");
        err.str("");
        return cli::runCli(args, out, err);
    }

    std::filesystem::path m_folder;
    std::ostringstream out, err;
};

}  // namespace slv::test
