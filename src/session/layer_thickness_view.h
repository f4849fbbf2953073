// The "Layer Thickness" window without the window: the stored thicknesses
// (and island coverages) of every experiment under the experiments' labels,
// with the standard deviation of a value where an accepted Autofit gave one.
// A click on an experiment's row makes it the model's experiment; a double
// click on its number opens the layer calculation for it. For the
// Oxide-Layer model the one column holds the oxide thickness computed from
// each experiment's intensities.
//
// Grid layout: two fixed header rows (row 0 "Layer k", "Island k" or
// "Coverage"; row 1 the layer names), then experiment e in row 1 + e.
#pragma once

#include <string>
#include <vector>

#include "document/text_grid.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

inline constexpr int kThicknessHeaderRows = 2;

/// A value with its standard deviation, "2.15 ± 0.04": two significant
/// digits of the deviation, and the value to the same decimal place.
std::string ValueWithSpread(double value, double sigma, char decSep);

class LayerThicknessView final : public GridWindow, private SessionObserver {
public:
    explicit LayerThicknessView(Session& session);

    TextGrid& grid() override { return m_grid; }
    /// The grid holds no data the analyst types.
    void commit() override {}

    /// Builds the grid anew from the document (for the Oxide-Layer model
    /// after computing the thicknesses, its findings shown).
    void fill();

    /// The experiment of a grid row, 0 for a header row.
    int experimentOfRow(int row) const;
    /// A click on an experiment's row: it becomes the model's experiment
    /// (experiment 1 in angle-resolved mode) and its stored results the
    /// working thicknesses.
    void clickRow(int row);
    /// A double click on an experiment's number (the row header or the
    /// first label column): selects it and returns it, the experiment the
    /// layer calculation opens on; 0 where a double click opens nothing.
    int doubleClick(int row, int col);

private:
    void sessionChanged(ChangeSet changes) override;
    void writeGrid();
    std::string layerCell(int experiment, int column, float value, const char* mask) const;

    Session& m_session;
    TextGrid m_grid;
    std::vector<int> m_labels;
    bool m_filling = false;
    Session::Subscription m_subscription;
};

}  // namespace slv
