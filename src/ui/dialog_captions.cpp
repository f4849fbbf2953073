#include "ui/dialog_captions.h"

#include "report/transmission_chart.h"
#include "ui/polyhedron_dialog.h"
#include "ui/transmission_dialog.h"

namespace slv {

std::unique_ptr<QDialog> DialogWithCaption(const std::string& caption, Session& session, QWidget* parent)
{
    if (caption == kPolyhedronEditorCaption)
        return std::make_unique<PolyhedronDialog>(session, parent);
    if (caption == kTransmissionWindowCaption) {
        TransmissionSettings settings = DocumentTransmission(session.doc());
        return std::make_unique<TransmissionDialog>(session, settings, parent);
    }
    return nullptr;
}

}  // namespace slv
