// How quickly the desktop program answers, on Qt's offscreen platform: a full
// data set (20 element rows, 40 experiments) opened until its Composition
// window is drawn (goal under 100 ms); the 40 x 20 Intensity grid refilled
// and repainted after one intensity changed (goal under 16 ms, one frame);
// the main window built and shown until idle, without the splash's minimum
// time (goal under 300 ms).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include <QApplication>
#include <QMdiSubWindow>

#include "support/report_documents.h"
#include "support/sample_documents.h"
#include "support/test_session.h"
#include "ui/child_window.h"
#include "ui/main_window.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

constexpr int kWindowWidth = 1600;
constexpr int kWindowHeight = 1000;

/// A full data set written as a data file, removed again at the end.
class FullDataFile {
public:
    FullDataFile() : m_path(fs::temp_directory_path() / ("slv_desktop_bench_" + std::to_string(::getpid()) + ".lvd"))
    {
        test::TestSession t;
        test::FillReportDocument(t.doc());
        test::WriteDataFile(t.session.doc(), m_path);
    }
    ~FullDataFile() { fs::remove(m_path); }
    std::string path() const { return m_path.string(); }

private:
    fs::path m_path;
};

ChildWindow* childOf(MainWindow& window, WindowId id)
{
    for (QMdiSubWindow* sub : window.findChildren<QMdiSubWindow*>())
        if (auto* child = dynamic_cast<ChildWindow*>(sub); child != nullptr && child->id() == id)
            return child;
    return nullptr;
}

void OpenFullDataSetToComposition(benchmark::State& state)
{
    const FullDataFile file;
    MemorySettingsStore settings;
    MainWindow window(settings, SLV_LIBRARY_DIR);
    window.resize(kWindowWidth, kWindowHeight);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (!window.commands().openAtStart(file.path())) {
            state.SkipWithError("the data file did not open");
            break;
        }
        QApplication::processEvents();
        ChildWindow* composition = childOf(window, WindowId::Results);
        if (composition == nullptr) {
            state.SkipWithError("no Composition window");
            break;
        }
        composition->repaint();
    }
}
BENCHMARK(OpenFullDataSetToComposition)->Unit(benchmark::kMillisecond);

void RefillIntensityGridAfterOneCell(benchmark::State& state)
{
    const FullDataFile file;
    MemorySettingsStore settings;
    MainWindow window(settings, SLV_LIBRARY_DIR);
    window.resize(kWindowWidth, kWindowHeight);
    window.show();
    if (!window.commands().openAtStart(file.path()) || !window.showView(WindowId::Intensity)) {
        state.SkipWithError("no Intensity window");
        return;
    }
    ChildWindow* intensity = childOf(window, WindowId::Intensity);
    intensity->showMaximized();
    QApplication::processEvents();
    float value = 1000.0f;
    for (auto _ : state) {
        {
            auto edit = window.session().edit(Change::Intensities);
            edit.doc.Intensity[20][10] = value;
        }
        value += 1.0f;
        intensity->view().viewport()->repaint();
    }
    state.counters["cells"] = static_cast<double>(kMaxExperiments * kMaxElements);
}
BENCHMARK(RefillIntensityGridAfterOneCell)->Unit(benchmark::kMillisecond);

void StartUpToIdleMainWindow(benchmark::State& state)
{
    MemorySettingsStore settings;
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>(settings, SLV_LIBRARY_DIR);
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToIdleMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slv

int main(int argc, char** argv)
{
    // No screen needed: the windows are drawn offscreen unless a platform was chosen.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
