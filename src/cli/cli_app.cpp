#include "cli/cli_app.h"

#include <ostream>

#include "cli/commands.h"
#include "cli/error_watch.h"

namespace slv::cli {

std::vector<std::unique_ptr<Command>> allCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(makeQuantifyCommand());
    commands.push_back(makeCheckCommand());
    commands.push_back(makeModelCheckCommand());
    commands.push_back(makeInfoCommand());
    commands.push_back(makeConvertCommand());
    commands.push_back(makeImfpCommand());
    commands.push_back(makeLookupCommand());
    commands.push_back(makeFitCommand());
    commands.push_back(makeSimulateCommand());
    commands.push_back(makeReportCommand());
    commands.push_back(makeChartCommand());
    commands.push_back(makeDrawingCommand());
    return commands;
}

namespace {

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CLI::App app{"XPS Selvaro: quantitative evaluation of XPS measurements", "selvaro-cli"};
    app.require_subcommand(1);
    auto commands = allCommands();
    for (auto& command : commands)
        command->attach(app);

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        const auto chosen = app.get_subcommands();
        out << (chosen.empty() ? app.help() : chosen.front()->help());
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        err << "error: " << e.what() << "\n";
        const auto chosen = app.get_subcommands();
        err << (chosen.empty() ? app.help() : chosen.front()->help());
        return kExitUsage;
    }
    for (auto& command : commands)
        if (command->chosen())
            return command->run(out, err);
    return kExitUsage;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    // Check shows its findings on the output, every other command on the error stream.
    ErrorWatch outWatch(*out.rdbuf());
    ErrorWatch errWatch(*err.rdbuf());
    std::ostream watchedOut(&outWatch);
    std::ostream watchedErr(&errWatch);
    const int exitCode = runCommand(args, watchedOut, watchedErr);
    watchedOut.flush();
    watchedErr.flush();
    if (!watchedOut)
        out.setstate(std::ios::badbit);
    return HonestExitCode(exitCode, outWatch.errorShown() || errWatch.errorShown());
}

}  // namespace slv::cli
