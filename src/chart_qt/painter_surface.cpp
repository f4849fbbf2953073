#include "chart_qt/painter_surface.h"

#include <cmath>

#include <QFontMetricsF>
#include <QPainterPath>

#include "chart_qt/ansi_text.h"

namespace slv {

namespace {
QColor colourOf(Rgb rgb)
{
    return QColor(rgb.r, rgb.g, rgb.b);
}

QPen penOf(const Stroke& stroke)
{
    if (!stroke.visible)
        return Qt::NoPen;
    QPen pen(colourOf(stroke.colour), stroke.width, stroke.dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap,
             Qt::MiterJoin);
    return pen;
}
}  // namespace

PainterSurface::PainterSurface(QPainter& painter, const QRectF& target) : m_painter(painter), m_target(target)
{
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    setScale(target.width(), target.height());
}

void PainterSurface::setScale(double width, double height)
{
    m_width = width > 0.0 ? width : 1.0;
    m_height = height > 0.0 ? height : 1.0;
    m_transform = QTransform::fromTranslate(m_target.x(), m_target.y())
                      .scale(m_target.width() / m_width, m_target.height() / m_height);
    m_painter.setTransform(m_transform);
}

double PainterSurface::aspectRatio() const
{
    return m_target.height() > 0.0 ? m_target.width() / m_target.height() : 1.0;
}

void PainterSurface::clear(Rgb background)
{
    m_painter.fillRect(QRectF(0, 0, m_width, m_height), colourOf(background));
}

void PainterSurface::setFont(const std::string& family, double pointSize)
{
    m_font = QFont(QString::fromStdString(family));
    m_font.setPointSizeF(pointSize);
}

double PainterSurface::textWidth(const std::string& text) const
{
    const QFontMetricsF metrics(m_font, m_painter.device());
    return metrics.horizontalAdvance(AnsiQString(text)) / m_transform.m11();
}

double PainterSurface::textHeight() const
{
    const QFontMetricsF metrics(m_font, m_painter.device());
    return metrics.height() / m_transform.m22();
}

void PainterSurface::text(DrawPoint topLeft, const std::string& text, Rgb colour)
{
    // Texts keep the device's resolution: drawn without the scaling.
    const QPointF at = m_transform.map(QPointF(topLeft.x, topLeft.y));
    m_painter.save();
    m_painter.resetTransform();
    m_painter.setFont(m_font);
    m_painter.setPen(colourOf(colour));
    const QFontMetricsF metrics(m_font, m_painter.device());
    m_painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), AnsiQString(text));
    m_painter.restore();
}

void PainterSurface::line(DrawPoint from, DrawPoint to, const Stroke& stroke)
{
    if (!stroke.visible)
        return;
    m_painter.setPen(penOf(stroke));
    m_painter.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void PainterSurface::box(DrawPoint topLeft, DrawPoint bottomRight, const Fill& fill, const Stroke& stroke)
{
    QPainterPath path;
    path.addRect(QRectF(QPointF(topLeft.x, topLeft.y), QPointF(bottomRight.x, bottomRight.y)).normalized());
    shape(path, fill, stroke);
}

void PainterSurface::polygon(std::span<const DrawPoint> corners, const Fill& fill, const Stroke& stroke)
{
    QPolygonF polygon;
    for (const DrawPoint& p : corners)
        polygon << QPointF(p.x, p.y);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    shape(path, fill, stroke);
}

void PainterSurface::circle(DrawPoint centre, double radius, const Fill& fill, const Stroke& stroke)
{
    QPainterPath path;
    path.addEllipse(QPointF(centre.x, centre.y), radius, radius);
    shape(path, fill, stroke);
}

void PainterSurface::shape(const QPainterPath& path, const Fill& fill, const Stroke& stroke)
{
    if (fill.style == FillPattern::Solid)
        m_painter.fillPath(path, colourOf(fill.colour));
    else if (fill.style == FillPattern::DownwardDiagonal)
        hatch(path, fill);
    if (stroke.visible)
        m_painter.strokePath(path, penOf(stroke));
}

void PainterSurface::hatch(const QPainterPath& path, const Fill& fill)
{
    if (!(fill.spacing > 0.0))
        return;
    const QRectF bounds = path.boundingRect();
    m_painter.save();
    m_painter.setClipPath(path, Qt::IntersectClip);
    m_painter.setPen(penOf({true, fill.colour, fill.lineWidth}));
    // Lines y = x + c from the upper left to the lower right, `spacing` apart.
    const double step = fill.spacing * std::sqrt(2.0);
    const double first = std::floor((bounds.top() - bounds.right()) / step) * step;
    for (double c = first; c <= bounds.bottom() - bounds.left(); c += step)
        m_painter.drawLine(QPointF(bounds.left(), bounds.left() + c), QPointF(bounds.right(), bounds.right() + c));
    m_painter.restore();
}

}  // namespace slv
