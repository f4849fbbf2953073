// How text becomes a number and a number text: the grid readers that honour
// the locale's decimal separator, and the locale-independent form used for
// numbers kept in the settings store.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"

namespace slv {

/// A grid cell's text as a Single: blank or unconvertible text gives 0. The
/// decimal separator is the locale's (decSep); no thousands separators.
float ParseSingle(std::string_view text, char decSep);

/// A grid cell's text as an Integer, rounded to the nearest whole number with
/// halves to the even neighbour; blank, unconvertible or out-of-range text gives 0.
Integer ParseInteger(std::string_view text, char decSep);

/// The locale-independent number text: '.' as decimal point and a leading
/// blank before a value that is not negative (" 1.5", "-0.25").
std::string NeutralNumberText(float value);

/// Reads the leading number of a locale-independent text, stopping at the
/// first character that does not belong to it; nullopt when there is none.
std::optional<double> NeutralNumberValue(std::string_view text);

}  // namespace slv
