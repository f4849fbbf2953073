// The angular asymmetry parameter beta of a photoelectron line from the
// element library's polynomial tables: one polynomial in Z per subshell
// letter and X-ray source, beta = c0 + c1 Z + ... + c6 Z^6, valid from Zlow - 3
// to Zhigh + 3. s lines have beta = 2 for every element and need no table.
#pragma once

#include <optional>
#include <string_view>

#include "document/library_file.h"

namespace slv {

/// beta of every s line.
inline constexpr float kSLineAsymmetry = 2.0f;
/// What AsymmetryParameter returns when no table entry covers the line.
inline constexpr float kAsymmetryNotFound = -1.0f;

/// The subshell letter of a line notation (its second character), or a blank.
char SubshellLetter(std::string_view line);

/// beta of the line: 2 for an s line, otherwise from the table, where the
/// first entry whose key is the line's subshell letter decides; nullopt when
/// that entry does not cover Z, when no entry has the letter, or when the
/// polynomial is not a finite number there.
std::optional<float> EvaluateAsymmetry(const AsymmetryTable& table, int Z, std::string_view line);

/// beta for an excitation source (Mg or Al K-alpha; other sources have no
/// table): 2 for s lines without reading the file, else from the source's
/// table section. nullopt when nothing was found or the table is damaged
/// (library.damaged() then tells which).
std::optional<float> LibraryAsymmetry(LibraryFile& library, int Z, std::string_view line, ExcitationSource source);

}  // namespace slv
