// Numbers of the parameter record as the report prints them: through the
// display mask of each parameter, with as many more decimals as the value
// was entered with, so that a radius of 3.2 nm does not read "3 nm" and an
// exponent of 0.75 not "0.8".
#pragma once

#include <string>
#include <string_view>

namespace slv {

/// Decimals of the shortest text that reads back as the same Single, at most 6.
int EnteredDecimals(float value);

/// The mask with its positive section widened to `decimals` decimals when it
/// shows fewer; a mask without a decimal point gets one after a '0' digit.
std::string WidenedMask(std::string_view mask, int decimals);

/// The value through the mask widened to the digits it was entered with.
std::string FormatAsEntered(float value, std::string_view mask, char decSep);

}  // namespace slv
