#include "chart_qt/picture_file.h"

#include <cctype>

#include <QImage>
#include <QSaveFile>
#include <QSvgGenerator>

namespace slv {

namespace {
bool endsWith(const std::string& text, const std::string& end)
{
    if (text.size() < end.size())
        return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])) != end[i])
            return false;
    return true;
}
}  // namespace

PictureFormat PictureFormatOf(const std::string& path)
{
    return endsWith(path, ".svg") ? PictureFormat::Svg : PictureFormat::Png;
}

bool WritePicture(const std::string& path, PictureFormat format, QSize size,
                  const std::function<void(QPainter&, const QRectF&)>& paint, std::string& error)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot write " + path + ": " + file.errorString().toStdString();
        return false;
    }
    const QRectF area(QPointF(0, 0), QSizeF(size));
    bool painted = false;
    if (format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(area);
        QPainter painter;
        if (painter.begin(&svg)) {
            paint(painter, area);
            painted = painter.end();
        }
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter;
        if (painter.begin(&image)) {
            paint(painter, area);
            painter.end();
            painted = image.save(&file, "PNG");
        }
    }
    if (!painted) {
        file.cancelWriting();
        error = "cannot draw the picture for " + path;
        return false;
    }
    if (!file.commit()) {
        error = "cannot write " + path + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace slv
