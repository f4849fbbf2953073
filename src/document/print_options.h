// The report options kept with the analysis defaults: which sections to
// print, the font, the margin and the page orientation.
#pragma once

#include <array>
#include <string>

#include "document/document.h"

namespace slv {

inline constexpr int kPrintSectionCount = 15;

struct PrintOptions {
    // 0 Parameters, 1 Elements, 2 Intensity, 3 IMFP, 4 Model, 5 Notes, 6..13 the
    // eight result types, 14 File name; 1 = print the section.
    std::array<Integer, kPrintSectionCount> PrintWhat{};
    std::string PrintFontName = "Times New Roman";
    Integer PrintFontSize = 10;
    float PrintMargin = 1.5f;      // cm
    Integer PrintOrientation = 1;  // 1 portrait, 2 landscape
};

}  // namespace slv
