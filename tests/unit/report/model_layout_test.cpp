// The model layout drawing, recorded: every model type fills the bulk with
// its grey and the hatch, each layer in its own colour, names every
// component; monochrome, the legend, islands, zero thicknesses, the
// caption of an angle-resolved set, and documents no layer calculation
// could have produced.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "report/facet_sketch.h"
#include "report/layout_scene.h"
#include "report/model_layout.h"
#include "support/recording_surface.h"

namespace slv {
namespace {

using test::DrawCall;
using test::RecordingSurface;
using Kind = DrawCall::Kind;

struct LayerGiven {
    const char* name;
    double thickness;
    bool island = false;
};

Document layoutDocument(ModelType type, std::initializer_list<LayerGiven> layers)
{
    Document doc;
    doc.setModelType(type);
    doc.ExpCount = 3;
    doc.LayerName[0] = "Si";
    doc.SampleRadius = 6.0f;
    doc.InnerRadius = 2.0f;
    int k = 0;
    for (const LayerGiven& layer : layers) {
        ++k;
        doc.LayerName[k] = layer.name;
        doc.LayerKind[k] = layer.island ? 2 : 1;
        doc.ThickRes[1][k] = static_cast<float>(layer.thickness);
        if (layer.island) {
            doc.setIslands(true);
            doc.IslandMode = 1;
        }
    }
    doc.LayerCount = static_cast<Integer>(k);
    doc.CoverRes[1] = 0.5f;
    return doc;
}

RecordingSurface draw(const Document& doc, bool colour = true, bool legend = false)
{
    LayoutState state = LoadLayoutState(doc, 1);
    state.colour = colour;
    state.legend = legend;
    RecordingSurface surface;
    MakeDraw(surface, doc, state);
    return surface;
}

bool hasSolid(const RecordingSurface& s, Rgb colour)
{
    for (const DrawCall& c : s.calls)
        if (c.solid(colour) || (c.kind == Kind::Line && c.stroke.colour == colour && c.stroke.visible))
            return true;
    return false;
}

bool contains(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

/// A shape filled with the bulk's grey followed by the hatch on the same shape.
bool bulkHatched(const RecordingSurface& s)
{
    for (std::size_t i = 0; i + 1 < s.calls.size(); ++i) {
        const DrawCall& fill = s.calls[i];
        const DrawCall& hatch = s.calls[i + 1];
        if (fill.solid(kLayerFills[0]) && hatch.hatched() && hatch.kind == fill.kind && hatch.points == fill.points &&
            hatch.radius == fill.radius && hatch.fill.colour == kBlack)
            return true;
    }
    return false;
}

struct TypeCase {
    ModelType type;
    const char* name;
    bool linesOnly;
};

const TypeCase kTypes[] = {
    {ModelType::OxideLayer, "Oxide-Layer", false}, {ModelType::Plane, "Plane", false},
    {ModelType::Sphere, "Sphere", false},          {ModelType::Cylinder, "Cylinder", true},
    {ModelType::Polyhedron, "Polyhedron", false},  {ModelType::Nanotube, "Nanotube", true},
};

TEST(ModelLayout, EveryModelTypeFillsTheBulkAndEachLayerInItsOwnColour)
{
    for (const TypeCase& c : kTypes) {
        SCOPED_TRACE(c.name);
        const Document doc = layoutDocument(c.type, {{"HfO2", 2.0}, {"SiO2", 1.0}});
        const RecordingSurface s = draw(doc);
        EXPECT_TRUE(hasSolid(s, kLayerFills[1]));
        EXPECT_TRUE(hasSolid(s, kLayerFills[2]));
        EXPECT_FALSE(hasSolid(s, kLayerFills[3])) << "only two layers";
        const auto texts = s.texts();
        for (const char* name : {"HfO2", "SiO2", "Bulk"})
            EXPECT_TRUE(contains(texts, name)) << name;
        EXPECT_TRUE(contains(texts, "2.00 nm"));
        EXPECT_FALSE(contains(texts, kContaminationName));
        if (c.linesOnly) {
            EXPECT_TRUE(s.of(Kind::Polygon).empty());
            EXPECT_TRUE(s.of(Kind::Box).empty());
            for (const DrawCall& circle : s.of(Kind::Circle))
                EXPECT_LT(circle.radius, 5.0) << "only the dots of the leader lines";
            EXPECT_TRUE(hasSolid(s, kLayerFills[0]));
            const auto hatch = std::count_if(s.calls.begin(), s.calls.end(), [](const DrawCall& d) {
                return d.kind == Kind::Line && d.stroke.colour == kBlack && d.stroke.width == layout::kHatchLineWidth;
            });
            EXPECT_GT(hatch, 10) << "the wall is hatched with lines";
        } else {
            EXPECT_TRUE(bulkHatched(s));
        }
    }
}

TEST(ModelLayout, ShapesOfTheCompositions)
{
    // Sphere: the core is a disk; polyhedron: facets and corner triangles
    // in the layer colour, without outline in colour mode.
    const RecordingSurface sphere = draw(layoutDocument(ModelType::Sphere, {{"ZnS", 0.7}}));
    const auto disks = sphere.solidShapes(kLayerFills[0]);
    ASSERT_EQ(disks.size(), 1u);
    EXPECT_EQ(disks[0].kind, Kind::Circle);
    const auto rings = sphere.solidShapes(kLayerFills[1]);
    ASSERT_EQ(rings.size(), 1u);
    EXPECT_EQ(rings[0].kind, Kind::Circle);
    EXPECT_NEAR(disks[0].radius / rings[0].radius, (6.0 - 0.7) / 6.0, 1e-6) << "drawn to the particle's proportions";

    const RecordingSurface poly = draw(layoutDocument(ModelType::Polyhedron, {{"Pt", 1.0}}));
    int quads = 0, triangles = 0;
    for (const DrawCall& c : poly.solidShapes(kLayerFills[1])) {
        EXPECT_FALSE(c.stroke.visible);
        quads += c.points.size() == 4;
        triangles += c.points.size() == 3;
    }
    EXPECT_EQ(quads, 8);
    EXPECT_EQ(triangles, 8);
}

TEST(ModelLayout, HomogeneousSampleIsTheBulkAlone)
{
    Document doc = layoutDocument(ModelType::Homogeneous, {{"Ignored", 3.0}});
    const RecordingSurface s = draw(doc);
    EXPECT_TRUE(bulkHatched(s));
    EXPECT_FALSE(hasSolid(s, kLayerFills[1]));
    EXPECT_EQ(s.texts(), std::vector<std::string>{"Bulk"});
}

TEST(ModelLayout, ContaminationOverlayerIsOutermostAndMonochromeKeepsTheHatch)
{
    for (const TypeCase& c : kTypes) {
        SCOPED_TRACE(c.name);
        Document doc = layoutDocument(c.type, {{"TiO2", 1.2}});
        doc.setContaminationMethod(ContaminationMethod::Varn);
        const RecordingSurface s = draw(doc);
        EXPECT_TRUE(hasSolid(s, kContaminationFill));
        const auto texts = s.texts();
        EXPECT_EQ(texts.front(), kContaminationName) << "listed first, from the surface down";
        EXPECT_EQ(texts.back(), kBulkName);
        // Drawn before (under) the layer it lies on, as the outermost region.
        const auto first = [&](Rgb colour) {
            return std::find_if(s.calls.begin(), s.calls.end(), [&](const DrawCall& d) {
                return d.solid(colour) || (d.kind == Kind::Line && d.stroke.colour == colour);
            });
        };
        EXPECT_LT(first(kContaminationFill), first(kLayerFills[1]));

        // In monochrome nothing is filled in colour, and the bulk keeps its hatch.
        const RecordingSurface mono = draw(doc, false);
        for (Rgb colour : {kLayerFills[0], kLayerFills[1], kContaminationFill})
            EXPECT_FALSE(hasSolid(mono, colour));
        if (!c.linesOnly) {
            EXPECT_TRUE(
                std::any_of(mono.calls.begin(), mono.calls.end(), [](const DrawCall& d) { return d.hatched(); }));
        }
    }
    Document other = layoutDocument(ModelType::Plane, {{"TiO2", 1.2}});
    other.setContaminationMethod(ContaminationMethod::Evans);
    EXPECT_FALSE(hasSolid(draw(other), kContaminationFill)) << "only the method with an overlayer draws one";
}

TEST(ModelLayout, LegendAddsASwatchInEachComponentsFill)
{
    Document doc = layoutDocument(ModelType::Plane, {{"HfO2", 2.5}, {"SiO2", 0.8}});
    doc.setContaminationMethod(ContaminationMethod::Varn);
    const RecordingSurface plain = draw(doc, true, false);
    const RecordingSurface legend = draw(doc, true, true);
    const auto boxes = [](const RecordingSurface& s, Rgb colour) {
        const auto shapes = s.solidShapes(colour);
        return std::count_if(shapes.begin(), shapes.end(), [](const DrawCall& c) { return c.kind == Kind::Box; });
    };
    for (Rgb colour : {kLayerFills[0], kLayerFills[1], kLayerFills[2], kContaminationFill})
        EXPECT_EQ(boxes(legend, colour), boxes(plain, colour) + 1);
    // The bulk's swatch is a box of the bulk primitive: filled, then hatched.
    const auto hatchedBoxes = [](const RecordingSurface& s) {
        return std::count_if(s.calls.begin(), s.calls.end(),
                             [](const DrawCall& c) { return c.kind == Kind::Box && c.hatched(); });
    };
    EXPECT_EQ(hatchedBoxes(legend), hatchedBoxes(plain) + 1);
    EXPECT_EQ(legend.texts(), plain.texts());
}

TEST(ModelLayout, LayersWithoutThicknessDrawOutlinesOnly)
{
    for (const TypeCase& c : kTypes) {
        SCOPED_TRACE(c.name);
        const Document doc = layoutDocument(c.type, {{"A", 0.0}, {"B", -1.0}});  // -1: not fitted yet
        const RecordingSurface s = draw(doc);
        for (Rgb colour : {kLayerFills[1], kLayerFills[2]})
            EXPECT_FALSE(hasSolid(s, colour));
        EXPECT_TRUE(contains(s.texts(), "0.00 nm"));
        Document bare = doc;
        bare.LayerCount = 0;
        const auto strokes = [](const RecordingSurface& r) {
            return std::count_if(r.calls.begin(), r.calls.end(), [](const DrawCall& d) {
                return d.stroke.visible && d.stroke.colour == kBlack && d.fill.style != FillPattern::Solid;
            });
        };
        EXPECT_GT(strokes(s), strokes(draw(bare))) << "each layer keeps its outline";
    }
}

TEST(ModelLayout, IslandsCoverTheirShareOfThePlane)
{
    // The islands' area over that of a layer as wide as the bulk and as high as the islands.
    const auto coveredShare = [](double coverage) {
        Document doc = layoutDocument(ModelType::Plane, {{"Cu", 1.8, true}});
        doc.CoverRes[1] = static_cast<float>(coverage);
        const RecordingSurface s = draw(doc);
        const auto bulk = s.solidShapes(kLayerFills[0]);
        const double width = bulk.at(0).points[1].x - bulk.at(0).points[0].x;
        double area = 0.0, top = 1e9, bottom = -1e9;
        for (const DrawCall& c : s.solidShapes(kLayerFills[1])) {
            area += c.area();
            for (const DrawPoint& p : c.points) {
                top = std::min(top, p.y);
                bottom = std::max(bottom, p.y);
            }
        }
        return area > 0.0 ? area / (width * (bottom - top)) : 0.0;
    };
    for (const double coverage : {0.0, 0.25, 0.5, 0.9, 1.0})
        EXPECT_NEAR(coveredShare(coverage), coverage, 1e-6) << coverage;

    Document doc = layoutDocument(ModelType::Plane, {{"Cu", 1.8, true}});
    doc.CoverRes[1] = 0.35f;
    EXPECT_TRUE(contains(draw(doc).texts(), "1.80 nm, coverage 0.35"));
}

TEST(ModelLayout, MultilayerRepeatsTheStack)
{
    Document doc = layoutDocument(ModelType::Plane, {{"Mo", 2.0}, {"Si", 3.0}});
    doc.MultiLayers = 3;
    const RecordingSurface s = draw(doc);
    EXPECT_EQ(s.solidShapes(kLayerFills[1]).size(), 3u);
    EXPECT_EQ(s.solidShapes(kLayerFills[2]).size(), 3u);
    const auto texts = s.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Mo"), 1) << "each layer is named once";
}

TEST(ModelLayout, CaptionNamesTheExperimentUnlessEveryExperimentSharesTheStructure)
{
    // The caption of one experiment's structure is checked with the window.
    Document doc;
    doc.setModelType(ModelType::Nanotube);
    EXPECT_EQ(LayoutCaption(doc, 12), "Model Layout - 12");
    doc.setModelType(ModelType::Plane);
    doc.ARXPS = true;
    EXPECT_EQ(LayoutCaption(doc, 1), "Model Layout");
}

TEST(ModelLayout, StateOnOpeningTakesTheStoredResults)
{
    Document doc = layoutDocument(ModelType::Plane, {{"A", 1.5}, {"B", -1.0}});
    doc.ThickRes[2][1] = 4.0f;
    doc.CoverRes[2] = -1.0f;
    struct Case {
        int curExp;
        bool arxps;
        int experiment;
        double first;
        double coverage;
    };
    const Case cases[] = {{0, false, 1, 1.5, 0.5}, {2, false, 2, 4.0, 0.0}, {2, true, 2, 1.5, 0.5}};
    for (const Case& c : cases) {
        doc.ARXPS = c.arxps;
        const LayoutState state = LoadLayoutState(doc, c.curExp);
        EXPECT_EQ(state.experiment, c.experiment);
        EXPECT_DOUBLE_EQ(state.thickness[1], c.first);
        EXPECT_DOUBLE_EQ(state.thickness[2], 0.0) << "a layer not fitted yet has no height";
        EXPECT_DOUBLE_EQ(state.coverage, c.coverage);
    }
}

TEST(ModelLayout, DocumentsNoCalculationProducesStillDrawFinitely)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        ModelType type;
        double thickness;
        float radius;
        Integer layers;
        Integer multilayers;
    };
    const Case cases[] = {
        {"NaN thickness", ModelType::Plane, nan, 6.0f, 1, 1},
        {"huge thickness", ModelType::Sphere, 1e30, 6.0f, 1, 1},
        {"no radius", ModelType::Sphere, 1.0, 0.0f, 1, 1},
        {"negative radius", ModelType::Nanotube, 1.0, -3.0f, 1, 1},
        {"layers thicker than the radius", ModelType::Cylinder, 10.0, 2.0f, 1, 1},
        {"layer count beyond five", ModelType::Polyhedron, 1.0, 6.0f, 9, 1},
        {"negative layer count", ModelType::Plane, 1.0, 6.0f, -4, 1},
        {"unknown model type", static_cast<ModelType>(42), 1.0, 6.0f, 1, 1},
        {"endless multilayer", ModelType::Plane, 1.0, 6.0f, 2, 32767},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = layoutDocument(c.type, {{"A", 1.0}, {"B", 1.0}});
        doc.LayerCount = c.layers;
        doc.MultiLayers = c.multilayers;
        doc.SampleRadius = c.radius;
        LayoutState state = LoadLayoutState(doc, 1);
        state.thickness[1] = c.thickness;
        state.coverage = nan;
        RecordingSurface s;
        MakeDraw(s, doc, state);
        EXPECT_LT(s.calls.size(), 5000u);
        for (const DrawCall& call : s.calls) {
            for (const DrawPoint& p : call.points)
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            ASSERT_TRUE(std::isfinite(call.radius));
        }
    }
}

TEST(FacetSketch, FacetTurnsByTheTilt)
{
    for (const int tilt : {0, 10, 30, 80}) {
        RecordingSurface s;
        DrawFacetSketch(s, tilt);
        const auto facets = s.solidShapes({255, 150, 150});
        ASSERT_EQ(facets.size(), 1u);
        const DrawPoint a = facets[0].points[0], b = facets[0].points[1];
        // The drawing's y axis points down.
        EXPECT_NEAR(std::atan2(a.y - b.y, b.x - a.x) * 180.0 / 3.141592653589793, tilt, 1e-9);
        const auto texts = s.texts();
        EXPECT_TRUE(contains(texts, std::to_string(tilt) + "\xb0")) << tilt;
        EXPECT_TRUE(contains(texts, "Analyser"));
    }
}

}  // namespace
}  // namespace slv
