#include "model/particle_regions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace slv {

namespace {
bool elementPresent(const RegionTables& regions, int element)
{
    const auto& density = regions.density[static_cast<std::size_t>(element)];
    return std::any_of(density.begin(), density.begin() + regions.layers + 1, [](double n) { return n != 0.0; });
}

double shortestImfp(const RegionTables& regions)
{
    double shortest = std::numeric_limits<double>::infinity();
    for (int e = 1; e <= kMaxElements; ++e) {
        if (!elementPresent(regions, e))
            continue;
        const auto& imfp = regions.imfp[static_cast<std::size_t>(e)];
        for (int row = 0; row <= regions.layers; ++row)
            if (imfp[static_cast<std::size_t>(row)] > 0.0)
                shortest = std::min(shortest, imfp[static_cast<std::size_t>(row)]);
    }
    // With no line to resolve, any scale serves; the radius keeps the table small.
    return std::isfinite(shortest) ? shortest : std::numeric_limits<double>::max();
}
}  // namespace

bool UsesExactParticleIntegral(const Document& doc)
{
    const ModelType type = doc.modelType();
    if (type != ModelType::Sphere && type != ModelType::Cylinder)
        return false;
    if (type == ModelType::Sphere && doc.singleRowOfSpheres())
        return false;
    return doc.curvedModel() == CurvedModel::Exact && doc.IslandMode != 1;
}

std::optional<ParticleShape> ParticleShapeOf(ModelType modelType)
{
    switch (modelType) {
    case ModelType::Sphere: return ParticleShape::Sphere;
    case ModelType::Cylinder: return ParticleShape::Wire;
    default: return std::nullopt;
    }
}

std::optional<ParticleChords> ParticleChordTable(const RegionTables& regions, const LayerTable<double>& thick,
                                                 double sampleRadius, ModelType modelType)
{
    const auto shape = ParticleShapeOf(modelType);
    if (!shape)
        return std::nullopt;
    std::vector<double> thickness;
    thickness.reserve(static_cast<std::size_t>(regions.count));
    for (int r = 1; r <= regions.count; ++r)
        thickness.push_back(thick[static_cast<std::size_t>(regions.rowOf[static_cast<std::size_t>(r)])]);
    return ParticleChordTable(*shape, sampleRadius, thickness, shortestImfp(regions));
}

std::optional<double> ParticleIntensity(const RegionTables& regions, const ParticleChords& chords, int element)
{
    if (element < 1 || element > kMaxElements || chords.shells != regions.count)
        return std::nullopt;
    const auto& density = regions.density[static_cast<std::size_t>(element)];
    const auto& imfp = regions.imfp[static_cast<std::size_t>(element)];
    std::vector<double> regionDensity;
    std::vector<double> regionImfp;
    for (int r = 0; r <= regions.count; ++r) {
        const auto row = static_cast<std::size_t>(regions.rowOf[static_cast<std::size_t>(r)]);
        regionDensity.push_back(density[row]);
        regionImfp.push_back(imfp[row]);
    }
    return ParticleIntensity(chords, {regionDensity, regionImfp});
}

}  // namespace slv
