// The File menu, the files dropped on the main window, the file named on the
// command line and the closing of the main window.
#include <filesystem>

#include "document/settings_defaults.h"
#include "platform/fixed_text.h"
#include "quant/results_table.h"
#include "session/data_wizard.h"
#include "session/main_commands.h"
#include "session/new_document.h"
#include "session/open_file.h"
#include "session/save_file.h"

namespace slv {

namespace {

namespace fs = std::filesystem;

constexpr const char* kOpenTitle = "Open Data";
constexpr const char* kOpenExampleTitle = "Open Example Data";
constexpr const char* kSaveAsTitle = "Save Data As";
constexpr const char* kExampleFolder = "examples";
constexpr const char* kDataExtension = ".lvd";
constexpr const char* kDefaultSuffix = "lvd";
constexpr const char* kTemplateExtension = ".lvt";
constexpr int kTemplateFilter = 2;
constexpr int kAllSelvaroFilesFilter = 4;
constexpr const char* kReplaceQuestionTail = " already exists.\r\nDo you want to replace it?";

// The window layout code of an example file: the result type and the chart's
// axis in the low bytes, the windows to show in the flags above.
constexpr int kLayoutAxisShift = 4;
constexpr int kLayoutAxisMask = 0x0F;
constexpr int kLayoutFlagsShift = 8;
constexpr int kLayoutFlagsMask = 0x7F;
constexpr int kShowIntensity = 16;
constexpr int kShowDepthScale = 8;
constexpr int kShowModelLayout = 2;
constexpr int kLegendOnLayout = 4;
constexpr int kShowNotes = 1;

const std::vector<FileFilter>& openFilters()
{
    static const std::vector<FileFilter> filters = {
        {"XPS Selvaro Data Files (*.lvd)", {"*.lvd"}},
        {"XPS Selvaro Template Files (*.lvt)", {"*.lvt"}},
        {"XPS Reduced Data Exchange Files (*.lvx)", {"*.lvx"}},
        {"All XPS Selvaro Files (*.lvd; *.lvt; *.lvx)", {"*.lvd", "*.lvt", "*.lvx"}},
        {"All Files (*)", {"*"}},
    };
    return filters;
}

}  // namespace

std::string SaveAsPath(const std::string& chosen, int filterIndex)
{
    fs::path path(chosen);
    // Only the file-name part has an extension: a dot in a folder name stays.
    path.replace_extension(filterIndex == kTemplateFilter ? kTemplateExtension : kDataExtension);
    return path.string();
}

MainCommands::MainCommands(Session& session, WindowShell& shell)
    : m_session(session),
      m_shell(shell),
      m_recent(session.settings())
{
}

SaveChangesAnswer MainCommands::AskSaveChanges()
{
    if (!m_session.doc().DocDirty)
        return SaveChangesAnswer::Unchanged;
    switch (m_session.dialogs().show(kSaveChangesQuestion, MessageIcon::Exclamation, MessageButtons::YesNoCancel)) {
    case DialogAnswer::No: return SaveChangesAnswer::Discarded;
    case DialogAnswer::Yes:
        // A save that did not happen must not let the caller throw the work away.
        return save() ? SaveChangesAnswer::Saved : SaveChangesAnswer::Cancelled;
    default: return SaveChangesAnswer::Cancelled;
    }
}

bool MainCommands::fileNew()
{
    if (AskSaveChanges() == SaveChangesAnswer::Cancelled)
        return false;
    m_session.setClosing(false);
    m_exampleOpen = false;
    NewDocument(m_session);
    // The defaults may hold a layer model.
    enableSimulation();
    if (m_wizard != nullptr) {
        m_wizard->restart();
        return true;
    }
    m_shell.showWindow(WindowId::Elements);
    m_shell.moveToTopLeft(WindowId::Elements);
    return true;
}

std::string MainCommands::dialogFolder() const
{
    return m_lastDir.empty() ? m_shell.documentsFolder() : m_lastDir;
}

void MainCommands::rememberFile(const std::string& path)
{
    const fs::path file(path);
    if (file.has_parent_path())
        m_lastDir = std::string(trimmed(file.parent_path().string()));
    m_lastFile = std::string(trimmed(file.filename().string()));
}

bool MainCommands::fileOpen()
{
    if (AskSaveChanges() == SaveChangesAnswer::Cancelled)
        return false;
    const auto chosen = m_shell.chooseFileToOpen({kOpenTitle, dialogFolder(), openFilters(), 1, {}});
    if (!chosen)
        return false;
    m_exampleOpen = false;
    return openPath(chosen->path, true);
}

bool MainCommands::openExample()
{
    // Unsaved work is asked about here too: an example replaces it like any file.
    if (AskSaveChanges() == SaveChangesAnswer::Cancelled)
        return false;
    const std::string folder = (m_session.environment().programFolder / kExampleFolder).string();
    const auto chosen =
        m_shell.chooseFileToOpen({kOpenExampleTitle, folder, openFilters(), kAllSelvaroFilesFilter, {}});
    if (!chosen)
        return false;
    m_exampleOpen = true;
    return openPath(chosen->path, false);
}

bool MainCommands::openPath(const std::string& path, bool rememberFolder)
{
    if (rememberFolder)
        rememberFile(path);
    const OpenedFile opened = OpenDocumentFile(m_session, path);
    if (!opened.ok) {
        m_exampleOpen = false;
        return false;
    }
    const bool exchangeFile = opened.kind == LoadedFileKind::ExchangeFile;
    if (m_exampleOpen && opened.exampleLayout == 0 && !exchangeFile)
        m_exampleOpen = false;
    if (m_exampleOpen) {
        auto edit = m_session.edit(Change::Results);
        // A result type beyond the known ones shows Atomic %.
        edit.res.ResType = StoredResultType(opened);
        edit.doc.AxisIndex = static_cast<Integer>((opened.exampleLayout >> kLayoutAxisShift) & kLayoutAxisMask);
    }
    refreshAfterOpen(opened.kind == LoadedFileKind::TemplateFile);
    if (m_exampleOpen)
        applyExampleLayout(opened.exampleLayout, opened.kind == LoadedFileKind::TemplateFile);
    else
        m_recent.add(path);
    return true;
}

void MainCommands::refreshAfterOpen(bool isTemplate)
{
    if (isTemplate) {
        m_shell.showWindow(WindowId::Intensity);
        m_shell.moveToTopLeft(WindowId::Intensity);
    } else {
        if (!m_shell.isShown(windowOf(ViewItem::Results)))
            toggleView(ViewItem::Results);
        const WindowId results = windowOf(ViewItem::Results);
        if (m_shell.isShown(results))
            m_shell.moveToTopLeft(results);
    }
    enableSimulation();
}

void MainCommands::enableSimulation()
{
    const ModelType model = m_session.doc().modelType();
    m_shell.setCommandEnabled(ShellCommand::Simulation,
                              model != ModelType::Homogeneous && model != ModelType::OxideLayer);
}

void MainCommands::applyExampleLayout(int layout, bool isTemplate)
{
    const int flags = (layout >> kLayoutFlagsShift) & kLayoutFlagsMask;
    if ((flags & kShowNotes) != 0)
        m_shell.showWindow(WindowId::Notes);
    if ((flags & kShowIntensity) != 0)
        m_shell.showWindow(WindowId::Intensity);
    if (m_session.doc().AxisIndex != 0) {
        if ((flags & kShowDepthScale) != 0)
            m_session.edit(Change::Labels).doc.DepthScale = 1;
        m_shell.showWindow(WindowId::Chart);
    }
    if ((flags & kShowModelLayout) != 0) {
        m_shell.showWindow(WindowId::ModelLayout);
        if ((flags & kLegendOnLayout) != 0)
            m_shell.setLayoutLegend(true);
    }
    m_shell.activate(isTemplate ? WindowId::Intensity : windowOf(ViewItem::Results));
}

bool MainCommands::save()
{
    const std::string& fileName = m_session.doc().DocFileName;
    if (fileName.empty() || m_exampleOpen)
        return saveAs();
    commitShownGrids();
    return SaveDocument(m_session, fileName);
}

bool MainCommands::saveAs()
{
    const auto chosen = m_shell.chooseFileToSave(
        {kSaveAsTitle, dialogFolder(), {openFilters()[0], openFilters()[1]}, 1, kDefaultSuffix});
    if (!chosen)
        return false;
    rememberFile(chosen->path);
    const std::string path = SaveAsPath(chosen->path, chosen->filterIndex);
    // The dialog asked about the name it showed; a name changed since is asked about here.
    if (path != chosen->path && fs::exists(path) &&
        m_session.dialogs().show(fs::path(path).filename().string() + kReplaceQuestionTail, MessageIcon::Exclamation,
                                 MessageButtons::YesNo, 1) != DialogAnswer::Yes)
        return false;
    commitShownGrids();
    const bool asTemplate = chosen->filterIndex == kTemplateFilter;
    const std::string previousName = m_session.doc().DocFileName;
    {
        auto edit = m_session.edit({});
        edit.doc.DocFileName = path;
        edit.doc.IsTemplate = asTemplate;
    }
    const bool saved = SaveDocument(m_session, path);
    auto edit = m_session.edit({});
    // A template seeds other data sets; the open document keeps its own file,
    // and so does a document whose save failed.
    if (asTemplate || !saved)
        edit.doc.DocFileName = previousName;
    edit.doc.IsTemplate = false;
    if (saved && !asTemplate)
        m_exampleOpen = false;
    if (saved)
        m_recent.add(path);
    return saved;
}

void MainCommands::saveDefaults()
{
    commitShownGrids();
    SaveDefaults(m_session.doc(), m_session.print(), m_session.settings());
}

bool MainCommands::queryClose()
{
    m_session.setClosing(true);
    if (AskSaveChanges() == SaveChangesAnswer::Cancelled) {
        // The program goes on: the next element check must be shown again.
        m_session.setClosing(false);
        return false;
    }
    return true;
}

bool MainCommands::dropFiles(const std::vector<std::string>& paths)
{
    if (paths.empty() || m_shell.modalDialogOpen())
        return false;
    if (AskSaveChanges() == SaveChangesAnswer::Cancelled)
        return false;
    m_exampleOpen = false;
    return openPath(paths.front(), true);
}

bool MainCommands::openAtStart(const std::string& commandLine)
{
    const std::string path(trimmed(commandLine));
    if (path.empty())
        return false;
    return openPath(path, true);
}

bool MainCommands::openRecent(std::size_t index)
{
    if (index >= m_recent.paths().size() || AskSaveChanges() == SaveChangesAnswer::Cancelled)
        return false;
    const std::string path = m_recent.paths()[index];
    m_exampleOpen = false;
    if (openPath(path, true))
        return true;
    m_recent.remove(path);
    return false;
}

void MainCommands::commitShownGrids()
{
    // The element table last: its transfer refills the grids laid out by element rows.
    for (WindowId window :
         {WindowId::Intensity, WindowId::Imfps, WindowId::ModelImfps, WindowId::Model, WindowId::Elements})
        if (GridWindow* grid = m_shell.gridWindow(window))
            grid->commit();
}

}  // namespace slv
