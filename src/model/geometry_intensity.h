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
