// selvaro-cli: headless access to the evaluation core for batch and scripted
// work. Each subcommand lives in its own file and registers itself here.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace slv::cli {

/// Exit codes of selvaro-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUnusableInput = 1;
inline constexpr int kExitUsage = 2;

/// Runs selvaro-cli with the given arguments (without the program name),
/// writing results to out and messages to err; returns the exit code:
/// kExitUsage for wrong usage, kExitUnusableInput when the command failed or
/// any message of kind error was shown, kExitOk otherwise.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace slv::cli
