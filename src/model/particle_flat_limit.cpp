#include "model/particle_flat_limit.h"

#include <cmath>

namespace slv {

namespace {
/// 2 E3(tau) = exp(-tau) (1 - tau) + tau^2 E1(tau), with E1(tau) = -Ei(-tau).
double sphereTransmission(double tau)
{
    if (tau == 0.0)
        return 1.0;
    const double e1 = -std::expint(-tau);
    return std::exp(-tau) * (1.0 - tau) + tau * tau * e1;
}

/// Ki2(tau) = integral over theta = 0..pi/2 of cos(theta) exp(-tau / cos(theta)).
/// With cos(theta) = 1 / cosh(v) it becomes the integral over v >= 0 of
/// exp(-tau cosh v) / cosh^2 v, an even function analytic in the strip
/// |Im v| < pi/2 that decays at least as exp(-2v): the trapezoidal rule then
/// converges like exp(-pi^2 / step). Step 0.3 and cut-off 19 put both the
/// rule's error and the neglected tail below 1e-14 (64 steps).
double wireTransmission(double tau)
{
    constexpr double kStep = 0.3;
    constexpr int kSteps = 64;
    double sum = 0.5 * std::exp(-tau);
    for (int i = 1; i <= kSteps; ++i) {
        const double c = std::cosh(i * kStep);
        sum += std::exp(-tau * c) / (c * c);
    }
    return kStep * sum;
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
