#include "ui/transmission_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "chart_qt/chart_view.h"
#include "report/transmission_chart.h"
#include "session/current_charts.h"

namespace slv {

namespace {
constexpr int kCurveWindowWidth = 560;
constexpr int kCurveWindowHeight = 400;
}  // namespace

TransmissionDialog::TransmissionDialog(Session& session, TransmissionSettings& settings, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(kTransmissionWindowCaption);
    m_view = new ChartView;
    m_view->setPlan(
        TransmissionCurve(session, settings.type, settings.exponent, settings.filePath, settings.excitationEv));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(close);
    resize(kCurveWindowWidth, kCurveWindowHeight);
}

const ChartPlan& TransmissionDialog::plan() const
{
    return m_view->plan();
}

TransmissionSettings DocumentTransmission(const Document& doc)
{
    return {doc.transmissionType(), doc.transmissionExponent(), doc.transmissionFile(),
            ExcitationEnergy(doc, doc.source())};
}

void ShowTransmissionFunction(Session& session, TransmissionSettings& settings, QWidget* parent)
{
    if (settings.type == TransmissionType::File && settings.filePath.empty())
        return;
    TransmissionDialog dialog(session, settings, parent);
    dialog.exec();
}

}  // namespace slv
