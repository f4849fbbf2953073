#include "report/results_chart.h"

#include <algorithm>

#include "platform/number_text.h"

namespace slv {

namespace {

/// The labels of AxisIndex 1..8: sequence number, name, time, tilt,
/// temperature, treatment, user text, user numeric.
constexpr int kSequenceAxis = 1;
constexpr int kTimeAxis = 3;
constexpr int kLastAxis = kLabelsPerExperiment;

bool numericAxis(int axis)
{
    return axis == 3 || axis == 4 || axis == 5 || axis == 8;
}

/// Symbols 3, 5, 7, 9, 3, ... for sets 1, 2, 3, ...
int symbolOfSet(int set)
{
    return 2 * ((set - 1) % 4 + 1) + 1;
}

bool columnShown(const ChartTable& table, int column)
{
    return column >= static_cast<int>(table.excluded.size()) || !table.excluded[column];
}

float valueAt(const ChartTable& table, int experiment, int column)
{
    if (experiment < 1 || experiment > static_cast<int>(table.values.size()))
        return kEmptyValue;
    const auto& row = table.values[experiment - 1];
    return column < static_cast<int>(row.size()) ? row[column] : kEmptyValue;
}

/// Places the points along the x axis by the chosen label.
void setXAxis(const Document& doc, const std::vector<int>& experiments, int pointCount, char decSep, ChartPlan& plan)
{
    const int axis = doc.AxisIndex >= 1 && doc.AxisIndex <= kLastAxis ? doc.AxisIndex : kSequenceAxis;
    if (!numericAxis(axis)) {
        for (const int e : experiments)
            plan.pointLabels.push_back(axis == kSequenceAxis ? std::to_string(e)
                                                             : doc.LabelText[e][axis].trimmedText());
        plan.pointLabels.resize(static_cast<std::size_t>(pointCount));
        return;
    }
    const bool depth = axis == kTimeAxis && doc.DepthScale == 1;
    for (const int e : experiments) {
        const double label = ParseSingle(doc.LabelText[e][axis].padded(), decSep);
        plan.xPositions.push_back(depth ? label * doc.sputterRate() : label);
    }
    // A point without an experiment stands where the last one does.
    plan.xPositions.resize(static_cast<std::size_t>(pointCount),
                           plan.xPositions.empty() ? 0.0 : plan.xPositions.back());
    plan.xPositions.back() -= kLastPointShift;
}

}  // namespace

ResultsChartKind ChooseResultsChart(const Document& doc, int resultColumns)
{
    if (resultColumns <= 1 || doc.ExpCount < 1)
        return ResultsChartKind::None;
    const ModelType model = doc.modelType();
    // In an angle-resolved set every experiment shares the one fitted
    // structure, stored with experiment 1: it is charted as a single experiment.
    const bool singleStructure = doc.ExpCount < 2 || (doc.ARXPS && model != ModelType::Homogeneous);
    if (singleStructure) {
        if (model == ModelType::Homogeneous)
            return ResultsChartKind::CompositionPie;
        if (model != ModelType::OxideLayer && doc.LayerCount >= 2)
            return ResultsChartKind::LayerPie;
        return ResultsChartKind::None;
    }
    if (model == ModelType::Homogeneous)
        return ResultsChartKind::CompositionLines;
    if (model == ModelType::OxideLayer)
        return ResultsChartKind::OxideLines;
    return doc.LayerCount >= 1 ? ResultsChartKind::LayerLines : ResultsChartKind::None;
}

ChartTable LayerThicknessTable(const Document& doc)
{
    ChartTable table;
    const int layers = std::clamp<int>(doc.LayerCount, 0, kMaxLayers);
    for (int k = 1; k <= layers; ++k) {
        table.legends.push_back(doc.LayerName[k].trimmedText());
        table.excluded.push_back(false);
    }
    const int experiments = std::clamp<int>(doc.ExpCount, 0, kMaxExperiments);
    for (int e = 1; e <= experiments; ++e) {
        std::vector<float>& row = table.values.emplace_back();
        for (int k = 1; k <= layers; ++k)
            row.push_back(doc.ThickRes[e][k]);
    }
    return table;
}

std::string ThicknessTitle(const Document& doc)
{
    return doc.lengthUnit() == LengthUnit::Angstrom ? "Thickness (A)" : "Thickness (nm)";
}

ChartPlan LineChartOverExperiments(const Document& doc, const ChartTable& table, ChartTitles titles, char decSep)
{
    ChartPlan plan;
    if (table.columns() < 1)
        return plan;
    plan.type = ChartType::Line;
    std::vector<int> experiments;
    const int experimentCount = std::clamp<int>(doc.ExpCount, 0, kMaxExperiments);
    for (int e = 1; e <= experimentCount; ++e)
        if (!doc.ExpOmit[e])
            experiments.push_back(e);
    // The chart keeps two points even when one experiment is left; the point
    // without an experiment has no value and is not drawn.
    const int pointCount = std::max<int>(static_cast<int>(experiments.size()), 2);
    for (int c = 0; c < table.columns(); ++c) {
        if (!columnShown(table, c))
            continue;
        ChartSet& set = plan.sets.emplace_back();
        set.legend = table.legends[c];
        set.symbol = symbolOfSet(static_cast<int>(plan.sets.size()));
        for (const int e : experiments) {
            const float value = valueAt(table, e, c);
            set.values.emplace_back(value > 0.0f ? double{value} : kLineChartFloor);
        }
        set.values.resize(static_cast<std::size_t>(pointCount));
    }
    setXAxis(doc, experiments, pointCount, decSep, plan);
    plan.bottomTitle = std::move(titles.bottom);
    plan.leftTitle = std::move(titles.left);
    return plan;
}

ChartPlan PieChartOfExperiment(const ChartTable& table, int experiment, std::string leftTitle)
{
    ChartPlan plan;
    plan.type = ChartType::Pie;
    ChartSet& set = plan.sets.emplace_back();
    for (int c = 0; c < table.columns(); ++c) {
        const float value = valueAt(table, experiment, c);
        set.values.emplace_back(columnShown(table, c) && value > 0.0f ? double{value} : 0.0);
        plan.pointLabels.push_back(table.legends[c]);
    }
    plan.leftTitle = std::move(leftTitle);
    return plan;
}

}  // namespace slv
