// A DocumentShell double that lists the shell calls in the order they came.
#pragma once

#include <string>
#include <vector>

#include "session/document_shell.h"

namespace slv::test {

class RecordingShell final : public DocumentShell {
public:
    void closeChildWindows() override { calls.push_back("closeChildWindows"); }
    void unloadNotesWindow() override { calls.push_back("unloadNotesWindow"); }
    void setDataCommandsEnabled(bool enabled) override
    {
        calls.push_back(enabled ? "enableDataCommands" : "disableDataCommands");
    }
    void abandonPrintJob() override { calls.push_back("abandonPrintJob"); }
    void resetWindowSwitches() override { calls.push_back("resetWindowSwitches"); }
    void clearFileDialogName() override { calls.push_back("clearFileDialogName"); }

    std::vector<std::string> calls;
};

}  // namespace slv::test
