// A table of the report: a bold title, then one or more blocks, each between
// rules under a bold header row. The key columns (row number and labels, or
// row captions) open every block; the value columns are spread over as many
// blocks, stacked one below the other, as the printable width requires, each
// block holding at least one of them. A row that does not fit above the
// bottom margin goes to a new page, which repeats the block's header.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "report/report_page.h"

namespace slv {

enum class CellAlign { Left, Right };

struct ReportColumn {
    std::string caption;
    CellAlign align = CellAlign::Right;
    /// The column is at least as wide as this text, and as wide as its
    /// widest cell or caption plus two blanks.
    std::string widthSample;
};

struct ReportTable {
    std::string title;
    std::vector<ReportColumn> keyColumns;
    std::vector<ReportColumn> valueColumns;
    /// Per row the texts of the key columns, then those of the value columns.
    std::vector<std::vector<std::string>> rows;
};

/// What happens to value columns that do not fit beside the key columns.
enum class WideTable { StackBlocks, DropColumns };

/// Value columns [first, last) of one block.
struct ColumnBlock {
    std::size_t first = 0;
    std::size_t last = 0;
};

/// Splits value columns of the given widths into blocks that fit the width
/// available beside the key columns, at least one column to a block.
std::vector<ColumnBlock> SplitIntoBlocks(const std::vector<double>& valueWidths, double available);

/// Prints the table at the cursor: the section gap, the page-break test for
/// the title with the first block, the title, and the blocks.
void PrintReportTable(ReportPage& page, const ReportTable& table, WideTable wide = WideTable::StackBlocks);

}  // namespace slv
