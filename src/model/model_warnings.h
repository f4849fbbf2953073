// Warnings about a structure model that can be calculated but whose results
// would mislead: a curved sample too small for the surface-angle classes, an
// emission angle of 90 degrees or more (usually angles entered in another unit
// than the Tilt label's), and Gries IMFPs of several elements taken from one;
// after a fit, a layer stack too thick to be seen through. Model warnings
// never stop a calculation: they are lines of the model message and the bit
// kBitModelWarning of ModelErrors, shown under "Model warning(s):" when
// nothing worse was found.
#pragma once

#include <string>

#include "document/document.h"
#include "platform/findings.h"

namespace slv {

/// A sphere or cylinder whose outer radius is below this many times the
/// largest IMFP of the model is too small for the surface-angle classes.
inline constexpr double kClassModelRadiusInImfps = 10.0;
/// A stack more than this many IMFPs thick lets less than e^-3 (5 %) of the
/// signal from below through.
inline constexpr double kOpaqueStackInImfps = 3.0;

/// Whether the calculation weights surface-angle classes for a curved
/// sample (Sphere, Cylinder) rather than integrating over the particle: when
/// the analyst chose them, and always for islands and a single row of spheres.
bool UsesSurfaceAngleClasses(const Document& doc);

/// Appends the model warnings of the record to message and sets
/// kBitModelWarning in errors when there is any.
void CheckModelWarnings(const Document& doc, int& errors, std::string& message);

/// After a fit: warns when the layers above the bulk, at their working
/// thicknesses, are more than kOpaqueStackInImfps thick for every line of
/// the bulk that the model uses.
void CheckFittedStack(const Document& doc, Findings& findings);

}  // namespace slv
