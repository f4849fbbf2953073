// How long the model takes: one evaluation of a 5-layer nanotube with 20
// element rows and 40 angle-resolved experiments, by the production formulas
// and by the term-by-term oracle, and complete Autofits of that nanotube and
// of a 5-layer sphere (exact integral and surface-angle classes), each from
// the same perturbed start, and the Estimate of five free thicknesses.
#include <benchmark/benchmark.h>

#include "model/fit_driver.h"
#include "model/fit_estimate.h"
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

/// A 5-layer sphere of radius 20 nm with 20 element rows, one experiment, by
/// the exact particle integral or by the surface-angle classes.
template<CurvedModel kCurved>
struct SphereCase {
    test::ModelWorkspace w;
    SphereCase()
    {
        test::BuildSample(w, {ModelType::Sphere, 5, 20, 1, false});
        w.doc.setCurvedModel(kCurved);
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

void SphereAutofitExact(benchmark::State& state)
{
    using Case = SphereCase<CurvedModel::Exact>;
    Autofit<Case>(state, Case::truth());
}
BENCHMARK(SphereAutofitExact)->Unit(benchmark::kMillisecond);

void SphereAutofitClasses(benchmark::State& state)
{
    using Case = SphereCase<CurvedModel::SurfaceAngleClasses>;
    Autofit<Case>(state, Case::truth());
}
BENCHMARK(SphereAutofitClasses)->Unit(benchmark::kMillisecond);

/// A 5-layer plane with 20 element rows, one experiment.
struct PlaneCase {
    test::ModelWorkspace w;
    PlaneCase()
    {
        test::BuildSample(w, {ModelType::Plane, 5, 20, 1, false});
        test::SimulateMeasurement(w, SphereCase<CurvedModel::Exact>::truth(), 0.0);
        test::PrepareFit(w);
        w.setUp();
    }
};

/// The global search of five free thicknesses that Autofit then starts from.
template<typename Case>
void Estimate(benchmark::State& state)
{
    Case c;
    for (auto _ : state) {
        FitProblem problem = BuildFitProblem(c.w.doc, c.w.model, c.w.res);
        const FitEstimate estimate = EstimateStart(problem);
        if (!estimate.found)
            state.SkipWithError("no estimate");
        state.counters["evaluations"] = estimate.evaluations;
    }
}

void PlaneEstimate(benchmark::State& state)
{
    Estimate<PlaneCase>(state);
}
BENCHMARK(PlaneEstimate)->Unit(benchmark::kMillisecond);

void SphereEstimateExact(benchmark::State& state)
{
    Estimate<SphereCase<CurvedModel::Exact>>(state);
}
BENCHMARK(SphereEstimateExact)->Unit(benchmark::kMillisecond);

/// Estimate, then Autofit from it, the whole of what a new user's fit does.
void SphereEstimateAndAutofitExact(benchmark::State& state)
{
    SphereCase<CurvedModel::Exact> c;
    for (auto _ : state) {
        FitProblem problem = BuildFitProblem(c.w.doc, c.w.model, c.w.res);
        problem.x = EstimateStart(problem).x;
        WriteBackParameters(c.w.doc, problem);
        if (!RunAutofit(c.w.doc, c.w.model, c.w.res).succeeded())
            state.SkipWithError("the fit failed");
    }
}
BENCHMARK(SphereEstimateAndAutofitExact)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slv

BENCHMARK_MAIN();
