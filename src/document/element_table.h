// The element table between the element grid and the document, and its
// checks. The transfer turns the free text of the grid into element rows
// (symbols and line notations normalised, numbers read with the locale's
// decimal separator) and counts the rows in use. The validation reports, in
// one message, every invalid line notation, every duplicated line, the number
// of values outside their physical ranges, and elements whose lines are not
// all given in every chemical state.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"
#include "document/text_grid.h"
#include "platform/findings.h"

namespace slv {

/// Element grid columns (column 0 holds the row numbers).
enum ElementColumn : int {
    kColSymbol = 1,
    kColLine = 2,
    kColState = 3,
    kColBindEnergy = 4,
    kColCrossSect = 5,
    kColAsymmetry = 6,
    kColAtWeight = 7,
    kColValence = 8,
    kColOxygens = 9,
};

/// Heading of the validation message.
inline constexpr std::string_view kElementErrorsHeading = "Element error(s):";
/// Appended after a validation message that had to be shortened.
inline constexpr std::string_view kMoreSimilarErrors = "... and some more similar errors ...    ";

/// Rows whose element is measured with more than one line. The quantification
/// combines such lines, and the grids then show the line in column headers.
struct MultiLineRows {
    RowTable<bool> MultiLineMark{};  // rows 1..ElemCount
    bool MultiLineFound = false;
};

/// The verdict of ValidateElements: the multiline marks and, when something
/// is wrong, the one message that lists every finding.
struct ElementValidation {
    MultiLineRows multiLine;
    std::optional<Finding> finding;
    bool ok() const { return !finding; }
};

/// An element symbol as typed, in its stored form: one letter upper case,
/// otherwise the first letter upper and the second lower case ("fe" -> "Fe").
std::string NormalizedSymbol(std::string_view typed);

/// A line notation as typed, trimmed, with its first two characters in lower
/// case ("2P3" -> "2p3").
std::string NormalizedLine(std::string_view typed);

/// Reads the element grid (rows 1..20, columns as in ElementColumn) into the
/// document with the locale's decimal separator, writes the normalised
/// symbol and line back into the grid, and sets ElemCount and RecalcNeeded.
/// Reading stops after the second consecutive row without symbol and line;
/// a single blank row inside the table stays a row. Returns true when
/// ElemCount changed, so that the caller rebuilds the grids laid out by
/// element rows.
bool TransferElementTable(Document& doc, TextGrid& grid, char decSep);

/// 0 when ch is exactly one character and that character is in set, else 1.
int CharNotIn(std::string_view ch, std::string_view set);

/// Marks the rows whose trimmed symbol occurs in another row with a
/// different trimmed line.
MultiLineRows FindMultiLineRows(const Document& doc);

/// Cuts a list of findings (lines each ending in a line break) that is
/// longer than 1000 characters back, line by line, to below 951 characters
/// and appends kMoreSimilarErrors. Shorter lists come back unchanged.
std::string ShortenFindings(std::string findings);

/// Checks rows 1..ElemCount: line notation grammar, duplicated lines with
/// identical chemical state, values outside their ranges, and the lines x
/// states consistency of elements measured with several lines. All findings
/// make one warning under "Element error(s):" with OK and Cancel (OK only
/// while the data wizard is docked). The table itself is never changed.
ElementValidation ValidateElements(const Document& doc, bool dataWizardDocked = false);

}  // namespace slv
