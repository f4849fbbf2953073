#include "quant/exchange_lines.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/number_text.h"

namespace slv {

namespace {

constexpr std::size_t kKeywordLength = 4;

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool ExchangeLineReader::ReadDataLine(std::string_view& line)
{
    if (m_rest.empty() || m_linesRead >= kMaxExchangeLines)
        return false;
    const std::size_t end = std::min(m_rest.find_first_of("\r\n"), m_rest.size());
    line = m_rest.substr(0, std::min(end, kMaxExchangeLineLength));
    m_lineWasCut = m_lineWasCut || end > kMaxExchangeLineLength;
    std::size_t next = end;
    if (next < m_rest.size()) {
        const char first = m_rest[next++];
        // CR LF and LF CR are one line end each; CR CR and LF LF are two.
        if (next < m_rest.size() && isLineEnd(m_rest[next]) && m_rest[next] != first)
            ++next;
    }
    m_rest.remove_prefix(next);
    ++m_linesRead;
    return true;
}

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() < kMaxExchangeFields) {
        const std::size_t separator = line.find_first_of(";\t", start);
        fields.push_back(
            trimmed(line.substr(start, separator == std::string_view::npos ? line.npos : separator - start)));
        if (separator == std::string_view::npos)
            break;
        start = separator + 1;
    }
    return fields;
}

std::string KeywordOf(std::string_view field)
{
    std::string keyword(field.substr(0, kKeywordLength));
    std::ranges::transform(keyword, keyword.begin(), upperAscii);
    return keyword;
}

std::optional<float> ConvertNumberField(std::string_view field, char decSep)
{
    std::string number(trimmed(field));
    const char otherSep = decSep == '.' ? ',' : '.';
    if (number.find(decSep) == std::string::npos)
        std::ranges::replace(number, otherSep, decSep);
    const auto value = ConvertNumber(number, decSep);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}

float ParseNumberField(std::string_view field, char decSep)
{
    return ConvertNumberField(field, decSep).value_or(0.0f);
}

Integer ParseIntegerField(std::string_view field, char decSep)
{
    const float rounded = std::nearbyint(ParseNumberField(field, decSep));
    if (rounded < std::numeric_limits<Integer>::min() || rounded > std::numeric_limits<Integer>::max())
        return 0;
    return static_cast<Integer>(rounded);
}

}  // namespace slv
