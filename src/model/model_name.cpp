#include "model/model_name.h"

namespace slv {

namespace {
std::string onGeometry(const Document& doc, const char* geometry)
{
    return std::string(doc.IslandMode == 1 ? "Islands-on-" : "Layers-on-") + geometry;
}
}  // namespace

std::string ModelName(const Document& doc)
{
    switch (doc.modelType()) {
    case ModelType::Homogeneous: return "Homogeneous";
    case ModelType::OxideLayer: return "Oxide-Layer";
    case ModelType::Plane: return onGeometry(doc, "Plane");
    case ModelType::Sphere: return onGeometry(doc, "Sphere");
    case ModelType::Cylinder: return onGeometry(doc, "Cylinder");
    case ModelType::Polyhedron: return onGeometry(doc, "Polyhedron");
    case ModelType::Nanotube: return onGeometry(doc, "Nanotube");
    }
    return "Unknown";
}

}  // namespace slv
