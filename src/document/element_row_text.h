// An element row as the element grid shows it: the texts of columns 1..9
// with the grid's display masks (an empty asymmetry is a blank cell).
#pragma once

#include <array>
#include <string>

#include "document/document.h"

namespace slv {

inline constexpr std::array<const char*, 9> kElementColumnCaptions = {
    "Symbol", "Line", "State", "B. E.", "Cross s.", "Asymm.", "Atomic w.", "Valence", "Oxygens"};

/// Texts of the grid columns 1..9 (index 0..8) of element row 1..20.
std::array<std::string, 9> ElementRowTexts(const Document& doc, int row, char decSep);

}  // namespace slv
