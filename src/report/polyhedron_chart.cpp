#include "report/polyhedron_chart.h"

#include <string>

#include "model/polyhedron_tilts.h"

namespace slv {

ChartPlan PolyhedronChart(std::span<const float> areas)
{
    ChartPlan plan;
    plan.type = ChartType::Bar;
    plan.bottomTitle = kTiltAngleTitle;
    plan.leftTitle = kAreaPercentTitle;
    ChartSet& set = plan.sets.emplace_back();
    for (std::size_t i = 0; i < areas.size(); ++i) {
        set.values.emplace_back(areas[i]);
        plan.pointLabels.push_back(std::to_string(TiltOfClass(static_cast<int>(i) + 1)));
    }
    return plan;
}

}  // namespace slv
