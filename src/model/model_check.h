// The checks a structure model must pass before any model calculation: the
// table check (names, ranges, compositions, IMFP presence, the nanotube and
// polyhedron geometry) and the structure analysis (links, and whether enough
// independent elements make the layer system solvable). Findings are lines
// of one message and bits of ModelErrors; ModelErrorsFinding makes the
// message the analyst sees of them.
//
// Every caller that is about to use a model (closing the model window, the
// layer calculation, the wizard, printing, the model test) first transfers
// the model grid (model_table.h), then runs the table check, the structure
// analysis when the table is sound, and reports the findings; it goes on
// only when no bit above the nanotube warning is set.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"
#include "model/model_state.h"
#include "platform/findings.h"
#include "platform/number_text.h"

namespace slv {

/// Codes of the layer table: LayerKind, LayerLink (1..5 link to that layer) and ElModelFlag.
inline constexpr Integer kKindLayer = 1;
inline constexpr Integer kKindIsland = 2;
inline constexpr Integer kLinkFixed = -1;
inline constexpr Integer kElementOmitted = 1;
inline constexpr Integer kElementReference = 2;

/// Bits of ModelErrors.
enum ModelErrorBit : int {
    kBitNanotubeWarning = 0,  // value 1: a warning only
    kBitTableError = 1,       // value 2
    kBitNanotubeError = 2,    // value 4
    kBitStructureError = 3,   // value 8
    kBitParameterError = 4,   // value 16: selects the heading "Parameter error(s):"
    kBitModelWarning = 5,     // value 32: a warning only (model_warnings.h)
};

inline bool TestBit(int flags, int bit)
{
    return (flags & (1 << bit)) != 0;
}
inline void SetBit(int& flags, int bit)
{
    flags |= 1 << bit;
}
inline void ClearBit(int& flags, int bit)
{
    flags &= ~(1 << bit);
}

/// Headings of the displayed findings.
inline constexpr const char* kModelErrorsHeading = "Model error(s):";
inline constexpr const char* kParameterErrorsHeading = "Parameter error(s):";
inline constexpr const char* kNanotubeWarningsHeading = "Nanotube warning(s):";
inline constexpr const char* kModelWarningsHeading = "Model warning(s):";

/// Whether a model with these error bits may be used: nothing worse than a
/// warning was found.
inline bool ModelUsable(int errors)
{
    return (errors & ~((1 << kBitNanotubeWarning) | (1 << kBitModelWarning))) == 0;
}

/// Every finding is one line of the message, ended by a line break.
inline constexpr const char* kModelLineEnd = "\r\n";

/// Appends one finding line (its text, then kModelLineEnd) to message.
void AppendModelLine(std::string& message, std::string_view line);

/// The table check: errors starts at 0 and message empty. Non-finite values
/// count as out of range. SystemDefined and CoverageFitted are cleared.
void CheckModel(Document& doc, ModelState& model, int& errors, std::string& message);
void CheckNanotube(const Document& doc, int& errors, std::string& message);
void CheckPolyhedron(const Document& doc, int& errors, std::string& message);

/// The structure analysis: adds to message and errors. On success it sets
/// SystemDefined, ModelRefElem (marked 2 in ElModelFlag), FitExpCount and,
/// for islands whose coverage is to be fitted, CoverageFitted.
void AnalyseStructure(Document& doc, ModelState& model, std::string& message, int& errors);

/// The representative element row of every layer row 0..LayerCount (0 = none);
/// index 6 is unused. Rows that are linked or fixed get none. With applyOmit
/// the omitted elements take no part and earlier reference marks (2) are
/// reset to 0. The element rows are visited cyclically from row offset + 1.
std::array<int, 7> SelectLayerElements(Document& doc, bool applyOmit, int offset);

/// What the two validation stages found.
struct ModelFindings {
    int errors = 0;
    std::string message;
    /// The structure analysis ran: the table check found nothing worse than a warning.
    bool analysed = false;
};

/// CheckModel, then AnalyseStructure and the model warnings when the table
/// check left errors below 2; the bits are kept in model.ModelErrors.
ModelFindings RunModelChecks(Document& doc, ModelState& model);

/// The message of the findings under "Model error(s):", "Parameter
/// error(s):", "Nanotube warning(s):" (information, OK only) or "Model
/// warning(s):" (warning, OK only), offering the buttons; nullopt when there
/// is nothing to say.
std::optional<Finding> ModelErrorsFinding(int errors, const std::string& message,
                                          MessageButtons buttons = MessageButtons::Ok);

}  // namespace slv
