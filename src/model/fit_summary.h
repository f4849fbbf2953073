// What a layer fit did and how it ended, in the manner of a least-squares
// solver's summary: why it stopped (the termination, with MINPACK lmdif's
// info code behind it), how much work it took (function evaluations and lmdif
// calls), how far it got (the sum of squared residuals before and after, the
// tolerances of the last pass) and what it found (the fitted values), with
// the messages the analyst is to see, in order. The fit shows nothing
// itself; the caller presents the findings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/findings.h"

namespace slv {

enum class FitTermination {
    NotStarted,             // no parameter, too few residuals, or the set-up refused
    ImproperInput,          // lmdif info 0: the input parameters are improper
    SumOfSquaresConverged,  // info 1: the relative reduction of the sum of squares is at most ftol
    ParametersConverged,    // info 2: the relative change of the parameters is at most xtol
    BothConverged,          // info 3: both of the above
    OrthogonalAtTolerance,  // info 4: f is orthogonal to the Jacobian's columns within gtol
    EvaluationLimit,        // info 5: the evaluation limit was reached, ten calls in a row
    FtolTooSmall,           // info 6: ftol is too small, no further reduction of the sum of squares
    XtolTooSmall,           // info 7: xtol is too small, no further improvement of the parameters
    GtolTooSmall,           // info 8: f is orthogonal to the Jacobian's columns to machine precision
    UnexpectedInfo,         // lmdif returned a code it does not document
    RunTimeError,           // a numeric fault in the model calculation ended the fit
    RoundsExhausted,        // the nanotube's outer iteration did not settle
    ResidualsVanished,      // every residual fell below the resolution of the measured ratios
    NotAtMinimum,           // lmdif stopped, but a Gauss-Newton step would still lower the Q sum
};

/// What a termination means, in a few words.
std::string_view TerminationMeaning(FitTermination termination);

/// The termination of an lmdif info code.
FitTermination TerminationOfInfo(int info);

struct FitSummary {
    FitTermination termination = FitTermination::NotStarted;
    /// lmdif's last info code (0 when the fit did not start).
    int lmdifInfo = 0;
    int functionEvaluations = 0;
    int lmdifCalls = 0;
    /// Sum of the squared residuals at the start and at the fitted values.
    double initialQSum = 0.0;
    double finalQSum = 0.0;
    /// ftol and xtol of the last pass.
    double ftol = 0.0;
    double xtol = 0.0;
    /// The free layer thicknesses in layer order, then the coverage when it was fitted.
    std::vector<double> fittedValues;
    /// One standard deviation of each fitted value, NaN where the data do not
    /// determine it, and their correlation coefficients (see fit_solution.h).
    std::vector<double> uncertainties;
    std::vector<std::vector<double>> correlation;
    /// Independent equations of the fit, and the relative intensity
    /// uncertainty the uncertainties rest on: found from the residuals, or
    /// with no more equations than free values the stated one.
    int equations = 0;
    bool uncertaintyFromIntensityError = false;
    double intensityError = 0.0;
    /// A fitted thickness is negative or beyond the bound, or the coverage outside [0, 1).
    bool outOfRange = false;
    /// The messages for the analyst, in the order they are shown.
    Findings findings;

    /// Converged with every value in range: lmdif's info 1 to 3 at a minimum
    /// of the Q sum, or residuals that vanished whatever the info.
    bool succeeded() const;
    /// The messages' texts, one paragraph each.
    std::string message() const;
    /// One line per fact: termination, evaluations, Q sums, tolerances.
    std::string briefReport() const;
};

}  // namespace slv
