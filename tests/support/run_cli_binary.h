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

/// Runs a shell command line: its exit code and what it wrote on its standard output.
inline CliRun RunShell(const std::string& commandLine)
{
    CliRun run;
    FILE* pipe = ::popen(commandLine.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

/// Runs "selvaro-cli ARGUMENTS" through the shell; arguments are shell words.
inline CliRun RunCliBinary(const std::string& arguments, bool withErrors = false)
{
    return RunShell("XDG_CONFIG_HOME=/nonexistent " + std::string(SLV_CLI_PATH) + " " + arguments +
                    (withErrors ? " 2>&1" : " 2>/dev/null"));
}

}  // namespace slv::test
