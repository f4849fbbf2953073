#include "cli/cli_session.h"

#include <ostream>
#include <system_error>

#include "quant/results_table.h"
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

bool HoldsIntensities(const Document& doc, std::string_view purpose, std::ostream& err)
{
    if (doc.ElemCount > 0 && doc.ExpCount > 0)
        return true;
    err << "error: the file holds no " << (doc.ElemCount == 0 ? "element rows" : "intensities") << " " << purpose
        << "\n";
    return false;
}

std::optional<int> ResultTypeOption(const std::string& text, std::ostream& err)
{
    if (text.empty())
        return -1;
    const int type = ResultTypeFromText(text);
    if (type >= 0)
        return type;
    err << "error: unknown result type \"" << text << "\"; use 0..7 or one of the names\n";
    return std::nullopt;
}

}  // namespace slv::cli
