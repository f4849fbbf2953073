#include "ui/chart_pane.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

#include "chart_qt/chart_view.h"

namespace slv {

ChartPane::ChartPane(Session& session, QWidget* parent) : PicturePane(parent), m_controller(session)
{
    m_view = new ChartView;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 1);
    layout->addWidget(m_view);
    m_view->setPlan(m_controller.plan());
    m_controller.onRedrawn([this] { m_view->setPlan(m_controller.plan()); });

    m_copy = new QAction("Copy Chart", this);
    connect(m_copy, &QAction::triggered, this, [this] { copyToClipboard(); });
    m_colours = new QAction("Colours", this);
    m_colours->setCheckable(true);
    m_colours->setChecked(m_controller.colour());
    connect(m_colours, &QAction::toggled, this, [this](bool on) { m_controller.setColour(on); });
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showPopup(m_view->mapToGlobal(at)); });
}

void ChartPane::showPopup(const QPoint& where)
{
    QMenu popup;
    popup.addAction(m_copy);
    popup.addSeparator();
    popup.addAction(m_colours);
    popup.exec(where);
}

void ChartPane::paintPage(QPainter& painter, const QRectF& page) const
{
    // The chart's scene is laid out in screen pixels: on a printer or PDF
    // page it is drawn at the screen's resolution and scaled up, so that its
    // texts and symbols keep their size on the paper.
    const double scale = static_cast<double>(painter.device()->logicalDpiX()) / logicalDpiX();
    painter.save();
    painter.scale(scale, scale);
    PaintChart(painter, QRectF(page.topLeft() / scale, page.size() / scale), m_controller.titledPlan());
    painter.restore();
}

}  // namespace slv
