#include "ui/picture_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>

#include "ui/grid_view.h"

namespace slv {

PicturePane::PicturePane(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(kLeastPictureHeightTwips * logicalDpiY() / kTwipsPerInch);
}

QImage PicturePane::image() const
{
    QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paintPage(painter, QRectF(picture.rect()));
    return picture;
}

void PicturePane::copyToClipboard() const
{
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(image());
}

}  // namespace slv
