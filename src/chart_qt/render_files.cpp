#include "chart_qt/render_files.h"

#include "chart_qt/chart_view.h"
#include "chart_qt/painter_surface.h"

namespace slv {

bool WriteChartPicture(const ChartPlan& plan, const std::string& path, PictureFormat format, QSize size,
                       std::string& error)
{
    return WritePicture(
        path, format, size, [&](QPainter& painter, const QRectF& area) { PaintChart(painter, area, plan); }, error);
}

bool WriteLayoutPicture(const Document& doc, const LayoutState& state, const std::string& path, PictureFormat format,
                        QSize size, std::string& error)
{
    return WritePicture(
        path, format, size,
        [&](QPainter& painter, const QRectF& area) {
            PainterSurface surface(painter, area);
            MakeDraw(surface, doc, state);
        },
        error);
}

}  // namespace slv
