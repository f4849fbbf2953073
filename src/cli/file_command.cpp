#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "session/open_file.h"

namespace slv::cli {

void FileCommand::attach(CLI::App& app)
{
    m_subcommand = app.add_subcommand(m_name, m_description);
    m_subcommand->add_option("file", m_file, "Data (.lvd), template (.lvt) or exchange (.lvx) file")->required();
}

int FileCommand::run(std::ostream& out, std::ostream& err)
{
    CliSession cli(m_messagesAreOutput ? out : err);
    const OpenedFile opened = OpenDocumentFile(cli.session, m_file);
    if (!opened.ok)
        return kExitUnusableInput;
    return runOpened(cli, opened, out, err);
}

}  // namespace slv::cli
