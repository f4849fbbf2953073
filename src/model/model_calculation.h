// The model calculation: for trial layer thicknesses and a coverage, the
// intensity of every element row in every experiment that enters the fit,
// up to a common factor, in CalcIntensity. Islands mix the covered and the
// bare surface by the coverage; in angle-resolved mode the intensities of
// each experiment are scaled to sum to 100.
//
// ModelSetup (model_regions.h) must have run for the current experiment.
#pragma once

#include "document/document.h"

namespace slv {

struct Session;

/// Fills session.model.CalcIntensity, index (experiment - 1) x ElemCount +
/// row, for experiments 1..FitExpCount. False when a run-time error was
/// trapped (ModelErrFlag and ModelErrNo say where and which); the caller
/// reports it with ReportModelError.
bool ModelCalculation(Session& session, const LayerTable<double>& thick, double coverage);

/// The intensity of an element row in an experiment, as CalcIntensity indexes it.
double CalculatedIntensity(const Session& session, int experiment, int element);

}  // namespace slv
