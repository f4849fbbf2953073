#include "session/label_columns.h"

#include <string>

#include "quant/results_table.h"

namespace slv {

void SetLabelColumns(TextGrid& grid, const Document& doc, const std::vector<int>& labels, bool resultsGrid)
{
    int col = 1;
    for (const int k : labels) {
        grid.SetTextMatrix(0, col, LabelColumnHeader(doc, k, resultsGrid));
        grid.SetColWidth(col, kLabelColumnTwips);
        grid.SetFixedAlignment(col, CellAlignment::Center);
        grid.SetColAlignment(col, CellAlignment::Left);
        ++col;
    }
}

void SetElementColumns(TextGrid& grid, const Document& doc, int labelCols, bool showLines)
{
    for (int row = 1; row <= doc.ElemCount; ++row) {
        grid.SetTextMatrix(0, labelCols + row, ElementColumnHeader(doc, row, showLines));
        grid.SetColWidth(labelCols + row, kElementColumnTwips);
    }
}

void SetRowNumbers(TextGrid& grid)
{
    grid.SetColWidth(0, kRowHeaderTwips);
    for (int row = 1; row < grid.Rows(); ++row)
        grid.SetTextMatrix(row, 0, std::to_string(row));
}

}  // namespace slv
