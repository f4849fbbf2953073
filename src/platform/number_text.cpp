#include "platform/number_text.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/fixed_text.h"

namespace slv {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// Converts the number text (as measured by numberLength) with '.' as decimal point.
std::optional<double> convert(std::string_view number, char decSep)
{
    std::string normal(number);
    for (char& c : normal) {
        if (c == decSep)
            c = '.';
        else if (c == 'd' || c == 'D')
            c = 'e';
    }
    std::size_t start = 0;
    const bool negative = !normal.empty() && normal[0] == '-';
    if (!normal.empty() && (normal[0] == '+' || normal[0] == '-'))
        start = 1;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(normal.data() + start, normal.data() + normal.size(), value);
    if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

std::size_t NumberLength(std::string_view text, char decSep)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == decSep) {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t exponentStart = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > exponentStart)
            i = j;
    }
    return i;
}

std::optional<double> ConvertNumber(std::string_view text, char decSep)
{
    const std::string_view t = trimmed(text);
    if (t.empty())
        return std::nullopt;
    const std::size_t length = NumberLength(t, decSep);
    if (length == 0 || length != t.size())
        return std::nullopt;
    return convert(t, decSep);
}

float ParseSingle(std::string_view text, char decSep)
{
    const auto value = ConvertNumber(text, decSep);
    if (!value || std::fabs(*value) > FLT_MAX)
        return 0.0f;
    return static_cast<float>(*value);
}

std::optional<Integer> ConvertInteger(std::string_view text, char decSep)
{
    const auto value = ConvertNumber(text, decSep);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value);  // halves to the even neighbour
    if (rounded < std::numeric_limits<Integer>::min() || rounded > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return static_cast<Integer>(rounded);
}

Integer ParseInteger(std::string_view text, char decSep)
{
    return ConvertInteger(text, decSep).value_or(0);
}

char DecimalSeparatorOf(std::string_view textOfOnePointOne)
{
    return textOfOnePointOne.find('.') != std::string_view::npos ? '.' : ',';
}

std::string PrintedNumber(int value)
{
    return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

std::string NeutralNumberText(float value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    return value < 0.0f ? text : " " + text;
}

std::optional<double> NeutralNumberValue(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size() && (text[first] == ' ' || text[first] == '\t'))
        ++first;
    const std::string_view rest = text.substr(first);
    const std::size_t length = NumberLength(rest, '.');
    if (length == 0)
        return std::nullopt;
    return convert(rest.substr(0, length), '.');
}

}  // namespace slv
