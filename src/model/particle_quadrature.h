// Gauss-Legendre rules for the impact-parameter integrals over a particle.
// An n-point rule integrates polynomials of degree 2n - 1 exactly on [-1, 1];
// for the smooth integrands left after the square-root edges are removed its
// error falls geometrically with n.
#pragma once

#include <span>

namespace slv {

/// Most points of a rule that GaussLegendre provides.
inline constexpr int kMaxGaussPoints = 32;

struct GaussRule {
    std::span<const double> abscissa;  // in (-1, 1), ascending
    std::span<const double> weight;    // summing to 2
};

/// The n-point rule on [-1, 1] for n = 1..kMaxGaussPoints, computed once to
/// full double precision (Newton's method on the Legendre polynomial).
GaussRule GaussLegendre(int points);

}  // namespace slv
