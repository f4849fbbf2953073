// The "Model Layout" drawing: a schematic cross-section of the sample model
// for one experiment. The bulk (substrate, core or tube) is drawn grey and
// hatched, layers 1..5 in their own colours with the thicknesses fitted for
// the experiment, islands over the covered fraction of the surface, and the
// contamination overlayer outermost when the contamination method models
// one. A column beside the drawing names every component with its
// thickness, linked to it by a leader line or, with the legend on, by a
// swatch in its fill.
//
// Compositions by model type: Homogeneous, Oxide-Layer and Layers-on-Plane
// as bands over the bulk box; Layers-on-Sphere as rings around the core
// disk; Layers-on-Cylinder and Layers-on-Nanotube as a longitudinal section
// with the open end in view, drawn with lines only; Layers-on-Polyhedron as
// facets (quadrilaterals) joined by triangles around a polygonal core.
#pragma once

#include <array>
#include <string>

#include "document/document.h"
#include "report/draw_surface.h"

namespace slv {

inline constexpr const char* kModelLayoutCaption = "Model Layout";
inline constexpr const char* kBulkName = "Bulk";
inline constexpr const char* kContaminationName = "Contamination";

/// Fill colour 0 of the bulk and 1..5 of the layers.
inline constexpr std::array<Rgb, kMaxLayers + 1> kLayerFills = {
    Rgb{180, 180, 180}, Rgb{255, 150, 150}, Rgb{150, 255, 150},
    Rgb{150, 150, 255}, Rgb{255, 255, 150}, Rgb{150, 255, 255},
};
inline constexpr Rgb kContaminationFill{215, 190, 150};
/// The one fill of every component in monochrome mode.
inline constexpr Rgb kMonochromeFill = kWhite;

/// What the window shows: the experiment and its thicknesses, and the
/// window's two switches.
struct LayoutState {
    int experiment = 1;
    /// LayerThick(1..5); 0 for a layer not fitted yet.
    LayerTable<double> thickness{};
    double coverage = 0.0;
    bool colour = true;
    bool legend = false;
};

/// The state on opening the window for experiment curExp (0 means 1): the
/// stored results of the experiment (experiment 1 for an angle-resolved
/// set), a result not fitted yet (-1) read as 0.
LayoutState LoadLayoutState(const Document& doc, int curExp);

/// "Model Layout - " and the experiment for a structure model whose
/// experiments have their own results, else "Model Layout".
std::string LayoutCaption(const Document& doc, int experiment);

/// Draws the whole layout onto the surface.
void MakeDraw(DrawSurface& surface, const Document& doc, const LayoutState& state);

}  // namespace slv
