// How long the model takes: one evaluation of a 5-layer nanotube with 20
// element rows and 40 angle-resolved experiments, by the production formulas
// and by the term-by-term oracle, and complete Autofits of that nanotube and
// of a 5-layer sphere, each from the same perturbed start.
#include <benchmark/benchmark.h>

#include "model/fit_driver.h"
#include "model/model_calculation.h"
#include "model/model_regions.h"
#include "support/model_cases.h"
#include "support/model_oracle.h"

namespace slv {
namespace {

/// The large nanotube, set up, its intensities taken as the measurement.
struct NanotubeCase {
    test::ModelWorkspace w;
    NanotubeCase()
    {
        test::BuildSample(w, test::LargeNanotube());
        test::SetTubeRadii(w.doc);
        test::SimulateMeasurement(w, test::LargeNanotubeThicknesses(), 0.0);
        test::PrepareFit(w);
        w.setUp();
    }
};

/// A 5-layer sphere of radius 20 nm with 10 element rows, one experiment.
struct SphereCase {
    test::ModelWorkspace w;
    SphereCase()
    {
        test::BuildSample(w, {ModelType::Sphere, 5, 10, 1, false});
        w.doc.SampleRadius = 20.0f;
        test::SimulateMeasurement(w, truth(), 0.0);
        test::PrepareFit(w);
        w.setUp();
    }
    static LayerTable<double> truth() { return {0.0, 0.8, 1.2, 0.6, 1.0, 0.9}; }
};

LayerTable<double> perturbed(const LayerTable<double>& truth)
{
    LayerTable<double> start = truth;
    for (int k = 1; k <= kMaxLayers; ++k)
        start[k] *= k % 2 == 1 ? 1.25 : 0.8;
    return start;
}

void NanotubeEvaluationProduction(benchmark::State& state)
{
    NanotubeCase c;
    const auto thick = test::LargeNanotubeThicknesses();
    for (auto _ : state) {
        ModelCalculation(c.w.doc, c.w.model, thick, 0.0);
        benchmark::DoNotOptimize(c.w.model.CalcIntensity.data());
    }
}
BENCHMARK(NanotubeEvaluationProduction)->Unit(benchmark::kMicrosecond);

void NanotubeEvaluationOracle(benchmark::State& state)
{
    NanotubeCase c;
    const auto thick = test::LargeNanotubeThicknesses();
    for (auto _ : state)
        benchmark::DoNotOptimize(test::OracleCalcIntensity(c.w.doc, c.w.model, thick, 0.0));
}
BENCHMARK(NanotubeEvaluationOracle)->Unit(benchmark::kMillisecond);

template<typename Case>
void Autofit(benchmark::State& state, const LayerTable<double>& truth)
{
    Case c;
    const auto start = perturbed(truth);
    for (auto _ : state) {
        c.w.doc.LayerThick = start;
        const FitSummary summary = RunAutofit(c.w.doc, c.w.model, c.w.res);
        if (!summary.succeeded())
            state.SkipWithError("the fit failed");
    }
}

void NanotubeAutofit(benchmark::State& state)
{
    Autofit<NanotubeCase>(state, test::LargeNanotubeThicknesses());
}
BENCHMARK(NanotubeAutofit)->Unit(benchmark::kMillisecond);

void SphereAutofit(benchmark::State& state)
{
    Autofit<SphereCase>(state, SphereCase::truth());
}
BENCHMARK(SphereAutofit)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slv

BENCHMARK_MAIN();
