#include "model/model_name.h"

namespace slv {

std::string ModelName(const Document& doc)
{
    static const char* const kGeometries[] = {"Plane", "Sphere", "Cylinder", "Polyhedron", "Nanotube"};
    const int type = doc.ParIndex[0];
    if (type == kHomogeneous)
        return "Homogeneous";
    if (type == kOxideLayer)
        return "Oxide-Layer";
    if (type >= kPlane && type <= kNanotube)
        return std::string(doc.IslandMode == 1 ? "Islands-on-" : "Layers-on-") + kGeometries[type - kPlane];
    return "Unknown";
}

}  // namespace slv
