// The intensity formulas of the geometry families, each for one element row:
// the sum over the regions of atom density x IMFP x (1 - the region's own
// attenuation) x the attenuation of every region still to be crossed, the
// bulk contributing density x IMFP x the attenuation of the whole stack.
//
// These are the production forms used by the model calculation and the fit.
// Each computes every distinct attenuation once (per layer and cosine for the
// plane, per path for the curved geometries, per impact class and layer for
// the nanotube), carries the attenuation of the regions above as a running
// product, and stops at the element's deepest region, so no attenuation is
// computed with the stand-in IMFP of a cell that no electron of the element
// crosses. Geometry that does not depend on the element (path lengths,
// chords) is computed once per set of thicknesses.
//
// Derivation (straight-line attenuation, no elastic scattering; the
// Beer-Lambert overlayer model of angle-resolved XPS): atoms of density N
// emitting from depth z below the surface reach the analyser with the weight
// exp(-s(z) / L), s the path length through the material and L the IMFP of
// the line in it. For a plane layer of thickness d seen at emission angle
// theta, s = z / cos(theta) and
//
//     I = N L cos(theta) (1 - exp(-d / (L cos(theta))))
//
// times exp(-d' / (L' cos(theta))) for every layer d' above it; the bulk is
// the layer with d -> infinity, N L cos(theta). With one material above and
// below this is the same-lambda overlayer form d = L cos(theta) ln(1 + R/R_inf)
// (the Hill equation; Seah & Spencer, SIA 33 (2002) 640 use it for SiO2 on Si).
//
// Sphere, cylinder and polyhedron replace d / cos(theta) by the chord s of a
// straight path through each shell, for nine polar-angle classes of the
// surface normal against the analyser (10-degree bands; their middles 5, 15,
// ..., 85 degrees for sphere and cylinder, the facet tilts 0, 10, ..., 80 for
// the polyhedron). A shell of thickness d at inner radius r', crossed at the
// class cosine c from radius R = r' + d, has
//
//     s = sqrt(c^2 r'^2 - (d - 2R) d) - c r'
//
// (the exit point of the line from the shell's inner surface to the outer
// one), and the classes are summed with the geometry weights of the element
// library, the share of the surface each class presents to the analyser.
// The nanotube follows an electron across up to six neighbouring tubes of a
// mat: nine impact distances y (the middles of nine bands of the outer
// radius) give the half-chords sqrt(r^2 - y^2) of each layer and of the wall,
// and the 81 pairs of impact classes on odd and even crossings are summed.
//
// A numeric fault is recorded in the trap with the routine's code (Plane 9,
// curved 10, Nanotube 11) and the routine returns nullopt at once.
#pragma once

#include <optional>
#include <vector>

#include "model/model_state.h"
#include "model/region_tables.h"

namespace slv {

/// Layers on a plane seen at emission cosine `cosine`.
std::optional<double> PlaneIntensity(const RegionTables& regions, const LayerTable<double>& thick, int element,
                                     double cosine, ModelTrap& trap);

/// Path lengths s(i, column) of the nine polar-angle classes through the
/// regions of a sphere, cylinder or polyhedron. In the flat limit (radius 0)
/// a path depends only on the layer, so a column is a layer row; otherwise a
/// column is a region.
struct CurvedPaths {
    bool flat = true;
    std::vector<double> length;  // [(column - 1) x 9 + (class - 1)]
    double at(int angleClass, int column) const
    {
        return length[static_cast<std::size_t>((column - 1) * kAngleClasses + angleClass - 1)];
    }
};

/// The polar angle of class 1..9 in degrees: 0, 10, ..., 80 for the
/// polyhedron's facet tilts, 5, 15, ..., 85 for sphere and cylinder.
double AngleClassDegrees(ModelType modelType, int angleClass);

/// Path lengths for the thicknesses `thick` and the sample radius. A layer
/// stack thicker than the radius, or a chord whose square is negative, is
/// error 5 in routine 10.
std::optional<CurvedPaths> CurvedPathTable(const RegionTables& regions, const LayerTable<double>& thick,
                                           double sampleRadius, ModelType modelType, ModelTrap& trap);

/// Layers on a sphere, cylinder or polyhedron: the nine classes weighted by
/// `weights` (1..9). The emission angle does not enter.
std::optional<double> CurvedIntensity(const RegionTables& regions, const CurvedPaths& paths,
                                      const std::array<float, kAngleClasses + 1>& weights, int element,
                                      ModelTrap& trap);

/// Half-chords P(i, k) of the nine impact classes through each layer k of a
/// nanotube (outside the wall), and through the wall k = 0 both ways.
struct TubeChords {
    std::array<LayerTable<double>, kAngleClasses + 1> P{};
};

TubeChords TubeChordTable(const LayerTable<double>& thick, int layerCount, double tubeRadius, double innerRadius);

/// Layers on a nanotube: the electron crosses `tubeSteps` tubes, impact class
/// i on odd and j on even crossings, summed over all 81 pairs (i, j).
std::optional<double> NanotubeIntensity(const RegionTables& regions, const TubeChords& chords, int tubeSteps,
                                        int element, ModelTrap& trap);

}  // namespace slv
