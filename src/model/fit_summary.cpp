#include "model/fit_summary.h"

#include <sstream>

namespace slv {

std::string_view TerminationMeaning(FitTermination termination)
{
    switch (termination) {
    case FitTermination::NotStarted: return "the fit did not start";
    case FitTermination::ImproperInput: return "improper input parameters";
    case FitTermination::SumOfSquaresConverged: return "the sum of squares converged (ftol)";
    case FitTermination::ParametersConverged: return "the parameters converged (xtol)";
    case FitTermination::BothConverged: return "the sum of squares and the parameters converged";
    case FitTermination::OrthogonalAtTolerance: return "the residuals are orthogonal to the Jacobian within gtol";
    case FitTermination::EvaluationLimit: return "the function evaluation limit was reached";
    case FitTermination::FtolTooSmall: return "ftol too small: no further reduction of the sum of squares";
    case FitTermination::XtolTooSmall: return "xtol too small: no further improvement of the parameters";
    case FitTermination::GtolTooSmall: return "the residuals are orthogonal to the Jacobian to machine precision";
    case FitTermination::UnexpectedInfo: return "lmdif returned an undocumented code";
    case FitTermination::RunTimeError: return "a numeric fault in the model calculation";
    case FitTermination::RoundsExhausted: return "the nanotube radius did not settle";
    case FitTermination::ResidualsVanished: return "the residuals vanished to the precision of the measured ratios";
    case FitTermination::NotAtMinimum: return "the fit ended away from the minimum of the Q sum";
    }
    return "";
}

FitTermination TerminationOfInfo(int info)
{
    switch (info) {
    case 0: return FitTermination::ImproperInput;
    case 1: return FitTermination::SumOfSquaresConverged;
    case 2: return FitTermination::ParametersConverged;
    case 3: return FitTermination::BothConverged;
    case 4: return FitTermination::OrthogonalAtTolerance;
    case 5: return FitTermination::EvaluationLimit;
    case 6: return FitTermination::FtolTooSmall;
    case 7: return FitTermination::XtolTooSmall;
    case 8: return FitTermination::GtolTooSmall;
    default: return FitTermination::UnexpectedInfo;
    }
}

bool FitSummary::succeeded() const
{
    const bool converged =
        termination == FitTermination::SumOfSquaresConverged || termination == FitTermination::ParametersConverged ||
        termination == FitTermination::BothConverged || termination == FitTermination::ResidualsVanished;
    return converged && !outOfRange;
}

std::string FitSummary::message() const
{
    std::string text;
    for (const Finding& finding : findings.all())
        text += (text.empty() ? "" : "\n") + finding.text;
    return text;
}

std::string FitSummary::briefReport() const
{
    std::ostringstream report;
    report << "Termination: " << TerminationMeaning(termination) << " (lmdif info " << lmdifInfo << ")\n"
           << "Function evaluations: " << functionEvaluations << " in " << lmdifCalls << " lmdif calls\n"
           << "Q sum: " << initialQSum << " -> " << finalQSum << "\n"
           << "Tolerances of the last pass: ftol " << ftol << ", xtol " << xtol << "\n";
    if (outOfRange)
        report << "Some fitted values are out of range\n";
    return report.str();
}

}  // namespace slv
