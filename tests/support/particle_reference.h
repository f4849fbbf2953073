// Slow, plainly written reference values for the particle intensities, as
// independent of the production quadrature as possible:
//  - ReferenceParticleIntensity integrates over the impact parameter y itself
//    (no substitution) with a global adaptive Gauss-Kronrod rule, and follows
//    each chord as a literal list of segments, every segment multiplied by the
//    product of the attenuations of all segments nearer the analyser;
//  - MonteCarloParticleIntensity draws emitting points in the volume (fixed
//    seed) and finds each point's path to the surface from where the ray
//    leaves every sphere or cylinder of the stack, with no chords at all;
//  - ReferenceFlatIntensity and ReferenceAngleAverage integrate the plane
//    formula over the tilt angle with the sphere or wire weights.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <queue>
#include <random>
#include <span>
#include <utility>
#include <vector>

#include "model/particle_intensity.h"

namespace slv::test {

/// Global adaptive Gauss-Kronrod (7, 15) integration of f over consecutive
/// intervals [breaks[i], breaks[i + 1]]: the piece with the largest error
/// estimate is halved until the estimates sum to less than relTol x |result|.
template<typename F>
double AdaptiveIntegral(F f, const std::vector<double>& breaks, double relTol)
{
    static constexpr double xk[8] = {0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
                                     0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
                                     0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
                                     0.207784955007898467600689403773245, 0.0};
    static constexpr double wk[8] = {0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
                                     0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
                                     0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
                                     0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
    static constexpr double wg[4] = {0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
                                     0.381830050505118944950369775488975, 0.417959183673469387755102040816327};
    struct Piece {
        double a, b, value, error;
        bool operator<(const Piece& other) const { return error < other.error; }
    };
    auto rule = [&](double a, double b) {
        const double c = 0.5 * (a + b);
        const double h = 0.5 * (b - a);
        double kronrod = wk[7] * f(c);
        double gauss = wg[3] * f(c);
        for (int i = 0; i < 7; ++i) {
            const double sum = f(c - h * xk[i]) + f(c + h * xk[i]);
            kronrod += wk[i] * sum;
            if (i % 2 == 1)
                gauss += wg[i / 2] * sum;
        }
        return Piece{a, b, kronrod * h, std::abs((kronrod - gauss) * h)};
    };
    std::priority_queue<Piece> pieces;
    double value = 0.0;
    double error = 0.0;
    for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
        if (breaks[i + 1] <= breaks[i])
            continue;
        const Piece p = rule(breaks[i], breaks[i + 1]);
        pieces.push(p);
        value += p.value;
        error += p.error;
    }
    constexpr int kMaxSplits = 200000;
    for (int split = 0; split < kMaxSplits && error > relTol * std::abs(value) && !pieces.empty(); ++split) {
        const Piece worst = pieces.top();
        pieces.pop();
        const double middle = 0.5 * (worst.a + worst.b);
        const Piece left = rule(worst.a, middle);
        const Piece right = rule(middle, worst.b);
        value += left.value + right.value - worst.value;
        error += left.error + right.error - worst.error;
        pieces.push(left);
        pieces.push(right);
    }
    return value;
}

/// Radii of the region boundaries: [0] the outer radius, [p] the lower boundary of shell p.
inline std::vector<double> BoundaryRadii(double radius, std::span<const double> thickness)
{
    std::vector<double> radii{radius};
    for (const double d : thickness)
        radii.push_back(radii.back() - d);
    return radii;
}

/// Intensity along the chord at impact parameter y, per unit cross-section.
inline double ReferenceChordIntensity(const std::vector<double>& radii, double y, const ParticleMaterial& m)
{
    const int shells = static_cast<int>(radii.size()) - 1;
    auto halfChord = [&](int q) {
        const double r = radii[static_cast<std::size_t>(q)];
        return r > y ? std::sqrt(r * r - y * y) : 0.0;
    };
    struct Segment {
        int region;
        double length;
    };
    // From the far side of the particle to the near side.
    std::vector<Segment> path;
    for (int p = 1; p <= shells; ++p)
        path.push_back({p, halfChord(p - 1) - halfChord(p)});
    path.push_back({0, 2.0 * halfChord(shells)});
    for (int p = shells; p >= 1; --p)
        path.push_back({p, halfChord(p - 1) - halfChord(p)});

    double intensity = 0.0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto k = static_cast<std::size_t>(path[i].region);
        double transmission = 1.0;
        for (std::size_t j = i + 1; j < path.size(); ++j) {
            const auto kj = static_cast<std::size_t>(path[j].region);
            transmission *= std::exp(-path[j].length / m.imfp[kj]);
        }
        intensity += m.density[k] * m.imfp[k] * (1.0 - std::exp(-path[i].length / m.imfp[k])) * transmission;
    }
    return intensity;
}

/// The particle intensity per unit projected area by adaptive integration over y.
inline double ReferenceParticleIntensity(ParticleShape shape, double radius, std::span<const double> thickness,
                                         const ParticleMaterial& m, double relTol = 1e-10)
{
    const std::vector<double> radii = BoundaryRadii(radius, thickness);
    std::vector<double> breaks{0.0};
    for (auto r = radii.rbegin(); r != radii.rend(); ++r)
        if (*r > breaks.back())
            breaks.push_back(*r);
    auto integrand = [&](double y) {
        const double w = shape == ParticleShape::Sphere ? 2.0 * y / (radius * radius) : 1.0 / radius;
        return w * ReferenceChordIntensity(radii, y, m);
    };
    return AdaptiveIntegral(integrand, breaks, relTol);
}

/// Share of the projected area per unit tilt angle: sin 2 theta for the sphere, cos theta for the wire.
inline double TiltWeight(ParticleShape shape, double theta)
{
    return shape == ParticleShape::Sphere ? std::sin(2.0 * theta) : std::cos(theta);
}

/// The tilt average of exp(-tau / cos theta).
inline double ReferenceAngleAverage(ParticleShape shape, double tau)
{
    auto integrand = [&](double theta) { return TiltWeight(shape, theta) * std::exp(-tau / std::cos(theta)); };
    return AdaptiveIntegral(integrand, {0.0, 0.5, 1.0, 1.4, 1.5, 1.55, std::numbers::pi / 2}, 1e-13);
}

/// The plane formula per unit projected area at tilt theta (no cosine
/// factor), averaged over the tilts: shells outside-in over a semi-infinite core.
inline double ReferenceFlatIntensity(ParticleShape shape, std::span<const double> thickness, const ParticleMaterial& m)
{
    auto plane = [&](double theta) {
        const double c = std::cos(theta);
        double intensity = 0.0;
        for (std::size_t k = 1; k <= thickness.size(); ++k) {
            double above = 1.0;
            for (std::size_t j = 1; j < k; ++j)
                above *= std::exp(-thickness[j - 1] / (m.imfp[j] * c));
            intensity += m.density[k] * m.imfp[k] * (1.0 - std::exp(-thickness[k - 1] / (m.imfp[k] * c))) * above;
        }
        double all = 1.0;
        for (std::size_t j = 1; j <= thickness.size(); ++j)
            all *= std::exp(-thickness[j - 1] / (m.imfp[j] * c));
        return TiltWeight(shape, theta) * (intensity + m.density[0] * m.imfp[0] * all);
    };
    return AdaptiveIntegral(plane, {0.0, 0.5, 1.0, 1.4, 1.5, 1.55, std::numbers::pi / 2}, 1e-12);
}

struct MonteCarloEstimate {
    double value;
    double standardError;
};

/// The intensity per unit projected area as the volume over the projected
/// area times the mean over uniformly drawn points of N exp(-tau), tau the
/// optical path from the point to the surface along the emission direction z.
/// For the wire the axis is x, so only the (y, z) cross-section matters.
inline MonteCarloEstimate MonteCarloParticleIntensity(ParticleShape shape, double radius,
                                                      std::span<const double> thickness, const ParticleMaterial& m,
                                                      int samples, std::uint64_t seed)
{
    const std::vector<double> radii = BoundaryRadii(radius, thickness);
    const int shells = static_cast<int>(thickness.size());
    std::mt19937_64 engine(seed);
    auto uniform = [&] { return (static_cast<double>(engine() >> 11) * 0x1.0p-53 * 2.0 - 1.0) * radius; };
    // Length of the ray from height z upwards that lies inside radius r, at squared distance b2 from the axis.
    auto insideAbove = [](double r, double b2, double z) {
        if (b2 >= r * r)
            return 0.0;
        const double h = std::sqrt(r * r - b2);
        return std::max(0.0, h - std::max(z, -h));
    };
    double sum = 0.0;
    double sumSquares = 0.0;
    int drawn = 0;
    while (drawn < samples) {
        const double x = shape == ParticleShape::Sphere ? uniform() : 0.0;
        const double y = uniform();
        const double z = uniform();
        const double b2 = x * x + y * y;
        const double r = std::sqrt(b2 + z * z);
        if (r >= radius)
            continue;
        ++drawn;
        int region = 0;
        for (int p = 1; p <= shells; ++p) {
            if (r >= radii[static_cast<std::size_t>(p)]) {
                region = p;
                break;
            }
        }
        double tau = insideAbove(radii[static_cast<std::size_t>(shells)], b2, z) / m.imfp[0];
        for (int p = 1; p <= shells; ++p) {
            const double inShell = insideAbove(radii[static_cast<std::size_t>(p - 1)], b2, z) -
                                   insideAbove(radii[static_cast<std::size_t>(p)], b2, z);
            tau += inShell / m.imfp[static_cast<std::size_t>(p)];
        }
        const double value = m.density[static_cast<std::size_t>(region)] * std::exp(-tau);
        sum += value;
        sumSquares += value * value;
    }
    const double mean = sum / samples;
    const double variance = (sumSquares / samples - mean * mean) / (samples - 1);
    // Volume over projected area: 4R/3 for the sphere, pi R / 2 for the wire.
    const double depth = shape == ParticleShape::Sphere ? 4.0 * radius / 3.0 : std::numbers::pi * radius / 2.0;
    return {depth * mean, depth * std::sqrt(std::max(variance, 0.0))};
}

}  // namespace slv::test
