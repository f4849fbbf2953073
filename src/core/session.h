// One running evaluation: the document, the working tables derived from it,
// the shared flags, and the platform services the core calls out to. Every
// window and every command of a front end works on the same Session.
#pragma once

#include <array>
#include <filesystem>

#include "document/document.h"
#include "document/document_shell.h"
#include "document/print_options.h"
#include "platform/settings_store.h"
#include "platform/user_dialogs.h"
#include "model/model_state.h"
#include "quant/quant_state.h"

namespace slv {

struct Session {
    Session(UserDialogs& dialogs, SettingsStore& settings, DocumentShell& shell)
        : dialogs(dialogs), settings(settings), shell(shell)
    {
    }

    Document doc;
    CorrectionTables corr;
    QuantResults res;
    PrintOptions print;
    ModelState model;

    /// Set after an error box was shown (or while the main window closes) so
    /// that the next identical report is not shown twice; the next check clears it.
    bool Closing = false;
    /// The locale's decimal separator, '.' or ','.
    char DecSep = '.';
    /// The current experiment of the model calculation.
    int ModelExperiment = 1;
    /// Weights of the nine polar-angle classes of the current model geometry (1..9),
    /// filled from the element library's geometry-weight records.
    std::array<float, 10> AngleWeight{};
    /// Folder of the program: the element library, help and examples live there.
    std::filesystem::path programFolder;

    UserDialogs& dialogs;
    SettingsStore& settings;
    DocumentShell& shell;
};

}  // namespace slv
