#pragma once
// Pictures are kept as complete Windows BMP file images (as documents store them); these turn
// them into Qt images and back.

#include "model/element.h"

#include <QImage>

namespace zeva::platform {

// The picture as an image; a null image when the bytes are not a readable BMP.
QImage decodePicture(const model::Picture& picture);

// The image as BMP file bytes; empty for a null image.
model::Picture encodePicture(const QImage& image);

} // namespace zeva::platform
