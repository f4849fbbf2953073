// The model calculation: for trial layer thicknesses and a coverage, the
// intensity of every element row in every experiment that enters the fit,
// up to a common factor. Islands mix the covered and the bare surface by the
// coverage; in angle-resolved mode the intensities of each experiment are
// scaled to sum to 100.
//
// Everything the calculation reads besides the thicknesses and the coverage
// is gathered in a CalculationInput, copied from the document and the
// calculation set-up (ModelSetup, model_regions.h, must have run), so that a
// fit can work on its own copy.
#pragma once

#include <vector>

#include "document/document.h"
#include "model/model_state.h"

namespace slv {

struct CalculationInput {
    ModelType modelType = ModelType::Plane;
    /// Sphere and Cylinder by the exact particle integral instead of the angle classes.
    bool exactParticles = false;
    int elements = 0;
    int layers = 0;
    bool islands = false;
    LayerTable<Integer> layerKind{};
    bool angleResolved = false;
    /// Experiments 1..experiments are calculated (FitExpCount).
    int experiments = 1;
    float sampleRadius = 0.0f;
    float innerRadius = 0.0f;
    ExpTable<double> emissionCos{};
    AngleWeights angleWeight{};
    double tubeRadius = 0.0;
    int tubeSteps = 1;
    RegionTables regions;
};

/// The input of the document and the set-up as they stand.
CalculationInput CalculationInputOf(const Document& doc, const ModelState& model);

/// Fills intensities, index (experiment - 1) x elements + row, for
/// experiments 1..experiments. False when a run-time error was trapped
/// (trap says where and which); the caller reports it.
bool ModelCalculation(const CalculationInput& input, const LayerTable<double>& thick, double coverage,
                      std::vector<double>& intensities, ModelTrap& trap);

/// The calculation for the document and the set-up as they stand, into
/// model.CalcIntensity, with its fault in model.trap.
bool ModelCalculation(const Document& doc, ModelState& model, const LayerTable<double>& thick, double coverage);

/// The intensity of an element row in an experiment, as the intensities are indexed.
double CalculatedIntensity(const std::vector<double>& intensities, int elements, int experiment, int element);

/// The same in model.CalcIntensity.
double CalculatedIntensity(const Document& doc, const ModelState& model, int experiment, int element);

}  // namespace slv
