// What the two IMFP & Contamination grids share, that of a homogeneous
// sample and that of a structure model: a grid edited through a GridEditor
// whose edits mark the document dirty, a material class column whose cell
// takes one of the class words, and a reload when the session changes what
// the grid shows.
#pragma once

#include <functional>

#include "document/text_grid.h"
#include "session/grid_editing.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

/// The words a material class cell offers.
inline constexpr MaterialClass kMaterialClasses[] = {MaterialClass::Element, MaterialClass::Inorganic,
                                                     MaterialClass::Polymer};

class MaterialGrid : public GridWindow, protected SessionObserver {
public:
    TextGrid& grid() override { return m_grid; }

    virtual void keyDown(GridKey key) = 0;
    virtual void keyPress(char ch) = 0;
    void moveTo(int row, int col) { m_editor.moveTo(row, col); }
    /// The current cell is a material class: the window offers the class words.
    bool classCellCurrent() const { return m_grid.Row() >= 1 && m_grid.Col() == classColumn(); }
    /// Writes the chosen class word into the current class cell.
    void chooseClass(MaterialClass materialClass);

protected:
    /// isNumeric tells the columns that take numbers only.
    MaterialGrid(Session& session, int rows, int cols, std::function<bool(int col)> isNumeric);

    /// The grid column of the class words; -1 when the grid has none.
    virtual int classColumn() const = 0;
    /// A class word was written into the class cell of grid row `row`.
    virtual void classChosen(int /*row*/, MaterialClass /*materialClass*/) {}

    Session& m_session;
    TextGrid m_grid;
    GridEditor m_editor;
    Session::Subscription m_subscription;
};

}  // namespace slv
