// The session a selvaro-cli subcommand works on: messages go to the error
// stream (ConsoleDialogs), the analyst's own settings store supplies the
// analysis defaults, and there are no windows.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

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

/// True when the document has element rows and intensities; otherwise says
/// on `err` that there is nothing for `purpose` ("to fit", "to chart").
bool HoldsIntensities(const Document& doc, std::string_view purpose, std::ostream& err);

/// The result type a --type option names (0..7 or a result type's name), -1
/// when the option is empty; nullopt, after a usage message, for a word that
/// names no result type.
std::optional<int> ResultTypeOption(const std::string& text, std::ostream& err);

}  // namespace slv::cli
