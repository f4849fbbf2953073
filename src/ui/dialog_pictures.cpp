#include "ui/dialog_pictures.h"

#include <QApplication>

#include "report/transmission_chart.h"
#include "session/applied_imfp.h"
#include "session/model_checks.h"
#include "ui/applied_imfp_window.h"
#include "ui/model_summary_dialog.h"
#include "ui/parameters_window.h"
#include "ui/polyhedron_dialog.h"
#include "ui/simulation_window.h"
#include "ui/transmission_dialog.h"

namespace slv {

namespace {

QImage pictureOf(QWidget& dialog)
{
    dialog.show();
    QApplication::processEvents();
    return dialog.grab().toImage();
}

}  // namespace

std::optional<QImage> PictureOfDialog(const std::string& caption, Session& session, WindowShell& shell, QWidget* parent,
                                      std::optional<ParameterReporting> reporting)
{
    if (caption == kParametersCaption) {
        ParametersWindow parameters(session, shell, parent, std::move(reporting));
        parameters.show();
        QApplication::processEvents();
        return parameters.pictureOfEveryTab();
    }
    if (caption == kAppliedImfpCaption) {
        AppliedImfpWindow applied(session, shell, parent);
        return pictureOf(applied);
    }
    if (caption == kPolyhedronEditorCaption) {
        PolyhedronDialog polyhedron(session, parent);
        return pictureOf(polyhedron);
    }
    if (caption == kSimulationCaption) {
        SimulationWindow simulation(session, parent);
        return pictureOf(simulation);
    }
    if (caption == kTransmissionWindowCaption) {
        TransmissionSettings settings = DocumentTransmission(session.doc());
        TransmissionDialog transmission(session, settings, parent);
        return pictureOf(transmission);
    }
    if (caption == kModelSummaryCaption && session.doc().modelMode()) {
        ModelSummaryDialog summary(TestSessionModel(session), parent);
        return pictureOf(summary);
    }
    return std::nullopt;
}

}  // namespace slv
