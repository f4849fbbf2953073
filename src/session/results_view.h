// The results window's content without the window: the composition of the
// session's data set in its current result type, and what the
// quantification found, shown through the session's dialogs.
#pragma once

#include <vector>

#include "document/text_grid.h"
#include "quant/results_table.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

struct ShownResults {
    ResultsTable table;
    /// What the quantification found, in order; shown, except a "Results
    /// error(s):" report that follows right after another report.
    Findings findings;
};

/// The composition the results window would show, computed on a copy of
/// the document and its working tables: the session is left as it is, and
/// what the quantification finds is the results window's to show.
ResultsTable PreviewComposition(const Session& session);

/// Quantifies the document for the session's result type, reference row and
/// value and merge choice, and fills the table as the results window shows it.
ShownResults ShowResults(Session& session);

}  // namespace slv

namespace slv {

/// The Composition window without the window: the result type, merge and
/// "Number" choices, the grid filled from the results, and the clicks on
/// its headers. It refills itself when the session changes anything the
/// composition depends on.
class ResultsView final : public GridWindow, private SessionObserver {
public:
    explicit ResultsView(Session& session);

    TextGrid& grid() override { return m_grid; }
    /// The results grid holds no data of the document.
    void commit() override {}

    /// Quantifies and fills the grid.
    void fill();

    void chooseResultType(int resultType);
    void setMergeStates(bool merge);
    /// "Number": the reference value of the ratio types; 0 or below counts as 1.
    void setNumber(float value);
    /// A click on a header cell, with the selection the click left.
    void clickHeader(int row, int col);

    int resultType() const { return m_session.results().ResType; }
    bool mergeChecked() const { return m_session.results().MergeStates; }
    /// The oxide types never merge chemical states.
    bool mergeEnabled() const { return !IsOxideType(resultType()); }
    /// The label (LabelName index) shown in a grid column, -1 for any other column.
    int labelOfColumn(int col) const;
    const ResultsTable& table() const { return m_shown.table; }

private:
    void sessionChanged(ChangeSet changes) override;
    void writeGrid();

    Session& m_session;
    TextGrid m_grid;
    ShownResults m_shown;
    std::vector<int> m_labels;
    bool m_filling = false;
    Session::Subscription m_subscription;
};

}  // namespace slv
