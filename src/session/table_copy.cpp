// Tables and cell blocks of the grid windows as clipboard text.
#include <algorithm>

#include "platform/fixed_text.h"
#include "session/main_commands.h"

namespace slv {

namespace {

constexpr char kTab = '\t';
constexpr char kCarriageReturn = '\r';
constexpr std::string_view kLineBreak = "\r\n";
/// A word processor reads a vertical tab as a line break inside one paragraph.
constexpr char kVerticalTab = '\v';

/// The last row of a window's table that holds data, and where its data
/// starts without headers.
struct TableShape {
    int lastRow = 0;
    int firstDataRow = 1;
    int firstCol = 1;
    int firstDataCol = 1;
};

std::optional<TableShape> shapeOf(WindowId window, const Document& doc)
{
    constexpr int kModelImfpRows = 6;
    constexpr int kModelHeaderRows = 5;
    switch (window) {
    case WindowId::Elements: return TableShape{doc.ElemCount};
    case WindowId::Intensity:
    case WindowId::Results: return TableShape{doc.ExpCount};
    case WindowId::Imfps: return TableShape{std::max(doc.ExpCount, doc.IMFPRowCount)};
    case WindowId::ModelImfps: return TableShape{kModelImfpRows, 2, 0, 1};
    case WindowId::ModelResults: return TableShape{doc.ExpCount + 1, 2};
    case WindowId::Model: return TableShape{2 * doc.ElemCount + kModelHeaderRows + doc.IslandMode, 1, 1, 2};
    case WindowId::Chart:
    case WindowId::ModelLayout:
    case WindowId::Notes: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<CellRange> TableCopyRange(WindowId window, const Document& doc, const TextGrid& grid, bool withHeaders)
{
    const auto shape = shapeOf(window, doc);
    if (!shape)
        return std::nullopt;
    // What the window really has: its own columns, and no row beyond its grid.
    CellRange range;
    range.top = withHeaders ? 0 : shape->firstDataRow;
    range.left = withHeaders ? shape->firstCol : shape->firstDataCol;
    range.bottom = std::min(shape->lastRow, grid.Rows() - 1);
    range.right = grid.Cols() - 1;
    if (range.bottom < range.top || range.right < range.left)
        return std::nullopt;
    return range;
}

std::string TableText(const TextGrid& grid, const CellRange& range, TableCopyForm form)
{
    std::string text;
    for (int r = range.top; r <= range.bottom; ++r) {
        for (int c = range.left; c <= range.right; ++c) {
            if (c > range.left)
                text += kTab;
            text += trimmed(grid.TextMatrix(r, c));
        }
        if (form == TableCopyForm::Ascii)
            text += kLineBreak;
        else
            text += kVerticalTab;
    }
    if (form == TableCopyForm::Word && !text.empty()) {
        text.pop_back();
        text += kLineBreak;
    }
    return text;
}

std::string ExpandCarriageReturns(std::string_view text)
{
    std::string expanded;
    expanded.reserve(text.size());
    for (char ch : text) {
        expanded += ch;
        if (ch == kCarriageReturn)
            expanded += '\n';
    }
    return expanded;
}

}  // namespace slv
