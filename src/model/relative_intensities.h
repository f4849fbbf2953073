// What the layer calculation window compares: per element row the measured
// and the calculated intensity relative to the reference element, and the Q
// sum of their squared differences, with the last three calculations kept in
// the history so that the analyst sees where a change of thickness led.
#pragma once

namespace slv {

struct Session;
struct QuantResults;

/// The measured intensity of `element` relative to the reference row in
/// `experiment` (single precision), 0 when either value is not positive.
float MeasuredRelativeIntensity(const Session& session, int experiment, int element);
float MeasuredRelativeIntensity(const QuantResults& res, int experiment, int element);

/// After a model calculation: makes the first element row (from RefElem on,
/// cyclically) with a calculated intensity the reference, shifts the
/// histories, and stores the relative intensities, the thicknesses, the
/// coverage and the Q sum of the selected experiment (ModelExperiment). False,
/// after a warning and with the histories untouched, when every calculated
/// intensity is 0.
bool UpdateRelativeIntensities(Session& session);

}  // namespace slv
