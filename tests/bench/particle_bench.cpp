// How long the exact particle integral takes: one evaluation of a 5-shell
// sphere (and wire) with 20 element rows -- the chord table for the
// thicknesses, then every row's intensity from it -- at several radii, and
// the 300 evaluations a long Autofit of it would make.
#include <benchmark/benchmark.h>

#include "model/particle_regions.h"

namespace slv {
namespace {

constexpr int kShells = 5;
constexpr int kRows = 20;

/// Five shells over a core; element row e mainly in layer row (e - 1) mod 6,
/// rows beyond the sixth also a little in the core; IMFPs 1.3..3.5 nm.
RegionTables fiveShellTables()
{
    RegionTables tables;
    tables.layers = kShells;
    tables.count = kShells;
    tables.rowOf = {0, 1, 2, 3, 4, 5};
    for (int e = 1; e <= kRows; ++e) {
        for (int row = 0; row <= kShells; ++row)
            tables.imfp[e][row] = 1.2 + 0.07 * e + 0.15 * row;
        tables.density[e][(e - 1) % (kShells + 1)] = 0.02 + 0.002 * (e % 3);
        if (e > kShells + 1)
            tables.density[e][0] += 0.004;
    }
    return tables;
}

const LayerTable<double> kThicknesses = {0.0, 0.8, 1.2, 0.6, 1.0, 0.9};

double evaluateAll(const RegionTables& tables, const LayerTable<double>& thick, double radius, ModelType modelType)
{
    const auto chords = ParticleChordTable(tables, thick, radius, modelType);
    double sum = 0.0;
    for (int e = 1; e <= kRows; ++e)
        sum += ParticleIntensity(tables, *chords, e).value_or(0.0);
    return sum;
}

void Evaluation(benchmark::State& state, ModelType modelType)
{
    const RegionTables tables = fiveShellTables();
    const double radius = static_cast<double>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluateAll(tables, kThicknesses, radius, modelType));
    const auto chords = ParticleChordTable(tables, kThicknesses, radius, modelType);
    state.counters["nodes"] = static_cast<double>(chords->weight.size());
}

void SphereEvaluation(benchmark::State& state)
{
    Evaluation(state, ModelType::Sphere);
}
BENCHMARK(SphereEvaluation)->Arg(6)->Arg(20)->Arg(50)->Arg(150)->Unit(benchmark::kMicrosecond);

void WireEvaluation(benchmark::State& state)
{
    Evaluation(state, ModelType::Cylinder);
}
BENCHMARK(WireEvaluation)->Arg(6)->Arg(20)->Arg(50)->Arg(150)->Unit(benchmark::kMicrosecond);

/// 300 evaluations at thicknesses stepped as a fit's Jacobian and trial steps would.
void SphereThreeHundredEvaluations(benchmark::State& state)
{
    const RegionTables tables = fiveShellTables();
    const double radius = static_cast<double>(state.range(0));
    constexpr int kEvaluations = 300;
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < kEvaluations; ++i) {
            LayerTable<double> thick = kThicknesses;
            thick[i % kShells + 1] *= 1.0 + 1e-3 * (i % 7);
            sum += evaluateAll(tables, thick, radius, ModelType::Sphere);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(SphereThreeHundredEvaluations)->Arg(20)->Arg(150)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slv

BENCHMARK_MAIN();
