#include "session/label_columns.h"

#include <string>

#include "quant/results_table.h"

namespace slv {

std::vector<int> ShownLabels(const Document& doc)
{
    std::vector<int> labels;
    for (int k = 1; k < kLabelsPerExperiment; ++k)
        if (doc.LabelSelect[k] == 1)
            labels.push_back(k);
    return labels;
}

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

void SetRowNumbers(TextGrid& grid)
{
    grid.SetColWidth(0, kRowHeaderTwips);
    for (int row = 1; row < grid.Rows(); ++row)
        grid.SetTextMatrix(row, 0, std::to_string(row));
}

}  // namespace slv
