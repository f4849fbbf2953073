#include "core/current_charts.h"

#include <algorithm>

#include "model/model_check.h"
#include "model/oxide_layer.h"
#include "quant/correction_chain.h"
#include "report/results_chart.h"
#include "report/transmission_chart.h"

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

/// Computes the oxide thickness of every experiment into the first result
/// column, as the model results window does; false when the model table
/// does not pass its check (the findings are shown).
bool computeOxideThickness(Session& session)
{
    int errors = 0;
    std::string message;
    CheckModel(session, errors, message);
    ShowModelErrors(session, errors, message, MessageButtons::Ok);
    if (!ModelUsable(errors))
        return false;
    OxideLayerResults(session);
    return true;
}

ChartTable oxideThicknessTable(Session& session)
{
    const Document& doc = session.doc;
    ChartTable table;
    table.legends.push_back(doc.LayerName[1].trimmedText());
    table.excluded.push_back(false);
    const bool computed = computeOxideThickness(session);
    for (int e = 1; e <= std::clamp<int>(doc.ExpCount, 0, kMaxExperiments); ++e)
        table.values.push_back({computed ? session.res.ResultValue[e][1] : kEmptyValue});
    return table;
}

}  // namespace

ChartSpec CurrentResultsChart(Session& session, const ResultsTable& composition)
{
    const Document& doc = session.doc;
    const int axisLabel = std::clamp<int>(doc.AxisIndex, 1, kLabelsPerExperiment) - 1;
    const ChartTitles composed{LabelColumnHeader(doc, axisLabel, true), ResultTypeName(composition.resultType)};
    const ChartTitles thickness{composed.bottom, ThicknessTitle(doc)};
    switch (ChooseResultsChart(doc, session.res.ResElemCount)) {
    case ResultsChartKind::None: break;
    case ResultsChartKind::CompositionPie:
        return PieChartOfExperiment(compositionTable(doc, composition), kSingleExperiment, composed.left);
    case ResultsChartKind::CompositionLines:
        return LineChartOverExperiments(doc, compositionTable(doc, composition), composed, session.DecSep);
    case ResultsChartKind::LayerPie:
        return PieChartOfExperiment(LayerThicknessTable(doc), kSingleExperiment, thickness.left);
    case ResultsChartKind::LayerLines:
        return LineChartOverExperiments(doc, LayerThicknessTable(doc), thickness, session.DecSep);
    case ResultsChartKind::OxideLines:
        return LineChartOverExperiments(doc, oxideThicknessTable(session), thickness, session.DecSep);
    }
    return {};
}

ChartSpec TransmissionCurve(Session& session, TransmissionType type, float exponent, std::string& filePath,
                            float excitationEv)
{
    const TransmissionSampling sampling = SampleTransmissionCurve(excitationEv);
    if (sampling.kineticEnergies.empty())
        return {};
    std::string errors;
    const auto factors = TransmissionFactors(session, type, exponent, filePath, sampling.bindingEnergies,
                                             excitationEv, true, errors);
    return TransmissionChart(sampling, factors);
}

LayoutState CurrentLayoutState(Session& session, int curExp)
{
    LayoutState state = LoadLayoutState(session.doc, curExp);
    if (session.doc.modelType() == ModelType::OxideLayer && computeOxideThickness(session)) {
        const float oxide = session.res.ResultValue[state.experiment][1];
        state.thickness[1] = oxide > 0.0f ? oxide : 0.0;
    }
    return state;
}

}  // namespace slv
