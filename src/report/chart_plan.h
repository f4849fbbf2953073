// A chart as numbers and texts: what the chart window, the transmission
// curve and the polyhedron editor hand to whatever draws it. The builders in
// this folder fill it from the document; the Qt view draws it on screen and
// renders it to PNG and SVG. Texts are the document's 8-bit ANSI bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace slv {

enum class ChartType {
    None,  // nothing drawn
    Line,  // lines and symbols over the points
    Pie,   // one set, a slice per point
    Bar,   // a group of bars per point, one bar per set
};

struct ChartSet {
    std::string legend;
    /// The symbol of the line chart; 0 for none.
    int symbol = 0;
    /// One value per point; a point without a value is not drawn.
    std::vector<std::optional<double>> values;
};

struct ChartPlan {
    ChartType type = ChartType::None;
    std::vector<ChartSet> sets;
    /// Texts under the points (line and bar charts), or the slice names of a
    /// pie; empty when the points are placed by xPositions.
    std::vector<std::string> pointLabels;
    /// Numeric x of every point; empty: the points stand evenly, labelled.
    std::vector<double> xPositions;
    std::string title;
    std::string bottomTitle;
    std::string leftTitle;
    /// Colour rendering, or monochrome (patterns and line styles instead of colours).
    bool colour = true;

    /// The number of points per set (all sets have the same count).
    int pointCount() const { return sets.empty() ? 0 : static_cast<int>(sets.front().values.size()); }
};

}  // namespace slv
