#include "report/report_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/format_mask.h"

namespace slv {

namespace {

constexpr int kMostEnteredDecimals = 6;

/// The end of the first section of a mask: its first ';' that is not escaped.
std::size_t firstSectionEnd(std::string_view mask)
{
    for (std::size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] == '\\')
            ++i;
        else if (mask[i] == ';')
            return i;
    }
    return mask.size();
}

}  // namespace

int EnteredDecimals(float value)
{
    if (!std::isfinite(value))
        return 0;
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return 0;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return 0;
    return std::min(static_cast<int>(text.size() - point - 1), kMostEnteredDecimals);
}

std::string WidenedMask(std::string_view mask, int decimals)
{
    const std::size_t sectionEnd = firstSectionEnd(mask);
    std::string section(mask.substr(0, sectionEnd));
    // Places of the section: its unescaped decimal point and last digit placeholder.
    std::size_t point = std::string::npos;
    std::size_t lastDigit = std::string::npos;
    int shown = 0;
    for (std::size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (c == '\\') {
            ++i;
        } else if (c == '.' && point == std::string::npos) {
            point = i;
        } else if (c == '0' || c == '#') {
            lastDigit = i;
            if (point != std::string::npos)
                ++shown;
        }
    }
    if (lastDigit == std::string::npos || decimals <= shown)
        return std::string(mask);
    if (point == std::string::npos) {
        section[lastDigit] = '0';
        section.insert(lastDigit + 1, "." + std::string(static_cast<std::size_t>(decimals), '0'));
    } else {
        const std::size_t after = std::max(point, lastDigit) + 1;
        section.insert(after, std::string(static_cast<std::size_t>(decimals - shown), '0'));
    }
    return section + std::string(mask.substr(sectionEnd));
}

std::string FormatAsEntered(float value, std::string_view mask, char decSep)
{
    return FormatNumber(value, WidenedMask(mask, EnteredDecimals(value)), decSep);
}

}  // namespace slv
