// The least-squares problem of the layer fit: the parameter vector (the free
// layer thicknesses, and the island coverage when the system can determine
// it) and the residuals, one per experiment and element row used, each the
// measured minus the calculated intensity ratio to the reference element.
//
// The problem holds copies of everything it reads (the calculation input,
// the measured values, the start thicknesses), so that the fit works on its
// own data and could run beside, or on a copy of, the session.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "document/document.h"
#include "model/model_calculation.h"
#include "model/model_state.h"
#include "quant/quant_state.h"

namespace slv {

/// The coverage enters the parameter vector multiplied by this, so that its
/// steps are of the size of typical thicknesses.
inline constexpr double kCoverageScale = 15.0;

struct FitProblem {
    CalculationInput calculation;
    /// The thicknesses and coverage the fit starts from; fixed layers keep theirs.
    LayerTable<double> thick{};
    double coverage = 0.0;
    /// The parameter number (1-based) of every layer, 0 for a layer without
    /// one; a linked layer shares the number of the layer it follows.
    std::array<int, kMaxLayers + 1> ParamOfLayer{};
    /// Parameters x(1..n), stored from index 0.
    std::vector<double> x;
    /// Whether x(n) is the scaled coverage.
    bool coverageFitted = false;
    /// (experiment, element row) of each residual, in the order of the residual vector.
    std::vector<std::pair<int, int>> residualCells;
    /// The experiment whose measurement is fitted without angle-resolved mode.
    int selectedExperiment = 1;
    int referenceElement = 0;
    /// The measured values (ResultValue) the residuals compare with.
    ExpRowTable<float> measured{};
    /// The fit's upper thickness bound.
    double maxThick = 0.0;

    /// Work of the residual function: the calculated intensities and the trap.
    std::vector<double> intensities;
    ModelTrap trap;
};

/// Numbers the free layers, gives linked layers the number of the layer they
/// follow, and copies the start values, the residual cells and what the
/// calculation needs from the document, the set-up and the measured values.
FitProblem BuildFitProblem(const Document& doc, const ModelState& model, const QuantResults& res);

/// The thicknesses and the coverage that the parameters `x` stand for.
void UnpackParameters(const FitProblem& problem, const double* x, LayerTable<double>& thick, double& coverage);

/// The measured ratio that residual `cell` compares with: 0 for an element
/// without a measured value, nullopt when the reference has none.
std::optional<double> MeasuredRatio(const FitProblem& problem, std::size_t cell);

/// Whether residual `cell` is the reference line's own ratio, 1 by construction.
bool IsReferenceCell(const FitProblem& problem, std::size_t cell);

/// The smallest value a parameter starts from, and the scale of its
/// difference step: a forward difference taken relative to a start of, say,
/// 1e-10 nm changes no intensity within double precision, the fit would never
/// move that layer and would end at once "converged". A thickness starts at
/// least at this fraction of the fit's upper bound (5 IMFPs, so 5e-5 IMFP),
/// the coverage at least at 1e-4.
inline constexpr double kSmallestThicknessOfBound = 1e-5;
inline constexpr double kSmallestCoverage = 1e-4;
double SmallestParameter(const FitProblem& problem, std::size_t parameter);

/// Raises every parameter to its smallest start.
void RaiseToSmallestStart(FitProblem& problem);

/// Writes the parameters back into the free layers' thicknesses (and the
/// coverage), rounded to single precision as the document shows them.
void WriteBackParameters(Document& doc, const FitProblem& problem);

/// Runs the model calculation for `x` and fills the residuals f. False when a
/// run-time error was trapped (a parameter that is not a finite number comes
/// from the minimiser itself, routine 1; a reference intensity of 0 is a
/// division by zero in the residual routine, 2).
bool ComputeResiduals(FitProblem& problem, const double* x, double* f);

/// The sum of the squared residuals at x, nullopt when the calculation trapped an error.
std::optional<double> SquaredResidualSum(FitProblem& problem, const std::vector<double>& x);

}  // namespace slv
