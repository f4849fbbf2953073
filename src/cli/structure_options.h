// The structure given on the command line of fit and simulate: a thickness
// for every layer and, for islands, a coverage. Values the layer calculation
// or the simulation window would refuse are refused with the program's own
// words, so that the command ends as bad usage before anything is computed.
// And the model table check that must pass before a model is used.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "session/session.h"

namespace slv::cli {

/// kExitOk, or kExitUsage after a message: thicknesses given (empty: none)
/// but not one per layer, a thickness or coverage out of range, or a
/// coverage for a model without islands. `option` names the thickness option.
int CheckStructureOptions(Session& session, const std::vector<double>& thicknesses,
                          const std::optional<double>& coverage, const std::string& option, std::ostream& err);

/// The values of --curved: the exact particle integral or the surface-angle classes.
inline constexpr const char* kCurvedExact = "exact";
inline constexpr const char* kCurvedClasses = "classes";

/// Adds --curved to a subcommand, read into curved.
void AddCurvedModelOption(CLI::App& subcommand, std::string& curved);

/// Overrides the document's curved model when --curved was given (empty: the document's choice).
void ApplyCurvedModelOption(Session& session, const std::string& curved);

}  // namespace slv::cli
