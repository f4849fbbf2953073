// One Qt Charts view that draws any ChartSpec: a line chart with a symbol
// per data set over evenly spaced, labelled points or over numeric x
// positions, a pie, or grouped bars, in colour or in black and white.
#pragma once

#include <QChartView>

#include "report/chart_spec.h"

namespace slv {

/// Replaces everything in `chart` by the chart the ChartSpec describes.
void FillChart(QChart& chart, const ChartSpec& spec);

class ChartView : public QChartView {
public:
    explicit ChartView(QWidget* parent = nullptr);

    /// Draws the chart; a ChartSpec of type None leaves the view empty.
    void setSpec(const ChartSpec& spec);
    const ChartSpec& spec() const { return m_spec; }

private:
    ChartSpec m_spec;
};

/// Draws the chart into `target` of the painter's device (a printer page,
/// an image, an SVG generator), at the target's size.
void PaintChart(QPainter& painter, const QRectF& target, const ChartSpec& spec);

}  // namespace slv
