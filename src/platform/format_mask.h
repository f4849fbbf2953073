// Numbers shown through display masks with up to three sections
// (positive;negative;zero), as every grid, result table and report does:
// "##0.00;\ " shows a blank for negative values, so an empty cell (-1) is blank.
//
// Placeholders: 0 (digit, always shown), # (digit, shown when significant),
// . (the locale's decimal separator). A backslash shows the next character as
// it is ("#0\.00" formats 400 as "4.00"). An empty negative section shows the
// positive section with a minus sign; an empty zero section the positive one.
// A value that is not finite shows as "NaN", "Inf" or "-Inf".
#pragma once

#include <string>
#include <string_view>

namespace slv {

std::string FormatNumber(double value, std::string_view mask, char decSep = '.');

}  // namespace slv
