// selvaro: the desktop program. Shows the splash for at least two seconds
// while the main window loads, opens the file named on the command line,
// and runs until the main window closes. With --grab PNG it opens the file,
// shows the named window, writes a picture of the main window (or of the
// named dialog) and exits.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include <QApplication>
#include <QIcon>
#include <QStringList>

#include "platform_qt/qsettings_store.h"
#include "ui/dialog_pictures.h"
#include "ui/main_window.h"
#include "ui/splash_screen.h"

namespace {

std::filesystem::path executableFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

struct Options {
    std::optional<std::string> grab;
    std::optional<std::string> window;
    std::string file;
};

std::optional<Options> parse(const QStringList& arguments)
{
    Options options;
    QStringList files;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if ((argument == "--grab" || argument == "--window") && i + 1 < arguments.size())
            (argument == "--grab" ? options.grab : options.window) = arguments[++i].toStdString();
        else if (argument.startsWith("--"))
            return std::nullopt;
        else
            files << argument;
    }
    // The whole rest of the command line names one file, blanks included.
    options.file = files.join(' ').toStdString();
    return options;
}

int save(const QImage& picture, const std::string& path)
{
    if (!picture.save(QString::fromStdString(path), "PNG")) {
        std::fprintf(stderr, "selvaro: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

int grab(slv::MainWindow& window, const Options& options)
{
    if (!options.file.empty() && !window.commands().openAtStart(options.file)) {
        std::fprintf(stderr, "selvaro: cannot open %s\n", options.file.c_str());
        return 1;
    }
    QWidget* pictured = &window;
    if (options.window) {
        if (const auto picture =
                slv::PictureOfDialog(*options.window, window.session(), window, &window, window.parameterReporting()))
            return save(*picture, *options.grab);
        const auto child = slv::MainWindow::windowNamed(*options.window);
        // A dialog or a window of its own is pictured alone.
        QWidget* dialog = child ? nullptr : window.showDialogNamed(*options.window);
        if (dialog != nullptr)
            pictured = dialog;
        else if (!child || !window.showView(*child)) {
            std::fprintf(stderr, "selvaro: no window \"%s\" to show\n", options.window->c_str());
            return 1;
        }
    }
    QApplication::processEvents();
    return save(pictured->grab().toImage(), *options.grab);
}

}  // namespace

int main(int argc, char* argv[])
{
    // A picture needs no screen: drawn offscreen unless a platform was chosen.
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--grab")
            ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QApplication::setOrganizationName("SLV");
    QApplication::setApplicationName("SLV");
    QApplication::setWindowIcon(QIcon(":/org.selvaro.Selvaro.svg"));
    const auto options = parse(QApplication::arguments());
    if (!options) {
        std::fprintf(stderr, "usage: selvaro [--grab PNG [--window NAME]] [FILE]\n");
        return 2;
    }
    slv::QSettingsStore settings;
    if (options->grab) {
        slv::MemorySettingsStore defaults;  // a picture does not depend on the analyst's settings
        slv::MainWindow window(defaults, executableFolder());
        window.dialogs().setUnattended(true);
        window.show();
        return grab(window, *options);
    }

    slv::SplashScreen splash;
    splash.present();
    QApplication::processEvents();
    slv::MainWindow window(settings, executableFolder());
    splash.handOver(window);
    if (window.windowSettings().wizard)
        window.showWizard(true);
    if (!options->file.empty())
        window.commands().openAtStart(options->file);
    return QApplication::exec();
}
