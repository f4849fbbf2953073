// Texts that come from a file (a title, a label, a layer name, a path) are
// shown on a terminal and in CSV output only as printable characters: a
// file must not be able to move the cursor, clear the screen or break a
// table row with control characters of its own.
#pragma once

#include <string>
#include <string_view>

namespace slv::cli {

/// Stands for a control character that is not shown.
inline constexpr char kControlStandIn = '?';

/// The UTF-8 text with every control character (C0, DEL and C1, tab and
/// line breaks included) replaced by kControlStandIn.
std::string PrintableText(std::string_view utf8);

}  // namespace slv::cli
