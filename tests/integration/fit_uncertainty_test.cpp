// The reported standard deviations of fitted thicknesses and coverage are
// checked against what they promise: the scatter of the fitted values over
// 200 noise realisations of the structured examples (1 % Gaussian noise on
// every intensity, fixed seed), made from the model's intensities at the
// example's fitted structure. The mean reported sigma must lie within 30 %
// of the observed scatter, for fits whose uncertainty comes from the
// residual variance and for an exactly determined one, where it comes from
// the stated intensity uncertainty.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <random>

#include "model/fit_problem.h"
#include "model/model_check.h"
#include "session/layer_calculation.h"
#include "session/open_file.h"
#include "support/test_session.h"

namespace slv {
namespace {

const std::string kNoiseExampleFolder = std::string(SLV_SOURCE_DIR) + "/examples/";
constexpr int kRealisations = 200;
constexpr double kNoise = 0.01;
constexpr double kAgreement = 0.3;
constexpr double kCorrelationAgreement = 0.15;

struct NoiseCase {
    const char* name;
    const char* file;
    std::vector<double> start;  // thicknesses, then the coverage
    bool angleResolved;
    std::vector<int> omitted{};  // element rows left out of the model
};

/// Fits the session's data from `start`; the fitted values and sigmas, or nothing.
std::optional<FitSummary> FitFrom(test::TestSession& t, const std::vector<double>& start)
{
    LayerCalculation calculation(t.session);
    const int layers = t.doc().LayerCount;
    for (int k = 1; k <= layers; ++k)
        if (!calculation.SetThickness(k, start[static_cast<std::size_t>(k - 1)]))
            return std::nullopt;
    if (start.size() > static_cast<std::size_t>(layers) && !calculation.SetCoverage(start.back()))
        return std::nullopt;
    const AutofitRun run = calculation.Autofit();
    if (!run.started || !run.summary.succeeded())
        return std::nullopt;
    return run.summary;
}

/// Replaces the measured intensities by the model's at the working values,
/// so that the noise added afterwards is the only misfit. The measured
/// values of angle-resolved data are shares of each experiment's sum, so
/// the correction is repeated until it settles.
void ReplaceByModelIntensities(test::TestSession& t)
{
    for (int pass = 0; pass < 4; ++pass) {
        LayerCalculation calculation(t.session);
        FitProblem problem = BuildFitProblem(t.doc(), t.model(), t.res());
        std::vector<double> f(problem.residualCells.size());
        ASSERT_TRUE(ComputeResiduals(problem, problem.x.data(), f.data()));
        for (std::size_t i = 0; i < f.size(); ++i) {
            const auto [exp, e] = problem.residualCells[i];
            const int measuredExp = t.doc().ARXPS ? exp : problem.selectedExperiment;
            const double ratio = MeasuredRatio(problem, i).value_or(0.0);
            if (ratio > 0.0)
                t.doc().Intensity[measuredExp][e] *= static_cast<float>((ratio - f[i]) / ratio);
        }
        t.doc().RecalcNeeded = true;
    }
}

class FitUncertainty : public testing::TestWithParam<NoiseCase> {};

TEST_P(FitUncertainty, ReportedSigmaMatchesTheScatterOfNoiseRealisations)
{
    const NoiseCase& c = GetParam();
    test::TestSession t;
    // The element library, for the geometry weights, lies beside the program.
    t.setProgramFolder(std::filesystem::path(SLV_CLI_PATH).parent_path());
    ASSERT_TRUE(OpenDocumentFile(t.session, kNoiseExampleFolder + c.file).ok);
    t.doc().ARXPS = c.angleResolved;
    for (int row : c.omitted)
        t.doc().ElModelFlag[row] = kElementOmitted;
    const auto base = FitFrom(t, c.start);
    ASSERT_TRUE(base) << "the example itself does not fit";
    const std::vector<double> truth = base->fittedValues;
    const std::size_t n = truth.size();
    ReplaceByModelIntensities(t);
    const ExpRowTable<float> measured = t.doc().Intensity;

    std::mt19937 random(20261207);
    std::normal_distribution<double> noise(1.0, kNoise);
    std::vector<double> sum(n, 0.0), sumSquares(n, 0.0), sigmaSquares(n, 0.0);
    double crossSum = 0.0, correlationSum = 0.0;  // of the first two values
    int fits = 0;
    for (int i = 0; i < kRealisations; ++i) {
        for (int exp = 1; exp <= t.doc().ExpCount; ++exp)
            for (int e = 1; e <= t.doc().ElemCount; ++e)
                t.doc().Intensity[exp][e] = static_cast<float>(measured[exp][e] * noise(random));
        t.doc().RecalcNeeded = true;
        const auto fit = FitFrom(t, truth);
        if (!fit)
            continue;
        ++fits;
        for (std::size_t j = 0; j < n; ++j) {
            const double deviation = fit->fittedValues[j] - truth[j];
            sum[j] += deviation;
            sumSquares[j] += deviation * deviation;
            sigmaSquares[j] += fit->uncertainties[j] * fit->uncertainties[j];
        }
        if (n >= 2) {
            crossSum += (fit->fittedValues[0] - truth[0]) * (fit->fittedValues[1] - truth[1]);
            correlationSum += fit->correlation[0][1];
        }
    }
    ASSERT_GE(fits, kRealisations * 9 / 10);
    for (std::size_t j = 0; j < n; ++j) {
        const double mean = sum[j] / fits;
        const double scatter = std::sqrt(sumSquares[j] / fits - mean * mean);
        const double reported = std::sqrt(sigmaSquares[j] / fits);
        std::cout << c.name << " value " << j + 1 << ": mean reported sigma " << reported << ", scatter " << scatter
                  << " over " << fits << " fits\n";
        EXPECT_NEAR(reported / scatter, 1.0, kAgreement)
            << "value " << j + 1 << ": reported " << reported << ", observed " << scatter;
    }
    if (n >= 2) {
        const auto scatterOf = [&](std::size_t j) {
            return std::sqrt(sumSquares[j] / fits - (sum[j] / fits) * (sum[j] / fits));
        };
        const double observed = (crossSum / fits - (sum[0] / fits) * (sum[1] / fits)) / (scatterOf(0) * scatterOf(1));
        std::cout << c.name << " correlation: mean reported " << correlationSum / fits << ", observed " << observed
                  << "\n";
        EXPECT_NEAR(correlationSum / fits, observed, kCorrelationAgreement);
    }
}

INSTANTIATE_TEST_SUITE_P(
    StructuredExamples, FitUncertainty,
    testing::Values(NoiseCase{"Plane", "hfo2_gate_stack.lvd", {2.5, 0.8}, false},
                    NoiseCase{"AngleResolved", "hfo2_gate_stack.lvd", {2.5, 0.8}, true},
                    NoiseCase{"Sphere", "cdse_zns_quantum_dots.lvd", {0.7}, false},
                    NoiseCase{"SphereExactlyDetermined", "cdse_zns_quantum_dots.lvd", {0.7}, false, {2, 4}},
                    NoiseCase{"Islands", "cu_islands_on_graphite.lvd", {1.8, 0.35}, true}),
    [](const testing::TestParamInfo<NoiseCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace slv
