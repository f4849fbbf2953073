#include "render_qt/picture_page.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <span>

#include "document/file_bytes.h"
#include "platform/text_encoding.h"

namespace slv {

namespace {
constexpr const char* kPictureCreator = "XPS Selvaro";
}  // namespace

std::string PaintPicturePage(QPagedPaintDevice& target, PageOrientation orientation, double marginTwips,
                             const PagePainter& paint)
{
    // Full-page mode: the painter counts from the paper's corner, as the reports do.
    QPageLayout layout = target.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    layout.setOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    target.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&target))
        return "the page could not be drawn";
    painter.setRenderHint(QPainter::Antialiasing);
    const double marginX = marginTwips * target.logicalDpiX() / kTwipsPerInch;
    const double marginY = marginTwips * target.logicalDpiY() / kTwipsPerInch;
    const QRectF paper(0.0, 0.0, target.width(), target.height());
    paint(painter, paper.adjusted(marginX, marginY, -marginX, -marginY));
    painter.end();
    return {};
}

std::string WritePdfPicture(const std::filesystem::path& path, const std::string& documentTitle,
                            PageOrientation orientation, double marginTwips, const PagePainter& paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(static_cast<int>(kTwipsPerInch));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setCreator(kPictureCreator);
        writer.setTitle(QString::fromStdString(AnsiToUtf8(documentTitle)));
        if (std::string failure = PaintPicturePage(writer, orientation, marginTwips, paint); !failure.empty())
            return failure;
    }
    buffer.close();
    const QByteArray& pdf = buffer.data();
    const std::span bytes(reinterpret_cast<const std::byte*>(pdf.constData()), static_cast<std::size_t>(pdf.size()));
    if (const auto failure = ReplaceFileContents(path, bytes))
        return failure->error.message();
    return {};
}

}  // namespace slv
