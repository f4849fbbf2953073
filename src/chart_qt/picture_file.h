// Writing a picture to a PNG or SVG file: the painting is done by the
// caller, the file is written under a temporary name and renamed, so that a
// failed run never leaves half a picture under the requested name.
#pragma once

#include <functional>
#include <string>

#include <QPainter>
#include <QSize>

namespace slv {

enum class PictureFormat { Png, Svg };

/// Paints a picture of `size` pixels through `paint` (which draws into the
/// given rectangle) and writes it to `path`. False with a message in
/// `error` when the file cannot be written.
bool WritePicture(const std::string& path, PictureFormat format, QSize size,
                  const std::function<void(QPainter&, const QRectF&)>& paint, std::string& error);

}  // namespace slv
