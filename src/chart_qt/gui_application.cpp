#include "chart_qt/gui_application.h"

#include <cstdlib>

#include <QApplication>

namespace slv {

namespace {
bool hasDisplay()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

/// Rendering offscreen, Qt's warnings speak of the missing desktop (no
/// runtime folder, windows that cannot be sized by a window manager), not
/// of the picture; only its critical messages are passed on.
QtMessageHandler g_qtMessages = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && g_qtMessages != nullptr)
        g_qtMessages(type, context, message);
}
}  // namespace

bool EnsureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    if (!hasDisplay() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        g_qtMessages = qInstallMessageHandler(quietMessages);
    }
    static int argc = 1;
    static char name[] = "selvaro";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return true;
}

}  // namespace slv
