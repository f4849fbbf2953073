// One Qt Charts view that draws any ChartPlan: a line chart with a symbol
// per data set over evenly spaced, labelled points or over numeric x
// positions, a pie, or grouped bars, in colour or in black and white.
#pragma once

#include <QChartView>

#include "report/chart_plan.h"

namespace slv {

/// Replaces everything in `chart` by the chart the ChartPlan describes.
void FillChart(QChart& chart, const ChartPlan& plan);

class ChartView : public QChartView {
public:
    explicit ChartView(QWidget* parent = nullptr);

    /// Draws the chart; a ChartPlan of type None leaves the view empty.
    void setPlan(const ChartPlan& plan);
    const ChartPlan& plan() const { return m_plan; }

private:
    ChartPlan m_plan;
};

/// Draws the chart into `target` of the painter's device (a printer page,
/// an image, an SVG generator), at the target's size.
void PaintChart(QPainter& painter, const QRectF& target, const ChartPlan& plan);

}  // namespace slv
