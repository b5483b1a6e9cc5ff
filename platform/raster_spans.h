#pragma once
// Direct pixel paths for the commonest shapes of a figure on a 32-bit off-screen bitmap: thin
// solid lines and circle outlines and small filled boxes. A figure of ten thousand elements is
// mostly these, and the general painter spends several times longer on each.

#include <QImage>

namespace zeva::platform {

// The pixels of a 32-bit image, taken once so they stay the ones a painter draws on.
struct PixelBuffer {
    uchar* bits = nullptr;
    qsizetype stride = 0;
    int width = 0;
    int height = 0;
};

// The image's pixels, or an empty buffer when it is not a 32-bit RGB image.
PixelBuffer pixelBufferOf(QImage& image);

inline void putPixel(const PixelBuffer& b, int x, int y, QRgb color) {
    if (static_cast<unsigned>(x) < static_cast<unsigned>(b.width) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(b.height))
        reinterpret_cast<QRgb*>(b.bits + y * b.stride)[x] = color;
}

// The line from (x0, y0) towards (x1, y1), its last pixel left out; clipped to the buffer.
void directLine(const PixelBuffer& b, int x0, int y0, int x1, int y1, QRgb color);

// The outline of the circle of radius r around (cx, cy); clipped to the buffer.
void directCircle(const PixelBuffer& b, int cx, int cy, int r, QRgb color);

// The same two shapes antialiased (smooth drawing): the line through the centres of its end
// pixels, its last pixel left out, and the circle, each pixel covered in proportion to its
// distance from the exact curve, blended with what the buffer holds.
void smoothLine(const PixelBuffer& b, int x0, int y0, int x1, int y1, QRgb color);
void smoothCircle(const PixelBuffer& b, int cx, int cy, int r, QRgb color);

// The box from (left, top) to (right, bottom), both edges excluded; clipped to the buffer.
void directFill(const PixelBuffer& b, int left, int top, int right, int bottom, QRgb color);

} // namespace zeva::platform
