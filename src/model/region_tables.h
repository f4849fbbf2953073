// The regions an escaping photoelectron crosses in a structured sample, as the
// calculation set-up prepares them for the intensity formulas: the list of
// regions below the surface (the layer stack, repeated for a multilayer, or
// the crossings of a nanotube), and per element row the atom density N and
// the inelastic mean free path L in the material of each layer row.
//
// Region 0 is always the bulk (the tube wall of a nanotube); region 1 lies at
// the outer surface. N and L are kept per layer row and reached through
// rowOf, so N(e, r) = density[e][rowOf[r]].
#pragma once

#include <array>
#include <vector>

#include "document/document.h"

namespace slv {

/// Polar-angle classes of the curved geometries and impact classes of the nanotube.
inline constexpr int kAngleClasses = 9;
/// Most crossings of nanotubes one escaping electron is followed through.
inline constexpr int kMaxTubeSteps = 6;
/// Regions of one crossing of a nanotube: in through the layers, the wall, out again.
inline constexpr int kMaxCrossingLength = 2 * kMaxLayers + 1;

struct RegionTables {
    /// Layers of the model (LayerCount), the bulk not counted.
    int layers = 0;
    /// Repetitions of the layer stack: MultiLayers raised to at least 1, and 1 in island mode.
    int repetitions = 1;
    /// Number R of regions below the surface, the bulk not counted.
    int count = 0;
    /// Layer row (0 = bulk) of each region 0..R.
    std::vector<int> rowOf = std::vector<int>(1, 0);
    /// Nanotube: the layer rows crossed in one passage through a tube, entries
    /// 1..crossingLength: 1, 2, ..., LayerCount, 0, LayerCount, ..., 2, 1.
    std::array<int, kMaxCrossingLength + 1> TubeRegionOrder{};
    int crossingLength = 0;
    /// Atom density N(e, row) = composition x density / molecular weight.
    RowTable<LayerTable<double>> density{};
    /// IMFP L(e, row) in the length unit of the model.
    RowTable<LayerTable<double>> imfp{};
    /// Deepest region 1..R whose material holds the element (0 = none), and
    /// whether the bulk holds it: electrons of the element never come from
    /// further down, so no attenuation below that region is ever needed.
    RowTable<int> lastRegion{};
    RowTable<bool> inBulk{};
};

}  // namespace slv
