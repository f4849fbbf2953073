#include "session/results_view.h"

#include <memory>
#include <string_view>

#include "platform/format_mask.h"
#include "quant/quantification.h"
#include "session/label_columns.h"

namespace slv {

ShownResults ShowResults(Session& session)
{
    ShownResults shown;
    shown.findings = Findings(session.dialogs());
    auto edit = session.edit(Change::Results);
    const RowTable<float> bindingBefore = edit.doc.BindEnergy;
    const std::string transmissionFileBefore = edit.doc.transmissionFile();
    QuantContext q = edit.quant(shown.findings);
    shown.table = FillResults(q);
    // The chain moves a line the source cannot excite, and may take a moved
    // transmission file's new place.
    if (edit.doc.BindEnergy != bindingBefore)
        edit.also(Change::Elements);
    if (edit.doc.transmissionFile() != transmissionFileBefore)
        edit.also(Change::Parameters);

    const bool reported = !shown.findings.empty() && shown.findings.back().heading == kResultsErrorsHeading;
    if (reported && session.closing()) {
        // The window refills itself right after a report: the same problems are not shown twice.
        shown.findings.back().suppressed = true;
        session.setClosing(false);
    } else if (reported) {
        session.setClosing(true);
    }
    session.present(shown.findings);
    return shown;
}

ResultsTable PreviewComposition(const Session& session)
{
    struct Copy {
        Document doc;
        CorrectionTables corr;
        QuantResults res;
    };
    const auto copy = std::make_unique<Copy>(Copy{session.doc(), session.corrections(), session.results()});
    Findings unshown;
    return FillResults({copy->doc, copy->corr, copy->res, session.environment(), unshown});
}

}  // namespace slv

namespace slv {

namespace {

constexpr float kSmallestRefValue = 1.0f;

/// What the composition depends on.
constexpr ChangeSet kCompositionInputs{Change::Elements, Change::Intensities, Change::Labels,
                                       Change::ImfpAndContamination, Change::Parameters};

}  // namespace

ResultsView::ResultsView(Session& session) : m_session(session), m_subscription(session.subscribe(*this))
{
    session.setClosing(false);
    fill();
}

int ResultsView::labelOfColumn(int col) const
{
    return col >= 1 && col <= static_cast<int>(m_labels.size()) ? m_labels[static_cast<std::size_t>(col - 1)] : -1;
}

void ResultsView::fill()
{
    m_filling = true;
    m_shown = ShowResults(m_session);
    m_filling = false;
    writeGrid();
}

void ResultsView::writeGrid()
{
    const ResultsTable& table = m_shown.table;
    const char decSep = m_session.environment().DecSep;
    m_labels = ShownLabels(m_session.doc());
    const int labelCols = static_cast<int>(m_labels.size());
    const int valueCols = static_cast<int>(table.valueHeaders.size());
    TextGrid::Update update(m_grid);
    m_grid.SetRows(static_cast<int>(table.rows.size()) + 1);
    m_grid.SetCols(labelCols + valueCols + (table.hasOBalance ? 1 : 0) + 1);
    SetLabelColumns(m_grid, m_session.doc(), m_labels, true);
    for (int r = 0; r < valueCols; ++r)
        m_grid.SetTextMatrix(0, labelCols + r + 1, table.valueHeaders[static_cast<std::size_t>(r)]);
    if (table.hasOBalance)
        m_grid.SetTextMatrix(0, labelCols + valueCols + 1, kOBalanceHeader);
    int gridRow = 1;
    for (const ResultsTable::Row& row : table.rows) {
        m_grid.SetTextMatrix(gridRow, 0, row.omitted ? "X" : std::to_string(row.number));
        for (int i = 0; i < labelCols; ++i)
            m_grid.SetTextMatrix(gridRow, i + 1, row.labels[static_cast<std::size_t>(i)]);
        for (int r = 0; r < valueCols; ++r)
            m_grid.SetTextMatrix(gridRow, labelCols + r + 1,
                                 FormatNumber(row.values[static_cast<std::size_t>(r)], table.valueMask, decSep));
        if (table.hasOBalance)
            m_grid.SetTextMatrix(gridRow, labelCols + valueCols + 1, FormatNumber(row.oBalance, kOBalanceMask, decSep));
        ++gridRow;
    }
}

void ResultsView::chooseResultType(int resultType)
{
    {
        auto edit = m_session.edit(Change::Results);
        edit.res.ResType = resultType;
        if (IsOxideType(resultType))
            edit.res.MergeStates = false;
    }
    m_session.setClosing(false);
    fill();
}

void ResultsView::setMergeStates(bool merge)
{
    m_session.edit(Change::Results).res.MergeStates = merge && mergeEnabled();
    fill();
}

void ResultsView::setNumber(float value)
{
    m_session.edit(Change::Results).res.RefValue = value > 0.0f ? value : kSmallestRefValue;
    if (IsRatioType(resultType()))
        fill();
}

void ResultsView::clickHeader(int row, int col)
{
    const CellRange selection = m_grid.Selection();
    const int labelCols = static_cast<int>(m_labels.size());
    const int valueCols = static_cast<int>(m_shown.table.valueHeaders.size());
    if (row == 0 && selection.rowCount() == 1 && selection.colCount() == 1) {
        if (const int label = labelOfColumn(col); label >= 0) {
            m_session.edit(Change::Results).doc.AxisIndex = static_cast<Integer>(label + 1);
            return;
        }
        const int resultRow = col - labelCols;
        if (resultRow < 1 || resultRow > valueCols || mergeChecked())
            return;
        {
            auto edit = m_session.edit(Change::Results);
            if (IsRatioType(resultType()))
                edit.res.RefElem = resultRow;
            else
                edit.doc.ElOmit[resultRow] = !edit.doc.ElOmit[resultRow];
        }
        fill();
        return;
    }
    if (col == 0 && row >= 1 && row <= static_cast<int>(m_shown.table.rows.size())) {
        auto edit = m_session.edit(Change::Results);
        edit.doc.ExpOmit[row] = !edit.doc.ExpOmit[row];
        m_grid.SetTextMatrix(row, 0, edit.doc.ExpOmit[row] ? "X" : std::to_string(row));
    }
}

void ResultsView::sessionChanged(ChangeSet changes)
{
    if (m_filling)
        return;
    bool inputs = false;
    for (Change change : kCompositionInputs.changes())
        inputs = inputs || changes.has(change);
    if (inputs)
        fill();
}

}  // namespace slv
