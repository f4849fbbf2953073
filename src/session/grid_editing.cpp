#include "session/grid_editing.h"

#include <cmath>
#include <cstdio>

#include "platform/fixed_text.h"
#include "platform/number_text.h"

namespace slv {

namespace {

constexpr char kFirstNumberChar = '*';  // "*+,-./" and the digits follow in the character set
constexpr char kLastNumberChar = '9';
constexpr int kResultDigits = 10;
constexpr std::string_view kOperators = "+-*/";

std::optional<double> wholeNumber(std::string_view text, char decSep)
{
    if (text.empty() || NumberLength(text, decSep) != text.size())
        return std::nullopt;
    return ConvertNumber(text, decSep);
}

std::string numberText(double value, char decSep)
{
    if (value == 0.0)
        value = 0.0;  // no "-0"
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*g", kResultDigits, value);
    std::string text(buffer);
    for (char& ch : text)
        if (ch == '.')
            ch = decSep;
    return text;
}

}  // namespace

std::optional<std::string> EvaluateCellText(std::string_view text, char decSep)
{
    text = trimmed(text);
    if (text.empty())
        return std::string();
    const std::size_t first = NumberLength(text, decSep);
    if (first == 0)
        return std::nullopt;
    if (first == text.size()) {
        const auto value = ConvertNumber(text, decSep);
        return value ? std::optional(numberText(*value, decSep)) : std::nullopt;
    }
    const char op = text[first];
    const auto a = ConvertNumber(text.substr(0, first), decSep);
    const auto b = wholeNumber(text.substr(first + 1), decSep);
    if (kOperators.find(op) == std::string_view::npos || !a || !b)
        return std::nullopt;
    double result = 0.0;
    switch (op) {
    case '+': result = *a + *b; break;
    case '-': result = *a - *b; break;
    case '*': result = *a * *b; break;
    default:
        if (*b == 0.0)
            return std::nullopt;
        result = *a / *b;
    }
    if (!std::isfinite(result))
        return std::nullopt;
    return numberText(result, decSep);
}

std::string NextListItem(std::string_view text, std::string_view list)
{
    std::string_view current = trimmed(text);
    if (current.empty())
        current = " ";
    std::string_view first;
    bool takeNext = false;
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        const std::string_view item = list.substr(0, bar);
        if (first.empty())
            first = item;
        if (takeNext)
            return std::string(item);
        takeNext = item == current;
        list = bar == std::string_view::npos ? std::string_view() : list.substr(bar + 1);
    }
    return std::string(first);
}

GridEditor::GridEditor(TextGrid& grid, std::function<bool(int col)> isNumeric, std::function<void()> changed,
                       std::function<void()> beep, char decSep)
    : m_grid(grid),
      m_isNumeric(std::move(isNumeric)),
      m_changed(std::move(changed)),
      m_beep(std::move(beep)),
      m_decSep(decSep)
{
}

void GridEditor::keyDown(GridKey key)
{
    const int row = m_grid.Row();
    const int col = m_grid.Col();
    switch (key) {
    case GridKey::Delete:
        m_grid.SetTextMatrix(row, col, "");
        m_changed();
        break;
    case GridKey::Backspace: {
        std::string text = m_grid.TextMatrix(row, col);
        if (!text.empty())
            text.pop_back();
        m_grid.SetTextMatrix(row, col, text);
        m_changed();
        break;
    }
    case GridKey::Enter:
    case GridKey::Tab:
        leaveCell();
        advance();
        break;
    }
}

void GridEditor::keyPress(char ch)
{
    const int col = m_grid.Col();
    const bool numberChar = (ch >= kFirstNumberChar && ch <= kLastNumberChar) || ch == 'e' || ch == 'E';
    if (m_isNumeric(col) && !numberChar) {
        m_beep();
        return;
    }
    m_grid.SetTextMatrix(m_grid.Row(), col, m_grid.Text() + ch);
    m_changed();
}

bool GridEditor::leaveCell()
{
    const int row = m_grid.Row();
    const int col = m_grid.Col();
    if (row < m_grid.FixedRows() || col < m_grid.FixedCols() || !m_isNumeric(col))
        return true;
    const auto result = EvaluateCellText(m_grid.Text(), m_decSep);
    if (!result) {
        m_beep();
        return false;
    }
    if (*result != m_grid.Text()) {
        m_grid.SetTextMatrix(row, col, *result);
        m_changed();
    }
    return true;
}

void GridEditor::moveTo(int row, int col)
{
    leaveCell();
    m_grid.SetRow(row);
    m_grid.SetCol(col);
}

void GridEditor::advance()
{
    const int row = m_grid.Row();
    const int col = m_grid.Col();
    if (col + 1 < m_grid.Cols()) {
        m_grid.SetCol(col + 1);
    } else if (row + 1 < m_grid.Rows()) {
        m_grid.SetRow(row + 1);
        m_grid.SetCol(m_grid.FixedCols());
    }
}

}  // namespace slv
