// Runs the built selvaro-cli as the installed program runs: it finds the
// element library SLV.lib beside itself, and the analyst's settings are kept
// out of the way.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace slv::test {

struct CliRun {
    int exitCode = -1;
    std::string output;  // standard output (and error when asked for)
};

/// Runs "selvaro-cli ARGUMENTS" through the shell; arguments are shell words.
inline CliRun RunCliBinary(const std::string& arguments, bool withErrors = false)
{
    std::string command = "XDG_CONFIG_HOME=/nonexistent ";
    command.append(SLV_CLI_PATH).append(" ").append(arguments).append(withErrors ? " 2>&1" : " 2>/dev/null");
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
        run.output += buffer.data();
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace slv::test
