#include "session/layer_calculation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "document/element_table.h"
#include "model/fit_driver.h"
#include "model/fit_estimate.h"
#include "model/model_calculation.h"
#include "model/model_check.h"
#include "model/model_errors.h"
#include "model/model_regions.h"
#include "model/model_warnings.h"
#include "model/relative_intensities.h"
#include "model/thickness_checks.h"
#include "platform/format_mask.h"
#include "platform/number_text.h"
#include "quant/results_table.h"
#include "session/model_checks.h"

namespace slv {

namespace {
constexpr const char* kElementsHeader = "Elements";
constexpr const char* kMeasuredHeader = "Measured";
constexpr const char* kDiffHeader = "Diff.%";
constexpr const char* kCalculatedHeader = "Calculated relative intensity";
constexpr const char* kQSumCaption = "Q sum";
constexpr const char* kLayersRowCaption = "Layers";
constexpr const char* kCoverageCaption = "Coverage";
constexpr const char* kEquals = " = ";
constexpr const char* kUnitNm = "[ nm ]";
constexpr const char* kUnitAngstrom = "[ A ]";
constexpr const char* kOmittedHeader = "X";

constexpr const char* kRelativeMask = "###0.000";
constexpr const char* kDiffMask = "##0.00";
constexpr const char* kQSumMask = "#0.0000";
constexpr const char* kThicknessMask = "#0.000";
/// Magnitudes from which a column shows "#" instead of the number.
constexpr double kRelativeLimit = 100000.0;
constexpr double kQSumLimit = 10000.0;
/// Deviations this large (an element without a measured value gives -100)
/// are left blank rather than shown as a percentage.
constexpr double kDiffShownBelow = 99.9999;
constexpr const char* kTooLarge = "#";
/// Widths that show the captions whole: element and layer labels, and the
/// three calculated columns under their one caption.
constexpr int kCalcLabelTwips = 1300;
constexpr int kCalcValueTwips = 1100;

std::string limitedNumber(double value, const char* mask, double limit, char decSep)
{
    return std::abs(value) < limit ? FormatNumber(value, mask, decSep) : kTooLarge;
}

double diffPercent(double calculated, float measured)
{
    return measured > 0.0f ? (calculated - measured) / measured * 100.0 : -100.0;
}

bool hasCoverageRow(const Document& doc)
{
    return doc.IslandMode == 1 && doc.AutoCov;
}

double storedValue(float result)
{
    return result >= 0.0f ? result : 0.0;
}
}  // namespace

LayerCalculation::LayerCalculation(Session& session) : m_session(session)
{
    s_open.push_back(&session);
    auto edit = session.edit(Change::Model);
    const Document& doc = edit.doc;
    edit.model.ModelExperiment = std::clamp(edit.model.ModelExperiment, 1, std::max<int>(doc.ExpCount, 1));
    edit.model.FitExpCount = doc.ARXPS ? doc.ExpCount : 1;
    Findings findings(session.dialogs());
    QuantContext q = edit.quant(findings);
    m_prepared = ModelSetup(q, edit.model, Experiment());
    session.present(findings);
    const bool usable = ModelUsable(ValidateModel(session, MessageButtons::Ok).errors);
    if (!m_prepared || !usable) {
        fillGrid();
        return;
    }
    Recalculate();
}

bool LayerCalculation::AutofitEnabled() const
{
    return m_prepared && m_session.model().SystemDefined;
}

int LayerCalculation::QSumRow() const
{
    return m_session.doc().ElemCount + 1;
}

int LayerCalculation::LayerRow(int layer) const
{
    return QSumRow() + 1 + layer;
}

int LayerCalculation::CoverageRow() const
{
    return hasCoverageRow(m_session.doc()) ? LayerRow(m_session.doc().LayerCount) + 1 : 0;
}

int LayerCalculation::layerOfRow(int row) const
{
    const int layer = row - LayerRow(0);
    return layer >= 1 && layer <= m_session.doc().LayerCount ? layer : 0;
}

int LayerCalculation::resultSlot() const
{
    return m_session.doc().ARXPS ? 1 : Experiment();
}

bool LayerCalculation::EditCell(int row, int col, std::string_view text)
{
    if (col != kCalcColCurrent)
        return false;
    const float value = ParseSingle(text, m_session.environment().DecSep);
    if (const int layer = layerOfRow(row); layer > 0)
        return SetThickness(layer, value);
    if (row == CoverageRow() && row > 0)
        return SetCoverage(value);
    return false;
}

bool LayerCalculation::SetThickness(int layer, double thickness)
{
    if (layer < 1 || layer > m_session.doc().LayerCount)
        return false;
    Findings findings(m_session.dialogs());
    if (!AcceptThickness(thickness, findings)) {
        m_session.present(findings);
        fillGrid();
        return false;
    }
    auto edit = m_session.edit(Change::Model);
    edit.doc.LayerThick[layer] = thickness;
    m_estimated = false;
    return Recalculate();
}

bool LayerCalculation::SetCoverage(double coverage)
{
    Findings findings(m_session.dialogs());
    if (!AcceptCoverage(coverage, findings)) {
        m_session.present(findings);
        fillGrid();
        return false;
    }
    auto edit = m_session.edit(Change::Model);
    edit.doc.Coverage = coverage;
    m_estimated = false;
    return Recalculate();
}

bool LayerCalculation::Recalculate()
{
    auto edit = m_session.edit(Change::Model);
    Findings findings(m_session.dialogs());
    const bool calculated = recalculate(edit, findings);
    m_session.present(findings);
    return calculated;
}

bool LayerCalculation::recalculate(Session::Edit& edit, Findings& findings)
{
    const Document& doc = edit.doc;
    bool calculated =
        m_prepared && (doc.modelType() != ModelType::Nanotube || UpdateTubeRadius(doc, edit.model, findings));
    if (calculated && !ModelCalculation(doc, edit.model, doc.LayerThick, doc.Coverage)) {
        findings.add(TakeModelError(edit.model.trap, ModelErrorOrigin::Calculation));
        calculated = false;
    }
    if (calculated)
        calculated = UpdateRelativeIntensities(doc, edit.model, edit.res, findings);
    fillGrid();
    return calculated;
}

void LayerCalculation::ClickRowHeader(int row)
{
    if (row < 1 || row > m_session.doc().ElemCount)
        return;
    auto edit = m_session.edit({Change::Model, Change::Results});
    Document& doc = edit.doc;
    if (edit.res.ResultValue[Experiment()][row] > 0.0f && edit.res.RefElem != row) {
        edit.res.RefElem = row;
        reexpressHistory(edit, row);
    }
    Integer& flag = doc.ElModelFlag[row];
    flag = flag == kElementOmitted ? 0 : kElementOmitted;
    std::string message;
    int errors = 0;
    AnalyseStructure(doc, edit.model, message, errors);
    if (!message.empty()) {
        m_session.dialogs().show(std::string(kModelErrorsHeading) + "\r\n\r\n" + message, MessageIcon::Exclamation);
        flag = 0;
        // The failed analysis cleared SystemDefined and may have moved the
        // reference mark; the restored system is analysed again so that the
        // Autofit state and the marks describe the model as it now stands.
        std::string restoredMessage;
        int restoredErrors = 0;
        AnalyseStructure(doc, edit.model, restoredMessage, restoredErrors);
    }
    fillGrid();
}

void LayerCalculation::ChangeExperiment(int experiment)
{
    if (experiment < 1 || experiment > m_session.doc().ExpCount || experiment == Experiment())
        return;
    auto edit = m_session.edit(Change::Model);
    storeResults(edit.doc, edit.model);
    m_spreads.clear();
    edit.model.ModelExperiment = experiment;
    Findings findings(m_session.dialogs());
    QuantContext q = edit.quant(findings);
    m_prepared = ModelSetup(q, edit.model, experiment);
    m_session.present(findings);
    loadResults(edit.doc);
    m_estimated = false;
    Recalculate();
}

EstimateRun LayerCalculation::Estimate()
{
    EstimateRun run;
    if (!AutofitEnabled())
        return run;
    auto edit = m_session.edit(Change::Model);
    FitProblem problem = BuildFitProblem(edit.doc, edit.model, edit.res);
    const FitEstimate estimate = EstimateStart(problem);
    run.evaluations = estimate.evaluations;
    if (!estimate.found)
        return run;
    problem.x = estimate.x;
    WriteBackParameters(edit.doc, problem);
    Findings findings(m_session.dialogs());
    run.found = recalculate(edit, findings);
    m_session.present(findings);
    run.qSum = edit.model.History.QSum[0];
    m_estimated = run.found;
    return run;
}

AutofitRun LayerCalculation::Autofit(const FitOptions& options)
{
    AutofitRun run;
    run.findings = Findings(m_session.dialogs());
    if (!AutofitEnabled())
        return run;
    auto edit = m_session.edit(Change::Model);
    const Document& doc = edit.doc;
    float thicknessSum = 0.0f;
    for (int k = 1; k <= doc.LayerCount; ++k)
        thicknessSum += static_cast<float>(doc.LayerThick[k]);
    if (!m_estimated && !(thicknessSum > 0.0f)) {
        run.findings.warning(kEstimateThicknessText);
    } else if (!m_estimated && static_cast<float>(edit.model.History.QSum[0]) >= kAutofitQSumLimit) {
        run.findings.warning(kRefineThicknessText);
    } else {
        run.started = true;
        m_estimated = false;
        const FitProblem problem = BuildFitProblem(edit.doc, edit.model, edit.res);
        run.summary = RunAutofit(edit.doc, edit.model, edit.res, options);
        rememberSpreads(problem, run.summary);
        run.findings.append(run.summary.findings);
        // The minimiser's last evaluation need not be at the thicknesses it
        // returned, which are also rounded to single precision on the way back:
        // the grid and the Q sum are computed anew for what is shown.
        recalculate(edit, run.findings);
        if (!run.summary.fittedValues.empty())
            CheckFittedStack(doc, run.findings);
    }
    m_session.present(run.findings);
    return run;
}

void LayerCalculation::Accept()
{
    auto edit = m_session.edit(Change::Model);
    storeResults(edit.doc, edit.model);
    leave();
}

void LayerCalculation::rememberSpreads(const FitProblem& problem, const FitSummary& summary)
{
    m_spreads.clear();
    if (!summary.succeeded())
        return;
    const Document& doc = m_session.doc();
    const auto spreadOf = [&summary](int parameter) {
        const auto i = static_cast<std::size_t>(parameter - 1);
        return parameter >= 1 && i < summary.uncertainties.size() ? summary.uncertainties[i] : std::nan("");
    };
    // Linked layers share the parameter, and so the spread, of the layer they follow.
    for (int k = 1; k <= doc.LayerCount; ++k)
        if (const double sigma = spreadOf(problem.ParamOfLayer[static_cast<std::size_t>(k)]); std::isfinite(sigma))
            m_spreads.push_back({k, static_cast<float>(doc.LayerThick[k]), sigma});
    if (problem.coverageFitted)
        if (const double sigma = spreadOf(static_cast<int>(problem.x.size())); std::isfinite(sigma))
            m_spreads.push_back({kCoverageSpreadColumn, static_cast<float>(doc.Coverage), sigma});
}

void LayerCalculation::Cancel()
{
    // The "Layer Thickness" window and the model drawing show the stored results again.
    auto edit = m_session.edit(Change::Model);
    leave();
}

LayerCalculation::~LayerCalculation()
{
    leave();
}

bool LayerCalculation::OpenOn(const Session& session)
{
    return std::find(s_open.begin(), s_open.end(), &session) != s_open.end();
}

void LayerCalculation::leave()
{
    if (!m_open)
        return;
    m_open = false;
    s_open.erase(std::find(s_open.begin(), s_open.end(), &m_session));
}

void LayerCalculation::storeResults(Document& doc, ModelState& model)
{
    const int slot = resultSlot();
    // A spread counts only while the stored value is the fitted one (result_spreads.h).
    model.Spreads.Forget(slot);
    for (const FittedSpread& spread : m_spreads)
        model.Spreads.Record(slot, spread.column, spread.value, spread.sigma);
    for (int k = 1; k <= doc.LayerCount; ++k)
        doc.ThickRes[slot][k] = static_cast<float>(doc.LayerThick[k]);
    if (doc.IslandMode == 1)
        doc.CoverRes[slot] = static_cast<float>(doc.Coverage);
    doc.DocDirty = true;
}

void LayerCalculation::loadResults(Document& doc)
{
    const int slot = resultSlot();
    for (int k = 1; k <= doc.LayerCount; ++k)
        doc.LayerThick[k] = storedValue(doc.ThickRes[slot][k]);
    doc.Coverage = storedValue(doc.CoverRes[slot]);
}

void LayerCalculation::reexpressHistory(Session::Edit& edit, int reference)
{
    // Each calculation of the history is seen anew against the new reference
    // element, so that the calculated columns, Diff.% and the Q sum compare
    // like with like; the ratios need no new model calculation.
    CalcHistory& history = edit.model.History;
    const int n = edit.doc.ElemCount;
    for (int e = 1; e <= n; ++e)
        history.MeasuredRel[e] = MeasuredRelativeIntensity(edit.res, Experiment(), e);
    for (int i = 0; i < kHistoryDepth; ++i) {
        const double base = history.RelIntensity[i][reference];
        if (base == 0.0)
            continue;
        double qSum = 0.0;
        for (int e = 1; e <= n; ++e) {
            history.RelIntensity[i][e] /= base;
            const double deviation = history.RelIntensity[i][e] - history.MeasuredRel[e];
            qSum += deviation * deviation;
        }
        history.QSum[i] = qSum;
    }
}

void LayerCalculation::fillGrid()
{
    const Session& s = m_session;
    const Document& doc = s.doc();
    const CalcHistory& history = s.model().History;
    const char decSep = s.environment().DecSep;
    const int n = doc.ElemCount;
    const int lastRow = CoverageRow() > 0 ? CoverageRow() : LayerRow(doc.LayerCount);
    TextGrid::Update update(m_grid);
    m_grid.SetRows(lastRow + 1);
    m_grid.SetCols(kCalcColBefore + 1);
    m_grid.SetColWidth(kCalcColLabel, kCalcLabelTwips);
    for (int col = kCalcColCurrent; col <= kCalcColBefore; ++col)
        m_grid.SetColWidth(col, kCalcValueTwips);
    for (int row = 0; row <= lastRow; ++row)
        for (int col = 0; col <= kCalcColBefore; ++col)
            m_grid.SetTextMatrix(row, col, "");

    m_grid.SetTextMatrix(0, kCalcColLabel, kElementsHeader);
    m_grid.SetTextMatrix(0, kCalcColMeasured, kMeasuredHeader);
    m_grid.SetTextMatrix(0, kCalcColDiff, kDiffHeader);
    m_grid.SetTextMatrix(0, kCalcColCurrent, kCalculatedHeader);

    const bool showLines = FindMultiLineRows(doc).MultiLineFound;
    for (int e = 1; e <= n; ++e) {
        const float measured = MeasuredRelativeIntensity(s.results(), Experiment(), e);
        const double diff = diffPercent(history.RelIntensity[0][e], measured);
        m_grid.SetTextMatrix(e, kCalcColHeader,
                             doc.ElModelFlag[e] == kElementOmitted ? kOmittedHeader : std::to_string(e));
        m_grid.SetTextMatrix(e, kCalcColLabel, ElementColumnHeader(doc, e, showLines));
        m_grid.SetTextMatrix(e, kCalcColMeasured, limitedNumber(measured, kRelativeMask, kRelativeLimit, decSep));
        const bool diffShown = std::abs(diff) < kDiffShownBelow;
        m_grid.SetTextMatrix(e, kCalcColDiff, diffShown ? FormatNumber(diff, kDiffMask, decSep) : "");
        for (int i = 0; i < kHistoryDepth; ++i)
            m_grid.SetTextMatrix(e, kCalcColCurrent + i,
                                 limitedNumber(history.RelIntensity[i][e], kRelativeMask, kRelativeLimit, decSep));
    }
    m_grid.SetTextMatrix(QSumRow(), kCalcColLabel, kQSumCaption);
    for (int i = 0; i < kHistoryDepth; ++i)
        m_grid.SetTextMatrix(QSumRow(), kCalcColCurrent + i,
                             limitedNumber(history.QSum[i], kQSumMask, kQSumLimit, decSep));

    m_grid.SetTextMatrix(LayerRow(0), kCalcColLabel, kLayersRowCaption);
    m_grid.SetTextMatrix(LayerRow(0), kCalcColMeasured, doc.LenUnitA == 1 ? kUnitAngstrom : kUnitNm);
    // The current column holds the working value, which the analyst edits;
    // the two before it are the thicknesses of the previous calculations.
    const auto writeValueRow = [&](int row, const std::string& caption, double current, auto previousOf) {
        m_grid.SetTextMatrix(row, kCalcColLabel, caption);
        m_grid.SetTextMatrix(row, kCalcColDiff, kEquals);
        m_grid.SetTextMatrix(row, kCalcColCurrent, FormatNumber(current, kThicknessMask, decSep));
        for (int i = 1; i < kHistoryDepth; ++i)
            m_grid.SetTextMatrix(row, kCalcColCurrent + i, FormatNumber(previousOf(i), kThicknessMask, decSep));
    };
    for (int k = 1; k <= doc.LayerCount; ++k)
        writeValueRow(LayerRow(k), doc.LayerName[k].trimmedText(), doc.LayerThick[k],
                      [&](int i) { return history.Thick[i][k]; });
    if (CoverageRow() > 0)
        writeValueRow(CoverageRow(), kCoverageCaption, doc.Coverage, [&](int i) { return history.Coverage[i]; });
}

}  // namespace slv
