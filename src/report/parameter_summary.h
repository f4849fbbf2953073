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

std::vector<ParameterEntry> ParameterSummary(const Document& doc, char decSep);

}  // namespace slv
