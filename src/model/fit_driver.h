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
// Results are written back rounded to single precision and range-checked.
#pragma once

namespace slv {

struct Session;

/// Shown by the driver; also when the nanotube's outer iteration does not settle.
inline constexpr const char* kMaxIterationsText = "Maximum number of iterations reached    ";

struct FitOutcome {
    bool failed = true;
    /// lmdif's last info code (1, 2, 3 success; see the messages in fit_driver.cpp).
    int info = 0;
};

/// One fit of the current experiment (or of all, in angle-resolved mode). The
/// structure analysis must have set SystemDefined, ModelRefElem, FitExpCount
/// and CoverageFitted, and ModelSetup must have run. Messages go through
/// session.dialogs; the thicknesses are written back even when a warning follows.
FitOutcome FitDriver(Session& session);

/// The fit of the Autofit command: FitDriver, or for the Nanotube with the
/// modified tube layer an outer iteration that recomputes the tube radius
/// from the fitted thicknesses and fits again (at most 101 rounds) until the
/// first layer changes by no more than 1/1000.
FitOutcome RunAutofit(Session& session);

}  // namespace slv
