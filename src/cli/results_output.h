// The results table on the terminal or in a file: aligned text as the
// results window shows it, CSV with '.' as decimal point, or JSON with null
// where the window shows a blank.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "quant/results_table.h"

namespace slv::cli {

enum class OutputFormat { Text, Csv, Json };

/// "text", "csv" or "json".
bool ParseOutputFormat(const std::string& word, OutputFormat& format);

/// errors: the problems reported while the results were computed.
void WriteResults(std::ostream& out, const ResultsTable& table, OutputFormat format,
                  const std::vector<std::string>& errors);

/// Lays out rows of cells as aligned columns: the first column and the
/// columns flagged in leftAligned to the left, the others to the right.
void WriteAlignedTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                       const std::vector<bool>& leftAligned);

/// A float as the shortest decimal that reads back as the same float.
double ShortestDecimal(float value);

}  // namespace slv::cli
