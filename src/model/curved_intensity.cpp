#include <algorithm>
#include <cmath>

#include "document/file_error.h"
#include "model/emission_angle.h"
#include "model/geometry_intensity.h"
#include "model/model_errors.h"

namespace slv {

namespace {
constexpr double kClassWidthDegrees = 10.0;
/// Sphere and cylinder classes sit in the middle of their 10-degree bands.
constexpr double kBandMiddleDegrees = 5.0;

std::array<double, kAngleClasses + 1> classCosines(ModelType modelType)
{
    std::array<double, kAngleClasses + 1> cosines{};
    for (int i = 1; i <= kAngleClasses; ++i)
        cosines[i] = std::cos(AngleClassDegrees(modelType, i) * kRadiansPerDegree);
    return cosines;
}

double stackThickness(const RegionTables& regions, const LayerTable<double>& thick)
{
    double stack = 0.0;
    for (int r = 1; r <= regions.count; ++r)
        stack += thick[regions.rowOf[r]];
    return stack;
}
}  // namespace

double AngleClassDegrees(ModelType modelType, int angleClass)
{
    const double band = (angleClass - 1) * kClassWidthDegrees;
    return modelType == ModelType::Polyhedron ? band : band + kBandMiddleDegrees;
}

std::optional<CurvedPaths> CurvedPathTable(const RegionTables& regions, const LayerTable<double>& thick,
                                           double sampleRadius, ModelType modelType, ModelTrap& trap)
{
    const auto cosines = classCosines(modelType);
    CurvedPaths paths;
    paths.flat = sampleRadius == 0.0;
    const int columns = paths.flat ? regions.layers : regions.count;
    paths.length.resize(static_cast<std::size_t>(columns) * kAngleClasses);
    if (paths.flat) {
        for (int row = 1; row <= columns; ++row)
            for (int i = 1; i <= kAngleClasses; ++i)
                paths.length[static_cast<std::size_t>((row - 1) * kAngleClasses + i - 1)] = thick[row] / cosines[i];
        return paths;
    }
    // Layers deeper than the centre of the sample have no geometric meaning.
    if (stackThickness(regions, thick) > sampleRadius)
        return TrapModelFault(trap, kRoutineCurved, kErrInvalidCall);
    for (int r = 1; r <= columns; ++r) {
        const double d = thick[regions.rowOf[r]];
        // The region's inner radius estimated from its own thickness taken r times.
        const double inner = sampleRadius - r * d;
        for (int i = 1; i <= kAngleClasses; ++i) {
            const double c = cosines[i];
            const double chordSquare = c * c * inner * inner - (d - 2.0 * sampleRadius) * d;
            if (chordSquare < 0.0)
                return TrapModelFault(trap, kRoutineCurved, kErrInvalidCall);
            paths.length[static_cast<std::size_t>((r - 1) * kAngleClasses + i - 1)] =
                std::sqrt(chordSquare) - c * inner;
        }
    }
    return paths;
}

std::optional<double> CurvedIntensity(const RegionTables& regions, const CurvedPaths& paths,
                                      const std::array<float, kAngleClasses + 1>& weights, int element, ModelTrap& trap)
{
    const auto& density = regions.density[element];
    const auto& imfp = regions.imfp[element];
    const bool inBulk = regions.inBulk[element];
    const int lastRegion = inBulk ? regions.count : regions.lastRegion[element];
    const int layersCrossed = std::min(lastRegion, regions.layers);

    // Emission strength N x L of each layer row.
    LayerTable<double> strength{};
    for (int row = 0; row <= regions.layers; ++row)
        strength[row] = density[row] * imfp[row];

    double intensity = 0.0;
    for (int i = 1; i <= kAngleClasses; ++i) {
        // In the flat limit a layer's attenuation repeats in every stack repetition.
        LayerTable<double> layerAttenuation{};
        if (paths.flat) {
            for (int row = 1; row <= layersCrossed; ++row)
                layerAttenuation[row] = std::exp(-paths.at(i, row) / imfp[row]);
        }
        double classSum = 0.0;
        double transmission = 1.0;
        for (int r = 1; r <= lastRegion; ++r) {
            const int row = regions.rowOf[r];
            const double a = paths.flat ? layerAttenuation[row] : std::exp(-paths.at(i, r) / imfp[row]);
            if (!std::isfinite(a))
                return TrapModelFault(trap, kRoutineCurved, kErrOverflow);
            classSum += strength[row] * (1.0 - a) * transmission;
            transmission *= a;
        }
        if (inBulk)
            classSum += strength[0] * transmission;
        intensity += weights[i] * classSum;
    }
    if (!std::isfinite(intensity))
        return TrapModelFault(trap, kRoutineCurved, kErrOverflow);
    return intensity;
}

}  // namespace slv
