#include "ui/main_window.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
#include <QWhatsThis>

#include "chart_qt/ansi_text.h"
#include "platform/fixed_text.h"
#include "report/report_options.h"
#include "session/element_grid.h"
#include "session/new_document.h"
#include "ui/about_dialog.h"
#include "ui/child_window.h"
#include "ui/layer_calculation_window.h"
#include "ui/layout_pane.h"
#include "ui/model_summary_dialog.h"
#include "ui/parameters_window.h"
#include "ui/print_dialogs.h"
#include "ui/simulation_window.h"
#include "ui/text_editor_window.h"
#include "ui/whats_this.h"
#include "ui/wizard_window.h"

namespace slv {

namespace {

/// The chart window's first size: a share of the main window's width, and its aspect.
constexpr double kChartWidthShare = 2.2;
constexpr double kChartAspect = 1.4;
/// The chart's axes, titles and legend need this much room, pixels.
constexpr QSize kLeastPictureWindow(520, 370);

/// A status bar panel that tells a click.
class ClickablePanel final : public QLabel {
public:
    explicit ClickablePanel(std::function<void()> clicked) : m_clicked(std::move(clicked)) {}

protected:
    void mousePressEvent(QMouseEvent*) override { m_clicked(); }

private:
    std::function<void()> m_clicked;
};

QString filterText(const std::vector<FileFilter>& filters)
{
    QStringList entries;
    for (const FileFilter& filter : filters) {
        // The caption names the patterns as the user knows them; Qt reads those in brackets.
        const QString caption = QString::fromStdString(filter.caption);
        const QString name = caption.left(caption.indexOf('(')).trimmed();
        QStringList patterns;
        for (const std::string& pattern : filter.patterns)
            patterns << QString::fromStdString(pattern);
        entries << name + " (" + patterns.join(' ') + ")";
    }
    return entries.join(";;");
}

std::optional<ChosenFile> runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(parent, QString::fromStdString(request.title), QString::fromStdString(request.folder));
    dialog.setNameFilter(filterText(request.filters));
    const QStringList filters = dialog.nameFilters();
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultSuffix.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ChosenFile{dialog.selectedFiles().front().toStdString(),
                      static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

/// Moves a child window that the frame's placement left partly outside the
/// frame back in, so that none of it is hidden where no scroll bar reaches.
void keepInside(QWidget& child, const QSize& area)
{
    const int x = std::max(0, std::min(child.x(), area.width() - child.width()));
    const int y = std::max(0, std::min(child.y(), area.height() - child.height()));
    child.move(x, y);
}

}  // namespace

MainWindow::MainWindow(SettingsStore& settings, const std::filesystem::path& programFolder)
    : m_settings(settings),
      m_session(m_dialogs, settings, *this),
      m_commands(m_session, *this),
      m_subscription(m_session.subscribe(*this)),
      m_help(HelpFolderOf(programFolder))
{
    m_dialogs.setParent(this);
    setWindowTitle(kProgramCaption);
    setAcceptDrops(true);
    m_mdi = new QMdiArea;
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) { subWindowActivated(w); });
    buildMenus();
    buildStatusBar();
    applyWindowSettings();
    m_chartSize = m_drawSize = QSize(static_cast<int>(std::nearbyint(width() / kChartWidthShare)),
                                     static_cast<int>(std::nearbyint(width() / kChartWidthShare / kChartAspect)));

    StartSession(m_session, '.');
    Environment environment = m_session.environment();
    environment.programFolder = programFolder;
    m_session.setEnvironment(std::move(environment));
    NewDocument(m_session);
    showStatus();
}

MainWindow::~MainWindow()
{
    // The child windows' controllers leave before the session does; a window
    // activated while the others go is not left for the document any more.
    disconnect(m_mdi, nullptr, this, nullptr);
    // The wizard works through the commands, which go before the widgets.
    delete m_wizard;
    m_children.clear();
    m_active.reset();
    // Closed windows still waiting for their deferred deletion go now too.
    for (ChildWindow* window : m_mdi->findChildren<ChildWindow*>())
        delete window;
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        delete window;
    delete m_notes.data();
}

std::optional<WindowId> MainWindow::windowNamed(const std::string& caption)
{
    for (WindowId window : {WindowId::Elements, WindowId::Intensity, WindowId::Imfps, WindowId::Results,
                            WindowId::ModelResults, WindowId::Chart, WindowId::Model, WindowId::ModelLayout})
        if (CaptionOf(window).toStdString() == caption)
            return window;
    return std::nullopt;
}

bool MainWindow::showView(WindowId window)
{
    // One caption names both IMFP windows: the model type says which one shows.
    if (window == WindowId::Imfps || window == WindowId::ModelImfps)
        window = m_commands.windowOf(ViewItem::ImfpAndContamination);
    if (!isShown(window)) {
        const ViewItem item = window == WindowId::Elements    ? ViewItem::Elements
                              : window == WindowId::Intensity ? ViewItem::Intensity
                              : window == WindowId::Imfps || window == WindowId::ModelImfps
                                  ? ViewItem::ImfpAndContamination
                              : window == WindowId::Model       ? ViewItem::Model
                              : window == WindowId::Chart       ? ViewItem::Chart
                              : window == WindowId::ModelLayout ? ViewItem::ModelLayout
                                                                : ViewItem::Results;
        m_commands.toggleView(item);
    }
    if (!isShown(window))
        return false;
    moveToTopLeft(window);
    activate(window);
    return true;
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& caption, std::function<void()> command)
{
    QAction* action = menu->addAction(caption);
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu("&File");
    addCommand(file, "&New", [this] { m_commands.fileNew(); })->setShortcut(QKeySequence::New);
    addCommand(file, "&Open...", [this] { m_commands.fileOpen(); })->setShortcut(QKeySequence::Open);
    addCommand(file, "Open &Example...", [this] { m_commands.openExample(); });
    m_recentMenu = file->addMenu("Open &Recent");
    connect(file, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    file->addSeparator();
    addCommand(file, "&Save", [this] { m_commands.save(); })->setShortcut(QKeySequence::Save);
    addCommand(file, "Save &As...", [this] { m_commands.saveAs(); })->setShortcut(QKeySequence::SaveAs);
    addCommand(file, "Save &Defaults", [this] { m_commands.saveDefaults(); });
    file->addSeparator();
    addCommand(file, "&Print...", [this] { showPrintDialog(); })->setShortcut(QKeySequence::Print);
    addCommand(file, "Print &Current", [this] { printCurrent(); });
    file->addSeparator();
    addCommand(file, "E&xit", [this] { close(); })->setShortcut(QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu("&Edit");
    addCommand(edit, "&Insert Row", [this] { m_commands.insertRow(); });
    addCommand(edit, "&Delete Rows", [this] { m_commands.deleteRows(); });
    edit->addSeparator();
    QMenu* copyTo = edit->addMenu("&Copy Table");
    addCommand(copyTo, "&ASCII", [this] { m_commands.copyTable(TableCopyForm::Ascii); });
    addCommand(copyTo, "MS &Word", [this] { m_commands.copyTable(TableCopyForm::Word); });
    addCommand(edit, "&Paste Table", [this] { m_commands.pasteTable(); });
    addCommand(edit, "Clear &Table", [this] { m_commands.clearTable(); });

    QMenu* view = menuBar()->addMenu("&View");
    const std::pair<ViewItem, const char*> items[] = {{ViewItem::Elements, "&Elements"},
                                                      {ViewItem::Intensity, "&Intensity"},
                                                      {ViewItem::ImfpAndContamination, "IM&FP && Contamination"},
                                                      {ViewItem::Results, "&Results"},
                                                      {ViewItem::Chart, "&Chart"},
                                                      {ViewItem::Model, "&Model"},
                                                      {ViewItem::ModelLayout, "Model &Layout"}};
    for (const auto& [item, caption] : items) {
        QAction* action = addCommand(view, caption, [this, item] { m_commands.toggleView(item); });
        action->setCheckable(true);
        m_viewActions[item] = action;
        if (item == ViewItem::Chart) {
            // Enabled while the results are shown.
            m_enablingActions[ShellCommand::ViewChart] = action;
            action->setEnabled(false);
        } else if (item != ViewItem::Elements) {
            m_dataActions.push_back(action);
        }
    }
    view->addSeparator();
    addCommand(view, "&Parameters...", [this] { showParameters(); });
    addCommand(view, "&Notes...", [this] { showNotes(); });
    connect(view, &QMenu::aboutToShow, this, [this] {
        m_commands.commitActiveGrid();
        // The model type decides which window an item stands for.
        for (auto& [item, action] : m_viewActions)
            action->setChecked(isShown(m_commands.windowOf(item)));
    });

    QMenu* tools = menuBar()->addMenu("&Tools");
    addCommand(tools, "&Library Lookup", [this] { m_commands.libraryLookup(); });
    tools->addSeparator();
    QMenu* modelTools = tools->addMenu("&Model");
    const std::tuple<ModelTool, const char*, std::function<void()>> modelCommands[] = {
        {ModelTool::TestModel, "&Test Model",
         [this] {
             if (const auto summary = m_commands.testModel())
                 ModelSummaryDialog(*summary, this).exec();
         }},
        {ModelTool::MarkUnusedImfps, "&Mark Unused IMFPs", [this] { m_commands.markUnusedImfps(); }},
        {ModelTool::MolecularWeight, "Calculate Molecular &Weight", [this] { m_commands.calculateMolecularWeight(); }},
        {ModelTool::ValenceElectrons, "Calculate Valence &Electrons",
         [this] { m_commands.calculateValenceElectrons(); }},
        {ModelTool::Imfps, "Calculate &IMFPs", [this] { m_commands.calculateImfps(); }}};
    for (const auto& [tool, caption, command] : modelCommands)
        m_modelToolActions[tool] = addCommand(modelTools, caption, command);
    // Each tool works in one window: offered while that window is the active one.
    connect(modelTools, &QMenu::aboutToShow, this, [this] {
        for (auto& [tool, action] : m_modelToolActions)
            action->setEnabled(m_commands.modelToolEnabled(tool));
    });
    m_enablingActions[ShellCommand::Simulation] = addCommand(tools, "Simulation...", [this] { showSimulation(); });
    addCommand(tools, "Create &Depth Scale", [this] { m_commands.createDepthScale(); });
    tools->addSeparator();
    m_wizardAction = addCommand(tools, "Data &Wizard...", [this] { showWizard(m_wizardAction->isChecked()); });
    m_wizardAction->setCheckable(true);

    QMenu* window = menuBar()->addMenu("&Window");
    addCommand(window, "&Cascade", [this] { m_mdi->cascadeSubWindows(); });
    addCommand(window, "Tile &Horizontally", [this] { tile(Qt::Horizontal); });
    addCommand(window, "Tile &Vertically", [this] { tile(Qt::Vertical); });
    addCommand(window, "Ho&me", [this] { m_commands.home(); });

    QMenu* help = menuBar()->addMenu("&Help");
    addCommand(help, "&Help Topics", [this] { m_help.showContents(); });
    QAction* context = addCommand(help, "Context Help", [this] { contextHelp(); });
    context->setShortcut(QKeySequence::HelpContents);
    // F1 finds the topic of whichever window of the program is active, dialogs included.
    context->setShortcutContext(Qt::ApplicationShortcut);
    QAction* whatsThis = QWhatsThis::createAction(this);
    whatsThis->setText("What's &This?");
    help->addAction(whatsThis);
    help->addSeparator();
    addCommand(help, "&About XPS Selvaro...", [this] { AboutDialog(this).exec(); });
    buildGridActions();
    setDataCommandsEnabled(false);
}

void MainWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const std::vector<std::string>& recent = m_commands.recentFiles();
    for (std::size_t i = 0; i < recent.size(); ++i) {
        const QString path = QString::fromStdString(recent[i]);
        const QString name = QFileInfo(path).fileName().replace('&', "&&");
        QAction* action =
            addCommand(m_recentMenu, QString("&%1 %2").arg(i + 1).arg(name), [this, i] { m_commands.openRecent(i); });
        action->setToolTip(path);
        action->setStatusTip(path);
    }
    m_recentMenu->setToolTipsVisible(true);
    m_recentMenu->setEnabled(!recent.empty());
}

void MainWindow::buildGridActions()
{
    // The grid popup's commands, also reached by the usual editing keys.
    const auto gridAction = [this](const QString& caption, QKeySequence::StandardKey keys,
                                   std::function<void()> command) {
        auto* action = new QAction(caption, this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
        addAction(action);
        return action;
    };
    m_cutCells = gridAction("Cut Cells", QKeySequence::Cut, [this] { m_commands.cutCells(); });
    m_copyCells = gridAction("&Copy Cells", QKeySequence::Copy, [this] { m_commands.copyCells(); });
    m_pasteCells = gridAction("&Paste Cells", QKeySequence::Paste, [this] { m_commands.pasteCells(); });
    m_undoPaste = gridAction("Undo Paste", QKeySequence::Undo, [this] { m_commands.undoPaste(); });
}

void MainWindow::tile(Qt::Orientation bands)
{
    // Horizontal bands lie one above the other, vertical ones side by side.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        if (!window->isMinimized())
            windows << window;
    if (windows.isEmpty())
        return;
    const QRect area = m_mdi->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        if (bands == Qt::Horizontal) {
            const int top = area.height() * i / count;
            window->setGeometry(0, top, area.width(), area.height() * (i + 1) / count - top);
        } else {
            const int left = area.width() * i / count;
            window->setGeometry(left, 0, area.width() * (i + 1) / count - left, area.height());
        }
    }
}

void MainWindow::buildStatusBar()
{
    m_titlePanel = new ClickablePanel([this] { m_commands.editTitle(); });
    m_titlePanel->setToolTip("The data set's title: click to change it");
    m_filePanel = new ClickablePanel([this] {
        const PanelAlignment alignment = m_commands.cycleFileNameAlignment();
        m_filePanel->setAlignment(alignment == PanelAlignment::Left     ? Qt::AlignLeft
                                  : alignment == PanelAlignment::Center ? Qt::AlignHCenter
                                                                        : Qt::AlignRight);
    });
    m_filePanel->setToolTip("The data file: click to align the name left, centred or right");
    m_printPanel = new ClickablePanel([this] { m_spooler.eject(); });
    m_printPanel->setFixedWidth(PrinterPicture().width() + 8);
    for (QLabel* panel : {m_titlePanel, m_filePanel, m_printPanel})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(m_titlePanel, 1);
    statusBar()->addWidget(m_filePanel, 2);
    statusBar()->addWidget(m_printPanel);
    m_spooler.onPageOpenChanged([this](bool open) { m_printPanel->setPixmap(open ? PrinterPicture() : QPixmap()); });
    AddMainWhatsThis(*m_mdi, *m_titlePanel, *m_filePanel, *m_printPanel);
}

void MainWindow::showStatus()
{
    const Document& doc = m_session.doc();
    m_titlePanel->setText("  " + AnsiQString(doc.title()));
    m_filePanel->setText(QString::fromStdString(doc.DocFileName));
    const QString name = doc.DocFileName.empty()
                             ? QString("Untitled")
                             : QString::fromStdString(std::filesystem::path(doc.DocFileName).filename().string());
    setWindowTitle(name + "[*] - " + kProgramCaption);
    setWindowModified(doc.DocDirty);
}

void MainWindow::sessionChanged(ChangeSet changes)
{
    if (changes.has(Change::Title) || changes.has(Change::FileName) || changes.has(Change::DirtyFlag))
        showStatus();
    if (changes.has(Change::FileName)) {
        // A report's PDF is offered beside the data file, under its name.
        const std::filesystem::path data(m_session.doc().DocFileName);
        m_reportOutput.setSuggestedPdf(data.empty() ? std::string()
                                                    : (data.parent_path() / data.stem()).string() + ".pdf");
    }
}

std::optional<WindowId> MainWindow::activeWindow() const
{
    if (auto* child = dynamic_cast<ChildWindow*>(m_mdi->activeSubWindow()))
        return child->id();
    return m_active;
}

bool MainWindow::isShown(WindowId window) const
{
    if (window == WindowId::Notes)
        return m_notes && m_notes->isVisible();
    return m_children.count(window) != 0;
}

void MainWindow::showWindow(WindowId window)
{
    if (window == WindowId::Notes) {
        showNotes();
        return;
    }
    if (isShown(window)) {
        activate(window);
        return;
    }
    ChildWindow* child = ChildWindow::create(window, m_session, m_mdi);
    if (child == nullptr)
        return;
    child->onClosing([this, window, child] {
        // The chart keeps its size for the next opening while the program runs.
        if (window == WindowId::Chart && !child->isMaximized() && !child->isMinimized())
            m_chartSize = child->size();
        childClosing(window);
    });
    if (child->hasGrid())
        connect(&child->view(), &QWidget::customContextMenuRequested, this,
                [this, child](const QPoint& at) { showGridPopup(child->view().viewport()->mapToGlobal(at)); });
    m_children[window] = child;
    AddChildWhatsThis(*child);
    m_mdi->addSubWindow(child);
    if (window == WindowId::Chart || window == WindowId::ModelLayout)
        child->resize((window == WindowId::Chart ? m_chartSize : m_drawSize)
                          .expandedTo(kLeastPictureWindow)
                          .boundedTo(m_mdi->viewport()->size()));
    else
        // As large as its whole table, its controls uncut, as far as the frame has room.
        child->resize(child->sizeHint().expandedTo(child->minimumSizeHint()).boundedTo(m_mdi->viewport()->size()));
    child->show();
    keepInside(*child, m_mdi->viewport()->size());
    activate(window);
}

void MainWindow::childClosing(WindowId window)
{
    leave(window);
    m_children.erase(window);
    if (window == WindowId::Results || window == WindowId::ModelResults)
        setCommandEnabled(ShellCommand::ViewChart, false);
    if (m_active == window)
        m_active.reset();
}

void MainWindow::closeWindow(WindowId window)
{
    if (window == WindowId::Notes && m_notes) {
        m_notes->close();
        return;
    }
    if (auto it = m_children.find(window); it != m_children.end())
        it->second->close();
}

void MainWindow::moveToTopLeft(WindowId window)
{
    if (auto it = m_children.find(window); it != m_children.end() && !it->second->isMaximized())
        it->second->move(0, 0);
}

void MainWindow::activate(WindowId window)
{
    if (auto it = m_children.find(window); it != m_children.end()) {
        m_mdi->setActiveSubWindow(it->second);
        m_active = window;
    }
}

GridWindow* MainWindow::gridWindow(WindowId window)
{
    auto it = m_children.find(window);
    return it == m_children.end() || !it->second->hasGrid() ? nullptr : &it->second->controller();
}

bool MainWindow::modalDialogOpen() const
{
    return QApplication::activeModalWidget() != nullptr;
}

bool MainWindow::shiftHeld() const
{
    return (QApplication::queryKeyboardModifiers() & Qt::ShiftModifier) != 0;
}

void MainWindow::setCommandEnabled(ShellCommand command, bool enabled)
{
    if (command == ShellCommand::Simulation) {
        // Offered for a layer model, and only while there are element rows.
        m_simulationOffered = enabled;
        enabled = enabled && m_dataEnabled;
    }
    if (auto it = m_enablingActions.find(command); it != m_enablingActions.end())
        it->second->setEnabled(enabled);
}

void MainWindow::setLayoutLegend(bool legend)
{
    // Through the popup's check mark, so that the mark and the drawing agree.
    auto it = m_children.find(WindowId::ModelLayout);
    if (auto* layout = it == m_children.end() ? nullptr : dynamic_cast<LayoutPane*>(it->second->picture()))
        layout->legendAction()->setChecked(legend);
}

std::optional<ChosenFile> MainWindow::chooseFileToOpen(const FileDialogRequest& request)
{
    return runFileDialog(this, request, false);
}

std::optional<ChosenFile> MainWindow::chooseFileToSave(const FileDialogRequest& request)
{
    return runFileDialog(this, request, true);
}

std::string MainWindow::documentsFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

std::string MainWindow::clipboardText() const
{
    return Utf8ToAnsi(QApplication::clipboard()->text().toStdString());
}

void MainWindow::setClipboardText(const std::string& text)
{
    QApplication::clipboard()->setText(AnsiQString(text));
}

void MainWindow::closeChildWindows()
{
    // The document is replaced: nothing of the old one is written back, and
    // the windows go at once, before their controllers hear of the new one.
    const auto children = m_children;
    m_children.clear();
    m_active.reset();
    for (auto& [window, child] : children) {
        child->onClosing({});
        delete child;
    }
    // A calculation still open leaves as Cancel does: its OK would write the
    // old data set's thicknesses into the new one.
    if (auto* calculation =
            m_mdi->findChild<LayerCalculationWindow*>(kLayerCalculationCaption, Qt::FindDirectChildrenOnly))
        calculation->reject();
    setCommandEnabled(ShellCommand::ViewChart, false);
}

void MainWindow::setDataCommandsEnabled(bool enabled)
{
    for (QAction* action : m_dataActions)
        action->setEnabled(enabled);
    m_dataEnabled = enabled;
    setCommandEnabled(ShellCommand::Simulation, m_simulationOffered);
}

void MainWindow::subWindowActivated(QMdiSubWindow* window)
{
    auto* child = dynamic_cast<ChildWindow*>(window);
    if (child == nullptr)
        return;
    if (m_active && *m_active != child->id())
        leave(*m_active);
    m_active = child->id();
}

void MainWindow::leave(WindowId window)
{
    GridWindow* grid = gridWindow(window);
    if (grid == nullptr)
        return;
    if (auto* elements = dynamic_cast<ElementGrid*>(grid))
        elements->leave();
    else
        grid->commit();
}

void MainWindow::showGridPopup(const QPoint& where)
{
    QMenu popup;
    popup.addActions({m_cutCells, m_copyCells, m_pasteCells});
    popup.addSeparator();
    popup.addAction(m_undoPaste);
    m_cutCells->setEnabled(m_commands.canCutOrPasteCells());
    m_pasteCells->setEnabled(m_commands.canCutOrPasteCells());
    m_undoPaste->setEnabled(m_commands.canUndoPaste());
    popup.exec(where);
    // The keys stay with the commands, which look at the active window themselves.
    for (QAction* action : {m_cutCells, m_pasteCells, m_undoPaste})
        action->setEnabled(true);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Changed notes are stored (or not) before the document's own question.
    if ((m_notes && m_notes->isVisible() && !m_notes->close()) || !m_commands.queryClose()) {
        event->ignore();
        return;
    }
    m_spooler.eject();
    saveWindowSettings();
    closeChildWindows();
    m_help.close();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    m_commands.dropFiles(paths);
}

void MainWindow::applyWindowSettings()
{
    m_windowSettings = ReadWindowSettings(m_settings);
    const int dpi = logicalDpiX();
    const auto pixels = [dpi](int twips) { return twips * dpi / kTwipsPerInch; };
    setGeometry(pixels(m_windowSettings.left), pixels(m_windowSettings.top), pixels(m_windowSettings.width),
                pixels(m_windowSettings.height));
}

void MainWindow::saveWindowSettings()
{
    if (!isMaximized() && !isMinimized()) {
        const int dpi = logicalDpiX();
        const auto twips = [dpi](int pixels) { return pixels * kTwipsPerInch / dpi; };
        const QRect frame = geometry();
        m_windowSettings.left = twips(frame.left());
        m_windowSettings.top = twips(frame.top());
        m_windowSettings.width = twips(frame.width());
        m_windowSettings.height = twips(frame.height());
    }
    SaveWindowSettings(m_windowSettings, m_settings);
}

TextEditorWindow& MainWindow::showNotes()
{
    if (!m_notes) {
        m_notes = new TextEditorWindow(
            TextEditor(m_session), m_windowSettings, m_spooler,
            [this](const QString& caption, const QString& part) { m_help.showTopic(caption, part); }, this);
        m_notes->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_notes->show();
    m_notes->raise();
    m_notes->activateWindow();
    return *m_notes;
}

void MainWindow::unloadNotesWindow()
{
    // The document is replaced: its notes window goes with it.
    if (m_notes)
        m_notes->discard();
}

void MainWindow::abandonPrintJob()
{
    m_spooler.eject();
}

void MainWindow::showPrintDialog()
{
    PrintDialog dialog(m_session, *this, m_spooler, m_reportOutput, this);
    dialog.exec();
}

ParameterReporting MainWindow::parameterReporting()
{
    return {m_spooler, m_windowSettings,
            [this](const QString& caption, const QString& part) { m_help.showTopic(caption, part); }};
}

bool MainWindow::printCurrent()
{
    return PrintCurrentWindow(*this, m_spooler, [this](WindowId window) { return printPicture(window); });
}

bool MainWindow::printPicture(WindowId window)
{
    auto it = m_children.find(window);
    const PicturePane* picture = it == m_children.end() ? nullptr : it->second->picture();
    if (picture == nullptr)
        return false;
    const PrintOptions options = EffectivePrintOptions(m_session.print());
    const auto failure = m_reportOutput.printPicture(
        m_session.doc().title(), OrientationOf(options), options.PrintMargin * kTwipsPerCentimetre,
        [picture](QPainter& painter, const QRectF& area) { picture->paintPage(painter, area); });
    if (!failure)
        return false;
    if (!failure->empty()) {
        m_session.dialogs().show(kReportNotDelivered + std::string("\r\n") + *failure + "    ", MessageIcon::Critical);
        return false;
    }
    return true;
}

void MainWindow::contextHelp()
{
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != this) {
        m_help.showTopic(active->windowTitle());
        return;
    }
    const auto child = activeWindow();
    if (!child || !isShown(*child)) {
        m_help.showContents();
        return;
    }
    m_help.showTopic(CaptionOf(*child), *child == WindowId::ModelImfps ? "Model" : "");
}

QWidget* MainWindow::showDialogNamed(const std::string& caption)
{
    QWidget* shown = nullptr;
    if (caption == kPrintCaption) {
        shown = new PrintDialog(m_session, *this, m_spooler, m_reportOutput, this);
    } else if (caption == kPrintOptionsCaption) {
        shown = new PrintOptionsDialog(m_session, m_reportOutput, this);
    } else if (caption == kNotesCaption || caption == "Notes") {
        return &showNotes();
    } else if (caption == kWizardCaption) {
        showWizard(true);
        return m_wizard;
    } else if (caption == kLayerCalculationCaption) {
        const Document& doc = m_session.doc();
        if (!doc.modelMode() || doc.modelType() == ModelType::OxideLayer || doc.LayerCount < 1)
            return nullptr;
        return &ShowLayerCalculation(m_session, m_mdi);
    } else if (caption == kHelpCaption || caption == "Help") {
        HelpWindow& help = m_help.window();
        help.showPage(kHelpContents);
        return &help;
    } else {
        return nullptr;
    }
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->show();
    return shown;
}

void MainWindow::showParameters()
{
    ParametersWindow parameters(m_session, *this, this, parameterReporting());
    if (m_wizard)
        m_wizard->placeClearOfWizard(parameters);
    parameters.exec();
}

void MainWindow::showSimulation()
{
    m_commands.commitActiveGrid();
    if (!m_commands.prepareSimulation())
        return;
    SimulationWindow simulation(m_session, this);
    simulation.exec();
}

void MainWindow::showWizard(bool shown)
{
    m_wizardAction->setChecked(shown);
    if (!shown) {
        if (m_wizard)
            m_wizard->close();
        return;
    }
    if (!m_wizard) {
        m_wizard = new WizardWindow(
            m_session, *this, m_commands, m_windowSettings, [this] { showParameters(); }, m_mdi, this);
        m_wizard->setClosedHandler([this] { m_wizardAction->setChecked(false); });
    }
    m_wizard->showBesideFrame();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (m_wizard)
        m_wizard->dock();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (m_wizard)
        m_wizard->dock();
}

}  // namespace slv
