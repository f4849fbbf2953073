// How text becomes a number and a number text: the grid readers that honour
// the locale's decimal separator, and the locale-independent form used for
// numbers kept in the settings store.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/integer.h"

namespace slv {

/// The length of the number at the start of text: a sign, digits with at
/// most one decimal separator, an exponent (e or E, or the d or D of older
/// files); 0 when there are no mantissa digits. An exponent without digits
/// is not part of the number.
std::size_t NumberLength(std::string_view text, char decSep);

/// The whole trimmed text as a number with the given decimal separator;
/// nullopt when it is blank, does not convert, or is not finite.
std::optional<double> ConvertNumber(std::string_view text, char decSep);

/// The whole trimmed text as an Integer (halves to the even neighbour);
/// nullopt when it does not convert or lies outside the Integer range.
std::optional<Integer> ConvertInteger(std::string_view text, char decSep);

/// A grid cell's text as a Single: blank or unconvertible text gives 0. The
/// decimal separator is the locale's (decSep); no thousands separators.
float ParseSingle(std::string_view text, char decSep);

/// A grid cell's text as an Integer, rounded to the nearest whole number with
/// halves to the even neighbour; blank, unconvertible or out-of-range text gives 0.
Integer ParseInteger(std::string_view text, char decSep);

/// The decimal separator of a locale, judged from how it writes the number 1.1.
char DecimalSeparatorOf(std::string_view textOfOnePointOne);

/// A whole number as the classic number printing shows it in messages: a
/// leading blank for a value that is not negative (" 3", "-1").
std::string PrintedNumber(int value);

/// The locale-independent number text: '.' as decimal point and a leading
/// blank before a value that is not negative (" 1.5", "-0.25").
std::string NeutralNumberText(float value);

/// Reads the leading number of a locale-independent text, stopping at the
/// first character that does not belong to it; nullopt when there is none.
std::optional<double> NeutralNumberValue(std::string_view text);

}  // namespace slv
