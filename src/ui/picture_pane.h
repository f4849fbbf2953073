// The content of a child window that shows a picture instead of a grid (the
// chart, the model layout): drawn again whenever its controller says so,
// copied to the clipboard at the window's size, and drawn onto a page for
// Print Current.
#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

namespace slv {

/// The least height of a picture window, twips.
inline constexpr int kLeastPictureHeightTwips = 1000;

class PicturePane : public QWidget {
public:
    explicit PicturePane(QWidget* parent = nullptr);

    /// Draws the picture into `page`, given in the painter's device
    /// coordinates: a printer page, a PDF page or an image.
    virtual void paintPage(QPainter& painter, const QRectF& page) const = 0;

    /// The picture at the pane's current size.
    QImage image() const;
    /// Copy Chart, Copy Figure: the picture replaces the clipboard's content.
    void copyToClipboard() const;
};

}  // namespace slv
