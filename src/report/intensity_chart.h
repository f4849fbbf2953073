// The bar chart beside the layer calculation: for every element row the
// measured intensity relative to the reference element next to the one the
// structure model calculates, so that the analyst sees at a glance which
// lines the working thicknesses explain and which they do not.
#pragma once

#include "document/document.h"
#include "model/calc_history.h"
#include "quant/quant_state.h"
#include "report/chart_plan.h"

namespace slv {

inline constexpr const char* kMeasuredLegend = "Measured";
inline constexpr const char* kCalculatedLegend = "Calculated";
inline constexpr const char* kRelativeIntensityTitle = "Relative intensity";

/// The chart before any calculation: a bar pair per element row, labelled
/// with symbol, line and chemical state, all values 0.
ChartPlan EmptyIntensityChart(const Document& doc);

/// The chart for an experiment: "Measured" the measured relative intensity
/// of each row as the layer calculation's grid shows it (the corrected
/// intensities of res against the reference row, 0 where either has none),
/// "Calculated" the current calculation of the history.
ChartPlan IntensityChart(const Document& doc, const QuantResults& res, const CalcHistory& history, int experiment);

}  // namespace slv
