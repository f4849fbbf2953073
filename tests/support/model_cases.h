// Structured samples for the model tests and benchmarks: a document with a
// chosen geometry, layers and element rows, every IMFP cell filled, and the
// steps that turn a known structure into "measured" relative intensities and
// prepare the fit the way the structure analysis would.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "model/fit_driver.h"
#include "model/model_calculation.h"
#include "support/model_workspace.h"

namespace slv::test {

struct SampleShape {
    ModelType modelType = ModelType::Plane;
    int layers = 2;
    int elements = 3;
    int experiments = 1;
    bool angleResolved = false;
};

/// Element row e mainly sits in layer row (e - 1) mod (layers + 1): row 1 in
/// the bulk, row 2 in layer 1, ...; every element row with e > layers + 1
/// also adds a little to the bulk. Densities, molecular weights and IMFPs
/// (nm) vary by row and element so that no two rows look alike. Experiment j
/// has the tilt (j - 1) x 70 / experiments degrees.
inline void BuildSample(ModelWorkspace& w, const SampleShape& shape)
{
    Document& doc = w.doc;
    doc.setModelType(shape.modelType);
    doc.LayerCount = static_cast<Integer>(shape.layers);
    doc.ElemCount = static_cast<Integer>(shape.elements);
    doc.ExpCount = static_cast<Integer>(shape.experiments);
    doc.ARXPS = shape.angleResolved;
    doc.LabelSelect[3] = 1;
    doc.setTiltUnit(TiltUnit::Degree);
    for (int row = 0; row <= shape.layers; ++row) {
        doc.LayerName[row] = row == 0 ? std::string("Bulk") : "Layer" + std::to_string(row);
        doc.LayerKind[row] = 1;
        doc.LayerDensity[row] = 2.0f + 0.5f * row;
        doc.LayerMolWeight[row] = 40.0f + 10.0f * row;
        for (int e = 1; e <= shape.elements; ++e)
            doc.LayerIMFP[row][e] = 1.2f + 0.07f * e + 0.15f * row;
    }
    for (int e = 1; e <= shape.elements; ++e) {
        doc.ElSymbol[e] = "E" + std::to_string(e % 10);
        doc.LayerComp[(e - 1) % (shape.layers + 1)][e] = 1.0f + 0.1f * (e % 3);
        if (e > shape.layers + 1)
            doc.LayerComp[0][e] += 0.2f;
    }
    for (int j = 1; j <= shape.experiments; ++j)
        doc.LabelText[j][4] = std::to_string((j - 1) * 70 / shape.experiments);
    for (int i = 1; i <= 9; ++i)
        w.model.AngleWeight[i] = static_cast<float>(std::sin((i - 0.5) * 0.1745));
    doc.RecalcNeeded = false;
    w.model.FitExpCount = shape.angleResolved ? shape.experiments : 1;
    w.model.ModelExperiment = 1;
    w.res.RefElem = 1;
}

/// BuildSample with the set-up a simulation runs (no measured values needed).
inline bool BuildAndSetUp(ModelWorkspace& w, const SampleShape& shape, float sampleRadius = 0.0f)
{
    BuildSample(w, shape);
    w.doc.SampleRadius = sampleRadius;
    w.model.SimulActive = true;
    return w.setUp();
}

/// Calculates the intensities of the structure `thick` (and coverage) and
/// stores them as the measured values of the fitted experiments.
inline bool SimulateMeasurement(ModelWorkspace& w, const LayerTable<double>& thick, double coverage)
{
    Document& doc = w.doc;
    doc.LayerThick = thick;
    doc.Coverage = coverage;
    w.model.SimulActive = true;
    const bool prepared = w.setUp();
    w.model.SimulActive = false;
    if (!prepared || !ModelCalculation(doc, w.model, thick, coverage))
        return false;
    for (int j = 1; j <= w.model.FitExpCount; ++j) {
        const int exp = doc.ARXPS ? j : w.model.ModelExperiment;
        for (int e = 1; e <= doc.ElemCount; ++e)
            w.res.ResultValue[exp][e] = static_cast<float>(CalculatedIntensity(doc, w.model, j, e));
    }
    return true;
}

/// What the structure analysis decides for these samples: the bulk's element
/// row 1 is the reference, the system is defined.
inline void PrepareFit(ModelWorkspace& w, bool coverageFitted = false)
{
    w.model.ModelRefElem = 1;
    w.doc.ElModelFlag[1] = 2;
    w.model.SystemDefined = true;
    w.model.CoverageFitted = coverageFitted;
    w.doc.AutoCov = coverageFitted;
}

/// The 5-layer nanotube of the benchmarks: 20 element rows, 40 angle-resolved experiments.
inline SampleShape LargeNanotube()
{
    return {ModelType::Nanotube, 5, 20, 40, true};
}

inline void SetTubeRadii(Document& doc)
{
    doc.SampleRadius = 8.0f;
    doc.InnerRadius = 6.0f;
}

inline LayerTable<double> LargeNanotubeThicknesses()
{
    return {0.0, 0.4, 0.7, 0.5, 0.9, 0.6};
}

}  // namespace slv::test
