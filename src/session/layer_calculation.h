// The "Layer Calculation" window without its widgets: the analyst compares,
// for the selected experiment, the measured intensity of every element
// relative to the reference element with the one the structure model gives
// for the working layer thicknesses, edits thicknesses (and the island
// coverage) until the agreement is rough, and lets Autofit refine them. The
// grid shows the last three calculations side by side; Accept stores the
// thicknesses as the experiment's results.
//
// Grid layout (column 0 is the row header):
//   row 0             "Elements", "Measured", "Diff.%", "Calculated relative intensity"
//   rows 1..n         per element row: its number ("X" when omitted from the
//                     model), label, measured, Diff.%, current / previous /
//                     one-before calculated relative intensity
//   row n + 1         "Q sum" with its three values
//   row n + 2         "Layers" with the length unit "[ nm ]" or "[ A ]"
//   next LayerCount   layer name, " = ", current (editable) / previous /
//                     one-before thickness
//   last (islands with AutoCov)  "Coverage", laid out as a layer row
//
// In angle-resolved mode all experiments enter one fit; the selected
// experiment only chooses which one the grid shows, and the results live in
// experiment slot 1.
//
// Every step shows its messages through the session's dialogs and tells the
// session's views that the model changed (the chart, the model drawing and
// the "Layer Thickness" window redraw from it).
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "document/text_grid.h"
#include "model/fit_driver.h"
#include "model/fit_problem.h"
#include "model/fit_summary.h"
#include "session/session.h"

namespace slv {

inline constexpr const char* kEstimateThicknessText = "Estimate initial layer thickness values before Autofit    ";
/// Autofit starts only from thicknesses whose Q sum lies below 50.
inline constexpr double kAutofitQSumLimit = 50.0;
inline constexpr const char* kRefineThicknessText = "Refine layer thickness values\r\nuntil  Q sum  is less than50    ";

enum LayerCalculationColumn : int {
    kCalcColHeader = 0,
    kCalcColLabel = 1,
    kCalcColMeasured = 2,
    kCalcColDiff = 3,
    kCalcColCurrent = 4,
    kCalcColPrevious = 5,
    kCalcColBefore = 6,
};

/// What an Estimate did: whether it ran and found a start, its Q sum and the
/// model evaluations it took.
struct EstimateRun {
    bool found = false;
    double qSum = 0.0;
    int evaluations = 0;
};

/// What an Autofit did: whether it started, the fit's summary, and every
/// message shown on the way (the checks before it, the fit's own, those of
/// the calculation after it), in order.
struct AutofitRun {
    bool started = false;
    FitSummary summary;
    Findings findings;
};

class LayerCalculation {
public:
    /// Opens the window on the model's experiment: prepares the calculation,
    /// validates the model (showing its findings with an OK button) and, when
    /// both pass, calculates the working thicknesses so that every figure in
    /// the grid, and the Q sum that Autofit checks, belongs to them.
    explicit LayerCalculation(Session& session);
    ~LayerCalculation();
    LayerCalculation(const LayerCalculation&) = delete;
    LayerCalculation& operator=(const LayerCalculation&) = delete;

    /// Whether a calculation is open on the session, from its opening to
    /// Accept or Cancel: the model drawing then shows the thicknesses being
    /// worked on instead of the stored results.
    static bool OpenOn(const Session& session);

    const TextGrid& Grid() const { return m_grid; }
    /// The grid for a view, which moves its current cell and selection.
    TextGrid& Grid() { return m_grid; }
    /// The experiment being worked on (CurExp).
    int Experiment() const { return m_session.model().ModelExperiment; }
    /// Whether the Autofit button is enabled: the structure analysis found
    /// the system defined and the calculation could be prepared.
    bool AutofitEnabled() const;

    int QSumRow() const;
    int LayerRow(int layer) const;
    /// The coverage row, 0 when the grid has none.
    int CoverageRow() const;

    /// A committed edit of a cell: only the current thickness and coverage
    /// cells are editable. The text is read with the locale's decimal
    /// separator; false when the cell is not editable or the value refused.
    bool EditCell(int row, int col, std::string_view text);
    /// The thickness of layer 1..LayerCount, or the coverage, as an edit
    /// sets it: checked, then calculated. False (after a warning) when refused.
    bool SetThickness(int layer, double thickness);
    bool SetCoverage(double coverage);

    /// The model calculation for the working thicknesses and coverage, as
    /// after an edit; false when it could not run or was interrupted.
    bool Recalculate();

    /// A click on an element's row header: the element becomes the reference
    /// when it has a measured value, and its omission from the model toggles.
    void ClickRowHeader(int row);

    /// Switches to another experiment (1..ExpCount), storing the working
    /// thicknesses as the results of the one left first.
    void ChangeExperiment(int experiment);

    /// Estimate: a global search of the free thicknesses (and the coverage)
    /// for the least Q sum (model/fit_estimate.h); the working values become
    /// the estimate, calculated. Nothing changes when Autofit is not enabled
    /// or no start was found.
    EstimateRun Estimate();
    /// Whether the working values are an Estimate not edited since.
    bool StartEstimated() const { return m_estimated; }

    /// Autofit; not started when not enabled, or from values the analyst
    /// set without a thickness estimate or with a Q sum of 50 or more (each
    /// after its warning). An Estimate's start needs no such check.
    AutofitRun Autofit(const FitOptions& options = {});

    /// Stores the working thicknesses (and coverage) as the results, with
    /// the standard deviations of those the last converged Autofit gave.
    void Accept();
    /// Leaves without storing anything.
    void Cancel();

private:
    int resultSlot() const;
    int layerOfRow(int row) const;
    bool recalculate(Session::Edit& edit, Findings& findings);
    void storeResults(Document& doc, ModelState& model);
    void rememberSpreads(const FitProblem& problem, const FitSummary& summary);
    void loadResults(Document& doc);
    void reexpressHistory(Session::Edit& edit, int reference);
    void fillGrid();

    /// Accept or Cancel ends the calculation.
    void leave();

    /// The session of every open calculation.
    static inline std::vector<const Session*> s_open;
    bool m_open = true;

    Session& m_session;
    TextGrid m_grid;
    bool m_prepared = false;
    bool m_estimated = false;
    /// The fitted values of the last converged Autofit with their standard
    /// deviations, by layer 1..5 or kCoverageSpreadColumn.
    struct FittedSpread {
        int column = 0;
        float value = 0.0f;
        double sigma = 0.0;
    };
    std::vector<FittedSpread> m_spreads;
};

}  // namespace slv
