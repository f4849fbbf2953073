// Typing into a data grid: the grid has no editor of its own, keys are
// applied to the current cell's text. Navigation keys move the current cell,
// Delete and Backspace edit it, typed characters are appended (in numeric
// columns only those a number or a simple sum can hold), and a numeric cell
// that is left is worked out ("2*3" becomes 6). Double clicks cycle a cell
// through a list of choices.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/text_grid.h"

namespace slv {

/// The keys that act on the grid rather than on the cell's text.
enum class GridKey { Delete, Backspace, Enter, Tab };

/// The cell arithmetic: a number, or two numbers joined by + - * or /, as
/// the result's text; an empty text stays empty. nullopt for anything else
/// and for a division by zero.
std::optional<std::string> EvaluateCellText(std::string_view text, char decSep);

/// The item after the one equal to the trimmed text in a list like
/// "1s|2p|3d|" (an empty text counts as " "); the first item when the text
/// is the last one or not in the list.
std::string NextListItem(std::string_view text, std::string_view list);

/// Applies keys to one grid, moving left to right through its data cells.
class GridEditor {
public:
    /// isNumeric tells the columns that take numbers only; changed is told
    /// after every edit of a cell's text; beep sounds when a key is refused.
    GridEditor(TextGrid& grid, std::function<bool(int col)> isNumeric, std::function<void()> changed,
               std::function<void()> beep, char decSep);

    void keyDown(GridKey key);
    /// A typed character; refused in a numeric column unless it can be part of a number.
    void keyPress(char ch);
    /// The current cell is about to be left: a numeric cell is worked out.
    /// False (with a beep, the text kept) when it does not hold a number.
    bool leaveCell();
    /// Moves to another cell, working out the one that is left.
    void moveTo(int row, int col);

private:
    void advance();

    TextGrid& m_grid;
    std::function<bool(int)> m_isNumeric;
    std::function<void()> m_changed;
    std::function<void()> m_beep;
    char m_decSep;
};

}  // namespace slv
