#include "session/applied_imfp.h"

#include "platform/format_mask.h"
#include "session/label_columns.h"
#include "session/results_view.h"

namespace slv {

TextGrid AppliedImfpTable(Session& session)
{
    if (session.doc().RecalcNeeded)
        ShowResults(session);
    const Document& doc = session.doc();
    const char decSep = session.environment().DecSep;
    const std::vector<int> labels = ShownLabels(doc);
    const int labelCols = static_cast<int>(labels.size());
    TextGrid grid(doc.ExpCount + 1, labelCols + doc.ElemCount + 1);
    SetRowNumbers(grid);
    SetLabelColumns(grid, doc, labels, false);
    SetElementColumns(grid, doc, labelCols, session.results().MultiLineFound);
    for (int e = 1; e <= doc.ExpCount; ++e) {
        for (int i = 0; i < labelCols; ++i)
            grid.SetTextMatrix(e, i + 1, doc.LabelText[e][labels[static_cast<std::size_t>(i)] + 1].trimmedText());
        for (int row = 1; row <= doc.ElemCount; ++row)
            grid.SetTextMatrix(e, labelCols + row,
                               FormatNumber(session.corrections().LineIMFP[e][row], kAppliedImfpMask, decSep));
    }
    return grid;
}

}  // namespace slv
