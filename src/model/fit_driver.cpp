#include "model/fit_driver.h"

#include <cminpack.h>

#include <cmath>
#include <vector>

#include "document/file_error.h"
#include "model/model_errors.h"
#include "model/model_regions.h"

namespace slv {

namespace {
constexpr const char* kNoParameterText = "No independent parameter to fit    ";
constexpr const char* kTooManyOmittedText = "Too many elements omitted    ";
constexpr const char* kImproperInputText = "Improper input parameters    ";
constexpr const char* kCosineAtToleranceText =
    "The cosine of the angle between the function values\r\nand the columns of the Jacobian matrix is at tolerance    ";
constexpr const char* kNoFurtherReductionText =
    "The tolerance limit is reached.\r\nNo further reduction in the sum of squares is possible    ";
constexpr const char* kNoFurtherImprovementText =
    "The tolerance limit is reached.\r\nNo further improvement in the approximate solution is possible    ";
constexpr const char* kOrthogonalText =
    "The solution is orthogonal to the columns of the\r\nJacobian matrix to machine precision    ";
constexpr const char* kUnexpectedFlagText = "Unexpected Autofit return flag:";
constexpr const char* kMessageTail = "    ";
constexpr const char* kNotAtMinimumText =
    "Autofit stopped before the least Q sum was reached.\r\nEstimate other initial layer thickness values    ";
constexpr const char* kOutOfRangeText =
    "Some of the results are out of the expected range.    \r\nRefine initial data or modify the model";

constexpr double kGtol = 0.0;
constexpr double kEpsfcn = 0.0;
constexpr int kScaleByJacobian = 1;
constexpr int kNoPrinting = 0;
constexpr int kTubeRounds = 101;
constexpr double kTubeSettled = 1e-3;

enum LmdifInfo : int {
    kImproperInput = 0,
    kEvaluationLimit = 5,
    kFtolTooSmall = 6,
};

int residualCallback(void* problem, int, int, const double* x, double* f, int)
{
    return ComputeResiduals(*static_cast<FitProblem*>(problem), x, f) ? 0 : -1;
}

/// lmdif's vectors for one Autofit.
struct LmdifWork {
    LmdifWork(int m, int n)
        : f(m),
          jacobian(static_cast<std::size_t>(m) * n),
          diag(n),
          qtf(n),
          wa1(n),
          wa2(n),
          wa3(n),
          wa4(m),
          ipvt(n)
    {
    }
    std::vector<double> f, jacobian, diag, qtf, wa1, wa2, wa3, wa4;
    std::vector<int> ipvt;
};

/// The state of the schedule: the tolerances and step bound of the next
/// call, and the counts so far.
struct Schedule {
    double ftol = 0.0;
    double xtol = 0.0;
    double factor = 0.0;
    int maxfev = 0;
    int evaluations = 0;
    int calls = 0;
};

int callLmdif(FitProblem& problem, Schedule& schedule, LmdifWork& work)
{
    const int m = static_cast<int>(work.f.size());
    const int n = static_cast<int>(problem.x.size());
    int evaluations = 0;
    const int info = lmdif(residualCallback, &problem, m, n, problem.x.data(), work.f.data(), schedule.ftol,
                           schedule.xtol, kGtol, schedule.maxfev, kEpsfcn, work.diag.data(), kScaleByJacobian,
                           schedule.factor, kNoPrinting, &evaluations, work.jacobian.data(), m, work.ipvt.data(),
                           work.qtf.data(), work.wa1.data(), work.wa2.data(), work.wa3.data(), work.wa4.data());
    schedule.evaluations += evaluations;
    ++schedule.calls;
    for (double value : problem.x)
        if (!std::isfinite(value))
            TrapModelError(problem.trap, kRoutineLmdif, kErrOverflow);
    return info;
}

/// The refinement passes from the current tolerances on; returns the last info.
int runSchedule(FitProblem& problem, const FitOptions& options, Schedule& schedule, LmdifWork& work)
{
    int info = kImproperInput;
    while (schedule.ftol > options.finalFtol) {
        for (int call = 0; call < options.callsAtEvaluationLimit; ++call) {
            info = callLmdif(problem, schedule, work);
            if (ModelErrorTrapped(problem.trap) || info != kEvaluationLimit)
                break;
        }
        if (ModelErrorTrapped(problem.trap) || info >= kFtolTooSmall)
            break;
        schedule.ftol /= options.toleranceStep;
        schedule.xtol /= options.toleranceStep;
    }
    return info;
}

/// The message of lmdif's info code; none when it means success.
void reportInfo(int info, Findings& findings)
{
    switch (info) {
    case 0: findings.error(kImproperInputText); break;
    case 1:
    case 2:
    case 3: break;
    case 4: findings.warning(kCosineAtToleranceText); break;
    case 5: findings.warning(kMaxIterationsText); break;
    case 6: findings.warning(kNoFurtherReductionText); break;
    case 7: findings.warning(kNoFurtherImprovementText); break;
    case 8: findings.error(kOrthogonalText); break;
    default: findings.error(kUnexpectedFlagText + std::to_string(info) + kMessageTail); break;
    }
}

double squaredSum(const std::vector<double>& f)
{
    double sum = 0.0;
    for (double r : f)
        sum += r * r;
    return sum;
}

/// The fitted values in the summary's order: free thicknesses, then the coverage.
std::vector<double> fittedValues(const FitProblem& problem)
{
    std::vector<double> values = problem.x;
    if (problem.coverageFitted)
        values.back() /= kCoverageScale;
    return values;
}

/// Fixed layers, and layers linked to one that is not free, have no parameter.
bool isFreeLayer(const FitProblem& problem, int layer)
{
    return problem.ParamOfLayer[layer] > 0;
}

/// How the fit ended, lmdif's info judged by the analysis of its end.
FitTermination terminationOf(int info, const FitSolution& solution)
{
    if (solution.residualsVanished)
        return FitTermination::ResidualsVanished;
    const FitTermination termination = TerminationOfInfo(info);
    const bool claimsConvergence = info >= 1 && info <= 4;
    return claimsConvergence && !solution.atMinimum ? FitTermination::NotAtMinimum : termination;
}

void recordUncertainties(FitSummary& summary, const FitSolution& solution, const FitProblem& problem)
{
    summary.uncertainties = solution.sigma;
    if (problem.coverageFitted && !summary.uncertainties.empty())
        summary.uncertainties.back() /= kCoverageScale;
    summary.correlation = solution.correlation;
    summary.equations = solution.equations;
    summary.uncertaintyFromIntensityError = solution.fromIntensityError;
    summary.intensityError = solution.intensityError;
}

bool resultsInRange(const Document& doc, const FitProblem& problem)
{
    for (int k = 1; k <= doc.LayerCount; ++k)
        if (isFreeLayer(problem, k) && (doc.LayerThick[k] < 0.0 || doc.LayerThick[k] >= problem.maxThick))
            return false;
    return !problem.coverageFitted || (doc.Coverage >= 0.0 && doc.Coverage < 1.0);
}
}  // namespace

FitSummary FitLayers(FitProblem& problem, const FitOptions& options)
{
    FitSummary summary;
    const int n = static_cast<int>(problem.x.size());
    const int m = static_cast<int>(problem.residualCells.size());
    if (n == 0) {
        summary.findings.error(kNoParameterText);
        return summary;
    }
    if (m < n) {
        summary.findings.error(kTooManyOmittedText);
        return summary;
    }

    RaiseToSmallestStart(problem);
    // The start's Q sum; a fault there is met again, and handled, by lmdif's first evaluation.
    summary.initialQSum = SquaredResidualSum(problem, problem.x).value_or(NAN);
    ClearModelError(problem.trap);
    Schedule schedule{options.startFtol, options.startXtol, options.stepBound,
                      options.evaluationsPerParameter * (n + 1)};
    LmdifWork work(m, n);
    for (;;) {
        summary.lmdifInfo = runSchedule(problem, options, schedule, work);
        if (!ModelErrorTrapped(problem.trap))
            break;
        if (problem.trap.errorNumber != kErrOverflow || schedule.factor < options.smallestRetriedStepBound) {
            summary.termination = FitTermination::RunTimeError;
            summary.findings.add(TakeModelError(problem.trap, ModelErrorOrigin::Fitting));
            break;
        }
        // A smaller step bound keeps the trial thicknesses where the exponentials stay finite.
        schedule.factor /= options.toleranceStep;
        ClearModelError(problem.trap);
    }
    summary.functionEvaluations = schedule.evaluations;
    summary.lmdifCalls = schedule.calls;
    summary.ftol = schedule.ftol;
    summary.xtol = schedule.xtol;
    if (summary.termination == FitTermination::RunTimeError)
        return summary;
    summary.finalQSum = squaredSum(work.f);
    summary.fittedValues = fittedValues(problem);
    const FitSolution solution = AnalyseFitSolution(problem, problem.x, work.f, options.relativeIntensityError);
    summary.termination = terminationOf(summary.lmdifInfo, solution);
    if (summary.termination == FitTermination::NotAtMinimum)
        summary.findings.warning(kNotAtMinimumText);
    else if (!summary.succeeded())
        reportInfo(summary.lmdifInfo, summary.findings);
    recordUncertainties(summary, solution, problem);
    return summary;
}

FitSummary FitDriver(Document& doc, const ModelState& model, const QuantResults& res, const FitOptions& options)
{
    FitProblem problem = BuildFitProblem(doc, model, res);
    FitSummary summary = FitLayers(problem, options);
    if (summary.termination == FitTermination::NotStarted || summary.termination == FitTermination::RunTimeError)
        return summary;
    WriteBackParameters(doc, problem);
    if (!resultsInRange(doc, problem)) {
        summary.findings.note(kOutOfRangeText);
        summary.outOfRange = true;
    }
    return summary;
}

FitSummary RunAutofit(Document& doc, ModelState& model, const QuantResults& res, const FitOptions& options)
{
    if (doc.modelType() != ModelType::Nanotube || !doc.modifiedTubeLayer())
        return FitDriver(doc, model, res, options);
    for (int round = 0; round < kTubeRounds; ++round) {
        FitSummary refused;
        if (!UpdateTubeRadius(doc, model, refused.findings))
            return refused;
        const double before = doc.LayerThick[1];
        FitSummary summary = FitDriver(doc, model, res, options);
        if (!summary.succeeded())
            return summary;
        if (std::abs(doc.LayerThick[1] - before) <= kTubeSettled * std::abs(doc.LayerThick[1]))
            return summary;
    }
    FitSummary exhausted;
    exhausted.termination = FitTermination::RoundsExhausted;
    exhausted.findings.warning(kMaxIterationsText);
    return exhausted;
}

}  // namespace slv
