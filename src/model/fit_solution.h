// What the end of a layer fit is worth. At the parameters the minimiser
// returned, the Jacobian of the residuals is formed anew by forward
// differences, factorised (MINPACK qrfac with column pivoting) and inverted to
// (J^T J)^-1 (MINPACK covar). From it follow
//  - whether the end is a minimum: the Gauss-Newton step from the end would
//    lower the sum of squares by no more than a small fraction of it; an end
//    where it would (a parameter whose difference step vanished, a stop on a
//    plateau) is not a converged fit, whatever the minimiser's code said;
//  - whether the residuals vanished: every one below what the single-precision
//    measured ratios can resolve, a success whatever the code;
//  - one standard deviation of each fitted value and their correlation. The
//    intensities are taken to carry a relative uncertainty e, independent from
//    line to line, so that a measured ratio r_c = I_c / I_ref varies by
//    r_c (e_c - e_ref) and Cov(r) = e^2 r_c r_c' (delta_cc' + 1) (in
//    angle-resolved mode each value is a share of its experiment's sum, and
//    every line of the experiment enters with its share); the
//    least-squares map carries it to the values, Cov = P J^T Cov(r) J P with
//    P = (J^T J)^-1. With more independent equations than free values, e is
//    the residual scatter: the Q sum over its expectation for e = 1,
//    e^2 = Q / trace((I - H) Cov(r) / e^2), H = J P J^T (for equal, independent
//    ratio errors this is the residual variance Q / (m - n) of the textbook
//    form s^2 (J^T J)^-1; ratios of different size and a shared reference
//    line would make that form wrong by up to half). With as many equations
//    as values the residuals vanish and say nothing about the noise: e is the
//    stated relative intensity uncertainty.
// The reference line's own ratio is 1 by construction and no equation; it is
// not counted in m.
#pragma once

#include <vector>

#include "model/fit_problem.h"

namespace slv {

/// The default relative uncertainty of a measured intensity.
inline constexpr double kDefaultIntensityError = 0.01;

struct FitSolution {
    /// The Jacobian could be formed (no numeric fault around the end).
    bool evaluated = false;
    /// Every residual lies below the resolution of the measured ratios.
    bool residualsVanished = false;
    /// One more Gauss-Newton step would lower the sum of squares by no more
    /// than the accepted fraction of it.
    bool atMinimum = false;
    /// The Q sum one more Gauss-Newton step would reach.
    double nextQSum = 0.0;
    /// Independent equations (residuals less the reference line's own).
    int equations = 0;
    /// The uncertainty came from the stated intensity error (as many equations as values).
    bool fromIntensityError = false;
    /// The relative intensity uncertainty e used: stated, or found from the residuals.
    double intensityError = 0.0;
    /// One standard deviation of each fitted value (thicknesses, then the
    /// coverage), NaN for a value the data do not determine.
    std::vector<double> sigma;
    /// Correlation coefficients, row by row, NaN where a sigma is.
    std::vector<std::vector<double>> correlation;
};

/// The analysis of the end `x` with residuals `f` (as the minimiser left them).
FitSolution AnalyseFitSolution(FitProblem& problem, const std::vector<double>& x, const std::vector<double>& f,
                               double relativeIntensityError);

}  // namespace slv
