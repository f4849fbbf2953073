// The data set's parameters in words, as the report's "Parameters" block
// prints them: one entry per correction with its sub-entries.
#pragma once

#include <string>
#include <vector>

#include "document/document.h"

namespace slv {

struct ParameterEntry {
    std::string label;  // "Excitation:", "IMFP correction:", ...
    std::string value;
    std::vector<std::pair<std::string, std::string>> details;  // sub-label, value
};

/// How the numbers are shown: through the display mask of each parameter, or
/// with the mask widened to the digits the value was entered with (the report).
enum class ParameterDigits { Masks, AsEntered };

std::vector<ParameterEntry> ParameterSummary(const Document& doc, char decSep,
                                             ParameterDigits digits = ParameterDigits::Masks);

}  // namespace slv
