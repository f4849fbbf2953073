// The subcommands of selvaro-cli. Each one adds its options to the parser
// and, when chosen, runs and returns the exit code.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace slv::cli {

class Command {
public:
    virtual ~Command() = default;
    /// Adds the subcommand and its options to the program's parser.
    virtual void attach(CLI::App& app) = 0;
    /// Runs the parsed subcommand; results go to out, messages to err.
    virtual int run(std::ostream& out, std::ostream& err) = 0;
    bool chosen() const { return m_subcommand != nullptr && m_subcommand->parsed(); }

protected:
    CLI::App* m_subcommand = nullptr;
};

struct CliSession;
}  // namespace slv::cli

namespace slv {
struct OpenedFile;
}  // namespace slv

namespace slv::cli {

/// A subcommand that works on one data, template or exchange file, opened the
/// way File Open does (reset, load, validate the element table). The
/// program's messages go to the error stream, or to the output when they are
/// the command's result.
class FileCommand : public Command {
public:
    void attach(CLI::App& app) final;
    int run(std::ostream& out, std::ostream& err) final;

protected:
    FileCommand(const char* name, const char* description, bool messagesAreOutput = false)
        : m_name(name),
          m_description(description),
          m_messagesAreOutput(messagesAreOutput)
    {
    }
    /// Runs on the opened document; returns the exit code.
    virtual int runOpened(CliSession& cli, const OpenedFile& opened, std::ostream& out, std::ostream& err) = 0;

private:
    const char* m_name;
    const char* m_description;
    bool m_messagesAreOutput;
    std::string m_file;
};

std::unique_ptr<Command> makeImfpCommand();
std::unique_ptr<Command> makeQuantifyCommand();
std::unique_ptr<Command> makeCheckCommand();
std::unique_ptr<Command> makeInfoCommand();
std::unique_ptr<Command> makeConvertCommand();
std::unique_ptr<Command> makeLookupCommand();
std::unique_ptr<Command> makeFitCommand();
std::unique_ptr<Command> makeSimulateCommand();
std::unique_ptr<Command> makeModelCheckCommand();
std::unique_ptr<Command> makeReportCommand();
std::unique_ptr<Command> makeChartCommand();
std::unique_ptr<Command> makeDrawingCommand();

/// Every subcommand, in the order the help lists them.
std::vector<std::unique_ptr<Command>> allCommands();

}  // namespace slv::cli
