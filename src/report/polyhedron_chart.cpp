#include "report/polyhedron_chart.h"

#include <string>

#include "model/polyhedron_tilts.h"

namespace slv {

ChartSpec PolyhedronChart(std::span<const float> areas)
{
    ChartSpec spec;
    spec.type = ChartType::Bar;
    spec.bottomTitle = kTiltAngleTitle;
    spec.leftTitle = kAreaPercentTitle;
    ChartSet& set = spec.sets.emplace_back();
    for (std::size_t i = 0; i < areas.size(); ++i) {
        set.values.emplace_back(areas[i]);
        spec.pointLabels.push_back(std::to_string(TiltOfClass(static_cast<int>(i) + 1)));
    }
    return spec;
}

}  // namespace slv
