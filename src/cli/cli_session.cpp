#include "cli/cli_session.h"

#include <system_error>

#include "session/new_document.h"

namespace slv::cli {

std::filesystem::path ExecutableFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

CliSession::CliSession(std::ostream& err) : dialogs(err), session(dialogs, settings, shell)
{
    // Numbers on the command line and in its output always use the decimal point.
    StartSession(session, '.');
    Environment environment = session.environment();
    environment.programFolder = ExecutableFolder();
    session.setEnvironment(std::move(environment));
    NewDocument(session);
}

}  // namespace slv::cli
