#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "core/open_file.h"

namespace slv::cli {
namespace {

class CheckCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("check", "Validate the element table (and the model) of a data set");
        m_subcommand->add_option("file", m_file, "Data (.lvd), template (.lvt) or exchange (.lvx) file")->required();
    }

    int run(std::ostream& out, std::ostream&) override
    {
        // The findings are this command's output.
        CliSession cli(out);
        Session& session = cli.session;
        // Opening validates the element table, as File Open does; its findings
        // are shown on the error stream like every message of the program.
        if (!OpenDocumentFile(session, m_file).ok)
            return kExitUnusableInput;
        const bool findings = !cli.dialogs.shown().empty();
        out << (findings ? "findings reported\n" : "no findings\n");
        return findings ? kExitUnusableInput : kExitOk;
    }

private:
    std::string m_file;
};

}  // namespace

std::unique_ptr<Command> makeCheckCommand() { return std::make_unique<CheckCommand>(); }

}  // namespace slv::cli
