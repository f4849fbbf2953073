// The DrawSurface on a QPainter: a widget, a QImage, an SVG generator or a
// printer page. Logical coordinates are mapped onto a rectangle of the
// painter's device; texts are drawn in the device's own resolution so that
// a point size means the same on screen and on paper.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QTransform>

#include "report/draw_surface.h"

namespace slv {

class PainterSurface final : public DrawSurface {
public:
    /// Draws into `target`, given in the painter's device coordinates.
    PainterSurface(QPainter& painter, const QRectF& target);

    void setScale(double width, double height) override;
    double aspectRatio() const override;
    void clear(Rgb background) override;
    void setFont(const std::string& family, double pointSize) override;
    double textWidth(const std::string& text) const override;
    double textHeight() const override;
    void text(DrawPoint topLeft, const std::string& text, Rgb colour) override;
    void line(DrawPoint from, DrawPoint to, const Stroke& stroke) override;
    void box(DrawPoint topLeft, DrawPoint bottomRight, const Fill& fill, const Stroke& stroke) override;
    void polygon(std::span<const DrawPoint> corners, const Fill& fill, const Stroke& stroke) override;
    void circle(DrawPoint centre, double radius, const Fill& fill, const Stroke& stroke) override;

private:
    /// Paints a closed shape: its solid fill or hatch, then its outline.
    void shape(const QPainterPath& path, const Fill& fill, const Stroke& stroke);
    void hatch(const QPainterPath& path, const Fill& fill);

    QPainter& m_painter;
    QRectF m_target;
    double m_width = 1.0;
    double m_height = 1.0;
    QTransform m_transform;
    QFont m_font;
};

}  // namespace slv
