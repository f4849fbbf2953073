#include "report/intensity_chart.h"

#include <algorithm>

#include "model/relative_intensities.h"

namespace slv {

namespace {

std::string rowLabel(const Document& doc, int row)
{
    std::string label = doc.ElSymbol[row].trimmedText();
    for (const std::string& part : {doc.ElLine[row].trimmedText(), doc.ElState[row].trimmedText()})
        if (!part.empty())
            label += " " + part;
    return label;
}

int elementRows(const Document& doc)
{
    return std::clamp<int>(doc.ElemCount, 0, kMaxElements);
}

}  // namespace

ChartPlan EmptyIntensityChart(const Document& doc)
{
    ChartPlan plan;
    plan.type = ChartType::Bar;
    plan.leftTitle = kRelativeIntensityTitle;
    const int rows = elementRows(doc);
    for (const char* legend : {kMeasuredLegend, kCalculatedLegend}) {
        ChartSet& set = plan.sets.emplace_back();
        set.legend = legend;
        set.values.assign(static_cast<std::size_t>(rows), 0.0);
    }
    for (int row = 1; row <= rows; ++row)
        plan.pointLabels.push_back(rowLabel(doc, row));
    return plan;
}

ChartPlan IntensityChart(const Document& doc, const QuantResults& res, const CalcHistory& history, int experiment)
{
    ChartPlan plan = EmptyIntensityChart(doc);
    if (experiment < 1 || experiment > kMaxExperiments)
        return plan;
    for (int row = 1; row <= elementRows(doc); ++row) {
        const auto point = static_cast<std::size_t>(row - 1);
        plan.sets[0].values[point] = MeasuredRelativeIntensity(res, experiment, row);
        plan.sets[1].values[point] = history.RelIntensity[0][row];
    }
    return plan;
}

}  // namespace slv
