// How long a report takes: the PDF of a full data set (20 element rows, 40
// experiments with four labels, every section and all eight result types,
// each computed by the quantification) written to a file, and the same for
// a three-layer structure model with its model tables and layer thicknesses.
// Goal: under 0.5 s for the full report.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "render_qt/gui_application.h"
#include "render_qt/pdf_report.h"
#include "report/report_options.h"
#include "session/session_report_data.h"
#include "support/report_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

void WriteReport(benchmark::State& state, bool structured)
{
    const RenderingApplication application;
    test::TestSession t;
    test::FillReportDocument(t.doc());
    if (structured)
        test::FillLayeredModel(t.doc());
    PrintOptions options = t.session.print();
    options.PrintWhat.fill(1);
    const std::filesystem::path pdf =
        std::filesystem::temp_directory_path() / ("slv_report_bench_" + std::to_string(::getpid()) + ".pdf");
    for (auto _ : state) {
        SessionReportData data(t.session, "Sunday, 7 December 2025");
        const std::string failure = WritePdfReport(pdf, t.doc().title(), [&](ReportDevice& device) {
            ReportPage page(device);
            PrintJob job(page, t.doc(), data, '.');
            job.PrintSelected(options);
            job.Eject();
        });
        if (!failure.empty())
            state.SkipWithError(failure.c_str());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}

void FullReportPdf(benchmark::State& state)
{
    WriteReport(state, false);
}
BENCHMARK(FullReportPdf)->Unit(benchmark::kMillisecond);

void StructureReportPdf(benchmark::State& state)
{
    WriteReport(state, true);
}
BENCHMARK(StructureReportPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slv

BENCHMARK_MAIN();
