// The structured example data sets: one sample for each family of structure
// models, its intensities simulated by the program's own model formulas for
// known layer thicknesses (and coverage), with 1 % counting noise.
#pragma once

#include <filesystem>

namespace slv::examples {

/// Writes the five structured samples into `out`, and prints for each the
/// thicknesses it was made from beside those Autofit gives back.
void WriteStructuredExamples(const std::filesystem::path& programFolder, const std::filesystem::path& out);

}  // namespace slv::examples
