// Autofit: the free layer thicknesses (and the island coverage) that make the
// calculated intensity ratios match the measured ones, by the MINPACK
// Levenberg-Marquardt method with a forward-difference Jacobian (lmdif; Moré,
// Garbow & Hillstrom, MINPACK-1, ANL-80-74, 1980).
//
// The driver runs lmdif with tightening tolerances: ftol from 1e-4 and xtol
// from 1e-3, each divided by 10 per pass while ftol > 1e-10, and up to ten
// calls in a row while lmdif stops at its evaluation limit 500 (n + 1).
// gtol is 0, epsfcn 0 (difference step sqrt of the machine precision), mode 1
// (variables scaled by the Jacobian's column norms), step bound factor 100.
// An overflow inside the model is retried with the step bound divided by 10
// (down to 0.01); any other trapped error ends the fit with its message.
// Every parameter starts at least at its smallest start (fit_problem.h), so
// that its difference step changes the intensities. The end is judged anew
// (fit_solution.h): residuals that vanished are a success whatever lmdif's
// info, an end that is no minimum is none, and every fitted value gets its
// standard deviation. Results are written back rounded to single precision
// and range-checked.
#pragma once

#include "document/document.h"
#include "model/fit_problem.h"
#include "model/fit_solution.h"
#include "model/fit_summary.h"
#include "model/model_state.h"
#include "quant/quant_state.h"

namespace slv {

/// Shown by the driver; also when the nanotube's outer iteration does not settle.
inline constexpr const char* kMaxIterationsText = "Maximum number of iterations reached    ";

/// The tolerance schedule of the fit; the defaults are the program's.
struct FitOptions {
    double startFtol = 1e-4;
    double startXtol = 1e-3;
    /// Passes run while ftol is above this.
    double finalFtol = 1e-10;
    /// ftol and xtol are divided by this after each pass, the step bound after an overflow.
    double toleranceStep = 10.0;
    /// lmdif's initial step bound factor; an overflow is retried down to 0.01.
    double stepBound = 100.0;
    double smallestRetriedStepBound = 0.1;
    /// lmdif's evaluation limit is this times (n + 1) ...
    int evaluationsPerParameter = 500;
    /// ... and a pass calls lmdif again, up to this often, while it stops at the limit.
    int callsAtEvaluationLimit = 10;
    /// The relative uncertainty of a measured intensity, for the uncertainties
    /// of an exactly determined fit.
    double relativeIntensityError = kDefaultIntensityError;
};

/// Fits the problem on its own data: afterwards problem.x holds the fitted
/// parameters. The summary says how the fit ended, with its messages; no
/// range check is made here.
FitSummary FitLayers(FitProblem& problem, const FitOptions& options = {});

/// One fit of the current experiment (or of all, in angle-resolved mode) on
/// a copy of what it needs. The structure analysis must have set
/// SystemDefined, ModelRefElem, FitExpCount and CoverageFitted, and ModelSetup
/// must have run. The fitted thicknesses (and coverage) are written back to
/// the document, also when a warning follows, and range-checked.
FitSummary FitDriver(Document& doc, const ModelState& model, const QuantResults& res, const FitOptions& options = {});

/// The fit of the Autofit command: FitDriver, or for the Nanotube with the
/// modified tube layer an outer iteration that recomputes the tube radius
/// from the fitted thicknesses and fits again (at most 101 rounds) until the
/// first layer changes by no more than 1/1000.
FitSummary RunAutofit(Document& doc, ModelState& model, const QuantResults& res, const FitOptions& options = {});

}  // namespace slv
