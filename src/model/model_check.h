// The checks a structure model must pass before any model calculation: the
// table check (names, ranges, compositions, IMFP presence, the nanotube and
// polyhedron geometry) and the structure analysis (links, and whether enough
// independent elements make the layer system solvable). Findings are lines
// of one message and bits of ModelErrors; ShowModelErrors displays them.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/session.h"

namespace slv {

/// Bits of ModelErrors.
enum ModelErrorBit : int {
    kBitNanotubeWarning = 0,  // value 1: a warning only
    kBitTableError = 1,       // value 2
    kBitNanotubeError = 2,    // value 4
    kBitStructureError = 3,   // value 8
    kBitParameterError = 4,   // value 16: selects the heading "Parameter error(s):"
};

inline bool TestBit(int flags, int bit) { return (flags & (1 << bit)) != 0; }
inline void SetBit(int& flags, int bit) { flags |= 1 << bit; }
inline void ClearBit(int& flags, int bit) { flags &= ~(1 << bit); }

/// The table check: errors starts at 0 and message empty.
void CheckModel(Session& session, int& errors, std::string& message);
void CheckNanotube(Session& session, int& errors, std::string& message);
void CheckPolyhedron(Session& session, int& errors, std::string& message);

/// The structure analysis: adds to message and errors.
void AnalyseStructure(Session& session, std::string& message, int& errors);

/// The representative element row of every layer row 0..LayerCount (0 = none);
/// index 6 is unused. Returns the representatives.
std::array<int, 7> SelectLayerElements(Session& session, bool applyOmit, int offset);

/// Shows the findings under "Model error(s):", "Parameter error(s):" or
/// "Nanotube warning(s):" and returns the button pressed (nullopt: nothing shown).
std::optional<DialogAnswer> ShowModelErrors(Session& session, int errors, const std::string& message,
                                            MessageButtons buttons);

/// Check, analyse and show, in the order every caller uses before a model is
/// used; true when the model may be used (no bit above the nanotube warning).
bool ValidateModel(Session& session, MessageButtons buttons = MessageButtons::Ok);

}  // namespace slv
