#include "ui/dialog_pictures.h"

#include <QApplication>

#include "session/applied_imfp.h"
#include "ui/applied_imfp_window.h"
#include "ui/parameters_window.h"

namespace slv {

std::optional<QImage> PictureOfDialog(const std::string& caption, Session& session, WindowShell& shell, QWidget* parent)
{
    if (caption == kParametersCaption) {
        ParametersWindow parameters(session, shell, parent);
        parameters.show();
        QApplication::processEvents();
        return parameters.pictureOfEveryTab();
    }
    if (caption == kAppliedImfpCaption) {
        AppliedImfpWindow applied(session, shell, parent);
        applied.show();
        QApplication::processEvents();
        return applied.grab().toImage();
    }
    return std::nullopt;
}

}  // namespace slv
