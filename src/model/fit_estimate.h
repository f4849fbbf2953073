// Start values without guessing: a global search of the free thicknesses
// (and the island coverage) for the smallest Q sum, from which Autofit then
// refines. The model evaluates in microseconds, so the search can afford a
// few thousand evaluations:
//  1. a quasi-random (Halton) sample of the whole box, thicknesses spread
//     evenly in their logarithm from a thousandth of the fit's upper bound to
//     the bound, the coverage evenly over (0, 1);
//  2. from the best few samples, coordinate sweeps over a grid of each
//     parameter with the others held, until a sweep finds nothing better;
//  3. a pattern search around the best point with halving steps.
// The search is deterministic: the same data give the same start.
#pragma once

#include <vector>

#include "model/fit_problem.h"

namespace slv {

struct FitEstimate {
    /// A point with a finite Q sum was found.
    bool found = false;
    /// The parameters (as FitProblem::x) and their Q sum.
    std::vector<double> x;
    double qSum = 0.0;
    int evaluations = 0;
};

/// The search over the parameters of `problem` (problem.x is left as it was).
FitEstimate EstimateStart(FitProblem& problem);

}  // namespace slv
