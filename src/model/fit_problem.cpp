#include "model/fit_problem.h"

#include <cmath>

#include "core/session.h"
#include "document/file_error.h"
#include "model/model_calculation.h"
#include "model/model_errors.h"

namespace slv {

namespace {
/// A measured ratio is compared as the single-precision number it was shown as.
double measuredRatio(float value, float reference)
{
    const float ratio = value / reference;
    return ratio;
}
}  // namespace

FitProblem BuildFitProblem(Session& session)
{
    const Document& doc = session.doc;
    ModelState& model = session.model;
    FitProblem problem;
    problem.session = &session;
    problem.selectedExperiment = session.ModelExperiment;
    model.ParamOfLayer.fill(0);
    for (int k = 1; k <= doc.LayerCount; ++k) {
        if (doc.LayerLink[k] == 0) {
            problem.x.push_back(doc.LayerThick[k]);
            model.ParamOfLayer[k] = static_cast<int>(problem.x.size());
        }
    }
    for (int k = 1; k <= doc.LayerCount; ++k) {
        const int target = doc.LayerLink[k];
        if (target > 0 && target <= doc.LayerCount)
            model.ParamOfLayer[k] = model.ParamOfLayer[target];
    }
    problem.coverageFitted = model.CoverageFitted && doc.AutoCov;
    if (problem.coverageFitted)
        problem.x.push_back(kCoverageScale * doc.Coverage);

    for (int exp = 1; exp <= model.FitExpCount; ++exp)
        for (int e = 1; e <= doc.ElemCount; ++e)
            if (doc.ElModelFlag[e] < 1)
                problem.residualCells.emplace_back(exp, e);
    return problem;
}

void UnpackParameters(const Session& session, const FitProblem& problem, const double* x,
                      LayerTable<double>& thick, double& coverage)
{
    const Document& doc = session.doc;
    thick = doc.LayerThick;
    for (int k = 1; k <= doc.LayerCount; ++k) {
        const int parameter = session.model.ParamOfLayer[k];
        if (parameter > 0)
            thick[k] = x[parameter - 1];
    }
    coverage = problem.coverageFitted ? x[problem.x.size() - 1] / kCoverageScale : doc.Coverage;
}

bool ComputeResiduals(const FitProblem& problem, const double* x, double* f)
{
    Session& session = *problem.session;
    ModelState& model = session.model;
    for (std::size_t i = 0; i < problem.x.size(); ++i)
        if (!std::isfinite(x[i]))
            return TrapModelError(model, kRoutineLmdif, kErrOverflow);

    LayerTable<double> thick{};
    double coverage = 0.0;
    UnpackParameters(session, problem, x, thick, coverage);
    if (!ModelCalculation(session, thick, coverage))
        return false;

    const auto& measured = session.res.ResultValue;
    const int ref = model.ModelRefElem;
    const bool angleResolved = session.doc.ARXPS;
    const double calcReference = CalculatedIntensity(session, 1, ref);
    if (calcReference == 0.0)
        return TrapModelError(model, kRoutineResidual, kErrDivisionByZero);
    std::size_t i = 0;
    for (const auto& [exp, e] : problem.residualCells) {
        const int measuredExp = angleResolved ? exp : problem.selectedExperiment;
        const int referenceExp = angleResolved ? 1 : problem.selectedExperiment;
        const double calcRatio = CalculatedIntensity(session, exp, e) / calcReference;
        if (measured[measuredExp][e] <= 0.0f) {
            f[i++] = -calcRatio;
            continue;
        }
        const float measuredReference = measured[referenceExp][ref];
        if (measuredReference == 0.0f)
            return TrapModelError(model, kRoutineResidual, kErrDivisionByZero);
        f[i++] = measuredRatio(measured[measuredExp][e], measuredReference) - calcRatio;
    }
    return true;
}

}  // namespace slv
