// The "Parameters" block of the report: every correction in words, a label
// in the first column and its value in the second, or its sub-entries with
// their labels in the second column and values in the third.
#pragma once

#include <vector>

#include "report/parameter_summary.h"
#include "report/report_page.h"

namespace slv {

inline constexpr const char* kParametersTitle = "Parameters";

/// The widest label of each column decides where the next one starts.
inline constexpr const char* kFirstColumnSample = "Contamination correction:    ";
inline constexpr const char* kSecondColumnSample = "analyser-excitation:    ";

void PrintParameters(ReportPage& page, const std::vector<ParameterEntry>& entries);

}  // namespace slv
