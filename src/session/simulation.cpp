#include "session/simulation.h"

#include <algorithm>

#include "model/model_calculation.h"
#include "model/model_check.h"
#include "model/model_errors.h"
#include "model/model_name.h"
#include "model/model_regions.h"
#include "model/model_state.h"
#include "model/thickness_checks.h"
#include "platform/number_text.h"
#include "quant/correction_chain.h"

namespace slv {

namespace {
constexpr const char* kLayersHeader = "Layers";
constexpr const char* kLinkHeader = "Link to";
constexpr const char* kThicknessHeaderStart = "Thickness (";
constexpr const char* kThicknessHeaderEnd = ")";
constexpr const char* kSimulationCoverageCaption = "Coverage";
constexpr const char* kFixedLink = "Fixed";
constexpr const char* kLinkedPrefix = "Layer ";
/// The largest simulated intensity is raised by powers of ten to at least
/// this many counts, as a spectrometer would record it.
constexpr double kLeastLargestCounts = 100000.0;
constexpr double kCountsStep = 10.0;
/// Wide enough for "Thickness (nm)".
constexpr int kThicknessColumnTwips = 1800;

std::string linkText(Integer link)
{
    if (link == kLinkFixed)
        return kFixedLink;
    return link > 0 ? kLinkedPrefix + std::to_string(link) : "";
}

/// The peak intensity a line would give for a model intensity: the model
/// intensity times the factors the correction chain divides by. No value
/// where a factor has none.
float PeakIntensity(const CorrectionTables& corr, int experiment, int row, double modelIntensity)
{
    const float transmission = corr.TransFactor[row];
    const float crossSection = corr.CrossEff[row];
    const float angular = corr.AngularFactor[experiment][row];
    if (!HasValue(transmission) || !HasValue(crossSection) || !HasValue(angular))
        return kEmptyValue;
    return CellValue(double{transmission} * modelIntensity * crossSection * angular);
}
}  // namespace

std::string ExperimentState(const Document& doc, int experiment)
{
    for (int e = 1; e <= doc.ElemCount; ++e)
        if (doc.Intensity[experiment][e] > 0.0f)
            return kStateFilled;
    return kStateEmpty;
}

double ScaleToCounts(RowTable<float>& intensities, int rowCount)
{
    float largest = 0.0f;
    for (int e = 1; e <= rowCount; ++e)
        largest = std::max(largest, intensities[e]);
    double factor = 1.0;
    if (!(largest > 0.0f))
        return factor;
    while (largest * factor < kLeastLargestCounts)
        factor *= kCountsStep;
    // Empty cells (-1) stay empty.
    for (int e = 1; e <= rowCount; ++e)
        if (intensities[e] >= 0.0f)
            intensities[e] = static_cast<float>(intensities[e] * factor);
    return factor;
}

Simulation::Simulation(Session& session) : m_session(session)
{
    auto edit = session.edit({});
    edit.model.FitExpCount = 1;
    edit.model.SimulActive = true;
    fillGrid();
    showExperiment();
}

Simulation::~Simulation()
{
    Close();
}

void Simulation::Close()
{
    if (!m_open)
        return;
    m_open = false;
    auto edit = m_session.edit({});
    edit.model.SimulActive = false;
    edit.doc.RecalcNeeded = true;
}

int Simulation::CoverageRow() const
{
    return m_session.doc().IslandMode == 1 ? m_session.doc().LayerCount + 1 : 0;
}

int Simulation::LastExperiment() const
{
    return std::min<int>(m_session.doc().ExpCount + 1, kMaxExperiments);
}

std::string Simulation::ModelText() const
{
    return ModelName(m_session.doc());
}

void Simulation::ChangeExperiment(int experiment)
{
    if (experiment < 1 || experiment > LastExperiment())
        return;
    m_experiment = experiment;
    showExperiment();
}

void Simulation::showExperiment()
{
    const Document& doc = m_session.doc();
    m_name = doc.LabelText[m_experiment][kNameLabelColumn].trimmedText();
    m_state = ExperimentState(doc, m_experiment);
}

void Simulation::fillGrid()
{
    const Document& doc = m_session.doc();
    const int lastRow = CoverageRow() > 0 ? CoverageRow() : doc.LayerCount;
    TextGrid::Update update(m_grid);
    m_grid.SetRows(lastRow + 1);
    m_grid.SetCols(kSimColThickness + 1);
    m_grid.SetColWidth(kSimColThickness, kThicknessColumnTwips);
    m_grid.SetTextMatrix(0, kSimColLayer, kLayersHeader);
    m_grid.SetTextMatrix(0, kSimColLink, kLinkHeader);
    m_grid.SetTextMatrix(0, kSimColThickness,
                         kThicknessHeaderStart + doc.UnitText[3].trimmedText() + kThicknessHeaderEnd);
    for (int k = 1; k <= doc.LayerCount; ++k) {
        m_grid.SetTextMatrix(k, kSimColLayer, doc.LayerName[k].trimmedText());
        m_grid.SetTextMatrix(k, kSimColLink, linkText(doc.LayerLink[k]));
    }
    if (CoverageRow() > 0)
        m_grid.SetTextMatrix(CoverageRow(), kSimColLayer, kSimulationCoverageCaption);
}

bool Simulation::readStructure(LayerTable<double>& thick, double& coverage, Findings& findings)
{
    const char decSep = m_session.environment().DecSep;
    thick = {};
    for (int k = 1; k <= m_session.doc().LayerCount; ++k) {
        thick[k] = ParseSingle(m_grid.TextMatrix(k, kSimColThickness), decSep);
        if (!AcceptThickness(thick[k], findings))
            return false;
    }
    coverage = 0.0;
    if (CoverageRow() == 0)
        return true;
    coverage = ParseSingle(m_grid.TextMatrix(CoverageRow(), kSimColThickness), decSep);
    return AcceptCoverage(coverage, findings);
}

bool Simulation::simulateExperiment(Session::Edit& edit, const LayerTable<double>& thick, double coverage,
                                    Findings& findings)
{
    Document& doc = edit.doc;
    ModelState& model = edit.model;
    const int x = m_experiment;
    const Integer countBefore = doc.ExpCount;
    const LayerTable<double> thickBefore = doc.LayerThick;
    const double coverageBefore = doc.Coverage;
    // The correction chain computes its factors for the experiments counted,
    // so an appended experiment is counted before the set-up runs.
    doc.ExpCount = std::max<Integer>(doc.ExpCount, static_cast<Integer>(x));
    doc.LayerThick = thick;
    doc.Coverage = coverage;
    // In angle-resolved mode the set-up gives every experiment its own
    // emission angle; calculating up to the selected one uses its angle.
    const int calcExperiment = doc.ARXPS ? x : 1;
    model.FitExpCount = calcExperiment;
    doc.RecalcNeeded = true;
    QuantContext q = edit.quant(findings);
    bool calculated = ModelSetup(q, model, x);
    if (calculated && !ModelCalculation(doc, model, thick, coverage)) {
        findings.add(TakeModelError(model.trap, ModelErrorOrigin::Calculation));
        calculated = false;
    }
    model.FitExpCount = 1;
    // Every factor derived from the intensities is stale once they change.
    doc.RecalcNeeded = true;
    if (!calculated) {
        // An interrupted calculation leaves the intensity table as it was.
        doc.ExpCount = countBefore;
        doc.LayerThick = thickBefore;
        doc.Coverage = coverageBefore;
        return false;
    }
    RowTable<float> simulated{};
    for (int e = 1; e <= doc.ElemCount; ++e)
        simulated[e] = PeakIntensity(edit.corr, x, e, CalculatedIntensity(doc, model, calcExperiment, e));
    ScaleToCounts(simulated, doc.ElemCount);
    for (int e = 1; e <= doc.ElemCount; ++e)
        doc.Intensity[x][e] = simulated[e];
    return true;
}

bool Simulation::Calculate()
{
    auto edit = m_session.edit({});
    Findings findings(m_session.dialogs());
    LayerTable<double> thick{};
    double coverage = 0.0;
    const bool calculated =
        readStructure(thick, coverage, findings) && simulateExperiment(edit, thick, coverage, findings);
    m_session.present(findings);
    if (!calculated)
        return false;
    Document& doc = edit.doc;
    const int x = m_experiment;
    for (int k = 1; k <= doc.LayerCount; ++k)
        doc.ThickRes[x][k] = static_cast<float>(thick[k]);
    if (doc.IslandMode == 1)
        doc.CoverRes[x] = static_cast<float>(coverage);
    const std::string_view name = trimmed(m_name);
    doc.LabelText[x][kNameLabelColumn] = name.empty() ? std::string_view(kSimulatedName) : name;
    m_state = kStateCalculated;
    doc.DocDirty = true;
    edit.also({Change::Intensities, Change::Labels, Change::Model});
    return true;
}

}  // namespace slv
