#include "model/fit_problem.h"

#include <algorithm>
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

std::optional<double> MeasuredRatio(const FitProblem& problem, std::size_t cell)
{
    const auto [exp, e] = problem.residualCells[cell];
    const bool angleResolved = problem.calculation.angleResolved;
    const int measuredExp = angleResolved ? exp : problem.selectedExperiment;
    const int referenceExp = angleResolved ? 1 : problem.selectedExperiment;
    const float value = problem.measured[measuredExp][e];
    if (value <= 0.0f)
        return 0.0;
    const float reference = problem.measured[referenceExp][problem.referenceElement];
    if (reference == 0.0f)
        return std::nullopt;
    return measuredRatio(value, reference);
}

bool IsReferenceCell(const FitProblem& problem, std::size_t cell)
{
    const auto [exp, e] = problem.residualCells[cell];
    return exp == 1 && e == problem.referenceElement;
}

double SmallestParameter(const FitProblem& problem, std::size_t parameter)
{
    const bool coverage = problem.coverageFitted && parameter + 1 == problem.x.size();
    return coverage ? kSmallestCoverage * kCoverageScale : kSmallestThicknessOfBound * problem.maxThick;
}

void RaiseToSmallestStart(FitProblem& problem)
{
    for (std::size_t j = 0; j < problem.x.size(); ++j)
        problem.x[j] = std::max(problem.x[j], SmallestParameter(problem, j));
}

void WriteBackParameters(Document& doc, const FitProblem& problem)
{
    for (int k = 1; k <= doc.LayerCount; ++k)
        if (problem.ParamOfLayer[k] > 0)
            doc.LayerThick[k] = static_cast<float>(problem.x[problem.ParamOfLayer[k] - 1]);
    if (problem.coverageFitted)
        doc.Coverage = static_cast<float>(problem.x.back()) / kCoverageScale;
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
    const double calcReference = calculated(1, problem.referenceElement);
    if (calcReference == 0.0)
        return TrapModelError(trap, kRoutineResidual, kErrDivisionByZero);
    for (std::size_t i = 0; i < problem.residualCells.size(); ++i) {
        const auto [exp, e] = problem.residualCells[i];
        const auto ratio = MeasuredRatio(problem, i);
        if (!ratio)
            return TrapModelError(trap, kRoutineResidual, kErrDivisionByZero);
        f[i] = *ratio - calculated(exp, e) / calcReference;
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
