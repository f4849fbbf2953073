// The Model window without the window: the layer table of the structure
// model in its grid (model_table.h), the double clicks that cycle a layer's
// type and link and toggle an element's Omit mark, the keys the Type row and
// the Omit column take, and the checks shown when the window closes. The
// grid is read back when the window is left and reloads when another window
// changed the model.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/text_grid.h"
#include "session/grid_editing.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

inline constexpr const char* kOmitMark = "X";

/// The texts a Link to cell of layer column `layer` cycles through, after
/// the empty one: the other layers 1..layerCount, then "Fixed".
std::vector<std::string> LinkCycle(int layer, int layerCount);

/// The layer row (0 = bulk) of a layer in use whose column alone holds the
/// model grid's selection, when the selection spans more than the current
/// cell (a whole column, or a block of it); nullopt otherwise.
std::optional<int> SelectedLayer(const TextGrid& grid, int layerCount);

class ModelGrid final : public GridWindow, private SessionObserver {
public:
    explicit ModelGrid(Session& session);

    TextGrid& grid() override { return m_grid; }
    /// Reads the grid into the model record, as when the window is left.
    void commit() override;
    /// Reads the grid back and shows what the model checks found; false
    /// when the analyst answered Cancel and the window stays open.
    bool mayClose() override;
    void load();

    void keyDown(GridKey key);
    void keyPress(char ch);
    void moveTo(int row, int col) { m_editor.moveTo(row, col); }
    void doubleClick();

private:
    void sessionChanged(ChangeSet changes) override;
    bool layerColumn(int col) const;
    bool omitCell(int row, int col) const;
    bool numericCell(int row, int col) const;
    /// The named layers in the grid, as reading it back would count them.
    int namedLayers() const;
    void setCell(std::string_view text);

    Session& m_session;
    TextGrid m_grid;
    GridEditor m_editor;
    bool m_writing = false;  // the grid itself changes the record: no reload
    Session::Subscription m_subscription;
};

}  // namespace slv
