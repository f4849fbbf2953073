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

ChartSpec EmptyIntensityChart(const Document& doc)
{
    ChartSpec spec;
    spec.type = ChartType::Bar;
    spec.leftTitle = kRelativeIntensityTitle;
    const int rows = elementRows(doc);
    for (const char* legend : {kMeasuredLegend, kCalculatedLegend}) {
        ChartSet& set = spec.sets.emplace_back();
        set.legend = legend;
        set.values.assign(static_cast<std::size_t>(rows), 0.0);
    }
    for (int row = 1; row <= rows; ++row)
        spec.pointLabels.push_back(rowLabel(doc, row));
    return spec;
}

ChartSpec IntensityChart(const Document& doc, const QuantResults& res, const CalcHistory& history, int experiment)
{
    ChartSpec spec = EmptyIntensityChart(doc);
    if (experiment < 1 || experiment > kMaxExperiments)
        return spec;
    for (int row = 1; row <= elementRows(doc); ++row) {
        const auto point = static_cast<std::size_t>(row - 1);
        spec.sets[0].values[point] = MeasuredRelativeIntensity(res, experiment, row);
        spec.sets[1].values[point] = history.RelIntensity[0][row];
    }
    return spec;
}

}  // namespace slv
