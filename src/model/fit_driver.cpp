#include "model/fit_driver.h"

#include <cminpack.h>

#include <cmath>
#include <vector>

#include "core/session.h"
#include "document/file_error.h"
#include "model/fit_problem.h"
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
constexpr const char* kOutOfRangeText =
    "Some of the results are out of the expected range.    \r\nRefine initial data or modify the model";

constexpr double kStartFtol = 1e-4;
constexpr double kStartXtol = 1e-3;
constexpr double kFinalFtol = 1e-10;
constexpr double kToleranceStep = 10.0;
constexpr double kStartFactor = 100.0;
constexpr double kSmallestRetriedFactor = 0.1;
constexpr double kGtol = 0.0;
constexpr double kEpsfcn = 0.0;
constexpr int kScaleByJacobian = 1;
constexpr int kNoPrinting = 0;
constexpr int kEvaluationsPerParameter = 500;
constexpr int kCallsAtEvaluationLimit = 10;
constexpr int kTubeRounds = 101;
constexpr double kTubeSettled = 1e-3;

enum LmdifInfo : int {
    kImproperInput = 0,
    kEvaluationLimit = 5,
    kFtolTooSmall = 6,
};

int residualCallback(void* problem, int, int, const double* x, double* f, int)
{
    return ComputeResiduals(*static_cast<const FitProblem*>(problem), x, f) ? 0 : -1;
}

/// lmdif's vectors for one Autofit.
struct LmdifWork {
    LmdifWork(int m, int n)
        : f(m), jacobian(static_cast<std::size_t>(m) * n), diag(n), qtf(n), wa1(n), wa2(n), wa3(n), wa4(m), ipvt(n)
    {
    }
    std::vector<double> f, jacobian, diag, qtf, wa1, wa2, wa3, wa4;
    std::vector<int> ipvt;
};

struct LmdifSettings {
    double ftol = kStartFtol;
    double xtol = kStartXtol;
    double factor = kStartFactor;
    int maxfev = 0;
};

int callLmdif(FitProblem& problem, const LmdifSettings& settings, LmdifWork& work)
{
    const int m = static_cast<int>(work.f.size());
    const int n = static_cast<int>(problem.x.size());
    int evaluations = 0;
    const int info = lmdif(residualCallback, &problem, m, n, problem.x.data(), work.f.data(), settings.ftol,
                           settings.xtol, kGtol, settings.maxfev, kEpsfcn, work.diag.data(), kScaleByJacobian,
                           settings.factor, kNoPrinting, &evaluations, work.jacobian.data(), m, work.ipvt.data(),
                           work.qtf.data(), work.wa1.data(), work.wa2.data(), work.wa3.data(), work.wa4.data());
    ModelState& model = problem.session->model;
    for (double value : problem.x)
        if (!std::isfinite(value))
            TrapModelError(model, kRoutineLmdif, kErrOverflow);
    return info;
}

/// The refinement passes from the current tolerances on; returns the last info.
int runSchedule(FitProblem& problem, LmdifSettings& settings, LmdifWork& work)
{
    const ModelState& model = problem.session->model;
    int info = kImproperInput;
    while (settings.ftol > kFinalFtol) {
        for (int call = 0; call < kCallsAtEvaluationLimit; ++call) {
            info = callLmdif(problem, settings, work);
            if (ModelErrorTrapped(model) || info != kEvaluationLimit)
                break;
        }
        if (ModelErrorTrapped(model) || info >= kFtolTooSmall)
            break;
        settings.ftol /= kToleranceStep;
        settings.xtol /= kToleranceStep;
    }
    return info;
}

/// Shows what lmdif's info code means; true when it means success.
bool reportInfo(Session& session, int info)
{
    switch (info) {
    case 0: session.dialogs.show(kImproperInputText, MessageIcon::Critical); return false;
    case 1:
    case 2:
    case 3: return true;
    case 4: session.dialogs.show(kCosineAtToleranceText, MessageIcon::Exclamation); return false;
    case 5: session.dialogs.show(kMaxIterationsText, MessageIcon::Exclamation); return false;
    case 6: session.dialogs.show(kNoFurtherReductionText, MessageIcon::Exclamation); return false;
    case 7: session.dialogs.show(kNoFurtherImprovementText, MessageIcon::Exclamation); return false;
    case 8: session.dialogs.show(kOrthogonalText, MessageIcon::Critical); return false;
    default:
        session.dialogs.show(kUnexpectedFlagText + std::to_string(info) + kMessageTail, MessageIcon::Critical);
        return false;
    }
}

/// Fixed layers, and layers linked to one that is not free, have no parameter.
bool isFreeLayer(const Session& session, int layer)
{
    return session.model.ParamOfLayer[layer] > 0;
}

void writeBack(Session& session, const FitProblem& problem)
{
    Document& doc = session.doc;
    for (int k = 1; k <= doc.LayerCount; ++k)
        if (isFreeLayer(session, k))
            doc.LayerThick[k] = static_cast<float>(problem.x[session.model.ParamOfLayer[k] - 1]);
    if (problem.coverageFitted)
        doc.Coverage = static_cast<float>(problem.x.back()) / kCoverageScale;
}

bool resultsInRange(const Session& session, const FitProblem& problem)
{
    const Document& doc = session.doc;
    for (int k = 1; k <= doc.LayerCount; ++k)
        if (isFreeLayer(session, k) && (doc.LayerThick[k] < 0.0 || doc.LayerThick[k] >= session.model.MaxThick))
            return false;
    return !problem.coverageFitted || (doc.Coverage >= 0.0 && doc.Coverage < 1.0);
}
}  // namespace

FitOutcome FitDriver(Session& session)
{
    FitOutcome outcome;
    FitProblem problem = BuildFitProblem(session);
    const int n = static_cast<int>(problem.x.size());
    const int m = static_cast<int>(problem.residualCells.size());
    if (n == 0) {
        session.dialogs.show(kNoParameterText, MessageIcon::Critical);
        return outcome;
    }
    if (m < n) {
        session.dialogs.show(kTooManyOmittedText, MessageIcon::Critical);
        return outcome;
    }

    ModelState& model = session.model;
    ClearModelError(model);
    LmdifSettings settings;
    settings.maxfev = kEvaluationsPerParameter * (n + 1);
    LmdifWork work(m, n);
    for (;;) {
        outcome.info = runSchedule(problem, settings, work);
        if (!ModelErrorTrapped(model))
            break;
        if (model.ModelErrNo != kErrOverflow || settings.factor < kSmallestRetriedFactor) {
            ReportModelError(session, ModelErrorOrigin::Fitting);
            return outcome;
        }
        // A smaller step bound keeps the trial thicknesses where the exponentials stay finite.
        settings.factor /= kToleranceStep;
        ClearModelError(model);
    }

    outcome.failed = !reportInfo(session, outcome.info);
    writeBack(session, problem);
    if (!resultsInRange(session, problem)) {
        session.dialogs.show(kOutOfRangeText, MessageIcon::Information);
        outcome.failed = true;
    }
    return outcome;
}

FitOutcome RunAutofit(Session& session)
{
    const Document& doc = session.doc;
    if (doc.modelType() != ModelType::Nanotube || !doc.modifiedTubeLayer())
        return FitDriver(session);
    for (int round = 0; round < kTubeRounds; ++round) {
        if (!UpdateTubeRadius(session))
            return {};
        const double before = doc.LayerThick[1];
        const FitOutcome outcome = FitDriver(session);
        if (outcome.failed)
            return outcome;
        if (std::abs(doc.LayerThick[1] - before) <= kTubeSettled * std::abs(doc.LayerThick[1]))
            return outcome;
    }
    session.dialogs.show(kMaxIterationsText, MessageIcon::Exclamation);
    return {};
}

}  // namespace slv
