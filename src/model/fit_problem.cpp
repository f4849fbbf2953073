#include "model/fit_problem.h"

#include <cmath>

#include "document/file_error.h"
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

FitProblem BuildFitProblem(const Document& doc, const ModelState& model, const QuantResults& res)
{
    FitProblem problem;
    problem.calculation = CalculationInputOf(doc, model);
    problem.thick = doc.LayerThick;
    problem.coverage = doc.Coverage;
    problem.selectedExperiment = model.ModelExperiment;
    problem.referenceElement = model.ModelRefElem;
    problem.measured = res.ResultValue;
    problem.maxThick = model.MaxThick;
    for (int k = 1; k <= doc.LayerCount; ++k) {
        if (doc.LayerLink[k] == 0) {
            problem.x.push_back(doc.LayerThick[k]);
            problem.ParamOfLayer[k] = static_cast<int>(problem.x.size());
        }
    }
    for (int k = 1; k <= doc.LayerCount; ++k) {
        const int target = doc.LayerLink[k];
        if (target > 0 && target <= doc.LayerCount)
            problem.ParamOfLayer[k] = problem.ParamOfLayer[target];
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

void UnpackParameters(const FitProblem& problem, const double* x, LayerTable<double>& thick, double& coverage)
{
    thick = problem.thick;
    for (int k = 1; k <= problem.calculation.layers; ++k) {
        const int parameter = problem.ParamOfLayer[k];
        if (parameter > 0)
            thick[k] = x[parameter - 1];
    }
    coverage = problem.coverageFitted ? x[problem.x.size() - 1] / kCoverageScale : problem.coverage;
}

bool ComputeResiduals(FitProblem& problem, const double* x, double* f)
{
    ModelTrap& trap = problem.trap;
    for (std::size_t i = 0; i < problem.x.size(); ++i)
        if (!std::isfinite(x[i]))
            return TrapModelError(trap, kRoutineLmdif, kErrOverflow);

    LayerTable<double> thick{};
    double coverage = 0.0;
    UnpackParameters(problem, x, thick, coverage);
    if (!ModelCalculation(problem.calculation, thick, coverage, problem.intensities, trap))
        return false;

    const int elements = problem.calculation.elements;
    const auto calculated = [&](int exp, int e) { return CalculatedIntensity(problem.intensities, elements, exp, e); };
    const auto& measured = problem.measured;
    const int ref = problem.referenceElement;
    const bool angleResolved = problem.calculation.angleResolved;
    const double calcReference = calculated(1, ref);
    if (calcReference == 0.0)
        return TrapModelError(trap, kRoutineResidual, kErrDivisionByZero);
    std::size_t i = 0;
    for (const auto& [exp, e] : problem.residualCells) {
        const int measuredExp = angleResolved ? exp : problem.selectedExperiment;
        const int referenceExp = angleResolved ? 1 : problem.selectedExperiment;
        const double calcRatio = calculated(exp, e) / calcReference;
        if (measured[measuredExp][e] <= 0.0f) {
            f[i++] = -calcRatio;
            continue;
        }
        const float measuredReference = measured[referenceExp][ref];
        if (measuredReference == 0.0f)
            return TrapModelError(trap, kRoutineResidual, kErrDivisionByZero);
        f[i++] = measuredRatio(measured[measuredExp][e], measuredReference) - calcRatio;
    }
    return true;
}

std::optional<double> SquaredResidualSum(FitProblem& problem, const std::vector<double>& x)
{
    std::vector<double> f(problem.residualCells.size());
    if (!ComputeResiduals(problem, x.data(), f.data()))
        return std::nullopt;
    double sum = 0.0;
    for (double r : f)
        sum += r * r;
    return sum;
}

}  // namespace slv
