#include <algorithm>
#include <cmath>

#include "document/file_error.h"
#include "model/geometry_intensity.h"
#include "model/model_errors.h"

namespace slv {

std::optional<double> PlaneIntensity(const RegionTables& regions, const LayerTable<double>& thick, int element,
                                     double cosine, ModelTrap& trap)
{
    const auto& density = regions.density[element];
    const auto& imfp = regions.imfp[element];
    const int lastRegion = regions.inBulk[element] ? regions.count : regions.lastRegion[element];
    // The first pass through the stack meets every layer row the electrons cross.
    const int layersCrossed = std::min(lastRegion, regions.layers);

    // Each layer's attenuation and emission once; a multilayer repeats them.
    LayerTable<double> attenuation{};
    LayerTable<double> emission{};
    for (int row = 1; row <= layersCrossed; ++row) {
        const double depthScale = imfp[row] * cosine;
        if (depthScale == 0.0)
            return TrapModelFault(trap, kRoutinePlane, kErrDivisionByZero);
        attenuation[row] = std::exp(-thick[row] / depthScale);
        if (!std::isfinite(attenuation[row]))
            return TrapModelFault(trap, kRoutinePlane, kErrOverflow);
        emission[row] = density[row] * depthScale * (1.0 - attenuation[row]);
    }

    double intensity = 0.0;
    double transmission = 1.0;
    for (int r = 1; r <= lastRegion; ++r) {
        const int row = regions.rowOf[r];
        intensity += emission[row] * transmission;
        transmission *= attenuation[row];
    }
    if (regions.inBulk[element])
        intensity += density[0] * imfp[0] * cosine * transmission;
    if (!std::isfinite(intensity))
        return TrapModelFault(trap, kRoutinePlane, kErrOverflow);
    return intensity;
}

}  // namespace slv
