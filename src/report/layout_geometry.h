// Small plane geometry of the model layout: points on circles and ellipses,
// and the core radius a curved sample leaves inside its layers.
#pragma once

#include <cmath>
#include <numbers>

#include "report/draw_surface.h"

namespace slv::layout {

inline constexpr double kDegree = std::numbers::pi / 180.0;
/// Where the bulk of a sphere or polyhedron is labelled: below right of the centre.
inline constexpr double kBulkLabelAngle = -30.0 * kDegree;

/// The point at angle `radians` (counter-clockwise from the right, as on
/// paper) on a circle of the drawing, whose y axis points down.
inline DrawPoint OnCircle(DrawPoint centre, double radius, double radians)
{
    return {centre.x + radius * std::cos(radians), centre.y - radius * std::sin(radians)};
}

inline DrawPoint OnEllipse(DrawPoint centre, double halfWidth, double halfHeight, double radians)
{
    return {centre.x + halfWidth * std::cos(radians), centre.y - halfHeight * std::sin(radians)};
}

/// The radius left inside a stack of layers of a sample of the given outer
/// radius; without a usable radius the core is drawn as wide as the stack
/// (or as 1 when there is no stack) so that the drawing keeps its shape.
inline double CoreRadius(double outerRadius, double stack)
{
    if (!(std::isfinite(outerRadius) && outerRadius > 0.0))
        return stack > 0.0 ? stack : 1.0;
    return outerRadius > stack ? outerRadius - stack : 0.0;
}

}  // namespace slv::layout
