// The checks a structure model passes before it is used, with their findings
// shown through the session's dialogs, as the windows and commands that use
// a model run them.
#pragma once

#include "model/model_check.h"
#include "model/model_test.h"
#include "session/session.h"

namespace slv {

/// The record as the model window hands it back after showing it: loaded
/// into a grid and transferred, as every use of the model starts.
void PassModelThroughGrid(Session& session);

/// Check, analyse and show, in the order every caller uses before a model is
/// used. The findings are shown offering the buttons; true when the model
/// may be used (no bit above the nanotube warning).
ModelFindings ValidateModel(Session& session, MessageButtons buttons = MessageButtons::Ok);

/// The table check alone (without the structure analysis, which only a fit
/// needs) and, on a sound table, the model warnings, its findings shown;
/// true when nothing worse than a warning was found.
bool ModelTablePasses(Session& session);

/// The Oxide-Layer thickness of every experiment computed into the first
/// result column, as the model results window does, after the table check
/// (its findings shown); false when the model table does not pass.
bool ComputeOxideThickness(Session& session);

/// The model test of the record as the model window hands it back.
ModelSummary TestSessionModel(Session& session);

}  // namespace slv
