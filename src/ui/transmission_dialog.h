// The "Transmission Function" window: the analyser transmission of the
// Parameters dialog's current settings over the kinetic energies the
// excitation reaches, drawn through the one chart view. The Parameters
// dialog's "Show" button opens it with ShowTransmissionFunction.
#pragma once

#include <string>

#include <QDialog>

#include "document/parameter_options.h"
#include "report/chart_plan.h"
#include "session/session.h"

namespace slv {

class ChartView;

/// The transmission settings the curve is drawn for, as the dialog holds them.
struct TransmissionSettings {
    TransmissionType type = TransmissionType::None;
    float exponent = 0.0f;
    std::string filePath;
    float excitationEv = 0.0f;
};

class TransmissionDialog final : public QDialog {
public:
    /// Computes the curve, showing what the transmission file's reading
    /// finds; the file search may change settings.filePath.
    TransmissionDialog(Session& session, TransmissionSettings& settings, QWidget* parent = nullptr);

    const ChartPlan& plan() const;

private:
    ChartView* m_view = nullptr;
};

/// The transmission settings of the session's document.
TransmissionSettings DocumentTransmission(const Document& doc);

/// Opens the window modally; nothing is shown for the File type without a
/// file name. The file search may change settings.filePath.
void ShowTransmissionFunction(Session& session, TransmissionSettings& settings, QWidget* parent);

}  // namespace slv
