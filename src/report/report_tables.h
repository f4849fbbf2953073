// The tables of the report, built from the document (and, for the results,
// from the results table the quantification filled) as texts under the
// report's display masks, ready for PrintReportTable.
//
// Experiment tables have one row per experiment: its number, the texts of
// the labels shown, then the value columns.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "quant/results_table.h"
#include "report/report_table.h"

namespace slv {

inline constexpr const char* kElementsTitle = "Elements";
inline constexpr const char* kIntensityTitle = "Intensity";
inline constexpr const char* kImfpTitle = "IMFP & Contamination";

inline constexpr const char* kIntensityMask = "#######0;\\ ";
inline constexpr const char* kImfpMask = "####0.00;\\ ";
inline constexpr const char* kThicknessMask = "####0.00;\\ ";
inline constexpr const char* kCoverageMask = "#0.000;\\ ";
inline constexpr const char* kReportDepthMask = "###0.0";

/// "Layer 2": the caption of a layer without a name, and of a layer column.
inline constexpr const char* kLayerCaptionPrefix = "Layer ";

/// The element rows and layers a table prints: the document's counts kept
/// within the table bounds, so that a damaged count prints no phantom rows.
int ReportElementCount(const Document& doc);
int ReportLayerCount(const Document& doc);

/// A value column: right-aligned, at least as wide as "12345.67".
ReportColumn NumberColumn(std::string caption);

/// The captions of element rows 1..ElemCount as the data grids head their
/// columns: symbol, the line when some element has several, the state.
std::vector<std::string> ElementCaptions(const Document& doc);

/// The header of label k (LabelName index 1..7) in the report: "Temperature"
/// shortened to "Temp.", the unit after Time, Tilt and Temperature, and the
/// Time label as "Depth (unit)" while a depth scale is shown.
std::string ReportLabelCaption(const Document& doc, int label);

/// An experiment table with the given value columns; cell(experiment, column)
/// gives the text of a value cell.
ReportTable ExperimentTable(const Document& doc, char decSep, std::string title, std::vector<ReportColumn> valueColumns,
                            const std::function<std::string(int, std::size_t)>& cell);

/// The element table: symbol, line, state, binding energy, cross section,
/// asymmetry, atomic weight, valence and oxygens of rows 1..ElemCount.
ReportTable ElementTable(const Document& doc, char decSep);

/// The measured intensities, one column per element row.
ReportTable IntensityTable(const Document& doc, char decSep);

/// The IMFP & Contamination table of the homogeneous quantification: the
/// IMFP of every line and the contamination for the methods that take IMFPs
/// as given (None, Explicit, Exponential); the matrix class, atomic weight,
/// density and contamination for those that compute them from the matrix
/// (Seah-Dench, Jablonski, Gries); nullopt for the others.
std::optional<ReportTable> ImfpTable(const Document& doc, char decSep);

/// A results table as the quantification filled it, with its O balance.
ReportTable ResultsReportTable(const Document& doc, char decSep, const ResultsTable& results);

/// "Layer thickness (nm)" or "(A)": the stored results of every layer and,
/// with islands, the coverage.
ReportTable LayerThicknessTable(const Document& doc, char decSep);

/// The same title over one column, the oxide thickness of every experiment
/// (-1 where there is none).
ReportTable OxideThicknessTable(const Document& doc, char decSep, const std::vector<float>& thickness);

}  // namespace slv
