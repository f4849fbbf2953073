// The least-squares problem of the layer fit: the parameter vector (the free
// layer thicknesses, and the island coverage when the system can determine
// it) and the residuals, one per experiment and element row used, each the
// measured minus the calculated intensity ratio to the reference element.
#pragma once

#include <utility>
#include <vector>

#include "document/document.h"

namespace slv {

struct Session;

/// The coverage enters the parameter vector multiplied by this, so that its
/// steps are of the size of typical thicknesses.
inline constexpr double kCoverageScale = 15.0;

struct FitProblem {
    Session* session = nullptr;
    /// Parameters x(1..n), stored from index 0.
    std::vector<double> x;
    /// Whether x(n) is the scaled coverage.
    bool coverageFitted = false;
    /// (experiment, element row) of each residual, in the order of the residual vector.
    std::vector<std::pair<int, int>> residualCells;
    /// The experiment whose measurement is fitted without angle-resolved mode.
    int selectedExperiment = 1;
};

/// Numbers the free layers (ParamOfLayer), gives linked layers the number of
/// the layer they follow, collects the start values and the residual cells.
FitProblem BuildFitProblem(Session& session);

/// The thicknesses and the coverage that the parameters `x` stand for.
void UnpackParameters(const Session& session, const FitProblem& problem, const double* x,
                      LayerTable<double>& thick, double& coverage);

/// Runs the model calculation for `x` and fills the residuals f. False when a
/// run-time error was trapped (a parameter that is not a finite number comes
/// from the minimiser itself, routine 1; a reference intensity of 0 is a
/// division by zero in the residual routine, 2).
bool ComputeResiduals(const FitProblem& problem, const double* x, double* f);

}  // namespace slv
