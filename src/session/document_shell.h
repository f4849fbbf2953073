// What the document asks of the window shell when it is reset: the main
// window closes its child windows, disables the menu items that need data and
// forgets window switches. The Qt main window implements it; the command line
// and the tests use the quiet or recording versions.
#pragma once

namespace slv {

class DocumentShell {
public:
    virtual ~DocumentShell() = default;
    virtual void closeChildWindows() = 0;
    virtual void unloadNotesWindow() = 0;
    /// Enables or disables the View items Intensity .. Model Layout and the
    /// Tools item "Simulation...".
    virtual void setDataCommandsEnabled(bool enabled) = 0;
    virtual void abandonPrintJob() = 0;
    /// Resets the switches of the model-calculation and results windows.
    virtual void resetWindowSwitches() = 0;
    virtual void clearFileDialogName() = 0;
};

/// A shell with no windows: the command-line program's.
class NoWindowsShell final : public DocumentShell {
public:
    void closeChildWindows() override {}
    void unloadNotesWindow() override {}
    void setDataCommandsEnabled(bool) override {}
    void abandonPrintJob() override {}
    void resetWindowSwitches() override {}
    void clearFileDialogName() override {}
};

}  // namespace slv
