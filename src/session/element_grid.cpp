#include "session/element_grid.h"

#include "document/element_row_text.h"
#include "document/element_table.h"
#include "platform/fixed_text.h"
#include "session/label_columns.h"

namespace slv {

bool TransferElementGrid(Session& session, TextGrid& grid)
{
    auto edit = session.edit(Change::Elements);
    const bool countChanged = TransferElementTable(edit.doc, grid, session.environment().DecSep);
    session.shell().setDataCommandsEnabled(edit.doc.ElemCount > 0);
    return countChanged;
}

ElementGrid::ElementGrid(Session& session)
    : m_session(session),
      m_grid(kRows, kCols),
      m_editor(
          m_grid, [](int col) { return col >= kColBindEnergy; }, [this] { markDirty(); },
          [this] { m_session.dialogs().beep(); }, session.environment().DecSep),
      m_subscription(session.subscribe(*this))
{
    load();
}

void ElementGrid::load()
{
    const Document& doc = m_session.doc();
    const char decSep = m_session.environment().DecSep;
    TextGrid::Update update(m_grid);
    SetRowNumbers(m_grid);
    for (int col = 1; col < kCols; ++col) {
        m_grid.SetTextMatrix(0, col, kElementColumnCaptions[static_cast<std::size_t>(col - 1)]);
        if (col < kColBindEnergy)
            m_grid.SetColAlignment(col, CellAlignment::Left);
    }
    for (int row = 1; row < kRows; ++row) {
        const auto texts = ElementRowTexts(doc, row, decSep);
        for (int col = 1; col < kCols; ++col)
            m_grid.SetTextMatrix(row, col, row <= doc.ElemCount ? texts[static_cast<std::size_t>(col - 1)] : "");
    }
}

void ElementGrid::commit()
{
    m_editor.leaveCell();
    TransferElementGrid(m_session, m_grid);
}

ElementCheck ElementGrid::leave(bool dataWizardDocked)
{
    commit();
    return ValidateElementTable(m_session, dataWizardDocked);
}

void ElementGrid::doubleClick()
{
    const int col = m_grid.Col();
    if (col != kColLine && col != kColState) {
        m_session.dialogs().beep();
        return;
    }
    const std::string next = NextListItem(m_grid.Text(), col == kColLine ? kLineCycle : kStateCycle);
    m_grid.SetTextMatrix(m_grid.Row(), col, trimmed(next));
    markDirty();
}

void ElementGrid::sessionChanged(ChangeSet changes)
{
    if (changes.has(Change::Elements))
        load();
}

void ElementGrid::markDirty()
{
    m_session.edit({}).doc.DocDirty = true;
}

}  // namespace slv
