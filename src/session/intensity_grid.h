// The Intensity window without the window: one row per experiment with the
// shown label columns and one column per element row, loaded from the
// document and read back when the window is left (TransferIntensityTable).
// The grid reloads itself when the element table, the intensities or the
// labels change.
#pragma once

#include <vector>

#include "document/text_grid.h"
#include "session/grid_editing.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

inline constexpr const char* kIntensityGridMask = "########0;\\ ";

/// Reads an intensity grid laid out for labels into the document: label
/// texts and intensities of experiments 1..40 (blank -1, negative 0), the
/// experiment count ending before the second empty row in a row.
void TransferIntensityTable(Document& doc, const TextGrid& grid, const std::vector<int>& labels, char decSep);

class IntensityGrid final : public GridWindow, private SessionObserver {
public:
    static constexpr int kRows = kMaxExperiments + 1;

    explicit IntensityGrid(Session& session);

    TextGrid& grid() override { return m_grid; }
    void commit() override;
    /// Fills the grid from the document (LoadIntensityTable).
    void load();

    void keyDown(GridKey key) { m_editor.keyDown(key); }
    void keyPress(char ch) { m_editor.keyPress(ch); }
    void moveTo(int row, int col) { m_editor.moveTo(row, col); }

private:
    void sessionChanged(ChangeSet changes) override;

    Session& m_session;
    TextGrid m_grid;
    std::vector<int> m_labels;  // the label columns the grid is laid out for
    GridEditor m_editor;
    Session::Subscription m_subscription;
};

}  // namespace slv
