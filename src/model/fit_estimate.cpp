#include "model/fit_estimate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "model/model_errors.h"

namespace slv {

namespace {
/// Thicknesses are searched from this fraction of the upper bound to the bound.
constexpr double kThinnestOfBound = 1e-3;
/// The coverage is searched over this range.
constexpr double kLeastCoverage = 0.01;
constexpr double kMostCoverage = 0.99;
/// Quasi-random samples per free parameter in the first stage.
constexpr int kSamplesPerParameter = 48;
/// How many of the best samples start coordinate sweeps.
constexpr std::size_t kSweepStarts = 3;
/// Grid points per parameter in a sweep, and the most sweeps.
constexpr int kGridPoints = 17;
constexpr int kMostSweeps = 8;
/// Halvings of the pattern-search step, which starts at one grid interval.
constexpr int kPatternHalvings = 12;
constexpr std::array<int, 6> kHaltonBases = {2, 3, 5, 7, 11, 13};

/// A point of the unit box [0, 1]^n and the parameters it stands for.
class SearchBox {
public:
    explicit SearchBox(const FitProblem& problem) : m_problem(problem) {}

    std::vector<double> parameters(const std::vector<double>& unit) const
    {
        std::vector<double> x(unit.size());
        for (std::size_t j = 0; j < unit.size(); ++j)
            x[j] = parameter(j, unit[j]);
        return x;
    }

private:
    double parameter(std::size_t j, double u) const
    {
        if (m_problem.coverageFitted && j + 1 == m_problem.x.size())
            return kCoverageScale * (kLeastCoverage + u * (kMostCoverage - kLeastCoverage));
        // Even steps of the logarithm: a thin layer matters as much as a thick one.
        return m_problem.maxThick * std::pow(kThinnestOfBound, 1.0 - u);
    }

    const FitProblem& m_problem;
};

double halton(int index, int base)
{
    double result = 0.0;
    double fraction = 1.0 / base;
    for (int i = index; i > 0; i /= base) {
        result += fraction * (i % base);
        fraction /= base;
    }
    return result;
}

class Search {
public:
    Search(FitProblem& problem) : m_problem(problem), m_box(problem) {}

    /// The Q sum at a point of the unit box; infinite where the model faults.
    double qSum(const std::vector<double>& unit)
    {
        ++evaluations;
        const auto sum = SquaredResidualSum(m_problem, m_box.parameters(unit));
        ClearModelError(m_problem.trap);
        return sum && std::isfinite(*sum) ? *sum : std::numeric_limits<double>::infinity();
    }

    /// Sweeps of a grid over each coordinate in turn, until nothing improves.
    double sweep(std::vector<double>& unit, double best)
    {
        for (int pass = 0; pass < kMostSweeps; ++pass) {
            bool improved = false;
            for (std::size_t j = 0; j < unit.size(); ++j) {
                const double held = unit[j];
                double bestValue = held;
                for (int g = 0; g < kGridPoints; ++g) {
                    unit[j] = static_cast<double>(g) / (kGridPoints - 1);
                    if (const double q = qSum(unit); q < best) {
                        best = q;
                        bestValue = unit[j];
                        improved = true;
                    }
                }
                unit[j] = bestValue;
            }
            if (!improved)
                break;
        }
        return best;
    }

    /// Steps of halving size along each coordinate, both ways, kept when better.
    double refine(std::vector<double>& unit, double best)
    {
        double step = 1.0 / (kGridPoints - 1);
        for (int halving = 0; halving < kPatternHalvings; ++halving, step /= 2.0) {
            for (std::size_t j = 0; j < unit.size(); ++j) {
                for (double direction : {-1.0, 1.0}) {
                    const double held = unit[j];
                    unit[j] = std::clamp(held + direction * step, 0.0, 1.0);
                    if (const double q = qSum(unit); q < best)
                        best = q;
                    else
                        unit[j] = held;
                }
            }
        }
        return best;
    }

    int evaluations = 0;

    const SearchBox& box() const { return m_box; }

private:
    FitProblem& m_problem;
    SearchBox m_box;
};
}  // namespace

FitEstimate EstimateStart(FitProblem& problem)
{
    FitEstimate estimate;
    const std::size_t n = problem.x.size();
    if (n == 0 || n > kHaltonBases.size() || !(problem.maxThick > 0.0))
        return estimate;
    Search search(problem);

    struct Candidate {
        double qSum;
        std::vector<double> unit;
    };
    std::vector<Candidate> samples;
    const int sampleCount = kSamplesPerParameter * static_cast<int>(n);
    for (int i = 1; i <= sampleCount; ++i) {
        std::vector<double> unit(n);
        for (std::size_t j = 0; j < n; ++j)
            unit[j] = halton(i, kHaltonBases[j]);
        samples.push_back({search.qSum(unit), unit});
    }
    const std::size_t starts = std::min(kSweepStarts, samples.size());
    std::partial_sort(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(starts), samples.end(),
                      [](const Candidate& a, const Candidate& b) { return a.qSum < b.qSum; });

    Candidate best{std::numeric_limits<double>::infinity(), {}};
    for (std::size_t s = 0; s < starts; ++s) {
        Candidate candidate = samples[s];
        candidate.qSum = search.sweep(candidate.unit, candidate.qSum);
        if (candidate.qSum < best.qSum)
            best = candidate;
    }
    if (!std::isfinite(best.qSum))
        return estimate;
    best.qSum = search.refine(best.unit, best.qSum);
    estimate.found = true;
    estimate.x = search.box().parameters(best.unit);
    estimate.qSum = best.qSum;
    estimate.evaluations = search.evaluations;
    return estimate;
}

}  // namespace slv
