// Layers-on-Cylinder and Layers-on-Nanotube, drawn with lines only: a
// longitudinal section through the axis, running across the drawing, with
// the open end in view at the right. Regions are filled by lines as wide as
// the region is high; the bulk's hatch is made of short diagonal lines.
#include <algorithm>

#include "report/layout_geometry.h"
#include "report/layout_scene.h"

namespace slv::layout {

namespace {
constexpr double kTubeFill = 0.88;   // share of the half height the tube takes
constexpr double kEndSquash = 0.25;  // width over height of the end in view
constexpr double kEndStep = 1.0;     // distance of the lines filling the end, logical units
constexpr int kIslandsAlong = 4;
constexpr int kEllipseSegments = 72;

/// Radii of the drawn regions, in the sample's length unit.
struct TubeRadii {
    double hollow = 0.0;  // inside of a nanotube's wall
    double bulk = 0.0;    // outside of the core or wall: the layers start here
};

TubeRadii radiiOf(const Document& doc, double stack)
{
    TubeRadii radii;
    if (doc.modelType() != ModelType::Nanotube) {
        radii.bulk = CoreRadius(doc.SampleRadius, stack);
        return radii;
    }
    const double wall = std::isfinite(doc.SampleRadius) && doc.SampleRadius > 0.0 ? doc.SampleRadius : 0.0;
    const double inner = std::isfinite(doc.InnerRadius) ? std::clamp<double>(doc.InnerRadius, 0.0, wall) : 0.0;
    if (wall == 0.0) {
        radii.bulk = stack > 0.0 ? stack : 1.0;
        radii.hollow = radii.bulk / 2.0;
        return radii;
    }
    radii.hollow = inner;
    // A modified tube layer replaces the outside of the wall.
    radii.bulk = doc.modifiedTubeLayer() ? std::max(inner, wall - stack) : wall;
    return radii;
}

class TubeDrawing {
public:
    TubeDrawing(Scene& scene, const Rect& area) : m_scene(scene), m_surface(scene.surface())
    {
        const double band = scene.contamination() ? ContaminationBand(area) : 0.0;
        m_band = band;
        const double stack = std::max(scene.stackThickness(true), scene.stackThickness(false));
        m_radii = radiiOf(scene.doc(), stack);
        m_axis = (area.top + area.bottom) / 2.0;
        m_scale = (kTubeFill * area.height() / 2.0 - band) / (m_radii.bulk + stack);
        const double outer = m_scale * (m_radii.bulk + stack) + band;
        m_left = area.left;
        m_right = area.right - kEndSquash * outer;
        m_stretches = scene.stretches(kIslandsAlong);
    }

    void draw()
    {
        const auto& stack = m_scene.stack();
        if (m_scene.contamination()) {
            fillSide(0, m_band, kContaminationRow);
            m_scene.anchor(kContaminationRow,
                           {anchorX(kContaminationRow), m_axis - radiusOf(0, lastState()) - m_band / 2.0});
        }
        for (std::size_t entry = 0; entry < stack.size(); ++entry)
            if (m_scene.thickness(stack[entry]) > 0.0)
                fillSide(entry, 0.0, stack[entry]);
        fillBand(m_left, m_right, 0.0, m_scale * m_radii.bulk, m_scene.fillColour(kBulkRow));
        fillBand(m_left, m_right, 0.0, m_scale * m_radii.hollow, kWhite);
        hatchWall();

        if (m_scene.contamination())
            outlineSide(0, m_band);
        for (std::size_t entry = 0; entry < stack.size(); ++entry) {
            outlineSide(entry, 0.0);
            const int row = stack[entry];
            const bool covered = !m_scene.island(row) || coveredSomewhere();
            const double middle = (radiusOf(entry, covered) + radiusOf(entry + 1, covered)) / 2.0;
            m_scene.anchor(row, {anchorX(row), m_axis - middle});
        }
        outlineRadius(m_scale * m_radii.bulk);
        outlineRadius(m_scale * m_radii.hollow);
        m_scene.anchor(kBulkRow, {m_right, m_axis - m_scale * (m_radii.bulk + m_radii.hollow) / 2.0});
        drawEnd();
    }

private:
    bool lastState() const { return m_stretches.back().covered; }
    bool coveredSomewhere() const
    {
        return std::any_of(m_stretches.begin(), m_stretches.end(), [](const Stretch& s) { return s.covered; });
    }
    double xAt(double f) const { return m_left + f * (m_right - m_left); }
    /// The outer radius of stack entry `entry` (the bulk at the end of the stack), drawing units.
    double radiusOf(std::size_t entry, bool covered) const
    {
        return m_scale * (m_radii.bulk + m_scene.depthBelow(entry, covered));
    }
    /// Labels of island rows point at the last island, the others at the open end.
    double anchorX(int row) const
    {
        if (!m_scene.island(row))
            return m_right;
        for (auto s = m_stretches.rbegin(); s != m_stretches.rend(); ++s)
            if (s->covered)
                return (xAt(s->from) + xAt(s->to)) / 2.0;
        return m_right;
    }

    /// Fills the region between the radii `inner` and `outer` on both sides
    /// of the axis with lines as wide as the region.
    void fillBand(double x0, double x1, double inner, double outer, Rgb colour) const
    {
        if (outer <= inner || x1 <= x0)
            return;
        const double width = outer - inner;
        const double middle = (inner + outer) / 2.0;
        const Stroke stroke{true, colour, inner == 0.0 ? 2.0 * outer : width};
        if (inner == 0.0) {
            m_surface.line({x0, m_axis}, {x1, m_axis}, stroke);
            return;
        }
        m_surface.line({x0, m_axis - middle}, {x1, m_axis - middle}, stroke);
        m_surface.line({x0, m_axis + middle}, {x1, m_axis + middle}, stroke);
    }

    void fillSide(std::size_t entry, double lift, int row) const
    {
        for (const Stretch& s : m_stretches)
            fillBand(xAt(s.from), xAt(s.to), 0.0, radiusOf(entry, s.covered) + lift, m_scene.fillColour(row));
    }

    /// The surfaces of an entry on both sides, with the steps at the islands' edges.
    void outlineSide(std::size_t entry, double lift) const
    {
        const Stroke stroke = Scene::outline();
        for (const double side : {-1.0, 1.0}) {
            double previous = -1.0;
            for (const Stretch& s : m_stretches) {
                const double r = radiusOf(entry, s.covered) + lift;
                const double x0 = xAt(s.from), x1 = xAt(s.to);
                if (previous >= 0.0 && previous != r)
                    m_surface.line({x0, m_axis + side * previous}, {x0, m_axis + side * r}, stroke);
                m_surface.line({x0, m_axis + side * r}, {x1, m_axis + side * r}, stroke);
                previous = r;
            }
            const double r0 = radiusOf(entry, m_stretches.front().covered) + lift;
            m_surface.line({m_left, m_axis + side * m_scale * m_radii.hollow}, {m_left, m_axis + side * r0}, stroke);
        }
    }

    void outlineRadius(double r) const
    {
        if (r <= 0.0)
            return;
        for (const double side : {-1.0, 1.0})
            m_surface.line({m_left, m_axis + side * r}, {m_right, m_axis + side * r}, Scene::outline());
    }

    /// The bulk's hatch: diagonal lines from upper left to lower right,
    /// clipped to the core, or to the wall on both sides of the axis.
    void hatchWall() const
    {
        const double inner = m_scale * m_radii.hollow, outer = m_scale * m_radii.bulk;
        if (outer <= inner)
            return;
        if (inner <= 0.0) {
            hatch(m_axis - outer, m_axis + outer);
            return;
        }
        hatch(m_axis - outer, m_axis - inner);
        hatch(m_axis + inner, m_axis + outer);
    }

    void hatch(double top, double bottom) const
    {
        const Stroke stroke{true, kBlack, kHatchLineWidth};
        // Lines y - x = c, kHatchSpacing apart across the lines.
        const double step = kHatchSpacing * std::numbers::sqrt2;
        for (double c = std::floor((top - m_right) / step) * step; c <= bottom - m_left; c += step) {
            const double xa = std::max(m_left, top - c), xb = std::min(m_right, bottom - c);
            if (xb > xa)
                m_surface.line({xa, xa + c}, {xb, xb + c}, stroke);
        }
    }

    /// The open end: every region's ring seen obliquely, filled with
    /// vertical lines, then the outline of each ring.
    void drawEnd() const
    {
        const bool covered = lastState();
        std::vector<std::pair<double, Rgb>> rings;  // outer radius and fill, outermost first
        const auto& stack = m_scene.stack();
        if (m_scene.contamination())
            rings.emplace_back(radiusOf(0, covered) + m_band, m_scene.fillColour(kContaminationRow));
        for (std::size_t entry = 0; entry < stack.size(); ++entry)
            if (m_scene.thickness(stack[entry], covered) > 0.0)
                rings.emplace_back(radiusOf(entry, covered), m_scene.fillColour(stack[entry]));
        rings.emplace_back(m_scale * m_radii.bulk, m_scene.fillColour(kBulkRow));
        rings.emplace_back(m_scale * m_radii.hollow, kWhite);
        const Stroke thin{true, kBlack, 2.0 * kEndStep};
        for (const auto& [radius, colour] : rings) {
            if (radius <= 0.0)
                continue;
            const double half = kEndSquash * radius;
            Stroke stroke = thin;
            stroke.colour = colour;
            for (double dx = -half; dx <= half; dx += kEndStep) {
                const double dy = radius * std::sqrt(std::max(0.0, 1.0 - (dx / half) * (dx / half)));
                m_surface.line({m_right + dx, m_axis - dy}, {m_right + dx, m_axis + dy}, stroke);
            }
        }
        for (const auto& ring : rings)
            ellipse(ring.first);
    }

    void ellipse(double radius) const
    {
        if (radius <= 0.0)
            return;
        const DrawPoint centre{m_right, m_axis};
        DrawPoint previous = OnEllipse(centre, kEndSquash * radius, radius, 0.0);
        for (int i = 1; i <= kEllipseSegments; ++i) {
            const DrawPoint next =
                OnEllipse(centre, kEndSquash * radius, radius, 2.0 * std::numbers::pi * i / kEllipseSegments);
            m_surface.line(previous, next, Scene::outline());
            previous = next;
        }
    }

    Scene& m_scene;
    DrawSurface& m_surface;
    TubeRadii m_radii;
    std::vector<Stretch> m_stretches;
    double m_band = 0.0;
    double m_axis = 0.0;
    double m_scale = 1.0;
    double m_left = 0.0;
    double m_right = 0.0;
};

}  // namespace

void DrawTube(Scene& scene, const Rect& area)
{
    TubeDrawing(scene, area).draw();
}

}  // namespace slv::layout
