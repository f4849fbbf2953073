#include "ui/layout_pane.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

#include "chart_qt/ansi_text.h"
#include "chart_qt/painter_surface.h"

namespace slv {

namespace {

QAction* switchAction(const QString& caption, bool on, QObject* parent)
{
    auto* action = new QAction(caption, parent);
    action->setCheckable(true);
    action->setChecked(on);
    return action;
}

}  // namespace

LayoutPane::LayoutPane(Session& session, QWidget* parent) : PicturePane(parent), m_controller(session)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_controller.onRedrawn([this] { redrawn(); });
    m_copy = new QAction("Copy Figure", this);
    connect(m_copy, &QAction::triggered, this, [this] { copyToClipboard(); });
    m_colours = switchAction("Colours", m_controller.state().colour, this);
    connect(m_colours, &QAction::toggled, this, [this](bool on) { m_controller.setColour(on); });
    m_legend = switchAction("Legend", m_controller.state().legend, this);
    connect(m_legend, &QAction::toggled, this, [this](bool on) { m_controller.setLegend(on); });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { showPopup(mapToGlobal(at)); });
}

void LayoutPane::onCaption(std::function<void(const QString&)> caption)
{
    m_caption = std::move(caption);
    redrawn();
}

void LayoutPane::redrawn()
{
    if (m_caption)
        m_caption(AnsiQString(m_controller.caption()));
    update();
}

void LayoutPane::showPopup(const QPoint& where)
{
    QMenu popup;
    popup.addAction(m_copy);
    popup.addSeparator();
    popup.addAction(m_colours);
    popup.addAction(m_legend);
    popup.exec(where);
}

void LayoutPane::paintPage(QPainter& painter, const QRectF& page) const
{
    PainterSurface surface(painter, page);
    MakeDraw(surface, m_controller.doc(), m_controller.state());
}

void LayoutPane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPage(painter, QRectF(rect()));
}

}  // namespace slv
