// The document keeps its texts as 8-bit ANSI (Windows-1252) bytes, as the
// files store them; terminals and JSON want UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace slv {

/// Windows-1252 bytes to UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

/// UTF-8 to Windows-1252 bytes; characters without an 8-bit form become '?'.
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace slv
