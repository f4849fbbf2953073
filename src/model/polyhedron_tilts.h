// A Layers-on-Polyhedron particle is described by the share of its surface
// whose facets are tilted by 0, 10, ..., 80 degrees against the analyser
// direction: nine tilt classes, one geometry factor PolyPar(1..9) each.
#pragma once

#include "document/document.h"

namespace slv {

inline constexpr int kTiltClasses = kPolyhedronParameters;
inline constexpr int kTiltClassDegrees = 10;

/// The tilt in degrees of class 1..9.
inline int TiltOfClass(int tiltClass)
{
    return (tiltClass - 1) * kTiltClassDegrees;
}

}  // namespace slv
