#include "report/layout_scene.h"

#include <algorithm>
#include <cmath>

#include "model/imfp_needs.h"
#include "platform/format_mask.h"

namespace slv::layout {

namespace {
constexpr Integer kIslandKind = 2;
/// A multilayer of more repetitions is drawn with this many; the drawing
/// would show nothing more than a striped band.
constexpr int kMaxDrawnRepetitions = 20;
constexpr const char* kThicknessMask = "#0.00";
constexpr const char* kCoverageMask = "#0.00";
/// The contamination overlayer is drawn as a band of this share of the
/// drawing's smaller side: its thickness is not part of the model.
constexpr double kContaminationShare = 0.035;
/// A stack this thick fills half the room of a flat or faceted drawing, nm.
constexpr double kHalfRoomStack = 3.0;
constexpr double kAngstromPerNm = 10.0;

bool hasLayers(ModelType type)
{
    return type != ModelType::Homogeneous;
}
}  // namespace

double ContaminationBand(const Rect& area)
{
    return kContaminationShare * std::min(area.width(), area.height());
}

Scene::Scene(DrawSurface& surface, const Document& doc, const LayoutState& state)
    : m_surface(surface),
      m_doc(doc),
      m_state(state)
{
    const int layers = hasLayers(doc.modelType()) ? std::clamp<int>(doc.LayerCount, 0, kMaxLayers) : 0;
    const int repetitions = std::min(StackRepetitions(doc), kMaxDrawnRepetitions);
    for (int r = 0; r < repetitions; ++r)
        for (int k = 1; k <= layers; ++k)
            m_stack.push_back(k);
    m_contamination = doc.contaminationMethod() == ContaminationMethod::Varn;
    for (int k = 1; k <= layers; ++k)
        m_islands = m_islands || island(k);

    if (m_contamination)
        m_components.push_back({kContaminationRow, kContaminationName, "", {}, false});
    for (int k = 1; k <= layers; ++k) {
        std::string detail = lengthText(thickness(k));
        if (island(k))
            detail += ", coverage " + FormatNumber(coveredShare(), kCoverageMask);
        m_components.push_back({k, doc.LayerName[k].trimmedText(), detail, {}, false});
    }
    m_components.push_back({kBulkRow, kBulkName, "", {}, false});
}

bool Scene::island(int row) const
{
    return m_doc.IslandMode == 1 && row >= 1 && row <= kMaxLayers && m_doc.LayerKind[row] == kIslandKind;
}

double Scene::thickness(int row, bool covered) const
{
    if (row < 1 || row > kMaxLayers || (!covered && island(row)))
        return 0.0;
    const double t = m_state.thickness[row];
    return std::isfinite(t) && t > 0.0 ? t : 0.0;
}

double Scene::depthBelow(std::size_t entry, bool covered) const
{
    double depth = 0.0;
    for (std::size_t i = entry; i < m_stack.size(); ++i)
        depth += thickness(m_stack[i], covered);
    return depth;
}

double Scene::coveredShare() const
{
    if (!m_islands)
        return 1.0;
    return std::isfinite(m_state.coverage) ? std::clamp(m_state.coverage, 0.0, 1.0) : 0.0;
}

std::vector<Stretch> Scene::stretches(int count) const
{
    if (!m_islands || count < 1)
        return {{0.0, 1.0, true}};
    const double coverage = coveredShare();
    std::vector<Stretch> list;
    const double share = 1.0 / count;
    const double gap = share * (1.0 - coverage) / 2.0;
    for (int i = 0; i < count; ++i) {
        const double start = i * share;
        list.push_back({start, start + gap, false});
        list.push_back({start + gap, start + share - gap, true});
        list.push_back({start + share - gap, start + share, false});
    }
    std::erase_if(list, [](const Stretch& s) { return s.to - s.from <= 0.0; });
    return list;
}

Rgb Scene::fillColour(int row) const
{
    if (!m_state.colour)
        return kMonochromeFill;
    if (row == kContaminationRow)
        return kContaminationFill;
    return kLayerFills[static_cast<std::size_t>(std::clamp(row, 0, kMaxLayers))];
}

void Scene::filledBox(const Rect& box) const
{
    const DrawPoint topLeft{box.left, box.top};
    const DrawPoint bottomRight{box.right, box.bottom};
    m_surface.box(topLeft, bottomRight, solid(kBulkRow), outline());
    m_surface.box(topLeft, bottomRight, hatch(), kNoOutline);
}

void Scene::filledDisk(DrawPoint centre, double radius) const
{
    m_surface.circle(centre, radius, solid(kBulkRow), outline());
    m_surface.circle(centre, radius, hatch(), kNoOutline);
}

void Scene::filledCore(std::span<const DrawPoint> corners) const
{
    m_surface.polygon(corners, solid(kBulkRow), outline());
    m_surface.polygon(corners, hatch(), kNoOutline);
}

void Scene::filledQuadrilateral(std::span<const DrawPoint> corners, int row) const
{
    m_surface.polygon(corners, solid(row), m_state.colour ? kNoOutline : outline());
}

void Scene::region(std::span<const DrawPoint> corners, int row, bool filled) const
{
    m_surface.polygon(corners, filled ? solid(row) : Fill{}, outline());
}

void Scene::ring(DrawPoint centre, double radius, int row, bool filled) const
{
    m_surface.circle(centre, radius, filled ? solid(row) : Fill{}, outline());
}

void Scene::anchor(int row, DrawPoint at)
{
    for (Component& c : m_components)
        if (c.row == row && !c.anchored) {
            c.anchor = at;
            c.anchored = true;
        }
}

double Scene::stackScale(double room) const
{
    const double half = m_doc.lengthUnit() == LengthUnit::Angstrom ? kHalfRoomStack * kAngstromPerNm : kHalfRoomStack;
    const double deepest = std::max(stackThickness(true), stackThickness(false));
    return room / (deepest + half);
}

std::string Scene::lengthText(double value) const
{
    const std::string unit = m_doc.lengthUnit() == LengthUnit::Angstrom ? "A" : "nm";
    return FormatNumber(value, kThicknessMask) + " " + unit;
}

}  // namespace slv::layout
