#include "model/model_calculation.h"

#include <cmath>
#include <vector>

#include "document/file_error.h"
#include "model/geometry_intensity.h"
#include "model/model_errors.h"
#include "model/particle_regions.h"

namespace slv {

namespace {
/// Each experiment's intensities sum to this in angle-resolved mode.
constexpr double kAngleResolvedTotal = 100.0;
constexpr Integer kIslandKind = 2;

std::size_t cell(int elementCount, int experiment, int element)
{
    return static_cast<std::size_t>((experiment - 1) * elementCount + element);
}

/// Geometries whose intensities do not depend on the emission angle are
/// computed once per element and copied to every experiment.
void copyToEveryExperiment(std::vector<double>& out, int elementCount, int experiments, int element, double value)
{
    for (int exp = 1; exp <= experiments; ++exp)
        out[cell(elementCount, exp, element)] = value;
}

bool evaluateParticle(const CalculationInput& input, const LayerTable<double>& thick, std::vector<double>& out,
                      ModelTrap& trap)
{
    const RegionTables& regions = input.regions;
    // A trial step of the fit below zero thickness is, as an overflow of the
    // class model, a step too long: the fit retries it shorter.
    for (int k = 1; k <= input.layers; ++k)
        if (!(thick[k] >= 0.0) || !std::isfinite(thick[k]))
            return TrapModelError(trap, kRoutineCurved, kErrOverflow);
    const auto chords = ParticleChordTable(regions, thick, input.sampleRadius, input.modelType);
    if (!chords)
        return TrapModelError(trap, kRoutineCurved, kErrInvalidCall);
    for (int e = 1; e <= input.elements; ++e) {
        // An element that occurs in no region sends no electrons.
        const bool present = regions.inBulk[e] || regions.lastRegion[e] > 0;
        const auto value = present ? ParticleIntensity(regions, *chords, e) : std::optional<double>(0.0);
        if (!value)
            return TrapModelError(trap, kRoutineCurved, kErrOverflow);
        copyToEveryExperiment(out, input.elements, input.experiments, e, *value);
    }
    return true;
}

bool evaluateGeometry(const CalculationInput& input, const LayerTable<double>& thick, std::vector<double>& out,
                      ModelTrap& trap)
{
    const RegionTables& regions = input.regions;
    const int n = input.elements;
    const int experiments = input.experiments;
    switch (input.modelType) {
    case ModelType::Plane:
        for (int exp = 1; exp <= experiments; ++exp) {
            for (int e = 1; e <= n; ++e) {
                const auto value = PlaneIntensity(regions, thick, e, input.emissionCos[exp], trap);
                if (!value)
                    return false;
                out[cell(n, exp, e)] = *value;
            }
        }
        return true;
    case ModelType::Sphere:
    case ModelType::Cylinder:
        if (input.exactParticles)
            return evaluateParticle(input, thick, out, trap);
        [[fallthrough]];
    case ModelType::Polyhedron: {
        const auto paths = CurvedPathTable(regions, thick, input.sampleRadius, input.modelType, trap);
        if (!paths)
            return false;
        for (int e = 1; e <= n; ++e) {
            const auto value = CurvedIntensity(regions, *paths, input.angleWeight, e, trap);
            if (!value)
                return false;
            copyToEveryExperiment(out, n, experiments, e, *value);
        }
        return true;
    }
    case ModelType::Nanotube: {
        const TubeChords chords = TubeChordTable(thick, input.layers, input.tubeRadius, input.innerRadius);
        for (int e = 1; e <= n; ++e) {
            const auto value = NanotubeIntensity(regions, chords, input.tubeSteps, e, trap);
            if (!value)
                return false;
            copyToEveryExperiment(out, n, experiments, e, *value);
        }
        return true;
    }
    default:
        // Homogeneous and Oxide-Layer samples have no region geometry.
        return TrapModelError(trap, kRoutineModelCalculation, kErrSubscript);
    }
}

void scaleEachExperiment(std::vector<double>& intensities, int elementCount, int experiments)
{
    for (int exp = 1; exp <= experiments; ++exp) {
        double sum = 0.0;
        for (int e = 1; e <= elementCount; ++e)
            sum += intensities[cell(elementCount, exp, e)];
        if (sum == 0.0)
            continue;
        for (int e = 1; e <= elementCount; ++e)
            intensities[cell(elementCount, exp, e)] *= kAngleResolvedTotal / sum;
    }
}
}  // namespace

CalculationInput CalculationInputOf(const Document& doc, const ModelState& model)
{
    CalculationInput input;
    input.modelType = doc.modelType();
    input.exactParticles = UsesExactParticleIntegral(doc);
    input.elements = doc.ElemCount;
    input.layers = doc.LayerCount;
    input.islands = doc.IslandMode == 1;
    input.layerKind = doc.LayerKind;
    input.angleResolved = doc.ARXPS;
    input.experiments = model.FitExpCount;
    input.sampleRadius = doc.SampleRadius;
    input.innerRadius = doc.InnerRadius;
    input.emissionCos = model.EmissionCos;
    input.angleWeight = model.AngleWeight;
    input.tubeRadius = model.TubeRadius;
    input.tubeSteps = model.TubeSteps;
    input.regions = model.Regions;
    return input;
}

bool ModelCalculation(const CalculationInput& input, const LayerTable<double>& thick, double coverage,
                      std::vector<double>& intensities, ModelTrap& trap)
{
    ClearModelError(trap);
    const int n = input.elements;
    const int experiments = input.experiments;
    intensities.assign(cell(n, experiments, n) + 1, 0.0);
    if (!evaluateGeometry(input, thick, intensities, trap))
        return false;

    if (input.islands) {
        LayerTable<double> bare = thick;
        for (int k = 1; k <= input.layers; ++k)
            if (input.layerKind[k] == kIslandKind)
                bare[k] = 0.0;
        std::vector<double> uncovered(intensities.size(), 0.0);
        if (!evaluateGeometry(input, bare, uncovered, trap))
            return false;
        for (std::size_t i = 1; i < uncovered.size(); ++i)
            intensities[i] = coverage * intensities[i] + (1.0 - coverage) * uncovered[i];
    }
    if (input.angleResolved)
        scaleEachExperiment(intensities, n, experiments);
    for (std::size_t i = 1; i < intensities.size(); ++i)
        if (!std::isfinite(intensities[i]))
            return TrapModelError(trap, kRoutineModelCalculation, kErrOverflow);
    return true;
}

bool ModelCalculation(const Document& doc, ModelState& model, const LayerTable<double>& thick, double coverage)
{
    return ModelCalculation(CalculationInputOf(doc, model), thick, coverage, model.CalcIntensity, model.trap);
}

double CalculatedIntensity(const std::vector<double>& intensities, int elements, int experiment, int element)
{
    return intensities[cell(elements, experiment, element)];
}

double CalculatedIntensity(const Document& doc, const ModelState& model, int experiment, int element)
{
    return CalculatedIntensity(model.CalcIntensity, doc.ElemCount, experiment, element);
}

}  // namespace slv
