// The run-time error trap of the model calculation and the fit. A routine
// that meets a numeric fault (a square root of a negative number, an
// overflow, a division by zero) records the fault's classic error number and
// its own routine code in a ModelTrap and returns at once; every caller stops
// as soon as the trap is set, and the one who started the work reports one
// message and clears the trap.
#pragma once

#include <optional>
#include <string>

#include "model/model_state.h"
#include "platform/findings.h"

namespace slv {

/// Who reports a trapped error: a plain calculation or the fit of parameters.
enum class ModelErrorOrigin { Calculation, Fitting };

/// Records a run-time error in routine `routine` unless an earlier one is
/// already recorded (the first fault is the one reported). Returns false so
/// that a routine can end with `return TrapModelError(...)`.
bool TrapModelError(ModelTrap& trap, int routine, int errorNumber);

/// TrapModelError for a routine that returns an optional value: returns nullopt.
inline std::nullopt_t TrapModelFault(ModelTrap& trap, int routine, int errorNumber)
{
    TrapModelError(trap, routine, errorNumber);
    return std::nullopt;
}

/// Whether a trapped error waits to be reported.
inline bool ModelErrorTrapped(const ModelTrap& trap)
{
    return trap.routine > 0;
}

/// Clears the trap.
void ClearModelError(ModelTrap& trap);

/// The text of a run-time error number ("Overflow", "Division by zero", ...).
std::string ModelErrorText(int errorNumber);

/// The whole message for an error trapped in `routine`, worded for its origin.
std::string ModelErrorMessage(int routine, int errorNumber, ModelErrorOrigin origin);

/// Takes the trapped error out of the trap as an error finding.
Finding TakeModelError(ModelTrap& trap, ModelErrorOrigin origin);

}  // namespace slv
