// The "Intensity Simulation" window: the name and state of the experiment
// that receives the simulation, the model's name, the experiment chooser
// (one beyond the last appends an experiment), the grid of layer
// thicknesses (and the coverage) and the buttons Calculate and Close. It is
// modal; the document changes only on Calculate.
#pragma once

#include <memory>

#include <QDialog>

#include "session/simulation.h"
#include "session/simulation_entry.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace slv {

class GridView;

inline constexpr const char* kSimulationCaption = "Intensity Simulation";

class SimulationWindow final : public QDialog {
public:
    explicit SimulationWindow(Session& session, QWidget* parent = nullptr);
    ~SimulationWindow() override;

    Simulation& simulation() { return *m_simulation; }
    GridView& view() { return *m_view; }
    QLineEdit& nameBox() { return *m_name; }
    const QLineEdit& stateBox() const { return *m_state; }
    const QLineEdit& modelBox() const { return *m_model; }
    QSpinBox& experimentBox() { return *m_experiment; }
    QPushButton& calculateButton() { return *m_calculate; }
    QPushButton& closeButton() { return *m_close; }

    /// Close, Escape or the title bar's button.
    void reject() override;

private:
    void calculate();
    void showExperiment();

    std::unique_ptr<Simulation> m_simulation;
    std::unique_ptr<SimulationEntry> m_entry;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_state = nullptr;
    QLineEdit* m_model = nullptr;
    QSpinBox* m_experiment = nullptr;
    GridView* m_view = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_close = nullptr;
};

}  // namespace slv
