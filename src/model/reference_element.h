// The reference element of the relative intensities: the analyst's choice
// (RefElem) is kept while it has a usable value, otherwise the next element
// row that has one takes its place, searching cyclically.
#pragma once

#include <functional>

namespace slv {

/// Shown when no element row has a usable value.
inline constexpr const char* kIntensityAlwaysZeroText = "Incorrect dataset. Intensity always 0    ";

/// The first row, starting at `start` and wrapping after `rowCount` to 1, for
/// which `usable` holds; at most rowCount + 1 rows are tried. 0 when none is.
int NextUsableRow(int start, int rowCount, const std::function<bool(int)>& usable);

}  // namespace slv
