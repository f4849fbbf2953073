#include "platform/format_mask.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace slv {

namespace {

/// Splits a mask at the semicolons that are not escaped or quoted.
std::vector<std::string> sectionsOf(std::string_view mask)
{
    std::vector<std::string> sections(1);
    bool quoted = false;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (c == '\\' && i + 1 < mask.size() && !quoted) {
            sections.back() += mask.substr(i, 2);
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
            sections.back() += c;
        } else if (c == ';' && !quoted) {
            sections.emplace_back();
        } else {
            sections.back() += c;
        }
    }
    return sections;
}

struct Token {
    enum Kind { Literal, Digit, Decimal, Percent } kind;
    char ch;  // the literal, or '0' / '#' for a digit placeholder
};

std::vector<Token> tokensOf(std::string_view section)
{
    std::vector<Token> tokens;
    bool quoted = false;
    for (std::size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (quoted) {
            if (c == '"')
                quoted = false;
            else
                tokens.push_back({Token::Literal, c});
        } else if (c == '"') {
            quoted = true;
        } else if (c == '\\') {
            if (i + 1 < section.size())
                tokens.push_back({Token::Literal, section[++i]});
        } else if (c == '0' || c == '#') {
            tokens.push_back({Token::Digit, c});
        } else if (c == '.') {
            tokens.push_back({Token::Decimal, c});
        } else if (c == '%') {
            tokens.push_back({Token::Percent, c});
        } else if (c != ',') {  // thousands grouping is not used by the program's masks
            tokens.push_back({Token::Literal, c});
        }
    }
    return tokens;
}

/// The decimal digits of |value| rounded half away from zero to `decimals`
/// places, from its 15 significant digits (the precision of the conversion
/// to text, so that 0.125 rounds to 0.13 as a reader expects).
void roundedDigits(double value, int decimals, std::string& integerDigits, std::string& fractionDigits)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    std::string mantissa;
    for (char c : text.substr(0, e))
        if (c != '.')
            mantissa += c;
    const int exponent = std::stoi(std::string(text.substr(e + 1)));

    // digits = mantissa scaled so that the point stands after position pointAt.
    int pointAt = exponent + 1;
    std::string digits = mantissa;
    if (pointAt <= 0) {
        digits.insert(0, static_cast<std::size_t>(-pointAt + 1), '0');
        pointAt = 1;
    }
    const std::size_t wanted = static_cast<std::size_t>(pointAt + decimals);
    if (digits.size() < wanted)
        digits.append(wanted - digits.size(), '0');
    const bool roundUp = digits.size() > wanted && digits[wanted] >= '5';
    digits.resize(wanted);
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0)
            ++digits[static_cast<std::size_t>(i)];
        else {
            digits.insert(digits.begin(), '1');
            ++pointAt;
        }
    }
    integerDigits = digits.substr(0, static_cast<std::size_t>(pointAt));
    fractionDigits = digits.substr(static_cast<std::size_t>(pointAt));
    const std::size_t firstSignificant = integerDigits.find_first_not_of('0');
    integerDigits = firstSignificant == std::string::npos ? "" : integerDigits.substr(firstSignificant);
}

std::string formatSection(double value, const std::vector<Token>& tokens, bool withSign, char decSep)
{
    std::size_t decimalAt = tokens.size();
    int integerPlaces = 0;
    int fractionPlaces = 0;
    int integerMinimum = 0;  // integer placeholders from the first '0' on
    bool anyDigit = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == Token::Decimal && decimalAt == tokens.size())
            decimalAt = i;
        else if (t.kind == Token::Percent)
            value *= 100.0;
        else if (t.kind == Token::Digit) {
            anyDigit = true;
            if (decimalAt == tokens.size()) {
                ++integerPlaces;
                if (t.ch == '0' && integerMinimum == 0)
                    integerMinimum = -1;  // counted below
            } else {
                ++fractionPlaces;
            }
        }
    }
    if (integerMinimum == -1) {
        bool seenZero = false;
        integerMinimum = 0;
        for (std::size_t i = 0; i < decimalAt; ++i)
            if (tokens[i].kind == Token::Digit) {
                seenZero = seenZero || tokens[i].ch == '0';
                if (seenZero)
                    ++integerMinimum;
            }
    }

    std::string integerDigits, fractionDigits;
    if (anyDigit)
        roundedDigits(value, fractionPlaces, integerDigits, fractionDigits);
    const bool roundsToZero = integerDigits.empty() && fractionDigits.find_first_not_of('0') == std::string::npos;
    if (integerDigits.size() < static_cast<std::size_t>(integerMinimum))
        integerDigits.insert(0, static_cast<std::size_t>(integerMinimum) - integerDigits.size(), '0');

    // Trailing zeros under '#' fraction placeholders are not significant.
    std::string fractionKinds;
    for (std::size_t i = decimalAt; i < tokens.size(); ++i)
        if (tokens[i].kind == Token::Digit)
            fractionKinds += tokens[i].ch;
    while (!fractionDigits.empty() && fractionKinds[fractionDigits.size() - 1] == '#' && fractionDigits.back() == '0')
        fractionDigits.pop_back();

    std::string out;
    if (withSign && value < 0.0 && !roundsToZero)
        out += '-';
    int placeholdersLeft = integerPlaces;
    std::size_t nextIntegerDigit = 0;
    const std::size_t surplus =
        integerDigits.size() > static_cast<std::size_t>(integerPlaces) ? integerDigits.size() - integerPlaces : 0;
    std::size_t nextFractionDigit = 0;
    bool firstIntegerPlaceholder = true;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == Token::Literal) {
            out += t.ch;
        } else if (t.kind == Token::Decimal) {
            if (i == decimalAt)
                out += decSep;
        } else if (t.kind == Token::Digit && i < decimalAt) {
            if (firstIntegerPlaceholder) {
                out += integerDigits.substr(0, surplus);
                nextIntegerDigit = surplus;
                firstIntegerPlaceholder = false;
            }
            // Digits are right-aligned: this placeholder shows one when no more
            // placeholders than remaining digits stand to its right.
            const std::size_t remaining = integerDigits.size() - nextIntegerDigit;
            if (static_cast<std::size_t>(placeholdersLeft) <= remaining && remaining > 0)
                out += integerDigits[nextIntegerDigit++];
            --placeholdersLeft;
        } else if (t.kind == Token::Digit) {
            if (nextFractionDigit < fractionDigits.size())
                out += fractionDigits[nextFractionDigit++];
        }
    }
    return out;
}

}  // namespace

std::string FormatNumber(double value, std::string_view mask, char decSep)
{
    // No stored value is ever non-finite; should one arise, it is shown, not hidden.
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Inf" : "-Inf";
    const std::vector<std::string> sections = sectionsOf(mask);
    if (value < 0.0 && sections.size() >= 2 && !sections[1].empty())
        return formatSection(-value, tokensOf(sections[1]), false, decSep);
    if (value == 0.0 && sections.size() >= 3 && !sections[2].empty())
        return formatSection(value, tokensOf(sections[2]), false, decSep);
    return formatSection(value, tokensOf(sections[0]), true, decSep);
}

}  // namespace slv
