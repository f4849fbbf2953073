#include "model/fit_solution.h"

#include <cminpack.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>

#include "model/model_errors.h"

namespace slv {

namespace {
/// One more Gauss-Newton step may lower the Q sum by this fraction of it at a minimum.
constexpr double kAcceptedReduction = 1e-4;
/// A residual below this many single-precision units of its measured ratio
/// cannot be resolved: the ratios are kept in single precision.
constexpr double kResolvedUnits = 4.0;
/// Pivots below this fraction of the largest count as rank deficiency in covar.
constexpr double kRankTolerance = 1e-10;
constexpr double kNotDetermined = std::numeric_limits<double>::quiet_NaN();

double squaredNorm(const std::vector<double>& v)
{
    double sum = 0.0;
    for (double value : v)
        sum += value * value;
    return sum;
}

/// The forward-difference Jacobian, column-major m x n; false after a numeric fault.
bool jacobianAt(FitProblem& problem, const std::vector<double>& x, const std::vector<double>& f,
                std::vector<double>& jacobian)
{
    const std::size_t m = f.size();
    const std::size_t n = x.size();
    const double relativeStep = std::sqrt(std::numeric_limits<double>::epsilon());
    jacobian.assign(m * n, 0.0);
    std::vector<double> shifted = x;
    std::vector<double> fShifted(m);
    for (std::size_t j = 0; j < n; ++j) {
        const double step = relativeStep * std::max(std::abs(x[j]), SmallestParameter(problem, j));
        shifted[j] = x[j] + step;
        if (!ComputeResiduals(problem, shifted.data(), fShifted.data()))
            return false;
        for (std::size_t i = 0; i < m; ++i)
            jacobian[i + j * m] = (fShifted[i] - f[i]) / step;
        shifted[j] = x[j];
    }
    return true;
}

/// (J^T J)^-1 (the pseudo-inverse when J is rank deficient), n x n column-major.
std::vector<double> inverseNormalMatrix(std::vector<double> jacobian, int m, int n)
{
    std::vector<int> ipvt(static_cast<std::size_t>(n));
    std::vector<double> rdiag(static_cast<std::size_t>(n)), acnorm(static_cast<std::size_t>(n)),
        wa(static_cast<std::size_t>(n));
    qrfac(m, n, jacobian.data(), m, 1, ipvt.data(), n, rdiag.data(), acnorm.data(), wa.data());
    for (int j = 0; j < n; ++j)
        jacobian[static_cast<std::size_t>(j + j * m)] = rdiag[static_cast<std::size_t>(j)];
    covar(n, jacobian.data(), m, ipvt.data(), kRankTolerance, wa.data());
    std::vector<double> inverse(static_cast<std::size_t>(n * n));
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            inverse[static_cast<std::size_t>(i + j * n)] = jacobian[static_cast<std::size_t>(i + j * m)];
    return inverse;
}

bool residualsVanished(const FitProblem& problem, const std::vector<double>& f)
{
    double resolvable = 0.0;
    for (std::size_t c = 0; c < f.size(); ++c) {
        const double unit = kResolvedUnits * FLT_EPSILON * std::abs(MeasuredRatio(problem, c).value_or(0.0));
        resolvable += unit * unit;
    }
    return squaredNorm(f) <= resolvable;
}

/// How the logarithm of each measured ratio moves with the relative errors
/// of the intensities (index experiment x (elements + 1) + row): +1 for its
/// own line, -1 for the reference line. In angle-resolved mode the measured
/// values are each experiment's shares of 100, so a share moves also with
/// every line of its experiment, weighted by that line's share.
std::vector<std::vector<std::pair<std::size_t, double>>> ratioSensitivities(const FitProblem& problem)
{
    const int elements = problem.calculation.elements;
    const bool angleResolved = problem.calculation.angleResolved;
    const auto index = [&](int exp, int e) { return static_cast<std::size_t>(exp * (elements + 1) + e); };
    const auto addShare = [&](std::vector<std::pair<std::size_t, double>>& row, int exp, int e, double sign) {
        row.emplace_back(index(exp, e), sign);
        if (!angleResolved)
            return;
        double sum = 0.0;
        for (int k = 1; k <= elements; ++k)
            sum += std::max(0.0f, problem.measured[exp][k]);
        for (int k = 1; sum > 0.0 && k <= elements; ++k)
            row.emplace_back(index(exp, k), -sign * std::max(0.0f, problem.measured[exp][k]) / sum);
    };
    std::vector<std::vector<std::pair<std::size_t, double>>> rows(problem.residualCells.size());
    for (std::size_t c = 0; c < rows.size(); ++c) {
        if (IsReferenceCell(problem, c))
            continue;
        const auto [exp, e] = problem.residualCells[c];
        addShare(rows[c], angleResolved ? exp : problem.selectedExperiment, e, 1.0);
        addShare(rows[c], angleResolved ? 1 : problem.selectedExperiment, problem.referenceElement, -1.0);
    }
    return rows;
}

/// Cov(r) of the measured ratios for a relative intensity error e.
std::vector<double> ratioCovariance(const FitProblem& problem, double e)
{
    const std::size_t m = problem.residualCells.size();
    std::vector<double> ratio(m, 0.0);
    for (std::size_t c = 0; c < m; ++c)
        ratio[c] = MeasuredRatio(problem, c).value_or(0.0);
    const auto rows = ratioSensitivities(problem);
    std::size_t intensities = 0;
    for (const auto& row : rows)
        for (const auto& [k, g] : row)
            intensities = std::max(intensities, k + 1);
    std::vector<std::vector<double>> dense(m, std::vector<double>(intensities, 0.0));
    for (std::size_t c = 0; c < m; ++c)
        for (const auto& [k, g] : rows[c])
            dense[c][k] += g;
    std::vector<double> covariance(m * m, 0.0);
    for (std::size_t a = 0; a < m; ++a) {
        for (std::size_t b = 0; b < m; ++b) {
            double product = 0.0;
            for (const auto& [k, g] : rows[a])
                product += g * dense[b][k];
            covariance[a + b * m] = e * e * ratio[a] * ratio[b] * product;
        }
    }
    return covariance;
}

/// P J^T C J P for the n x n P, the m x n J and the m x m C.
std::vector<double> propagated(const std::vector<double>& p, const std::vector<double>& jacobian,
                               const std::vector<double>& c, std::size_t m, std::size_t n)
{
    std::vector<double> b(m * n, 0.0);  // B = J P
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t j = 0; j < n; ++j)
            for (std::size_t k = 0; k < n; ++k)
                b[i + j * m] += jacobian[i + k * m] * p[k + j * n];
    std::vector<double> cb(m * n, 0.0);  // C B
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t j = 0; j < n; ++j)
            for (std::size_t k = 0; k < m; ++k)
                cb[i + j * m] += c[i + k * m] * b[k + j * m];
    std::vector<double> covariance(n * n, 0.0);  // B^T C B
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            for (std::size_t k = 0; k < m; ++k)
                covariance[i + j * n] += b[k + i * m] * cb[k + j * m];
    return covariance;
}

/// trace((I - H) C) with the hat matrix H = J P J^T: the expected Q sum for
/// ratio errors of covariance C, residuals being (I - H) times the errors.
double expectedQSum(const std::vector<double>& p, const std::vector<double>& jacobian, const std::vector<double>& c,
                    std::size_t m, std::size_t n)
{
    std::vector<double> b(m * n, 0.0);  // B = J P
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t j = 0; j < n; ++j)
            for (std::size_t k = 0; k < n; ++k)
                b[i + j * m] += jacobian[i + k * m] * p[k + j * n];
    double trace = 0.0;
    for (std::size_t i = 0; i < m; ++i) {
        trace += c[i + i * m];
        for (std::size_t l = 0; l < m; ++l) {
            double h = 0.0;  // H(i, l)
            for (std::size_t j = 0; j < n; ++j)
                h += b[i + j * m] * jacobian[l + j * m];
            trace -= h * c[l + i * m];
        }
    }
    return trace;
}

/// The Q sum after the Gauss-Newton step -P J^T f.
double nextQSum(const std::vector<double>& p, const std::vector<double>& jacobian, const std::vector<double>& f,
                std::size_t n)
{
    const std::size_t m = f.size();
    std::vector<double> gradient(n, 0.0);
    for (std::size_t j = 0; j < n; ++j)
        for (std::size_t i = 0; i < m; ++i)
            gradient[j] += jacobian[i + j * m] * f[i];
    std::vector<double> step(n, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            step[i] -= p[i + j * n] * gradient[j];
    std::vector<double> next = f;
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t j = 0; j < n; ++j)
            next[i] += jacobian[i + j * m] * step[j];
    return squaredNorm(next);
}
}  // namespace

FitSolution AnalyseFitSolution(FitProblem& problem, const std::vector<double>& x, const std::vector<double>& f,
                               double relativeIntensityError)
{
    FitSolution solution;
    const std::size_t m = f.size();
    const std::size_t n = x.size();
    for (std::size_t c = 0; c < m; ++c)
        solution.equations += IsReferenceCell(problem, c) ? 0 : 1;
    solution.residualsVanished = residualsVanished(problem, f);
    std::vector<double> jacobian;
    if (n == 0 || m < n || !jacobianAt(problem, x, f, jacobian)) {
        ClearModelError(problem.trap);
        solution.atMinimum = solution.residualsVanished;
        return solution;
    }
    solution.evaluated = true;
    const std::vector<double> p = inverseNormalMatrix(jacobian, static_cast<int>(m), static_cast<int>(n));
    const double qSum = squaredNorm(f);
    solution.nextQSum = nextQSum(p, jacobian, f, n);
    solution.atMinimum = solution.residualsVanished || qSum - solution.nextQSum <= kAcceptedReduction * qSum;

    const auto equations = static_cast<std::size_t>(solution.equations);
    const std::vector<double> unitShape = ratioCovariance(problem, 1.0);
    std::vector<double> covariance = propagated(p, jacobian, unitShape, m, n);
    const double expected = equations > n ? expectedQSum(p, jacobian, unitShape, m, n) : 0.0;
    if (expected > 0.0) {
        // The residuals tell the noise: e^2 = Q / trace((I - H) Cov(r) / e^2).
        solution.intensityError = std::sqrt(qSum / expected);
    } else {
        solution.fromIntensityError = true;
        solution.intensityError = relativeIntensityError;
    }
    for (double& value : covariance)
        value *= solution.intensityError * solution.intensityError;
    solution.sigma.assign(n, kNotDetermined);
    for (std::size_t j = 0; j < n; ++j) {
        // covar zeroes the row and column of a value the data do not determine.
        if (p[j + j * n] > 0.0)
            solution.sigma[j] = std::sqrt(std::max(covariance[j + j * n], 0.0));
    }
    solution.correlation.assign(n, std::vector<double>(n, kNotDetermined));
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            if (solution.sigma[i] > 0.0 && solution.sigma[j] > 0.0)
                solution.correlation[i][j] = covariance[i + j * n] / (solution.sigma[i] * solution.sigma[j]);
    return solution;
}

}  // namespace slv
