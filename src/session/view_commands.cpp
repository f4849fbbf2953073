// The View and Window menus: child windows shown and closed, each with the
// data it needs, and the active window brought home.
#include "session/main_commands.h"

namespace slv {

WindowId MainCommands::windowOf(ViewItem item) const
{
    const bool modelMode = m_session.doc().modelMode();
    switch (item) {
    case ViewItem::Elements: return WindowId::Elements;
    case ViewItem::Intensity: return WindowId::Intensity;
    case ViewItem::ImfpAndContamination: return modelMode ? WindowId::ModelImfps : WindowId::Imfps;
    case ViewItem::Results: return modelMode ? WindowId::ModelResults : WindowId::Results;
    case ViewItem::Chart: return WindowId::Chart;
    case ViewItem::Model: return WindowId::Model;
    case ViewItem::ModelLayout: return WindowId::ModelLayout;
    }
    return WindowId::Elements;
}

void MainCommands::toggleView(ViewItem item)
{
    const WindowId window = windowOf(item);
    if (m_shell.isShown(window)) {
        m_shell.closeWindow(window);
        if (item == ViewItem::Results)
            m_shell.setCommandEnabled(ShellCommand::ViewChart, false);
        return;
    }
    UserDialogs& dialogs = m_session.dialogs();
    switch (item) {
    case ViewItem::Intensity:
    case ViewItem::ImfpAndContamination:
        if (GridWindow* elements = m_shell.gridWindow(WindowId::Elements))
            elements->commit();
        if (m_session.doc().ElemCount == 0) {
            dialogs.show(kNoElementSpecified, MessageIcon::Critical);
            return;
        }
        break;
    case ViewItem::Results:
        if (m_session.doc().modelMode() && m_session.doc().LayerCount == 0) {
            dialogs.show(kModelNotDefined, MessageIcon::Critical);
            m_shell.setCommandEnabled(ShellCommand::ViewModel, true);
            return;
        }
        m_shell.setCommandEnabled(ShellCommand::ViewChart, true);
        break;
    case ViewItem::Model:
        if (m_session.doc().ElemCount == 0) {
            dialogs.show(kNoElementsSpecified, MessageIcon::Critical);
            return;
        }
        break;
    case ViewItem::Elements:
    case ViewItem::Chart:
    case ViewItem::ModelLayout: break;
    }
    m_shell.showWindow(window);
}

void MainCommands::home()
{
    if (const auto active = m_shell.activeWindow())
        m_shell.moveToTopLeft(*active);
}

}  // namespace slv
