// The main window: a multiple-document frame with the menu bar, the status
// bar's three panels and one child window per kind. It is the window shell
// of the command layer and of the session; the commands and the controllers
// hold every rule, the frame only shows and forwards.
#pragma once

#include <filesystem>
#include <map>
#include <memory>

#include <QMainWindow>
#include <QPointer>

#include "platform/settings_store.h"
#include "session/document_shell.h"
#include "session/main_commands.h"
#include "session/report_spooler.h"
#include "session/session.h"
#include "session/window_settings.h"
#include "session/window_shell.h"
#include "ui/help_window.h"
#include "ui/parameters_window.h"
#include "ui/qt_dialogs.h"
#include "ui/report_output.h"
#include "ui/text_editor_window.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace slv {

class ChildWindow;
class WizardWindow;

class MainWindow final : public QMainWindow, public WindowShell, public DocumentShell, private SessionObserver {
public:
    MainWindow(SettingsStore& settings, const std::filesystem::path& programFolder);
    ~MainWindow() override;

    Session& session() { return m_session; }
    MainCommands& commands() { return m_commands; }
    QtDialogs& dialogs() { return m_dialogs; }
    /// The child window of a caption ("Elements", "Intensity", "Composition").
    static std::optional<WindowId> windowNamed(const std::string& caption);
    /// Shows a child window through its View command; false when it is not shown afterwards.
    bool showView(WindowId window);

    ReportSpooler& spooler() { return m_spooler; }
    QtReportOutput& reportOutput() { return m_reportOutput; }
    Help& help() { return m_help; }
    /// The window settings, which the notes and text editor windows keep theirs in.
    WindowSettings& windowSettings() { return m_windowSettings; }
    /// View, Notes...: the notes window, shown and activated.
    TextEditorWindow& showNotes();
    TextEditorWindow* notesWindow() const { return m_notes.data(); }
    /// File, Print...: the Print dialog, modal.
    void showPrintDialog();
    /// File, Print Current: the active window's table onto the open page, or
    /// the chart or model layout on a page of its own; false when nothing was printed.
    bool printCurrent();
    /// The main window's part in the Parameters dialog's "Print" and "Edit...".
    ParameterReporting parameterReporting();
    /// Context Help (F1): the help topic of the active window or dialog.
    void contextHelp();
    /// A dialog or window of the program by its caption ("Print", "Print Options",
    /// "XPS Selvaro Notes", "XPS Selvaro Help"), shown without waiting; nullptr for another name.
    QWidget* showDialogNamed(const std::string& caption);
    /// Shows or closes the data wizard, as the Tools menu item does.
    void showWizard(bool shown);
    /// Tools, Simulation...: the simulation window, modal, when its checks pass.
    void showSimulation();

    // WindowShell
    std::optional<WindowId> activeWindow() const override;
    bool isShown(WindowId window) const override;
    void showWindow(WindowId window) override;
    void closeWindow(WindowId window) override;
    void moveToTopLeft(WindowId window) override;
    void activate(WindowId window) override;
    GridWindow* gridWindow(WindowId window) override;
    bool modalDialogOpen() const override;
    bool shiftHeld() const override;
    void setCommandEnabled(ShellCommand command, bool enabled) override;
    void setLayoutLegend(bool legend) override;
    std::optional<ChosenFile> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<ChosenFile> chooseFileToSave(const FileDialogRequest& request) override;
    std::string documentsFolder() const override;
    std::string clipboardText() const override;
    void setClipboardText(const std::string& text) override;

    // DocumentShell
    void closeChildWindows() override;
    void unloadNotesWindow() override;
    void setDataCommandsEnabled(bool enabled) override;
    void abandonPrintJob() override;
    void resetWindowSwitches() override {}
    void clearFileDialogName() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void sessionChanged(ChangeSet changes) override;
    void buildMenus();
    void buildStatusBar();
    void tile(Qt::Orientation bands);
    void showStatus();
    void subWindowActivated(QMdiSubWindow* window);
    /// The analyst leaves a child window: its grid goes into the document.
    void leave(WindowId window);
    void childClosing(WindowId window);
    void showGridPopup(const QPoint& where);
    /// The picture of the Chart or Model Layout window as a print job of its own.
    bool printPicture(WindowId window);
    QAction* addCommand(QMenu* menu, const QString& caption, std::function<void()> command);
    void fillRecentMenu();
    void buildGridActions();
    void applyWindowSettings();
    void showParameters();
    void saveWindowSettings();

    QtDialogs m_dialogs;
    SettingsStore& m_settings;
    Session m_session;
    MainCommands m_commands;
    Session::Subscription m_subscription;
    WindowSettings m_windowSettings;
    QMdiArea* m_mdi = nullptr;
    std::map<WindowId, ChildWindow*> m_children;
    std::optional<WindowId> m_active;
    std::map<ViewItem, QAction*> m_viewActions;
    std::map<ShellCommand, QAction*> m_enablingActions;
    std::map<ModelTool, QAction*> m_modelToolActions;
    std::vector<QAction*> m_dataActions;
    bool m_dataEnabled = false;
    bool m_simulationOffered = false;
    QMenu* m_recentMenu = nullptr;
    QAction* m_cutCells = nullptr;
    QAction* m_copyCells = nullptr;
    QAction* m_pasteCells = nullptr;
    QAction* m_undoPaste = nullptr;
    QLabel* m_titlePanel = nullptr;
    QLabel* m_filePanel = nullptr;
    QLabel* m_printPanel = nullptr;
    QSize m_chartSize;  // ChartW x ChartH, kept while the program runs
    QSize m_drawSize;   // DrawW x DrawH, the model layout's first size
    QtReportOutput m_reportOutput{this};
    ReportSpooler m_spooler{m_session, m_reportOutput};
    Help m_help;
    QPointer<TextEditorWindow> m_notes;
    QPointer<WizardWindow> m_wizard;
    QAction* m_wizardAction = nullptr;
};

}  // namespace slv
