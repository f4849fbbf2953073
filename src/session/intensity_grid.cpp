#include "session/intensity_grid.h"

#include "platform/fixed_text.h"
#include "platform/format_mask.h"
#include "platform/number_text.h"
#include "session/label_columns.h"

namespace slv {

namespace {

/// Reading stops at the second empty row in a row.
constexpr int kEmptyRowsEndingIntensities = 2;

}  // namespace

void TransferIntensityTable(Document& doc, const TextGrid& grid, const std::vector<int>& labels, char decSep)
{
    const int labelCols = static_cast<int>(labels.size());
    int lastFilled = 0;
    int emptyRun = 0;
    for (int e = 1; e <= kMaxExperiments && emptyRun < kEmptyRowsEndingIntensities; ++e) {
        for (int i = 0; i < labelCols; ++i)
            doc.LabelText[e][labels[static_cast<std::size_t>(i)] + 1] = trimmed(grid.TextMatrix(e, i + 1));
        bool empty = true;
        for (int row = 1; row <= doc.ElemCount; ++row) {
            const std::string_view cell = trimmed(grid.TextMatrix(e, labelCols + row));
            if (cell.empty()) {
                doc.Intensity[e][row] = kEmptyValue;
                continue;
            }
            empty = false;
            doc.Intensity[e][row] = std::max(0.0f, ParseSingle(cell, decSep));
        }
        emptyRun = empty ? emptyRun + 1 : 0;
        if (!empty)
            lastFilled = e;
    }
    doc.ExpCount = static_cast<Integer>(lastFilled);
    for (int e = lastFilled + 1; e <= kMaxExperiments; ++e)
        doc.Intensity[e].fill(kEmptyValue);
    doc.RecalcNeeded = true;
}

IntensityGrid::IntensityGrid(Session& session)
    : m_session(session),
      m_grid(kRows, 2),
      m_editor(
          m_grid, [this](int col) { return col > static_cast<int>(m_labels.size()); },
          [this] { m_session.edit({}).doc.DocDirty = true; }, [this] { m_session.dialogs().beep(); },
          session.environment().DecSep),
      m_subscription(session.subscribe(*this))
{
    load();
}

void IntensityGrid::load()
{
    const Document& doc = m_session.doc();
    const char decSep = m_session.environment().DecSep;
    m_labels = ShownLabels(doc);
    const int labelCols = static_cast<int>(m_labels.size());
    TextGrid::Update update(m_grid);
    m_grid.SetCols(labelCols + doc.ElemCount + 1);
    SetRowNumbers(m_grid);
    SetLabelColumns(m_grid, doc, m_labels, false);
    SetElementColumns(m_grid, doc, labelCols, m_session.results().MultiLineFound);
    for (int e = 1; e < kRows; ++e) {
        const bool shown = e <= doc.ExpCount;
        for (int i = 0; i < labelCols; ++i)
            m_grid.SetTextMatrix(
                e, i + 1, shown ? doc.LabelText[e][m_labels[static_cast<std::size_t>(i)] + 1].trimmedText() : "");
        for (int row = 1; row <= doc.ElemCount; ++row)
            m_grid.SetTextMatrix(e, labelCols + row,
                                 shown ? FormatNumber(doc.Intensity[e][row], kIntensityGridMask, decSep) : "");
    }
}

void IntensityGrid::commit()
{
    m_editor.leaveCell();
    auto edit = m_session.edit({Change::Intensities, Change::Labels, Change::Results});
    TransferIntensityTable(edit.doc, m_grid, m_labels, m_session.environment().DecSep);
}

void IntensityGrid::sessionChanged(ChangeSet changes)
{
    if (changes.has(Change::Elements) || changes.has(Change::Intensities) || changes.has(Change::Labels))
        load();
}

}  // namespace slv
