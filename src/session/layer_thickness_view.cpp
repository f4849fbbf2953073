#include "session/layer_thickness_view.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/model_check.h"
#include "platform/format_mask.h"
#include "quant/results_table.h"
#include "session/label_columns.h"
#include "session/model_checks.h"

namespace slv {

namespace {
constexpr const char* kResultThicknessMask = "####0.00;\\ ";
constexpr const char* kCoverageMask = "##0.000;\\ ";
constexpr const char* kLayerHeader = "Layer ";
constexpr const char* kIslandHeader = "Island ";
constexpr const char* kCoverageHeader = "Coverage";
constexpr const char* kSpreadSign = " \xB1 ";
/// Wide enough for a fitted value beside its deviation, 12.345 and 0.123.
constexpr int kValueColumnTwips = 1700;
/// Decimals of a value whose deviation is zero, and the most ever shown.
constexpr int kDecimalsWithoutSpread = 3;
constexpr int kMostDecimals = 6;

/// What the window is rebuilt for: the model, its results, and what the
/// label columns and the oxide thickness come from.
constexpr ChangeSet kThicknessInputs{Change::Model,      Change::Intensities,
                                     Change::Labels,     Change::ImfpAndContamination,
                                     Change::Parameters, Change::Elements};

bool oxideModel(const Document& doc)
{
    return doc.modelType() == ModelType::OxideLayer;
}
}  // namespace

std::string ValueWithSpread(double value, double sigma, char decSep)
{
    const int decimals = sigma > 0.0 ? std::clamp(1 - static_cast<int>(std::floor(std::log10(sigma))), 0, kMostDecimals)
                                     : kDecimalsWithoutSpread;
    const std::string mask = decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
    return FormatNumber(value, mask, decSep) + kSpreadSign + FormatNumber(sigma, mask, decSep);
}

LayerThicknessView::LayerThicknessView(Session& session) : m_session(session), m_subscription(session.subscribe(*this))
{
    fill();
}

void LayerThicknessView::fill()
{
    if (oxideModel(m_session.doc())) {
        m_filling = true;
        ComputeOxideThickness(m_session);
        m_filling = false;
    }
    writeGrid();
}

std::string LayerThicknessView::layerCell(int experiment, int column, float value, const char* mask) const
{
    const char decSep = m_session.environment().DecSep;
    if (value >= 0.0f)
        if (const auto sigma = m_session.model().Spreads.SpreadOf(experiment, column, value))
            return ValueWithSpread(value, *sigma, decSep);
    return FormatNumber(value, mask, decSep);
}

void LayerThicknessView::writeGrid()
{
    const Document& doc = m_session.doc();
    const bool oxide = oxideModel(doc);
    const bool islands = doc.IslandMode == 1 && !oxide;
    const int layers = oxide ? 1 : std::clamp<int>(doc.LayerCount, 0, kMaxLayers);
    const int experiments = std::clamp<int>(doc.ExpCount, 0, kMaxExperiments);
    m_labels = ShownLabels(doc);
    const int labelCols = static_cast<int>(m_labels.size());
    const char decSep = m_session.environment().DecSep;

    TextGrid::Update update(m_grid);
    m_grid.SetRows(kThicknessHeaderRows + experiments);
    m_grid.SetCols(1 + labelCols + layers + (islands ? 1 : 0));
    m_grid.SetFixedRows(kThicknessHeaderRows);
    m_grid.SetFixedCols(1);
    for (int col = 0; col < m_grid.Cols(); ++col)
        m_grid.SetTextMatrix(1, col, "");
    SetLabelColumns(m_grid, doc, m_labels, true);
    SetRowNumbers(m_grid);
    m_grid.SetTextMatrix(1, 0, "");
    for (int k = 1; k <= layers; ++k) {
        const int col = labelCols + k;
        const bool island = islands && doc.LayerKind[k] == kKindIsland;
        m_grid.SetTextMatrix(0, col, (island ? kIslandHeader : kLayerHeader) + std::to_string(k));
        m_grid.SetTextMatrix(1, col, doc.LayerName[k].trimmedText());
        m_grid.SetColWidth(col, kValueColumnTwips);
        m_grid.SetFixedAlignment(col, CellAlignment::Center);
        m_grid.SetColAlignment(col, CellAlignment::Right);
    }
    const int coverageCol = labelCols + layers + 1;
    if (islands) {
        m_grid.SetTextMatrix(0, coverageCol, kCoverageHeader);
        m_grid.SetColWidth(coverageCol, kValueColumnTwips);
        m_grid.SetFixedAlignment(coverageCol, CellAlignment::Center);
        m_grid.SetColAlignment(coverageCol, CellAlignment::Right);
    }
    for (int e = 1; e <= experiments; ++e) {
        const int row = 1 + e;
        m_grid.SetTextMatrix(row, 0, std::to_string(e));
        for (int i = 0; i < labelCols; ++i)
            m_grid.SetTextMatrix(row, i + 1, ResultLabelText(doc, e, m_labels[static_cast<std::size_t>(i)], decSep));
        if (oxide) {
            m_grid.SetTextMatrix(row, labelCols + 1,
                                 FormatNumber(m_session.results().ResultValue[e][1], kResultThicknessMask, decSep));
            continue;
        }
        for (int k = 1; k <= layers; ++k)
            m_grid.SetTextMatrix(row, labelCols + k, layerCell(e, k, doc.ThickRes[e][k], kResultThicknessMask));
        if (islands)
            m_grid.SetTextMatrix(row, coverageCol, layerCell(e, kCoverageSpreadColumn, doc.CoverRes[e], kCoverageMask));
    }
}

int LayerThicknessView::experimentOfRow(int row) const
{
    const int experiment = row - 1;
    return experiment >= 1 && experiment <= m_session.doc().ExpCount ? experiment : 0;
}

void LayerThicknessView::clickRow(int row)
{
    int experiment = experimentOfRow(row);
    if (experiment == 0)
        return;
    if (m_session.doc().ARXPS)
        experiment = 1;
    m_filling = true;
    {
        auto edit = m_session.edit(Change::Model);
        Document& doc = edit.doc;
        edit.model.ModelExperiment = experiment;
        const auto stored = [](float result) { return result >= 0.0f ? static_cast<double>(result) : 0.0; };
        for (int k = 1; k <= doc.LayerCount; ++k)
            doc.LayerThick[k] = stored(doc.ThickRes[experiment][k]);
        doc.Coverage = stored(doc.CoverRes[experiment]);
    }
    m_filling = false;
}

int LayerThicknessView::doubleClick(int row, int col)
{
    const int experiment = experimentOfRow(row);
    const bool onNumber = col == 0 || (col == 1 && !m_labels.empty());
    if (experiment == 0 || !onNumber || oxideModel(m_session.doc()))
        return 0;
    clickRow(row);
    // In angle-resolved mode the calculation shows the experiment chosen,
    // though the results it works on are those of slot 1.
    m_filling = true;
    m_session.edit(Change::Model).model.ModelExperiment = experiment;
    m_filling = false;
    return experiment;
}

void LayerThicknessView::sessionChanged(ChangeSet changes)
{
    if (m_filling)
        return;
    for (Change change : kThicknessInputs.changes())
        if (changes.has(change)) {
            fill();
            return;
        }
}

}  // namespace slv
