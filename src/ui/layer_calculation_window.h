// The "Layer Calculation" window: the experiment chooser, the grid of
// measured against calculated relative intensities with the last three
// calculations and the thicknesses, a bar chart of the same comparison, and
// the buttons OK (store the thicknesses as the experiment's results),
// Cancel, Estimate and Autofit. Closing it otherwise is a Cancel.
#pragma once

#include <memory>

#include <QDialog>

#include "session/layer_calculation.h"
#include "session/layer_calculation_entry.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace slv {

class ChartView;
class GridView;

inline constexpr const char* kLayerCalculationCaption = "Layer Calculation";

class LayerCalculationWindow final : public QDialog {
public:
    LayerCalculationWindow(Session& session, QWidget* parent = nullptr);
    ~LayerCalculationWindow() override;

    LayerCalculation& calculation() { return *m_calculation; }
    QPushButton& estimateButton() { return *m_estimate; }
    QPushButton& autofitButton() { return *m_autofit; }
    QPushButton& okButton() { return *m_ok; }
    const QLabel& status() const { return *m_status; }

    /// OK: stores the thicknesses as the experiment's results.
    void accept() override;
    /// Cancel, Escape or closing the window: stores nothing.
    void reject() override;

private:
    void autofit();
    void estimate();
    void leave(int result);
    void refresh();

    Session& m_session;
    std::unique_ptr<LayerCalculation> m_calculation;
    std::unique_ptr<LayerCalculationEntry> m_entry;
    QSpinBox* m_experiment = nullptr;
    GridView* m_view = nullptr;
    ChartView* m_chart = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_autofit = nullptr;
    QPushButton* m_estimate = nullptr;
};

/// Shows the one Layer Calculation window of parent, opening it on the
/// session's experiment when none is open.
LayerCalculationWindow& ShowLayerCalculation(Session& session, QWidget* parent);

}  // namespace slv
