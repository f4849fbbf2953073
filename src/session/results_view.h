// The results window's content without the window: the composition of the
// session's data set in its current result type, and what the
// quantification found, shown through the session's dialogs.
#pragma once

#include "quant/results_table.h"
#include "session/session.h"

namespace slv {

struct ShownResults {
    ResultsTable table;
    /// What the quantification found, in order; shown, except a "Results
    /// error(s):" report that follows right after another report.
    Findings findings;
};

/// Quantifies the document for the session's result type, reference row and
/// value and merge choice, and fills the table as the results window shows it.
ShownResults ShowResults(Session& session);

}  // namespace slv
