// The run-time error trap of the model calculation and the fit. A routine
// that meets a numeric fault (a square root of a negative number, an
// overflow, a division by zero) records the fault's classic error number and
// its own routine code in ModelState and returns at once; every caller stops
// as soon as the trap is set, and the one who started the work shows one
// message and clears the trap.
#pragma once

#include <optional>
#include <string>

#include "model/model_state.h"

namespace slv {

struct Session;

/// Who reports a trapped error: a plain calculation or the fit of parameters.
enum class ModelErrorOrigin { Calculation, Fitting };

/// Records a run-time error in routine `routine` unless an earlier one is
/// already recorded (the first fault is the one reported). Returns false so
/// that a routine can end with `return TrapModelError(...)`.
bool TrapModelError(ModelState& model, int routine, int errorNumber);

/// TrapModelError for a routine that returns an optional value: returns nullopt.
inline std::nullopt_t TrapModelFault(ModelState& model, int routine, int errorNumber)
{
    TrapModelError(model, routine, errorNumber);
    return std::nullopt;
}

/// Whether a trapped error waits to be reported.
inline bool ModelErrorTrapped(const ModelState& model) { return model.ModelErrFlag > 0; }

/// Clears the trap.
void ClearModelError(ModelState& model);

/// The text of a run-time error number ("Overflow", "Division by zero", ...).
std::string ModelErrorText(int errorNumber);

/// The whole message for an error trapped in `routine`, worded for its origin.
std::string ModelErrorMessage(int routine, int errorNumber, ModelErrorOrigin origin);

/// Shows the message of the trapped error with the error icon and clears the trap.
void ReportModelError(Session& session, ModelErrorOrigin origin);

}  // namespace slv
