#include "model/particle_flat_limit.h"

#include <algorithm>
#include <cmath>

namespace slv {

namespace {
/// 2 E3(tau). Below tau = 1 from E3 = (exp(-tau) (1 - tau) + tau^2 E1(tau)) / 2
/// with E1(tau) = -Ei(-tau); above, where those terms cancel, from the
/// continued fraction E3(tau) = exp(-tau) / (tau + 3 - 1*3 / (tau + 5 - 2*4 /
/// (tau + 7 - ...))), evaluated by Lentz's method.
double sphereTransmission(double tau)
{
    if (tau == 0.0)
        return 1.0;
    if (tau < 1.0)
        return std::exp(-tau) * (1.0 - tau) - tau * tau * std::expint(-tau);
    constexpr double kOrder = 3.0;
    constexpr double kTiny = 1e-300;
    constexpr double kConverged = 1e-16;
    constexpr int kMaxTerms = 200;
    double b = tau + kOrder;
    double c = 1.0 / kTiny;
    double d = 1.0 / b;
    double fraction = d;
    for (int i = 1; i <= kMaxTerms; ++i) {
        const double a = -i * (kOrder - 1.0 + i);
        b += 2.0;
        d = 1.0 / (a * d + b);
        c = b + a / c;
        const double change = c * d;
        fraction *= change;
        if (std::abs(change - 1.0) < kConverged)
            break;
    }
    return 2.0 * fraction * std::exp(-tau);
}

/// Ki2(tau) = integral over theta = 0..pi/2 of cos(theta) exp(-tau / cos(theta)).
/// With cos(theta) = 1 / cosh(v) it becomes the integral over v >= 0 of
/// exp(-tau cosh v) / cosh^2 v, an even function analytic in the strip
/// |Im v| < pi/2 that decays at least as exp(-2v), for which the trapezoidal
/// rule converges geometrically in 1 / step. Within the strip the factor
/// exp(-tau cosh v) grows against its value on the real axis by up to
/// exp(tau (1 - cos(Im v))), so for large tau the step must shrink as
/// 1 / sqrt(tau): the relative error is then about exp(-2 pi^2 / (step^2 tau)).
/// The steps below keep it under 1e-13; the terms fall monotonically, and
/// the sum stops when they no longer count.
double wireTransmission(double tau)
{
    constexpr double kWidestStep = 0.25;
    constexpr double kStepTimesRootTau = 0.8;
    constexpr double kCutOff = 19.5;  // exp(-2 v) below 1e-16 beyond
    constexpr double kNegligible = 1e-17;
    const double step = std::min(kWidestStep, kStepTimesRootTau / std::sqrt(tau));
    double sum = 0.5 * std::exp(-tau);
    for (double v = step; v <= kCutOff; v += step) {
        const double c = std::cosh(v);
        const double term = std::exp(-tau * c) / (c * c);
        sum += term;
        if (term <= kNegligible * sum)
            break;
    }
    return step * sum;
}
}  // namespace

double AngleAveragedTransmission(ParticleShape shape, double opticalDepth)
{
    return shape == ParticleShape::Sphere ? sphereTransmission(opticalDepth) : wireTransmission(opticalDepth);
}

std::optional<double> FlatParticleIntensity(ParticleShape shape, std::span<const double> thickness,
                                            const ParticleMaterial& material)
{
    const int shells = static_cast<int>(thickness.size());
    if (!ParticleMaterialUsable(material, shells))
        return std::nullopt;
    double intensity = 0.0;
    double depth = 0.0;  // optical depth of the shells above
    double above = 1.0;  // transmission of the shells above, averaged over the tilts
    for (int k = 1; k <= shells; ++k) {
        const double d = thickness[static_cast<std::size_t>(k - 1)];
        if (!std::isfinite(d) || d < 0.0)
            return std::nullopt;
        depth += d / material.imfp[static_cast<std::size_t>(k)];
        const double below = AngleAveragedTransmission(shape, depth);
        intensity += material.density[static_cast<std::size_t>(k)] * material.imfp[static_cast<std::size_t>(k)] *
                     (above - below);
        above = below;
    }
    intensity += material.density[0] * material.imfp[0] * above;
    if (!std::isfinite(intensity))
        return std::nullopt;
    return intensity;
}

}  // namespace slv
