#include "report/model_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/format_mask.h"
#include "report/layout_scene.h"

namespace slv {

namespace {

using layout::Component;
using layout::Rect;
using layout::Scene;

constexpr const char* kCaptionSeparator = " - ";
constexpr const char* kExperimentMask = "#0";
constexpr const char* kFontFamily = "Arial";
constexpr double kFontPoints = 9.0;
constexpr double kLayoutAspect = 4.0 / 3.0;
constexpr double kMarginShare = 0.04;
/// The label column takes at most this share of the width.
constexpr double kMaxColumnShare = 0.42;
constexpr double kSwatchWidths = 2.2;  // swatch width in text heights
constexpr double kLineSpacing = 1.5;   // label distance in text heights
constexpr double kLeaderWidth = 0.8;
constexpr double kAnchorDot = 2.5;
constexpr Rgb kLeaderColour{90, 90, 90};

double storedResult(float value)
{
    return std::isfinite(value) && value > 0.0f ? value : 0.0;
}

/// Tops of the labels: each as near its component as the spacing allows,
/// in the order of the list, within [top, bottom].
std::vector<double> labelTops(const std::vector<Component>& components, double textHeight, double top, double bottom)
{
    const double step = kLineSpacing * textHeight;
    std::vector<double> tops;
    double next = top;
    for (const Component& c : components) {
        const double wanted = c.anchored ? c.anchor.y - textHeight / 2.0 : next;
        tops.push_back(std::max(wanted, next));
        next = tops.back() + step;
    }
    double limit = bottom - textHeight;
    for (auto t = tops.rbegin(); t != tops.rend(); ++t) {
        *t = std::min(*t, limit);
        limit = *t - step;
    }
    return tops;
}

void drawLabels(Scene& scene, std::vector<Component>& components, double left, double top, double bottom, bool legend)
{
    DrawSurface& surface = scene.surface();
    const double height = surface.textHeight();
    const auto tops = labelTops(components, height, top, bottom);
    const double swatch = legend ? kSwatchWidths * height : 0.0;
    const double gap = height / 2.0;
    for (std::size_t i = 0; i < components.size(); ++i) {
        const Component& c = components[i];
        const double y = tops[i];
        if (c.anchored) {
            const Stroke leader{true, kLeaderColour, kLeaderWidth};
            surface.line(c.anchor, {left - gap / 2.0, y + height / 2.0}, leader);
            surface.circle(c.anchor, kAnchorDot, {FillPattern::Solid, kLeaderColour}, kNoOutline);
        }
        double x = left;
        if (legend) {
            const Rect box{x, y + height * 0.1, x + swatch, y + height * 0.9};
            if (c.row == layout::kBulkRow)
                scene.filledBox(box);
            else
                surface.box({box.left, box.top}, {box.right, box.bottom}, scene.solid(c.row), Scene::outline());
            x += swatch + gap;
        }
        surface.text({x, y}, c.name, kBlack);
        if (!c.detail.empty())
            surface.text({x + surface.textWidth(c.name + "  "), y}, c.detail, kBlack);
    }
}

}  // namespace

LayoutState LoadLayoutState(const Document& doc, int curExp)
{
    LayoutState state;
    state.experiment = std::clamp(curExp < 1 ? 1 : curExp, 1, kMaxExperiments);
    const int slot = doc.ARXPS ? 1 : state.experiment;
    for (int k = 1; k <= std::clamp<int>(doc.LayerCount, 0, kMaxLayers); ++k)
        state.thickness[k] = storedResult(doc.ThickRes[slot][k]);
    state.coverage = storedResult(doc.CoverRes[slot]);
    return state;
}

std::string LayoutCaption(const Document& doc, int experiment)
{
    if (doc.modelType() == ModelType::Homogeneous || doc.ARXPS)
        return kModelLayoutCaption;
    return std::string(kModelLayoutCaption) + kCaptionSeparator + FormatNumber(experiment, kExperimentMask);
}

void MakeDraw(DrawSurface& surface, const Document& doc, const LayoutState& state)
{
    const double aspect = surface.aspectRatio();
    const double width = layout::kLogicalWidth;
    const double height = width / (std::isfinite(aspect) && aspect > 0.0 ? aspect : kLayoutAspect);
    surface.setScale(width, height);
    surface.clear(kWhite);
    surface.setFont(kFontFamily, kFontPoints);

    Scene scene(surface, doc, state);
    auto& components = scene.components();
    const double margin = kMarginShare * std::min(width, height);
    const double textHeight = surface.textHeight();
    double column = 0.0;
    for (const Component& c : components)
        column = std::max(column, surface.textWidth(c.name + "  " + c.detail));
    column += (state.legend ? kSwatchWidths * textHeight : 0.0) + 2.0 * textHeight;
    column = std::min(column, kMaxColumnShare * width);
    const Rect area{margin, margin, width - margin - column, height - margin};

    switch (doc.modelType()) {
    case ModelType::Sphere: layout::DrawSphere(scene, area); break;
    case ModelType::Cylinder:
    case ModelType::Nanotube: layout::DrawTube(scene, area); break;
    case ModelType::Polyhedron: layout::DrawPolyhedron(scene, area); break;
    case ModelType::Homogeneous:
    case ModelType::OxideLayer:
    case ModelType::Plane:
    default: layout::DrawPlane(scene, area); break;
    }
    drawLabels(scene, components, area.right + 2.0 * textHeight, area.top, area.bottom, state.legend);
}

}  // namespace slv
