// What the main window's commands ask of the window system: which child
// windows are shown and which one is active, showing, closing and placing
// them, the grid a data window edits, the file dialogs, the clipboard and
// the state of the Shift key. The Qt main window implements it; the tests
// use a recording fake, so that every command runs without a screen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/text_grid.h"

namespace slv {

/// The child windows of the main window, one instance each.
enum class WindowId {
    Elements,
    Intensity,
    Imfps,         // IMFP & Contamination of a homogeneous sample
    ModelImfps,    // IMFP & Contamination of a structure model
    Results,       // "Composition"
    ModelResults,  // "Layer Thickness"
    Chart,
    Model,
    ModelLayout,
    Notes,
};

/// The caption of a child window, as its title bar and messages name it.
inline std::string WindowCaption(WindowId window)
{
    switch (window) {
    case WindowId::Elements: return "Elements";
    case WindowId::Intensity: return "Intensity";
    case WindowId::Imfps:
    case WindowId::ModelImfps: return "IMFP & Contamination";
    case WindowId::Results: return "Composition";
    case WindowId::ModelResults: return "Layer Thickness";
    case WindowId::Chart: return "Chart";
    case WindowId::Model: return "Model";
    case WindowId::ModelLayout: return "Model Layout";
    case WindowId::Notes: return "Notes";
    }
    return {};
}

/// Menu items whose enabling follows the document.
enum class ShellCommand {
    Simulation,  // Tools "Simulation..."
    ViewChart,   // View "Chart"
    ViewModel,   // View "Model"
};

/// A window that edits a table of the document in a grid.
class GridWindow {
public:
    virtual ~GridWindow() = default;
    virtual TextGrid& grid() = 0;
    /// Writes the grid into the document, as when the window is left.
    virtual void commit() = 0;
    /// The window is about to close; false keeps it open.
    virtual bool mayClose() { return true; }
};

/// One entry of a file dialog's filter list.
struct FileFilter {
    std::string caption;
    std::vector<std::string> patterns;  // "*.lvd"

    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

struct FileDialogRequest {
    std::string title;
    std::string folder;  // where the dialog starts
    std::vector<FileFilter> filters;
    int filterIndex = 1;  // 1-based, the filter chosen first
    std::string defaultSuffix;

    friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

/// The file the analyst chose and the filter chosen with it (1-based).
struct ChosenFile {
    std::string path;
    int filterIndex = 1;
};

class WindowShell {
public:
    virtual ~WindowShell() = default;

    virtual std::optional<WindowId> activeWindow() const = 0;
    virtual bool isShown(WindowId window) const = 0;
    virtual void showWindow(WindowId window) = 0;
    virtual void closeWindow(WindowId window) = 0;
    /// Moves a shown window to the top left corner of the frame and activates it.
    virtual void moveToTopLeft(WindowId window) = 0;
    virtual void activate(WindowId window) = 0;
    /// The grid window behind a shown window; nullptr for any other.
    virtual GridWindow* gridWindow(WindowId window) = 0;
    /// A modal dialog is open (drops are then refused).
    virtual bool modalDialogOpen() const = 0;
    virtual bool shiftHeld() const = 0;
    virtual void setCommandEnabled(ShellCommand command, bool enabled) = 0;
    /// Switches the legend of the shown "Model Layout" window, as its popup's "Legend" does.
    virtual void setLayoutLegend(bool legend) = 0;

    /// nullopt when the analyst cancelled the dialog.
    virtual std::optional<ChosenFile> chooseFileToOpen(const FileDialogRequest& request) = 0;
    /// The dialog itself asks before an existing file it shows is replaced.
    virtual std::optional<ChosenFile> chooseFileToSave(const FileDialogRequest& request) = 0;
    virtual std::string documentsFolder() const = 0;

    virtual std::string clipboardText() const = 0;
    virtual void setClipboardText(const std::string& text) = 0;
};

}  // namespace slv
