// The charts and the model layout of the running evaluation: what the chart
// window, the transmission window and the model layout window show for the
// session's document and results. The builders of src/report take plain
// tables; these functions gather the tables from the session.
#pragma once

#include <string>

#include "quant/results_table.h"
#include "report/chart_plan.h"
#include "report/model_layout.h"
#include "session/session.h"

namespace slv {

/// The chart window's chart for the results as the results window shows
/// them (`composition`, from ShowResults or PreviewComposition; a structure
/// model charts its thicknesses and needs none): a line chart over the experiments
/// or a pie of a single one, of the composition, the layer thicknesses or
/// the oxide thickness by the model type. The Oxide-Layer model's
/// thicknesses are computed here when its model table passes its check.
ChartPlan CurrentResultsChart(Session& session, const ResultsTable& composition);

/// The transmission curve of the given transmission settings at the
/// excitation energy, the factors computed with their messages shown; the
/// file search may update filePath.
ChartPlan TransmissionCurve(Session& session, TransmissionType type, float exponent, std::string& filePath,
                            float excitationEv);

/// The model layout window's state for experiment curExp: the stored
/// results, or the working thicknesses while the layer calculation is open,
/// and for the Oxide-Layer model the oxide thickness computed from the
/// experiment's intensities.
LayoutState CurrentLayoutState(Session& session, int curExp);

}  // namespace slv
