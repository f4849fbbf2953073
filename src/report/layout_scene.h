// What every composition of the model layout shares: the stack of layer
// rows from the surface down, the thicknesses where islands cover the
// surface and where they do not, the fills of the colour and monochrome
// modes, the drawing primitives, and the list of components that the label
// column names.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "report/draw_surface.h"
#include "report/model_layout.h"

namespace slv::layout {

/// The drawing's logical width; its height follows the surface's shape.
inline constexpr double kLogicalWidth = 1000.0;
inline constexpr double kOutlineWidth = 1.5;
inline constexpr double kHatchSpacing = 9.0;
inline constexpr double kHatchLineWidth = 1.0;

/// The stack row that stands for the contamination overlayer.
inline constexpr int kContaminationRow = -1;
inline constexpr int kBulkRow = 0;

struct Rect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

/// A component as the label column lists it, with the point its leader line
/// ends at (set by the composition that draws it).
struct Component {
    int row = kBulkRow;
    std::string name;
    std::string detail;
    DrawPoint anchor;
    bool anchored = false;
};

/// A stretch of the surface that islands cover, or not.
struct Stretch {
    double from = 0.0;  // fraction of the way along the surface, 0..1
    double to = 0.0;
    bool covered = true;
};

class Scene {
public:
    Scene(DrawSurface& surface, const Document& doc, const LayoutState& state);

    DrawSurface& surface() const { return m_surface; }
    const Document& doc() const { return m_doc; }

    /// Layer rows from the outer surface down, a multilayer stack repeated.
    const std::vector<int>& stack() const { return m_stack; }
    bool contamination() const { return m_contamination; }
    /// Whether the row is an island row of an island model.
    bool island(int row) const;
    /// The row's thickness where the surface is covered by islands, or not
    /// (island rows are absent there).
    double thickness(int row, bool covered = true) const;
    /// The thickness of the stack entries from `entry` (0 = outermost) down.
    double depthBelow(std::size_t entry, bool covered) const;
    double stackThickness(bool covered) const { return depthBelow(0, covered); }
    /// Islands cover part of the surface: the stretches, `count` islands
    /// spread evenly, each centred in its share of the surface.
    bool hasIslands() const { return m_islands; }
    std::vector<Stretch> stretches(int count) const;
    /// The share of the surface the island rows lie on: the coverage, or 1
    /// without islands.
    double coveredShare() const;

    Rgb fillColour(int row) const;
    Fill solid(int row) const { return {FillPattern::Solid, fillColour(row)}; }
    static Fill hatch() { return {FillPattern::DownwardDiagonal, kBlack, kHatchSpacing, kHatchLineWidth}; }
    static Stroke outline() { return {true, kBlack, kOutlineWidth}; }

    /// The bulk as a box: its fill, outlined, then the black hatch.
    void filledBox(const Rect& box) const;
    /// The spherical core: a disk in the bulk's fill, then the hatch.
    void filledDisk(DrawPoint centre, double radius) const;
    /// A polygonal bulk, drawn like the disk.
    void filledCore(std::span<const DrawPoint> corners) const;
    /// A facet of a layer: colour mode fills the region in the layer's
    /// colour without outline, monochrome mode draws it in the monochrome
    /// fill with its outline.
    void filledQuadrilateral(std::span<const DrawPoint> corners, int row) const;
    /// A layer region: its fill and outline; a layer of no thickness only
    /// its outline.
    void region(std::span<const DrawPoint> corners, int row, bool filled) const;
    void ring(DrawPoint centre, double radius, int row, bool filled) const;

    std::vector<Component>& components() { return m_components; }
    /// Marks where the label of the component of a row points to.
    void anchor(int row, DrawPoint at);

    /// "2.48 nm"
    std::string lengthText(double value) const;

    /// Drawing units per length unit for a stack on a flat or faceted
    /// surface given `room`: the stack fills the room more the thicker it
    /// is, so that a thin film looks thin and a thick one does not burst
    /// the drawing; within the stack the proportions are true.
    double stackScale(double room) const;

private:
    DrawSurface& m_surface;
    const Document& m_doc;
    const LayoutState& m_state;
    std::vector<int> m_stack;
    bool m_contamination = false;
    bool m_islands = false;
    std::vector<Component> m_components;
};

/// The compositions; each draws into `area` and anchors the components.
void DrawPlane(Scene& scene, const Rect& area);
void DrawSphere(Scene& scene, const Rect& area);
void DrawTube(Scene& scene, const Rect& area);
void DrawPolyhedron(Scene& scene, const Rect& area);

/// Outward offset of the visual contamination band, logical units.
double ContaminationBand(const Rect& area);

}  // namespace slv::layout
