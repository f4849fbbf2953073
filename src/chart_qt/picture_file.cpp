#include "chart_qt/picture_file.h"

#include <QImage>
#include <QSaveFile>
#include <QSvgGenerator>

namespace slv {

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
