// The main window's command set without the window: File, Edit, View,
// Tools and Window commands and the status bar, each with its
// preconditions, questions, messages and effects on the session. The
// commands talk to the windows through a WindowShell; views learn what
// changed through the session's change notification.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model_test.h"
#include "session/recent_files.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

class DataWizard;

inline constexpr const char* kSaveChangesQuestion = "Do you want to save your changes?    ";
inline constexpr const char* kNoElementSpecified = "No element specified    ";
inline constexpr const char* kNoElementsSpecified = "No elements specified    ";
inline constexpr const char* kModelNotDefined = "Model structure not defined    ";
inline constexpr const char* kLibraryDisabled = "Library disabled     ";
inline constexpr const char* kNumericLabelNotEmpty = "Numeric label set is not empty.    ";
inline constexpr const char* kOverwriteQuestion = "Do you want to overwrite?    ";
inline constexpr const char* kIntensityNotEmpty = "Intensity data set is not empty.    ";
inline constexpr const char* kTimeDataNotSet = "Time data not set    ";
inline constexpr const char* kSputterRateNotSet = "Sputter rate not set    ";
inline constexpr const char* kAreYouSure = "Are you sure?";
inline constexpr const char* kChangeTitlePrompt = "Change or edit title";

/// What AskSaveChanges found out.
enum class SaveChangesAnswer {
    Unchanged,  // nothing to save, nothing asked
    Cancelled,  // the analyst cancelled, or the save did not succeed
    Discarded,  // No: go on without saving
    Saved,      // Yes, and the document was saved
};

/// The items of the View menu that show and close a child window.
enum class ViewItem { Elements, Intensity, ImfpAndContamination, Results, Chart, Model, ModelLayout };

/// The two clipboard forms of Copy Table: rows ending in CR LF, or (for a
/// word processor) in a vertical tab, the last one in CR LF.
enum class TableCopyForm { Ascii, Word };

/// The commands of the Tools menu's Model submenu.
enum class ModelTool { TestModel, MarkUnusedImfps, MolecularWeight, ValenceElectrons, Imfps };

/// Text alignment of the status bar's file name panel.
enum class PanelAlignment { Left, Center, Right };

/// The last paste into a grid: where it went and the cell texts it replaced, row by row.
struct UndoPasteRecord {
    WindowId window = WindowId::Elements;
    CellRange selection;
    std::vector<std::string> replaced;
};

class MainCommands {
public:
    MainCommands(Session& session, WindowShell& shell);

    // File menu
    SaveChangesAnswer AskSaveChanges();
    /// Returns false when the analyst cancelled.
    bool fileNew();
    bool fileOpen();
    bool openExample();
    bool save();
    bool saveAs();
    void saveDefaults();
    /// The main window is about to close: false when the analyst keeps it open.
    bool queryClose();
    /// Files dropped on the main window: opens the first.
    bool dropFiles(const std::vector<std::string>& paths);
    /// The file named on the command line, opened at start-up.
    bool openAtStart(const std::string& commandLine);
    /// A file of the recent-files list; one that cannot be opened leaves the list.
    bool openRecent(std::size_t index);
    const std::vector<std::string>& recentFiles() const { return m_recent.paths(); }

    // Edit menu and grid popup
    void insertRow();
    void deleteRows();
    void copyTable(TableCopyForm form);
    void pasteTable();
    void clearTable();
    void cutCells();
    void copyCells();
    void pasteCells();
    void undoPaste();
    bool canUndoPaste() const;
    /// Cut and Paste Cells change data: not offered in the result windows.
    bool canCutOrPasteCells() const;
    /// Writes the active grid window into the document (the View menu opens).
    void commitActiveGrid();

    // View menu
    void toggleView(ViewItem item);
    /// The window a View item shows in the document's current model mode.
    WindowId windowOf(ViewItem item) const;

    // Tools menu
    void libraryLookup();
    void createDepthScale();
    // Tools menu, Model submenu. Each works in its own window, the Model
    // window (the valence electrons: the model's IMFP & Contamination
    // window), and only while that window is the active one; its grid is
    // read into the model first. The windows showing the model are filled
    // anew, the document is changed and its results are to be worked out
    // again.
    bool modelToolEnabled(ModelTool tool) const;
    /// The summary the Model Summary window shows; nullopt when there is none.
    std::optional<ModelSummary> testModel();
    void markUnusedImfps();
    void calculateMolecularWeight();
    void calculateValenceElectrons();
    /// Of every layer and the bulk, or of the one layer whose column alone holds the selection.
    void calculateImfps();
    /// Tools, Simulation...: whether the simulation window may open. A model
    /// without layers is refused with a message; with intensities in the
    /// table the analyst is asked whether they may be overwritten.
    bool prepareSimulation();
    /// The data wizard while it is shown: New then restarts it instead of showing the Elements window.
    void setWizard(DataWizard* wizard) { m_wizard = wizard; }

    // Window menu
    void home();

    // Status bar
    void editTitle();
    PanelAlignment cycleFileNameAlignment();
    PanelAlignment fileNameAlignment() const { return m_alignment; }

    const std::string& lastDir() const { return m_lastDir; }
    const std::string& lastFile() const { return m_lastFile; }
    bool exampleOpen() const { return m_exampleOpen; }

private:
    /// Resets and opens path, then lays out the windows; false when it could not be read.
    bool openPath(const std::string& path, bool rememberFolder);
    void refreshAfterOpen(bool isTemplate);
    /// Simulation is offered for the layer models only.
    void enableSimulation();
    void applyExampleLayout(int layout, bool isTemplate);
    void rememberFile(const std::string& path);
    std::string dialogFolder() const;
    void commitShownGrids();
    GridWindow* activeGrid(WindowId& window);
    void insertOrDeleteRows(bool insert);
    /// The window a model tool works in, its grid read into the model;
    /// nullptr when the tool does not apply or the model has no layers (said).
    GridWindow* modelToolWindow(ModelTool tool);

    Session& m_session;
    WindowShell& m_shell;
    std::string m_lastDir;
    std::string m_lastFile;
    bool m_exampleOpen = false;
    RecentFiles m_recent;
    std::optional<UndoPasteRecord> m_undoPaste;
    PanelAlignment m_alignment = PanelAlignment::Left;
    DataWizard* m_wizard = nullptr;
};

/// Completes element rows first..last from the element library, its findings shown.
void LookUpLibraryRows(Session& session, int first, int last);

/// The file name Save As writes: the extension of the file-name part
/// replaced by that of the chosen filter (2: template, else data file).
std::string SaveAsPath(const std::string& chosen, int filterIndex);

/// A table's rows as clipboard text: cells trimmed and joined by tabs.
std::string TableText(const TextGrid& grid, const CellRange& range, TableCopyForm form);

/// The block of a window's grid that Copy Table copies; nullopt for a window
/// without a table. Without headers (Shift held) the header row is left
/// out, and in the Model window also the layer-name column.
std::optional<CellRange> TableCopyRange(WindowId window, const Document& doc, const TextGrid& grid, bool withHeaders);

/// Clipboard text of a grid block: the block's CR row breaks made CR LF.
std::string ExpandCarriageReturns(std::string_view text);

}  // namespace slv
