// The report device on a QPainter: a QPrinter or a QPdfWriter. The page is
// laid out in full-page mode so that twips count from the paper's corner;
// fonts are sized in twips under a painter scaled from twips to the device's
// resolution, so that the pages look alike on every device.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include "report/report_device.h"

namespace slv {

class PainterReportDevice final : public ReportDevice {
public:
    explicit PainterReportDevice(QPagedPaintDevice& target);
    ~PainterReportDevice() override;
    PainterReportDevice(const PainterReportDevice&) = delete;
    PainterReportDevice& operator=(const PainterReportDevice&) = delete;

    /// False when the painter could not start on the device.
    bool ok() const { return m_ok; }

    double pageWidth() const override;
    double pageHeight() const override;
    void setFontName(const std::string& name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    double textWidth(std::string_view text) const override;
    double lineHeight() const override { return m_metrics.lineSpacing(); }
    void drawText(double x, double top, std::string_view text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;

protected:
    void startDocument(PageOrientation orientation) override;
    void startNextPage() override;
    void finishDocument() override;

private:
    void applyFont();

    QPagedPaintDevice& m_target;
    QPainter m_painter;
    QFont m_font;
    QFontMetricsF m_metrics;
    int m_points = 10;
    bool m_ok = true;
};

}  // namespace slv
