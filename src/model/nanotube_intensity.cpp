#include <cmath>

#include "document/file_error.h"
#include "model/geometry_intensity.h"
#include "model/model_errors.h"

namespace slv {

namespace {
/// Impact distances sit in the middle of nine equal bands of the outer radius.
constexpr double kImpactBands = 2.0 * kAngleClasses;

/// Half-chord of a circle of radius `radius` at impact distance y, 0 when the line misses it.
double halfChord(double radius, double y)
{
    return radius > y ? std::sqrt(radius * radius - y * y) : 0.0;
}
}  // namespace

TubeChords TubeChordTable(const LayerTable<double>& thick, int layerCount, double tubeRadius, double innerRadius)
{
    double layerSum = 0.0;
    for (int k = 1; k <= layerCount; ++k)
        layerSum += thick[k];
    const double outerRadius = tubeRadius + layerSum;

    TubeChords chords;
    for (int i = 1; i <= kAngleClasses; ++i) {
        auto& P = chords.P[i];
        const double y = (2 * i - 1) * outerRadius / kImpactBands;
        const double hollow = halfChord(innerRadius, y);
        const double wall = tubeRadius > y ? halfChord(tubeRadius, y) - hollow : 0.0;
        double radius = tubeRadius;
        double deeperLayers = 0.0;
        for (int k = layerCount; k >= 1; --k) {
            radius += thick[k];
            P[k] = (radius > y ? halfChord(radius, y) - wall - hollow : 0.0) - deeperLayers;
            deeperLayers += P[k];
        }
        P[0] = 2.0 * wall;
    }
    return chords;
}

std::optional<double> NanotubeIntensity(const RegionTables& regions, const TubeChords& chords, int tubeSteps,
                                        int element, ModelTrap& trap)
{
    if (!regions.inBulk[element] && regions.lastRegion[element] == 0)
        return 0.0;
    const auto& density = regions.density[element];
    const auto& imfp = regions.imfp[element];

    // One passage through a tube per impact class: what it emits towards the
    // analyser and the fraction of the electrons from further away it lets through.
    std::array<double, kAngleClasses + 1> passageEmission{};
    std::array<double, kAngleClasses + 1> passageTransmission{};
    for (int i = 1; i <= kAngleClasses; ++i) {
        LayerTable<double> attenuation{};
        for (int row = 0; row <= regions.layers; ++row) {
            attenuation[row] = std::exp(-chords.P[i][row] / imfp[row]);
            if (!std::isfinite(attenuation[row]))
                return TrapModelFault(trap, kRoutineNanotube, kErrOverflow);
        }
        double emission = 0.0;
        double transmission = 1.0;
        for (int position = 1; position <= regions.crossingLength; ++position) {
            const int row = regions.TubeRegionOrder[position];
            emission += density[row] * imfp[row] * (1.0 - attenuation[row]) * transmission;
            transmission *= attenuation[row];
        }
        passageEmission[i] = emission;
        passageTransmission[i] = transmission;
    }

    double intensity = 0.0;
    for (int i = 1; i <= kAngleClasses; ++i) {
        for (int j = 1; j <= kAngleClasses; ++j) {
            double transmission = 1.0;
            for (int step = 1; step <= tubeSteps; ++step) {
                const int impactClass = step % 2 == 1 ? i : j;
                intensity += passageEmission[impactClass] * transmission;
                transmission *= passageTransmission[impactClass];
            }
        }
    }
    if (!std::isfinite(intensity))
        return TrapModelFault(trap, kRoutineNanotube, kErrOverflow);
    return intensity;
}

}  // namespace slv
