// Pictures of the modal dialogs for selvaro --grab: the Parameters dialog
// with every tab, the Applied IMFP window, the Polyhedron Editor, the
// Transmission Function window, the Intensity Simulation and the Model Summary of a structure model.
#pragma once

#include <optional>
#include <string>

#include <QImage>

#include "session/session.h"
#include "session/window_shell.h"
#include "ui/parameters_window.h"

class QWidget;

namespace slv {

/// The picture of the dialog with this caption; nullopt for a caption that
/// names no dialog. The Parameters dialog shows its Print and Edit buttons
/// with reporting.
std::optional<QImage> PictureOfDialog(const std::string& caption, Session& session, WindowShell& shell, QWidget* parent,
                                      std::optional<ParameterReporting> reporting = std::nullopt);

}  // namespace slv
