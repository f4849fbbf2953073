// The calculation set-up: everything the intensity formulas need that does
// not change while layer thicknesses are varied. For the experiment under
// study it refreshes the measured relative intensities when they are stale,
// finds a reference element with a measured value, takes the emission
// cosines from the Tilt labels, fixes how many tube crossings a nanotube
// electron is followed through, the fit's upper thickness bound, and the
// region tables of atom densities and IMFPs.
#pragma once

#include "document/document.h"
#include "model/model_state.h"
#include "quant/quant_state.h"

namespace slv {

/// Shown when a layer is thicker than the nanotube wall it replaces.
inline constexpr const char* kModifiedLayerTooThickText =
    "The thickness of the modified layer is higher    \r\nthan the thickness of the nanotube wall    ";

/// Prepares the model calculation for experiment `experiment`. False, with
/// a finding, when the calculation must be abandoned: no element has a
/// measured value, an IMFP that attenuates an element's electrons is missing,
/// or the modified tube layer is thicker than the tube wall.
bool ModelSetup(const QuantContext& q, ModelState& model, int experiment);

/// The Nanotube's effective outer radius of the wall, TubeRadius: the sample
/// radius, or with the modified tube layer the sample
/// radius less the layer thicknesses. False, with a warning, when the
/// modified layers leave no wall above the inner radius.
bool UpdateTubeRadius(const Document& doc, ModelState& model, Findings& findings);

/// How many tube crossings an electron is followed through: more for walls
/// thin against the largest bulk IMFP, limited to 1..6 (single-precision
/// arithmetic with the empirical constants 3.4, 0.75 and the power -0.4).
int TubeStepsFor(float sampleRadius, float innerRadius, float largestBulkImfp);

}  // namespace slv
