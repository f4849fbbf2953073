#include "session/current_charts.h"

#include <algorithm>

#include "quant/correction_chain.h"
#include "report/results_chart.h"
#include "report/transmission_chart.h"
#include "session/layer_calculation.h"
#include "session/model_checks.h"

namespace slv {

namespace {

constexpr int kSingleExperiment = 1;

ChartTable compositionTable(const Document& doc, const ResultsTable& results)
{
    ChartTable table;
    table.legends = results.valueHeaders;
    for (int r = 1; r <= table.columns(); ++r)
        table.excluded.push_back(r <= kMaxElements && (doc.ElOmit[r] || doc.ResOxygenMerged[r]));
    for (const ResultsTable::Row& row : results.rows)
        table.values.push_back(row.values);
    return table;
}

ChartTable oxideThicknessTable(Session& session)
{
    const Document& doc = session.doc();
    ChartTable table;
    table.legends.push_back(doc.LayerName[1].trimmedText());
    table.excluded.push_back(false);
    const bool computed = ComputeOxideThickness(session);
    for (int e = 1; e <= std::clamp<int>(doc.ExpCount, 0, kMaxExperiments); ++e)
        table.values.push_back({computed ? session.results().ResultValue[e][1] : kEmptyValue});
    return table;
}

}  // namespace

ChartPlan CurrentResultsChart(Session& session, const ResultsTable& composition)
{
    const Document& doc = session.doc();
    const char decSep = session.environment().DecSep;
    const int axisLabel = std::clamp<int>(doc.AxisIndex, 1, kLabelsPerExperiment) - 1;
    const ChartTitles composed{LabelColumnHeader(doc, axisLabel, true), ResultTypeName(composition.resultType)};
    const ChartTitles thickness{composed.bottom, ThicknessTitle(doc)};
    // A structure model charts one column per layer; its preliminary
    // composition has one per element row.
    const int resultColumns = doc.modelMode() ? doc.ElemCount : static_cast<int>(composition.valueHeaders.size());
    switch (ChooseResultsChart(doc, resultColumns)) {
    case ResultsChartKind::None: break;
    case ResultsChartKind::CompositionPie:
        return PieChartOfExperiment(compositionTable(doc, composition), kSingleExperiment, composed.left);
    case ResultsChartKind::CompositionLines:
        return LineChartOverExperiments(doc, compositionTable(doc, composition), composed, decSep);
    case ResultsChartKind::LayerPie:
        return PieChartOfExperiment(LayerThicknessTable(doc), kSingleExperiment, thickness.left);
    case ResultsChartKind::LayerLines:
        return LineChartOverExperiments(doc, LayerThicknessTable(doc), thickness, decSep);
    case ResultsChartKind::OxideLines:
        return LineChartOverExperiments(doc, oxideThicknessTable(session), thickness, decSep);
    }
    return {};
}

ChartPlan TransmissionCurve(Session& session, TransmissionType type, float exponent, std::string& filePath,
                            float excitationEv)
{
    const TransmissionSampling sampling = SampleTransmissionCurve(excitationEv);
    if (sampling.kineticEnergies.empty())
        return {};
    std::string errors;
    Findings findings(session.dialogs());
    const auto factors = TransmissionFactors(type, exponent, filePath, sampling.bindingEnergies, excitationEv,
                                             session.environment(), true, errors, findings);
    session.present(findings);
    return TransmissionChart(sampling, factors);
}

LayoutState CurrentLayoutState(Session& session, int curExp)
{
    LayoutState state = LoadLayoutState(session.doc(), curExp);
    if (LayerCalculation::OpenOn(session)) {
        const Document& doc = session.doc();
        for (int k = 1; k <= std::clamp<int>(doc.LayerCount, 0, kMaxLayers); ++k)
            state.thickness[k] = std::max(doc.LayerThick[k], 0.0);
        state.coverage = std::max(doc.Coverage, 0.0);
    }
    if (session.doc().modelType() == ModelType::OxideLayer && ComputeOxideThickness(session)) {
        const float oxide = session.results().ResultValue[state.experiment][1];
        state.thickness[1] = oxide > 0.0f ? oxide : 0.0;
    }
    return state;
}

}  // namespace slv
