#include "ui/main_window.h"

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

#include "chart_qt/ansi_text.h"
#include "platform/fixed_text.h"
#include "session/element_grid.h"
#include "session/new_document.h"
#include "ui/about_dialog.h"
#include "ui/child_window.h"

namespace slv {

namespace {

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

}  // namespace

MainWindow::MainWindow(SettingsStore& settings, const std::filesystem::path& programFolder)
    : m_settings(settings),
      m_session(m_dialogs, settings, *this),
      m_commands(m_session, *this),
      m_subscription(m_session.subscribe(*this))
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

    StartSession(m_session, '.');
    Environment environment = m_session.environment();
    environment.programFolder = programFolder;
    m_session.setEnvironment(std::move(environment));
    NewDocument(m_session);
    showStatus();
}

MainWindow::~MainWindow()
{
    // The child windows' controllers leave before the session does.
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        delete window;
}

std::optional<WindowId> MainWindow::windowNamed(const std::string& caption)
{
    for (WindowId window : {WindowId::Elements, WindowId::Intensity, WindowId::Results})
        if (CaptionOf(window).toStdString() == caption)
            return window;
    return std::nullopt;
}

bool MainWindow::showView(WindowId window)
{
    if (!isShown(window)) {
        const ViewItem item = window == WindowId::Elements    ? ViewItem::Elements
                              : window == WindowId::Intensity ? ViewItem::Intensity
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
    const std::pair<ViewItem, const char*> items[] = {
        {ViewItem::Elements, "&Elements"}, {ViewItem::Intensity, "&Intensity"}, {ViewItem::Results, "&Results"}};
    for (const auto& [item, caption] : items) {
        QAction* action = addCommand(view, caption, [this, item] { m_commands.toggleView(item); });
        action->setCheckable(true);
        m_viewActions[m_commands.windowOf(item)] = action;
        if (item != ViewItem::Elements)
            m_dataActions.push_back(action);
    }
    connect(view, &QMenu::aboutToShow, this, [this] {
        m_commands.commitActiveGrid();
        for (auto& [window, action] : m_viewActions)
            action->setChecked(isShown(window));
    });

    QMenu* tools = menuBar()->addMenu("&Tools");
    addCommand(tools, "&Library Lookup", [this] { m_commands.libraryLookup(); });
    tools->addSeparator();
    addCommand(tools, "Create &Depth Scale", [this] { m_commands.createDepthScale(); });

    QMenu* window = menuBar()->addMenu("&Window");
    addCommand(window, "&Cascade", [this] { m_mdi->cascadeSubWindows(); });
    addCommand(window, "Tile &Horizontally", [this] { tile(Qt::Horizontal); });
    addCommand(window, "Tile &Vertically", [this] { tile(Qt::Vertical); });
    addCommand(window, "Ho&me", [this] { m_commands.home(); });

    QMenu* help = menuBar()->addMenu("&Help");
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
    m_printPanel = new QLabel;
    m_printPanel->setFixedWidth(m_printPanel->fontMetrics().height() * 2);
    for (QLabel* panel : {m_titlePanel, m_filePanel, m_printPanel})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(m_titlePanel, 1);
    statusBar()->addWidget(m_filePanel, 2);
    statusBar()->addWidget(m_printPanel);
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
}

std::optional<WindowId> MainWindow::activeWindow() const
{
    if (auto* child = dynamic_cast<ChildWindow*>(m_mdi->activeSubWindow()))
        return child->id();
    return m_active;
}

bool MainWindow::isShown(WindowId window) const
{
    return m_children.count(window) != 0;
}

void MainWindow::showWindow(WindowId window)
{
    if (isShown(window)) {
        activate(window);
        return;
    }
    ChildWindow* child = ChildWindow::create(window, m_session, m_mdi);
    if (child == nullptr)
        return;
    child->onClosing([this, window] { childClosing(window); });
    connect(&child->view(), &QWidget::customContextMenuRequested, this,
            [this, child](const QPoint& at) { showGridPopup(child->view().viewport()->mapToGlobal(at)); });
    m_children[window] = child;
    m_mdi->addSubWindow(child);
    // As large as its whole table, as far as the frame has room.
    child->resize(child->sizeHint().boundedTo(m_mdi->viewport()->size()));
    child->show();
    activate(window);
}

void MainWindow::childClosing(WindowId window)
{
    leave(window);
    m_children.erase(window);
    if (m_active == window)
        m_active.reset();
}

void MainWindow::closeWindow(WindowId window)
{
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
    return it == m_children.end() ? nullptr : &it->second->controller();
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
    if (auto it = m_enablingActions.find(command); it != m_enablingActions.end())
        it->second->setEnabled(enabled);
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
    // The document is replaced: nothing of the old one is written back.
    const auto children = m_children;
    m_children.clear();
    m_active.reset();
    for (auto& [window, child] : children) {
        child->onClosing({});
        child->close();
    }
}

void MainWindow::setDataCommandsEnabled(bool enabled)
{
    for (QAction* action : m_dataActions)
        action->setEnabled(enabled);
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
    if (!m_commands.queryClose()) {
        event->ignore();
        return;
    }
    saveWindowSettings();
    closeChildWindows();
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

}  // namespace slv
