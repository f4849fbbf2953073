#include "report/facet_sketch.h"

#include <algorithm>
#include <array>
#include <string>

#include "report/layout_geometry.h"

namespace slv {

namespace {
constexpr double kWidth = 200.0;
constexpr double kSketchAspect = 1.0;
constexpr Rgb kFacetFill{255, 150, 150};  // the first layer's colour
constexpr Rgb kGuide{120, 120, 120};
constexpr double kFacetHalf = 60.0;
constexpr double kFacetDepth = 14.0;
constexpr double kArcRadius = 34.0;
constexpr int kArcSteps = 24;
constexpr double kMaxTilt = 90.0;
}  // namespace

void DrawFacetSketch(DrawSurface& surface, int tiltDegrees)
{
    const double aspect = surface.aspectRatio();
    const double height = kWidth / (std::isfinite(aspect) && aspect > 0.0 ? aspect : kSketchAspect);
    surface.setScale(kWidth, height);
    surface.clear(kWhite);
    surface.setFont("Arial", 8.0);

    const double tilt = std::clamp<double>(tiltDegrees, 0.0, kMaxTilt) * layout::kDegree;
    const DrawPoint centre{kWidth / 2.0, height * 0.62};
    // The facet: a slab through the centre, turned by the tilt.
    const DrawPoint along = layout::OnCircle({0, 0}, 1.0, tilt);
    const DrawPoint normal = layout::OnCircle({0, 0}, 1.0, tilt + std::numbers::pi / 2.0);
    const auto at = [&](double s, double d) {
        return DrawPoint{centre.x + along.x * s + normal.x * d, centre.y + along.y * s + normal.y * d};
    };
    const std::array<DrawPoint, 4> slab{at(-kFacetHalf, 0), at(kFacetHalf, 0), at(kFacetHalf, -kFacetDepth),
                                        at(-kFacetHalf, -kFacetDepth)};
    surface.polygon(slab, {FillPattern::Solid, kFacetFill}, {true, kBlack, 1.0});

    // The analyser direction straight up, and the facet normal.
    const Stroke guide{true, kGuide, 1.0, true};
    surface.line(centre, {centre.x, centre.y - 1.4 * kFacetHalf}, {true, kBlack, 1.2});
    surface.line({centre.x - 4, centre.y - 1.4 * kFacetHalf + 6}, {centre.x, centre.y - 1.4 * kFacetHalf},
                 {true, kBlack, 1.2});
    surface.line({centre.x + 4, centre.y - 1.4 * kFacetHalf + 6}, {centre.x, centre.y - 1.4 * kFacetHalf},
                 {true, kBlack, 1.2});
    surface.line(centre, at(0, 1.2 * kFacetHalf), guide);
    // The tilt between them.
    DrawPoint previous = layout::OnCircle(centre, kArcRadius, std::numbers::pi / 2.0);
    for (int i = 1; i <= kArcSteps; ++i) {
        const DrawPoint next = layout::OnCircle(centre, kArcRadius, std::numbers::pi / 2.0 + tilt * i / kArcSteps);
        surface.line(previous, next, {true, kBlack, 1.0});
        previous = next;
    }
    const std::string label = std::to_string(static_cast<int>(std::lround(tilt / layout::kDegree))) + "\xb0";
    surface.text({centre.x + 6.0, centre.y - 1.4 * kFacetHalf}, "Analyser", kBlack);
    const DrawPoint labelAt = layout::OnCircle(centre, kArcRadius + 14.0, std::numbers::pi / 2.0 + tilt / 2.0);
    surface.text({labelAt.x - surface.textWidth(label) / 2.0, labelAt.y - surface.textHeight() / 2.0}, label, kBlack);
}

}  // namespace slv
