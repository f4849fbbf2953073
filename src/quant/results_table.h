// What the results window shows: one row per experiment with its label
// texts, the values of the current result type per result row and, for the
// oxide types, the O balance, under the headers the window writes. The Qt
// window, the report and selvaro-cli all present this one table.
#pragma once

#include <string>
#include <vector>

#include "quant/quant_state.h"

namespace slv {

inline constexpr const char* kPercentMask = "####0.0;\\ ";
inline constexpr const char* kRatioMask = "####0.00;\\ ";
inline constexpr const char* kOBalanceMask = "###0.00;\\ ";
inline constexpr const char* kDepthMask = "####0.0";
inline constexpr const char* kOBalanceHeader = "O balance";

bool IsRatioType(int resultType);
bool IsOxideType(int resultType);

/// "Atomic %", "Atomic ratio", ... for type 0..7; "" for any other.
std::string ResultTypeName(int resultType);

/// The result type of a name or a number ("Oxide molar %", "2"); -1 when none.
int ResultTypeFromText(const std::string& text);

/// Header of a label column: the trimmed label name, with the unit for Time,
/// Tilt and Temperature; label is 1..7 (LabelName index).
std::string LabelColumnHeader(const Document& doc, int label, bool resultsGrid);
/// An experiment's label text as the result grids show it: the Time label
/// as a depth when the depth scale is on.
std::string ResultLabelText(const Document& doc, int experiment, int label, char decSep);

/// Header of an element column of the data grids: symbol, the line when some
/// element is measured with several lines, and the chemical state.
std::string ElementColumnHeader(const Document& doc, int row, bool showLines);

/// Oxide formula of a result row: Al2O3, SiO2, or the symbol alone.
std::string OxideFormula(const QuantResults& res, int resultRow);

struct ResultsTable {
    int resultType = 0;
    std::vector<std::string> labelHeaders;
    std::vector<std::string> valueHeaders;  // result rows 1..ResElemCount
    bool hasOBalance = false;
    std::string valueMask;

    struct Row {
        int number = 0;        // experiment 1..ExpCount
        bool omitted = false;  // shown as "X"
        std::vector<std::string> labels;
        std::vector<float> values;  // -1 = no value
        float oBalance = -1.0f;
    };
    std::vector<Row> rows;
};

/// Fills the results the way the results window does: the reference value
/// and row made valid, the oxygen merge marks cleared, the quantification run
/// for q.res.ResType, the table read off. What the quantification found is
/// in q.findings.
ResultsTable FillResults(const QuantContext& q);

}  // namespace slv
