#include "render_qt/gui_application.h"

#include <QGuiApplication>

#include <cstdlib>

namespace slv {

namespace {
// QGuiApplication keeps references to its arguments for its whole life.
int g_argc = 1;
char g_programName[] = "selvaro-cli";
char* g_argv[] = {g_programName, nullptr};

QtMessageHandler g_qtHandler = nullptr;

/// Qt's remark that it made a runtime folder of its own is no concern of a
/// program that only draws; every other message goes where Qt sends it.
void quietRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (g_qtHandler != nullptr)
        g_qtHandler(type, context, message);
}

bool hasDisplay()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}
}  // namespace

RenderingApplication::RenderingApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (!hasDisplay() && std::getenv("QT_QPA_PLATFORM") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    g_qtHandler = qInstallMessageHandler(quietRuntimeFolder);
    m_app = std::make_unique<QGuiApplication>(g_argc, g_argv);
}

RenderingApplication::~RenderingApplication()
{
    if (m_app != nullptr)
        qInstallMessageHandler(g_qtHandler);
}

}  // namespace slv
