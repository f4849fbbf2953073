// The polyhedron editor's sketch: a facet of a particle tilted by the
// selected angle against the analyser direction, with the analyser above
// and the tilt marked by an arc, so that the analyst sees which facets a
// class of the distribution stands for.
#pragma once

#include "report/draw_surface.h"

namespace slv {

/// Draws the sketch for a tilt of 0..90 degrees over the whole surface.
void DrawFacetSketch(DrawSurface& surface, int tiltDegrees);

}  // namespace slv
