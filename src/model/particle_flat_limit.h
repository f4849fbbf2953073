// The flat limit of the particle intensities: a particle much larger than
// its shells and the IMFPs, each part of its surface a tilted plane, the
// projected area weighted by the tilt as the sphere or the wire presents it
// (see particle_intensity.h for the weights and their origin).
#pragma once

#include <optional>
#include <span>

#include "model/particle_intensity.h"

namespace slv {

/// The tilt average of exp(-tau / cos(theta)) over the projected area:
/// 2 E3(tau) for the sphere, Ki2(tau) for the wire; 1 at tau = 0.
double AngleAveragedTransmission(ParticleShape shape, double opticalDepth);

/// The flat, angle-averaged intensity of one line for shells of `thickness`
/// (outside-in, shell 1 first) over a semi-infinite core: the sum over the
/// shells of N L (T(tau above) - T(tau below)) plus N L T(tau of the stack)
/// for the core, T the tilt average above. nullopt for a negative or
/// non-finite thickness, density or IMFP, an IMFP that is not positive, or
/// material tables of the wrong size.
std::optional<double> FlatParticleIntensity(ParticleShape shape, std::span<const double> thickness,
                                            const ParticleMaterial& material);

}  // namespace slv
