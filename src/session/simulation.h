// The "Intensity Simulation" window without its widgets: the structure model
// run forwards. For thicknesses (and a coverage) typed into its grid it
// computes the peak intensities the structured sample would give, through
// the model formulas and the per-line correction factors (transmission,
// effective cross section, angular factor), and writes them into the
// intensity table as an experiment, a new one appended or an existing one
// replaced. So the analyst studies a model without measurements or tests the
// fit on synthetic data.
//
// Grid layout: row 0 holds the headers "Layers", "Link to" and "Thickness ("
// + the length unit + ")"; rows 1..LayerCount the layer name, its link
// ("Fixed", "Layer n" or blank for a free layer) and the thickness cell; in
// island mode one more row "Coverage". Thickness cells start blank, which
// reads as 0. Messages are shown through the session's dialogs; a
// calculated experiment tells the session's views that intensities, labels
// and model results changed.
#pragma once

#include <string>

#include "document/text_grid.h"
#include "session/session.h"

namespace slv {

/// Shown instead of opening the simulation when the model has no layers.
inline constexpr const char* kModelNotDefinedText = "Model structure not defined    ";
inline constexpr const char* kSimulatedName = "Simulated";
inline constexpr const char* kStateEmpty = "Empty";
inline constexpr const char* kStateFilled = "Filled";
inline constexpr const char* kStateCalculated = "Calculated";

/// The Name label is label name 1 and label text column 2 of an experiment.
inline constexpr int kNameLabelColumn = 2;

enum SimulationColumn : int { kSimColLayer = 0, kSimColLink = 1, kSimColThickness = 2 };

/// "Filled" when any element row of the experiment has a positive intensity, else "Empty".
std::string ExperimentState(const Document& doc, int experiment);

/// Multiplies the intensities by the power of ten that brings the largest
/// one into [100000, 1000000); intensities already larger, and a set whose
/// largest value is not positive, stay as they are. Returns the factor.
double ScaleToCounts(RowTable<float>& intensities, int rowCount);

class Simulation {
public:
    /// Opens the window: experiment 1 selected, the set-up told not to look
    /// for measured values (SimulActive).
    explicit Simulation(Session& session);
    /// Closes the window if Close was not called.
    ~Simulation();
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    TextGrid& Grid() { return m_grid; }
    const TextGrid& Grid() const { return m_grid; }
    int CoverageRow() const;

    /// The experiment receiving the simulation (CurExp), and the highest one
    /// the analyst may select: one beyond the last, to append, while the
    /// intensity table has room.
    int Experiment() const { return m_experiment; }
    int LastExperiment() const;
    /// Selects an experiment in 1..LastExperiment(); shows its name and state.
    void ChangeExperiment(int experiment);

    /// The name box (8-bit text as the document keeps it) and the state box.
    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    const std::string& State() const { return m_state; }
    /// The model name the window shows.
    std::string ModelText() const;

    /// Simulates the selected experiment from the grid. False, with nothing
    /// written, when a thickness or the coverage is refused or the model
    /// calculation could not run or was interrupted.
    bool Calculate();

    /// Closes the window: the set-up looks for measured values again, and the
    /// results are recomputed before they are shown next.
    void Close();

private:
    void fillGrid();
    void showExperiment();
    bool readStructure(LayerTable<double>& thick, double& coverage, Findings& findings);
    bool simulateExperiment(Session::Edit& edit, const LayerTable<double>& thick, double coverage, Findings& findings);

    Session& m_session;
    TextGrid m_grid;
    int m_experiment = 1;
    std::string m_name;
    std::string m_state;
    bool m_open = true;
};

}  // namespace slv
