// Layers-on-Sphere: the core as a hatched disk and the layers as circles
// around it, drawn to the proportions of the particle radius and the layer
// thicknesses. With islands each layer becomes the outline of its surface
// around the particle, higher where islands lie.
#include <algorithm>

#include "report/layout_geometry.h"
#include "report/layout_scene.h"

namespace slv::layout {

namespace {
constexpr double kSphereFill = 0.92;  // share of the half side the particle takes
constexpr int kIslandsAround = 6;
/// The first island, and every label, sit at the upper right.
constexpr double kLabelAngle = 45.0 * kDegree;
constexpr double kArcStep = 2.0 * kDegree;
}  // namespace

void DrawSphere(Scene& scene, const Rect& area)
{
    const DrawPoint centre{(area.left + area.right) / 2.0, (area.top + area.bottom) / 2.0};
    const double band = scene.contamination() ? ContaminationBand(area) : 0.0;
    const double stack = std::max(scene.stackThickness(true), scene.stackThickness(false));
    const double core = CoreRadius(scene.doc().SampleRadius, stack);
    const double scale = (kSphereFill * std::min(area.width(), area.height()) / 2.0 - band) / (core + stack);
    const auto stretches = scene.stretches(kIslandsAround);
    // Angles run counter-clockwise from the middle of the first island minus half a share.
    const double start = kLabelAngle - std::numbers::pi / kIslandsAround;
    const auto angleAt = [&](double f) { return start + 2.0 * std::numbers::pi * f; };
    const auto radiusOf = [&](std::size_t entry, bool covered) {
        return scale * (core + scene.depthBelow(entry, covered));
    };
    const auto outlineOf = [&](std::size_t entry, double lift) {
        std::vector<DrawPoint> corners;
        for (const Stretch& s : stretches) {
            const double r = radiusOf(entry, s.covered) + lift;
            const double from = angleAt(s.from), to = angleAt(s.to);
            const int steps = std::max(1, static_cast<int>(std::ceil((to - from) / kArcStep)));
            for (int i = 0; i <= steps; ++i)
                corners.push_back(OnCircle(centre, r, from + (to - from) * i / steps));
        }
        return corners;
    };
    const auto draw = [&](std::size_t entry, double lift, int row, bool filled) {
        if (scene.hasIslands())
            scene.region(outlineOf(entry, lift), row, filled);
        else
            scene.ring(centre, radiusOf(entry, true) + lift, row, filled);
    };

    if (scene.contamination()) {
        draw(0, band, kContaminationRow, true);
        scene.anchor(kContaminationRow, OnCircle(centre, radiusOf(0, true) + band / 2.0, kLabelAngle));
    }
    const auto& layers = scene.stack();
    for (std::size_t entry = 0; entry < layers.size(); ++entry) {
        const int row = layers[entry];
        draw(entry, 0.0, row, scene.thickness(row) > 0.0);
        scene.anchor(row, OnCircle(centre, (radiusOf(entry, true) + radiusOf(entry + 1, true)) / 2.0, kLabelAngle));
    }
    if (core > 0.0)
        scene.filledDisk(centre, scale * core);
    scene.anchor(kBulkRow, OnCircle(centre, scale * core / 2.0, kBulkLabelAngle));
}

}  // namespace slv::layout
