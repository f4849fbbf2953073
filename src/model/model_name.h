// The name of the model type as the windows and reports show it.
#pragma once

#include <string>

#include "document/document.h"

namespace slv {

/// "Homogeneous", "Oxide-Layer", or "Layers-on-"/"Islands-on-" followed by
/// "Plane", "Sphere", "Cylinder", "Polyhedron" or "Nanotube"; "Unknown" else.
std::string ModelName(const Document& doc);

}  // namespace slv
