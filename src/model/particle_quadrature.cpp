#include "model/particle_quadrature.h"

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace slv {

namespace {
struct StoredRule {
    std::vector<double> abscissa;
    std::vector<double> weight;
};

/// Legendre polynomial P_n(x) and its derivative by the three-term recurrence.
struct LegendreValue {
    double p;
    double dp;
};

LegendreValue legendre(int n, double x)
{
    double previous = 1.0;
    double current = x;
    for (int k = 2; k <= n; ++k) {
        const double next = ((2.0 * k - 1.0) * x * current - (k - 1.0) * previous) / k;
        previous = current;
        current = next;
    }
    return {current, n * (x * current - previous) / (x * x - 1.0)};
}

StoredRule computeRule(int n)
{
    StoredRule rule;
    rule.abscissa.resize(static_cast<std::size_t>(n));
    rule.weight.resize(static_cast<std::size_t>(n));
    constexpr int kNewtonSteps = 100;
    constexpr double kConverged = 1e-16;
    for (int i = 0; i < n; ++i) {
        // Tricomi's estimate of the i-th largest root, refined by Newton's method.
        double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5));
        LegendreValue v = legendre(n, x);
        for (int step = 0; step < kNewtonSteps; ++step) {
            const double dx = v.p / v.dp;
            x -= dx;
            v = legendre(n, x);
            if (std::abs(dx) < kConverged)
                break;
        }
        // Roots come out descending; store them ascending.
        const auto at = static_cast<std::size_t>(n - 1 - i);
        rule.abscissa[at] = x;
        rule.weight[at] = 2.0 / ((1.0 - x * x) * v.dp * v.dp);
    }
    return rule;
}

const std::array<StoredRule, kMaxGaussPoints + 1>& allRules()
{
    static const std::array<StoredRule, kMaxGaussPoints + 1> rules = [] {
        std::array<StoredRule, kMaxGaussPoints + 1> table;
        table[1] = {{0.0}, {2.0}};
        for (int n = 2; n <= kMaxGaussPoints; ++n)
            table[static_cast<std::size_t>(n)] = computeRule(n);
        return table;
    }();
    return rules;
}
}  // namespace

GaussRule GaussLegendre(int points)
{
    if (points < 1 || points > kMaxGaussPoints)
        throw std::out_of_range("Gauss-Legendre rule with an unsupported number of points");
    const StoredRule& rule = allRules()[static_cast<std::size_t>(points)];
    return {rule.abscissa, rule.weight};
}

}  // namespace slv
