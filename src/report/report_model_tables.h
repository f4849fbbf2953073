// The model tables of the report, transposed: one column per layer with the
// bulk last (the tube of a nanotube), one row per property.
#pragma once

#include <vector>

#include "document/document.h"
#include "report/report_table.h"

namespace slv {

inline constexpr const char* kModelDataTitle = "Model data";
inline constexpr const char* kAtomLocationsTitle = "Atom locations";
inline constexpr const char* kImfpValuesTitle = "IMFP values";

/// "Model data" (name, type, link, molecular weight and density of every
/// layer), "Atom locations" (the composition of every layer with the Omit
/// marks) and "IMFP values" (the IMFP of every line in every layer).
std::vector<ReportTable> ModelDataTables(const Document& doc, char decSep);

/// "IMFP & Contamination": the material data of the layers for the model IMFP formulas.
ReportTable ModelImfpTable(const Document& doc, char decSep);

}  // namespace slv
