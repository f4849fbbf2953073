// Free text in the report (the notes, a transmission file): the text broken
// into lines at its line feeds and, where a line is wider than the page, at
// its last blank that fits; a line without such a blank is broken after the
// last character that fits, so that every line ends.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_page.h"

namespace slv {

inline constexpr const char* kNotesTitle = "Notes";
inline constexpr const char* kTransmissionFileTitle = "Transmission file";

/// The printed lines of a text: carriage returns dropped, tabs set to the
/// next multiple of eight characters, the text after the last line feed kept.
std::vector<std::string> WrapText(std::string_view text, double width,
                                  const std::function<double(std::string_view)>& textWidth);

/// The title in bold, a rule, and the text wrapped at the printable width,
/// each line tested for a page break.
void PrintText(ReportPage& page, std::string_view title, std::string_view text);

}  // namespace slv
