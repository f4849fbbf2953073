// Exact intensities of the element lines of a core-shell particle: a sphere,
// or a wire seen perpendicular to its axis, with straight-line attenuation
// (no elastic scattering). The shells lie around a core of finite size, and
// every chord through the particle along the emission direction is followed
// through all the regions it crosses, the rim of each shell included.
//
// Regions are numbered as the model's region tables number them: 0 is the
// core, 1..R the shells from the outer surface inwards (a repeated layer
// stack lists every repetition). The radius is the outer radius of the
// particle, so the core radius is the radius less the whole stack.
//
// Normalisation (intensity per unit projected area, in units of atom density
// x length):
//   A segment of length l of region k on a chord sends N_k * integral over
//   0..l of exp(-z / L_k) dz = N_k L_k (1 - exp(-l / L_k)) electrons per unit
//   cross-section towards the analyser, times exp(-tau), tau the optical path
//   (length / IMFP summed) from the segment to the surface. The intensity is
//   this summed over the segments of the chord at impact parameter y and
//   averaged over the projected area A:
//     I = (1 / A) * integral over A of sum_k N_k L_k (1 - exp(-l_k / L_k)) exp(-tau_k) dA,
//   sphere: dA = 2 pi y dy, A = pi R^2; wire: dA = dy, A = 2 R per unit length.
//   Factors common to all lines (flux, cross-section, analyser) are applied
//   elsewhere and cancel in ratios, so ratios between lines are physical.
// Why this scale: a flat surface tilted by theta shows, per unit projected
// area, columns lengthened by 1 / cos(theta); a semi-infinite bulk then gives
// N L at every tilt, and a layered one the plane formula without its cosine
// factor. When R is large compared with the layers and the IMFPs the
// particle is flat wherever a chord's intensity comes from, and its projected
// area splits by the angle theta between the surface normal and the emission
// direction: y = R sin(theta) gives 2 y dy / R^2 = sin(2 theta) dtheta for
// the sphere and dy / R = cos(theta) dtheta for the wire. So R -> infinity
// gives the flat result averaged with these weights -- the nine angle classes
// of the class model use exactly these weights integrated over 10-degree
// bands -- and a homogeneous particle much larger than L gives N L. With
// u = cos(theta) the averages are closed forms of the optical depth tau of
// everything above: sphere integral of 2 u exp(-tau / u) du over 0..1 =
// 2 E3(tau) (exponential integral); wire integral of cos(theta)
// exp(-tau / cos(theta)) dtheta over 0..pi/2 = Ki2(tau) (Bickley function).
// A radius of 0 means this flat limit, as it does for the class model.
//
// The chord geometry depends on the thicknesses only, not on the element:
// ParticleChordTable builds it once per set of thicknesses, and
// ParticleIntensity evaluates any number of element lines from it.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace slv {

enum class ParticleShape { Sphere, Wire };

/// One element line's material data per region (0 = core, 1..R the shells
/// outside-in): atom density N and inelastic mean free path L, in the length
/// unit of the radius and the thicknesses.
struct ParticleMaterial {
    std::span<const double> density;
    std::span<const double> imfp;
};

/// Quadrature nodes over the projected area of a particle for one set of
/// thicknesses. Nodes come in bands: all nodes of a band have their chords
/// reach the same deepest region, so a node carries, in `length`, the
/// half-chord through each region above it (crossed once on the far side and
/// once on the near side) followed by the whole chord through the deepest.
struct ParticleChords {
    /// Positions are the regions outside-in: 1..R the shells, R + 1 the core.
    struct Band {
        int deepest = 0;
        std::size_t firstNode = 0;
        std::size_t nodeCount = 0;
        std::size_t firstLength = 0;
    };

    ParticleShape shape = ParticleShape::Sphere;
    /// Number R of shells.
    int shells = 0;
    /// Radius 0: the flat, angle-averaged limit, with no nodes.
    bool flat = false;
    /// Shell thicknesses 1..R (index 0 unused).
    std::vector<double> thickness;
    std::vector<Band> bands;
    /// Quadrature weight of each node: its share of the projected area.
    std::vector<double> weight;
    std::vector<double> length;
};

/// The chord table of a particle of outer radius `radius` with shells of
/// `thickness` (outside-in: thickness[0] is shell 1, the outermost). `shortestImfp`, the
/// shortest IMFP of the lines that will be evaluated, sets how finely the rim
/// of the core and of thick shells is resolved; a line with a shorter IMFP is
/// still computed, less accurately. nullopt for a negative or non-finite
/// radius or thickness, a stack thicker than the radius (no room for the
/// core), or a shortest IMFP that is not positive.
std::optional<ParticleChords> ParticleChordTable(ParticleShape shape, double radius, std::span<const double> thickness,
                                                 double shortestImfp);

/// Whether `material` holds, for a particle of `shells` shells, a density and
/// an IMFP for every region 0..shells, densities finite and not negative,
/// IMFPs finite and positive.
bool ParticleMaterialUsable(const ParticleMaterial& material, int shells);

/// The intensity of one element line (see the normalisation above). nullopt
/// when the material does not match the table's regions, an IMFP is not
/// positive, a value is not finite, or the result is not finite.
std::optional<double> ParticleIntensity(const ParticleChords& chords, const ParticleMaterial& material);

/// One line on its own: the chord table for this line, then its intensity.
std::optional<double> ParticleIntensity(ParticleShape shape, double radius, std::span<const double> thickness,
                                        const ParticleMaterial& material);

}  // namespace slv
