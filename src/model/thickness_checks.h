// The checks of a layer thickness or an island coverage typed by the analyst,
// shared by the layer calculation and the simulation: a thickness is a finite
// length of at least 0, a coverage a fraction of the surface from 0 to 1.
#pragma once

#include "platform/findings.h"

namespace slv {

inline constexpr const char* kNegativeThicknessText = "Layer thickness must be non negative    ";
inline constexpr const char* kCoverageRangeText = "Coverage must be between 0 and 1    ";

/// True when the thickness may be used; otherwise a warning is added.
bool AcceptThickness(double thickness, Findings& findings);

/// True when the coverage may be used; otherwise a warning is added.
bool AcceptCoverage(double coverage, Findings& findings);

}  // namespace slv
