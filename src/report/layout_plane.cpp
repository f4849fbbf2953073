// Homogeneous, Oxide-Layer and Layers-on-Plane: the bulk box at the bottom
// and the layers as bands over it. Each layer is drawn as the region from the
// bulk up to its own surface, the outermost first, so that the layers below
// paint over its lower part: islands, the layers that follow them and a
// multilayer stack then need no special case.
#include <algorithm>

#include "report/layout_scene.h"

namespace slv::layout {

namespace {
constexpr double kAirShare = 0.08;   // free space above the stack
constexpr double kBulkShare = 0.35;  // the bulk's share of the height
constexpr int kIslandsAcross = 3;
}  // namespace

void DrawPlane(Scene& scene, const Rect& area)
{
    const double bulkTop = area.bottom - kBulkShare * area.height();
    const double band = scene.contamination() ? ContaminationBand(area) : 0.0;
    const double scale = scene.stackScale(bulkTop - (area.top + kAirShare * area.height()) - band);
    const auto stretches = scene.stretches(kIslandsAcross);
    const auto xAt = [&](double f) { return area.left + f * area.width(); };
    const auto surfaceAt = [&](std::size_t entry, const Stretch& s) {
        return bulkTop - scale * scene.depthBelow(entry, s.covered);
    };
    // The outline of everything from the bulk up to the surface of `entry`, raised by `lift`.
    const auto profile = [&](std::size_t entry, double lift) {
        std::vector<DrawPoint> corners{{area.left, bulkTop}};
        for (const Stretch& s : stretches) {
            const double y = surfaceAt(entry, s) - lift;
            corners.push_back({xAt(s.from), y});
            corners.push_back({xAt(s.to), y});
        }
        corners.push_back({area.right, bulkTop});
        return corners;
    };

    scene.filledBox({area.left, bulkTop, area.right, area.bottom});
    scene.anchor(kBulkRow, {area.right, (bulkTop + area.bottom) / 2.0});
    if (scene.contamination()) {
        scene.region(profile(0, band), kContaminationRow, true);
        scene.anchor(kContaminationRow, {area.right, surfaceAt(0, stretches.back()) - band / 2.0});
    }
    const auto& stack = scene.stack();
    for (std::size_t entry = 0; entry < stack.size(); ++entry) {
        const int row = stack[entry];
        scene.region(profile(entry, 0.0), row, scene.thickness(row) > 0.0);
        // The label points at the rightmost stretch where the layer lies.
        auto where = std::find_if(stretches.rbegin(), stretches.rend(),
                                  [&](const Stretch& s) { return s.covered || !scene.island(row); });
        const Stretch& s = where != stretches.rend() ? *where : stretches.back();
        const double x = s.to >= 1.0 ? area.right : (xAt(s.from) + xAt(s.to)) / 2.0;
        scene.anchor(row, {x, (surfaceAt(entry, s) + surfaceAt(entry + 1, s)) / 2.0});
    }
}

}  // namespace slv::layout
