// The label columns of the intensity, IMFP and results grids: one column per
// label 1..7 the analyst chose to show, in label order, headed by the label's
// name (and unit).
#pragma once

#include <vector>

#include "document/document.h"
#include "document/text_grid.h"

namespace slv {

inline constexpr int kLabelColumnTwips = 1100;
inline constexpr int kRowHeaderTwips = 400;
inline constexpr int kElementColumnTwips = 800;

/// Writes the headers, widths and alignments of the label columns 1..n of
/// grid; resultsGrid heads the Time column as a depth when the depth scale is on.
void SetLabelColumns(TextGrid& grid, const Document& doc, const std::vector<int>& labels, bool resultsGrid);

/// Writes the headers and widths of the element columns, which follow the
/// labelCols label columns; showLines adds the line to each element's header.
void SetElementColumns(TextGrid& grid, const Document& doc, int labelCols, bool showLines);

/// Writes the row numbers 1.. into the header column.
void SetRowNumbers(TextGrid& grid);

}  // namespace slv
