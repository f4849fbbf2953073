#include "model/model_calculation.h"

#include <cmath>
#include <vector>

#include "core/session.h"
#include "document/file_error.h"
#include "model/geometry_intensity.h"
#include "model/model_errors.h"

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

bool evaluateGeometry(Session& session, const LayerTable<double>& thick, std::vector<double>& out)
{
    const Document& doc = session.doc;
    ModelState& model = session.model;
    const RegionTables& regions = model.Regions;
    const int n = doc.ElemCount;
    const int experiments = model.FitExpCount;
    switch (doc.modelType()) {
    case ModelType::Plane:
        for (int exp = 1; exp <= experiments; ++exp) {
            for (int e = 1; e <= n; ++e) {
                const auto value = PlaneIntensity(regions, thick, e, model.EmissionCos[exp], model);
                if (!value)
                    return false;
                out[cell(n, exp, e)] = *value;
            }
        }
        return true;
    case ModelType::Sphere:
    case ModelType::Cylinder:
    case ModelType::Polyhedron: {
        const auto paths = CurvedPathTable(regions, thick, doc.SampleRadius, doc.modelType(), model);
        if (!paths)
            return false;
        for (int e = 1; e <= n; ++e) {
            const auto value = CurvedIntensity(regions, *paths, session.AngleWeight, e, model);
            if (!value)
                return false;
            copyToEveryExperiment(out, n, experiments, e, *value);
        }
        return true;
    }
    case ModelType::Nanotube: {
        const TubeChords chords = TubeChordTable(thick, doc.LayerCount, model.TubeRadius, doc.InnerRadius);
        for (int e = 1; e <= n; ++e) {
            const auto value = NanotubeIntensity(regions, chords, model.TubeSteps, e, model);
            if (!value)
                return false;
            copyToEveryExperiment(out, n, experiments, e, *value);
        }
        return true;
    }
    default:
        // Homogeneous and Oxide-Layer samples have no region geometry.
        return TrapModelError(model, kRoutineModelCalculation, kErrSubscript);
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

bool ModelCalculation(Session& session, const LayerTable<double>& thick, double coverage)
{
    const Document& doc = session.doc;
    ModelState& model = session.model;
    ClearModelError(model);
    const int n = doc.ElemCount;
    const int experiments = model.FitExpCount;
    model.CalcIntensity.assign(cell(n, experiments, n) + 1, 0.0);
    if (!evaluateGeometry(session, thick, model.CalcIntensity))
        return false;

    if (doc.IslandMode == 1) {
        LayerTable<double> bare = thick;
        for (int k = 1; k <= doc.LayerCount; ++k)
            if (doc.LayerKind[k] == kIslandKind)
                bare[k] = 0.0;
        std::vector<double> uncovered(model.CalcIntensity.size(), 0.0);
        if (!evaluateGeometry(session, bare, uncovered))
            return false;
        for (std::size_t i = 1; i < uncovered.size(); ++i)
            model.CalcIntensity[i] = coverage * model.CalcIntensity[i] + (1.0 - coverage) * uncovered[i];
    }
    if (doc.ARXPS)
        scaleEachExperiment(model.CalcIntensity, n, experiments);
    for (std::size_t i = 1; i < model.CalcIntensity.size(); ++i)
        if (!std::isfinite(model.CalcIntensity[i]))
            return TrapModelError(model, kRoutineModelCalculation, kErrOverflow);
    return true;
}

double CalculatedIntensity(const Session& session, int experiment, int element)
{
    return session.model.CalcIntensity[cell(session.doc.ElemCount, experiment, element)];
}

}  // namespace slv
