// The chart of the current results: with two or more experiments a line
// chart of every element's (or layer's) value over the experiments, placed
// along the x axis by the label the analyst chose (AxisIndex); with a single
// experiment a pie of that experiment's values.
#pragma once

#include <string>
#include <vector>

#include "document/document.h"
#include "report/chart_plan.h"

namespace slv {

/// Value drawn in the line chart for a result that is not positive, so that
/// a logarithmic reading of the chart never meets zero.
inline constexpr double kLineChartFloor = 0.01;
/// The last point of a numeric x axis is moved left by this much.
inline constexpr double kLastPointShift = 0.0001;

/// What the chart plots: a column per result row or layer, a row per
/// experiment 1..ExpCount.
struct ChartTable {
    std::vector<std::string> legends;  // per column
    std::vector<bool> excluded;        // per column: left out of the chart
    /// values[e - 1][c] for experiment e and column c; negative: no value.
    std::vector<std::vector<float>> values;

    int columns() const { return static_cast<int>(legends.size()); }
};

/// Which table the chart shows and how.
enum class ResultsChartKind {
    None,
    CompositionPie,
    CompositionLines,
    LayerPie,    // layer thicknesses of the single experiment
    LayerLines,  // layer thicknesses over the experiments
    OxideLines,  // the oxide thickness over the experiments
};

/// The choice of the chart window for the document, given the number of
/// result columns of the last results (ResElemCount).
ResultsChartKind ChooseResultsChart(const Document& doc, int resultColumns);

/// The stored thicknesses (ThickRes) of layers 1..LayerCount per experiment,
/// the layer names as legends.
ChartTable LayerThicknessTable(const Document& doc);

/// "Thickness (nm)" or "Thickness (A)" by the length unit.
std::string ThicknessTitle(const Document& doc);

struct ChartTitles {
    std::string bottom;
    std::string left;
};

/// The line chart over the experiments that are not excluded (ExpOmit), one
/// set per column that is not excluded, at least two points per set; the x
/// axis by AxisIndex (numbers of the labels read with decSep).
ChartPlan LineChartOverExperiments(const Document& doc, const ChartTable& table, ChartTitles titles, char decSep);

/// The pie of one experiment: a slice per column, 0 for an excluded column
/// or a value that is not positive.
ChartPlan PieChartOfExperiment(const ChartTable& table, int experiment, std::string leftTitle);

}  // namespace slv
