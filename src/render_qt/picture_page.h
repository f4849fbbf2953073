// A picture window (the chart, the model layout) printed on a page of its
// own: on a printer the analyst picked, or into a PDF file when the computer
// has no printer. The picture fills the paper inside the report margin.
#pragma once

#include <QRectF>

#include <filesystem>
#include <functional>
#include <string>

#include "report/report_device.h"

class QPagedPaintDevice;
class QPainter;

namespace slv {

/// Draws a picture into the given rectangle of the painter's device.
using PagePainter = std::function<void(QPainter& painter, const QRectF& area)>;

/// Draws one page on the device (paper in the given orientation, margin in
/// twips on every side). Returns an empty text on success, else what went wrong.
std::string PaintPicturePage(QPagedPaintDevice& target, PageOrientation orientation, double marginTwips,
                             const PagePainter& paint);

/// The same page as an A4 PDF file; the file is replaced only when the page
/// is complete. Returns an empty text on success, else what went wrong.
std::string WritePdfPicture(const std::filesystem::path& path, const std::string& documentTitle,
                            PageOrientation orientation, double marginTwips, const PagePainter& paint);

}  // namespace slv
