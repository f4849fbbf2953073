#include "render_qt/painter_report_device.h"

#include <QPageLayout>
#include <QPen>
#include <QString>

#include "platform/text_encoding.h"

namespace slv {

namespace {
/// Rules are drawn half a point wide.
constexpr double kRuleWidth = 10.0;  // twips

QString textOf(std::string_view ansi)
{
    const std::string utf8 = AnsiToUtf8(ansi);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
}  // namespace

PainterReportDevice::PainterReportDevice(QPagedPaintDevice& target) : m_target(target), m_metrics(m_font)
{
    m_font.setHintingPreference(QFont::PreferNoHinting);
    m_font.setStyleStrategy(QFont::PreferOutline);
    applyFont();
}

PainterReportDevice::~PainterReportDevice()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PainterReportDevice::startDocument(PageOrientation orientation)
{
    QPageLayout layout = m_target.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    layout.setOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    m_target.setPageLayout(layout);
    m_ok = m_painter.begin(&m_target);
    if (!m_ok)
        return;
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.scale(m_target.logicalDpiX() / kTwipsPerInch, m_target.logicalDpiY() / kTwipsPerInch);
    QPen pen(Qt::black);
    pen.setWidthF(kRuleWidth);
    m_painter.setPen(pen);
    m_painter.setFont(m_font);
}

void PainterReportDevice::startNextPage()
{
    if (m_ok)
        m_ok = m_target.newPage();
}

void PainterReportDevice::finishDocument()
{
    if (m_painter.isActive())
        m_painter.end();
}

double PainterReportDevice::pageWidth() const
{
    return m_target.width() * kTwipsPerInch / m_target.logicalDpiX();
}

double PainterReportDevice::pageHeight() const
{
    return m_target.height() * kTwipsPerInch / m_target.logicalDpiY();
}

void PainterReportDevice::applyFont()
{
    m_font.setPixelSize(static_cast<int>(m_points * kTwipsPerPoint));
    m_metrics = QFontMetricsF(m_font);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

void PainterReportDevice::setFontName(const std::string& name)
{
    m_font.setFamily(textOf(name));
    applyFont();
}

void PainterReportDevice::setFontSize(int points)
{
    m_points = points;
    applyFont();
}

void PainterReportDevice::setBold(bool bold)
{
    m_font.setBold(bold);
    applyFont();
}

double PainterReportDevice::textWidth(std::string_view text) const
{
    return m_metrics.horizontalAdvance(textOf(text));
}

void PainterReportDevice::drawText(double x, double top, std::string_view text)
{
    if (m_painter.isActive())
        m_painter.drawText(QPointF(x, top + m_metrics.ascent()), textOf(text));
}

void PainterReportDevice::drawLine(double x1, double y1, double x2, double y2)
{
    if (m_painter.isActive())
        m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

}  // namespace slv
