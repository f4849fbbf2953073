// The session a selvaro-cli subcommand works on: messages go to the error
// stream (ConsoleDialogs), the analyst's own settings store supplies the
// analysis defaults, and there are no windows.
#pragma once

#include <filesystem>
#include <iosfwd>

#include "cli/console_dialogs.h"
#include "platform_qt/qsettings_store.h"
#include "session/session.h"

namespace slv::cli {

/// The folder of the running executable: the element library lies beside it.
std::filesystem::path ExecutableFolder();

struct CliSession {
    explicit CliSession(std::ostream& err);

    ConsoleDialogs dialogs;
    QSettingsStore settings;
    NoWindowsShell shell;
    Session session;
};

}  // namespace slv::cli
