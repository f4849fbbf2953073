// The IMFP & Contamination table of a homogeneous sample read from its grid:
// per experiment either the matrix data an IMFP formula needs (class, atomic
// weight, density) or one IMFP per element row, and the contamination
// thickness; values outside their physical ranges are counted and reported.
#pragma once

#include <string>

#include "document/document.h"
#include "document/text_grid.h"
#include "platform/findings.h"

namespace slv {

inline constexpr const char* kClassColumnHeader = "Class";
inline constexpr const char* kAtWeightColumnHeader = "At. weight";
inline constexpr const char* kDensityColumnHeader = "Density";
inline constexpr const char* kContaminationColumnHeader = "Contam.";

/// Whether the IMFP method works from matrix data (Seah-Dench, Jablonski,
/// Gries) rather than from IMFPs given per line.
bool ImfpTableHoldsMatrixData(const Document& doc);

/// "3 IMFP & Contamination parameters out of the expected range    ".
std::string ImfpRangeWarning(int violations);

/// Reads the grid (label columns 1..labelCols first, which stay as they are)
/// into the document, sets IMFPRowCount and RecalcNeeded, and warns through
/// findings when values lie outside their ranges. A blank cell is no value,
/// not a value out of range. Returns the number of values out of range.
int TransferIMFPTable(Document& doc, const TextGrid& grid, int labelCols, char decSep, Findings& findings);

}  // namespace slv
