#include "chart_qt/chart_view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPieSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include "chart_qt/ansi_text.h"

namespace slv {

namespace {

/// Distinct colours of the data sets, repeating.
constexpr std::array<QRgb, 10> kSetColours = {0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd,
                                              0x8c564b, 0xe377c2, 0x7f7f7f, 0xbcbd22, 0x17becf};
/// Line styles and fill patterns that tell the sets apart in black and white.
constexpr std::array<Qt::PenStyle, 4> kMonoLines = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
constexpr std::array<Qt::BrushStyle, 6> kMonoPatterns = {Qt::SolidPattern, Qt::BDiagPattern, Qt::Dense6Pattern,
                                                         Qt::FDiagPattern, Qt::CrossPattern, Qt::Dense3Pattern};
constexpr double kMarkerSize = 9.0;
constexpr double kLineWidth = 2.0;
/// Free space beside the outermost points, as a share of the value range.
constexpr double kRangePadding = 0.04;

QColor setColour(std::size_t set)
{
    return QColor::fromRgb(kSetColours[set % kSetColours.size()]);
}

QScatterSeries::MarkerShape markerOf(int symbol)
{
    switch (symbol) {
    case 3: return QScatterSeries::MarkerShapeCircle;
    case 5: return QScatterSeries::MarkerShapeRectangle;
    case 7: return QScatterSeries::MarkerShapeTriangle;
    case 9: return QScatterSeries::MarkerShapeRotatedRectangle;
    default: return QScatterSeries::MarkerShapeStar;
    }
}

/// Axis labels must differ; equal texts get invisible distinct endings.
QStringList distinctLabels(const std::vector<std::string>& labels)
{
    QStringList list;
    std::set<QString> seen;
    for (const std::string& label : labels) {
        QString text = AnsiQString(label);
        while (!seen.insert(text).second)
            text += QChar(0x200B);
        list << text;
    }
    return list;
}

void addAxis(QChart& chart, QAbstractAxis* axis, Qt::Alignment alignment, const std::string& title)
{
    axis->setTitleText(AnsiQString(title).toHtmlEscaped());
    chart.addAxis(axis, alignment);
}

/// Ranges narrower than this share of their magnitude are widened to 1, so
/// that points at (nearly) one x value stand in the middle of the axis.
constexpr double kNarrowRange = 1e-3;
constexpr int kWantedTicks = 6;

/// 1, 2 or 5 times a power of ten, giving about kWantedTicks intervals over the range.
double niceStep(double range)
{
    const double raw = range / kWantedTicks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    return (norm < 1.5 ? 1.0 : norm < 3.0 ? 2.0 : norm < 7.0 ? 5.0 : 10.0) * magnitude;
}

/// A value axis over [low, high] with a little room at both ends; a value
/// axis of results starts at zero.
QValueAxis* valueAxis(double low, double high, bool fromZero)
{
    if (fromZero)
        low = std::min(low, 0.0);
    if (high - low < kNarrowRange * std::max({1.0, std::abs(low), std::abs(high)})) {
        // Values that all stand at zero stay on a scale that starts there.
        const bool atZero = fromZero && low == 0.0;
        low -= atZero ? 0.0 : 0.5;
        high += atZero ? 1.0 : 0.5;
    }
    auto* axis = new QValueAxis;
    axis->setLabelFormat("%g");
    if (fromZero && low >= 0.0) {
        axis->setRange(low, high + kRangePadding * (high - low));
        axis->applyNiceNumbers();
        return axis;
    }
    const double pad = kRangePadding * (high - low);
    axis->setRange(low - pad, high + pad);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0.0);
    axis->setTickInterval(niceStep(high - low));
    return axis;
}

std::pair<double, double> valueRange(const ChartPlan& plan)
{
    double low = 0.0, high = 0.0;
    bool any = false;
    for (const ChartSet& set : plan.sets)
        for (const auto& v : set.values)
            if (v && std::isfinite(*v)) {
                low = any ? std::min(low, *v) : *v;
                high = any ? std::max(high, *v) : *v;
                any = true;
            }
    return {low, high};
}

void fillLineChart(QChart& chart, const ChartPlan& plan)
{
    const bool numeric = !plan.xPositions.empty();
    const int points = plan.pointCount();
    const auto xOf = [&](int i) {
        return numeric && i < static_cast<int>(plan.xPositions.size()) ? plan.xPositions[i] : double(i);
    };

    QAbstractAxis* xAxis = nullptr;
    if (numeric) {
        const auto [low, high] = std::minmax_element(plan.xPositions.begin(), plan.xPositions.end());
        xAxis = valueAxis(*low, *high, false);
    } else {
        // Categories stand at x = 0, 1, 2, ... of the line series.
        auto* categories = new QBarCategoryAxis;
        QStringList labels = distinctLabels(plan.pointLabels);
        while (labels.size() < points)
            labels << QString(labels.size() + 1, QChar(0x200B));
        categories->append(labels.mid(0, points));
        xAxis = categories;
    }
    const auto [low, high] = valueRange(plan);
    QValueAxis* yAxis = valueAxis(low, high, true);
    addAxis(chart, xAxis, Qt::AlignBottom, plan.bottomTitle);
    addAxis(chart, yAxis, Qt::AlignLeft, plan.leftTitle);

    for (std::size_t s = 0; s < plan.sets.size(); ++s) {
        const ChartSet& set = plan.sets[s];
        auto* line = new QLineSeries;
        QScatterSeries* symbols = set.symbol > 0 ? new QScatterSeries : nullptr;
        for (int i = 0; i < static_cast<int>(set.values.size()); ++i)
            if (const auto& v = set.values[i]; v && std::isfinite(*v)) {
                line->append(xOf(i), *v);
                if (symbols != nullptr)
                    symbols->append(xOf(i), *v);
            }
        const QColor colour = plan.colour ? setColour(s) : QColor(Qt::black);
        QPen pen(colour, kLineWidth, plan.colour ? Qt::SolidLine : kMonoLines[s % kMonoLines.size()]);
        line->setPen(pen);
        line->setName(AnsiQString(set.legend));
        chart.addSeries(line);
        line->attachAxis(xAxis);
        line->attachAxis(yAxis);
        if (symbols == nullptr)
            continue;
        symbols->setName(AnsiQString(set.legend));
        symbols->setMarkerShape(markerOf(set.symbol));
        symbols->setMarkerSize(kMarkerSize);
        symbols->setColor(plan.colour ? colour : QColor(Qt::white));
        symbols->setBorderColor(plan.colour ? colour.darker(130) : QColor(Qt::black));
        chart.addSeries(symbols);
        symbols->attachAxis(xAxis);
        symbols->attachAxis(yAxis);
        // The legend shows the symbol, not the line.
        for (QLegendMarker* marker : chart.legend()->markers(line))
            marker->setVisible(false);
    }
}

void fillPieChart(QChart& chart, const ChartPlan& plan)
{
    auto* pie = new QPieSeries;
    if (!plan.sets.empty()) {
        const ChartSet& set = plan.sets.front();
        for (std::size_t i = 0; i < set.values.size(); ++i) {
            const double value = set.values[i] && std::isfinite(*set.values[i]) ? std::max(0.0, *set.values[i]) : 0.0;
            const std::string label = i < plan.pointLabels.size() ? plan.pointLabels[i] : "";
            QPieSlice* slice = pie->append(AnsiQString(label), value);
            slice->setLabel(QStringLiteral("%1  %2").arg(AnsiQString(label)).arg(value, 0, 'g', 3));
            slice->setLabelVisible(value > 0.0);
            if (plan.colour) {
                slice->setBrush(setColour(i));
            } else {
                slice->setBrush(QBrush(Qt::black, kMonoPatterns[i % kMonoPatterns.size()]));
                slice->setPen(QPen(Qt::black));
                if (i % kMonoPatterns.size() == 0)
                    slice->setBrush(QBrush(Qt::white));
            }
        }
    }
    pie->setPieSize(0.6);
    chart.addSeries(pie);
    // A pie has no axes: the value title stands under the chart title.
    const QString title = AnsiQString(plan.title).toHtmlEscaped();
    const QString values = AnsiQString(plan.leftTitle).toHtmlEscaped();
    chart.setTitle(title.isEmpty() ? values : values.isEmpty() ? title : title + "<br>" + values);
}

void fillBarChart(QChart& chart, const ChartPlan& plan)
{
    auto* bars = new QBarSeries;
    for (std::size_t s = 0; s < plan.sets.size(); ++s) {
        const ChartSet& set = plan.sets[s];
        auto* barSet = new QBarSet(AnsiQString(set.legend));
        for (const auto& v : set.values)
            *barSet << (v && std::isfinite(*v) ? *v : 0.0);
        if (plan.colour) {
            barSet->setColor(setColour(s));
            barSet->setBorderColor(setColour(s).darker(130));
        } else {
            barSet->setBrush(s == 0 ? QBrush(Qt::black)
                                    : QBrush(Qt::black, kMonoPatterns[(s % (kMonoPatterns.size() - 1)) + 1]));
            barSet->setBorderColor(Qt::black);
        }
        bars->append(barSet);
    }
    chart.addSeries(bars);
    auto* categories = new QBarCategoryAxis;
    categories->append(distinctLabels(plan.pointLabels));
    const auto [low, high] = valueRange(plan);
    QValueAxis* yAxis = valueAxis(low, high, true);
    addAxis(chart, categories, Qt::AlignBottom, plan.bottomTitle);
    addAxis(chart, yAxis, Qt::AlignLeft, plan.leftTitle);
    bars->attachAxis(categories);
    bars->attachAxis(yAxis);
}

bool anyLegend(const ChartPlan& plan)
{
    if (plan.type == ChartType::Pie)
        return true;
    return std::any_of(plan.sets.begin(), plan.sets.end(), [](const ChartSet& s) { return !s.legend.empty(); });
}

}  // namespace

void FillChart(QChart& chart, const ChartPlan& plan)
{
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.setTheme(QChart::ChartThemeLight);
    chart.setBackgroundBrush(Qt::white);
    // Chart titles are rich text: a data set's title is shown as written.
    chart.setTitle(AnsiQString(plan.title).toHtmlEscaped());
    // Line charts show each set's symbol in the legend, pies and bars their fill.
    chart.legend()->setMarkerShape(plan.type == ChartType::Line ? QLegend::MarkerShapeFromSeries
                                                                : QLegend::MarkerShapeRectangle);
    chart.legend()->setAlignment(Qt::AlignRight);
    switch (plan.type) {
    case ChartType::None: break;
    case ChartType::Line: fillLineChart(chart, plan); break;
    case ChartType::Pie: fillPieChart(chart, plan); break;
    case ChartType::Bar: fillBarChart(chart, plan); break;
    }
    chart.legend()->setVisible(plan.type != ChartType::None && anyLegend(plan));
}

ChartView::ChartView(QWidget* parent) : QChartView(new QChart, parent)
{
    setRenderHint(QPainter::Antialiasing, true);
}

void ChartView::setPlan(const ChartPlan& plan)
{
    m_plan = plan;
    FillChart(*chart(), m_plan);
}

void PaintChart(QPainter& painter, const QRectF& target, const ChartPlan& plan)
{
    // The chart lays itself out only in a view that is shown; this one is
    // shown without ever reaching the screen.
    ChartView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(target.size().toSize());
    view.setPlan(plan);
    view.show();
    QCoreApplication::sendPostedEvents();
    view.render(&painter, target, view.viewport()->rect());
}

}  // namespace slv
