// The bar graph of the polyhedron editor: the share of the particle surface
// whose facets are tilted by 0, 10, ..., 80 degrees.
#pragma once

#include <span>

#include "report/chart_plan.h"

namespace slv {

inline constexpr const char* kTiltAngleTitle = "Tilt angle";
inline constexpr const char* kAreaPercentTitle = "Area (%)";

/// One bar per tilt class, labelled with its angle in degrees; areas in per cent.
ChartPlan PolyhedronChart(std::span<const float> areas);

}  // namespace slv
