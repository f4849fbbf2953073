// Layers-on-Polyhedron: a section through a faceted particle. The core is a
// hatched octagon; each layer lies on every facet as a quadrilateral, and
// triangles fill the corners between the facets. With islands, the island
// rows lie on the covered share of the facets.
#include <algorithm>
#include <array>

#include "report/layout_geometry.h"
#include "report/layout_scene.h"

namespace slv::layout {

namespace {
constexpr int kFacets = 8;
constexpr double kCoreShare = 0.5;   // the core's inradius over the half side
constexpr double kStackShare = 0.4;  // the thickest stack over the half side

struct Facet {
    DrawPoint from;
    DrawPoint to;
    DrawPoint normal;  // outward, unit length
};

DrawPoint offset(DrawPoint p, DrawPoint normal, double distance)
{
    return {p.x + normal.x * distance, p.y + normal.y * distance};
}

DrawPoint middle(DrawPoint a, DrawPoint b)
{
    return {(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
}
}  // namespace

void DrawPolyhedron(Scene& scene, const Rect& area)
{
    const DrawPoint centre{(area.left + area.right) / 2.0, (area.top + area.bottom) / 2.0};
    const double half = std::min(area.width(), area.height()) / 2.0;
    const double inradius = kCoreShare * half;
    const double circumradius = inradius / std::cos(std::numbers::pi / kFacets);
    // Facet 0 faces the upper right, where the labels point.
    std::array<Facet, kFacets> facets;
    std::array<DrawPoint, kFacets> corners;
    for (int j = 0; j < kFacets; ++j)
        corners[j] = OnCircle(centre, circumradius, (45.0 * j + 22.5) * kDegree);
    for (int j = 0; j < kFacets; ++j) {
        const DrawPoint from = corners[j], to = corners[(j + 1) % kFacets];
        facets[j] = {from, to, OnCircle({0.0, 0.0}, 1.0, (45.0 * j + 45.0) * kDegree)};
    }
    // Islands cover round(coverage x 8) facets, spread evenly, facet 0 first.
    const int coveredCount = static_cast<int>(std::lround(scene.coveredShare() * kFacets));
    const auto covered = [&](int j) {
        const int k = (j + kFacets - 1) % kFacets;
        return (k + 1) * coveredCount / kFacets > k * coveredCount / kFacets;
    };

    const double band = scene.contamination() ? ContaminationBand(area) : 0.0;
    const double scale = scene.stackScale(kStackShare * half - band);
    const auto depth = [&](std::size_t entry, int j) { return scale * scene.depthBelow(entry, covered(j)); };

    // The surface of an entry all round: facets and the bevels between them.
    const auto surface = [&](std::size_t entry, double lift) {
        std::vector<DrawPoint> points;
        for (int j = 0; j < kFacets; ++j) {
            const Facet& f = facets[j];
            points.push_back(offset(f.from, f.normal, depth(entry, j) + lift));
            points.push_back(offset(f.to, f.normal, depth(entry, j) + lift));
        }
        return points;
    };
    const auto drawEntry = [&](std::size_t entry, double lift, int row, bool filled) {
        if (filled) {
            for (int j = 0; j < kFacets; ++j) {
                const Facet& f = facets[j];
                const double d = depth(entry, j) + lift;
                const std::array<DrawPoint, 4> quad{f.from, f.to, offset(f.to, f.normal, d),
                                                    offset(f.from, f.normal, d)};
                scene.filledQuadrilateral(quad, row);
                const Facet& next = facets[(j + 1) % kFacets];
                const std::array<DrawPoint, 3> corner{
                    f.to, offset(f.to, f.normal, d),
                    offset(next.from, next.normal, depth(entry, (j + 1) % kFacets) + lift)};
                scene.filledQuadrilateral(corner, row);
            }
        }
        const auto outline = surface(entry, lift);
        for (std::size_t i = 0; i < outline.size(); ++i)
            scene.surface().line(outline[i], outline[(i + 1) % outline.size()], Scene::outline());
    };

    const Facet& labelled = facets[0];
    if (scene.contamination()) {
        drawEntry(0, band, kContaminationRow, true);
        scene.anchor(kContaminationRow,
                     offset(middle(labelled.from, labelled.to), labelled.normal, depth(0, 0) + band / 2.0));
    }
    const auto& layers = scene.stack();
    for (std::size_t entry = 0; entry < layers.size(); ++entry) {
        const int row = layers[entry];
        drawEntry(entry, 0.0, row, scene.thickness(row) > 0.0);
        const double d = (depth(entry, 0) + depth(entry + 1, 0)) / 2.0;
        scene.anchor(row, offset(middle(labelled.from, labelled.to), labelled.normal, d));
    }
    scene.filledCore(corners);
    scene.anchor(kBulkRow, OnCircle(centre, inradius / 2.0, kBulkLabelAngle));
}

}  // namespace slv::layout
