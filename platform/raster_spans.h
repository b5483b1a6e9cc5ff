#pragma once
// Direct pixel paths for the commonest shapes of a figure on a 32-bit off-screen bitmap: thin
// solid lines and circle outlines and small filled boxes. A figure of ten thousand elements is
// mostly these, and the general painter spends several times longer on each.
//
// Every shape can be drawn restricted to a band of rows: a batch of shapes drawn band by band
// (pixel_batch.h) writes exactly the pixels the shapes drawn one after the other would, while
// each band stays in the processor's cache.

#include <QImage>

#include <vector>

namespace zeva::platform {

// The pixels of a 32-bit image, taken once so they stay the ones a painter draws on.
struct PixelBuffer {
    uchar* bits = nullptr;
    qsizetype stride = 0;
    int width = 0;
    int height = 0;

    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits + y * stride); }
};

// The image's pixels, or an empty buffer when it is not a 32-bit RGB image.
PixelBuffer pixelBufferOf(QImage& image);

inline void putPixel(const PixelBuffer& b, int x, int y, QRgb color) {
    if (static_cast<unsigned>(x) < static_cast<unsigned>(b.width) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(b.height))
        b.row(y)[x] = color;
}

// The first octant of the circle of radius r as the midpoint algorithm walks it: entry k is the
// x of the pixel at y = k, from (r, 0) while x >= y. The other seven octants are its mirror
// images.
std::vector<int> circleOctant(int r);

// The line from (x0, y0) towards (x1, y1), its last pixel left out (the pixels of the integer
// Bresenham walk); only its pixels in rows [rowLo, rowHi) of the buffer.
void lineRows(const PixelBuffer& b, int x0, int y0, int x1, int y1, QRgb color, int rowLo,
              int rowHi);
// The outline of the circle around (cx, cy) whose first octant is `octant`; only its pixels in
// rows [rowLo, rowHi).
void circleRows(const PixelBuffer& b, int cx, int cy, const std::vector<int>& octant, QRgb color,
                int rowLo, int rowHi);
// The box from (left, top) to (right, bottom), both edges excluded; only rows [rowLo, rowHi).
void fillRows(const PixelBuffer& b, int left, int top, int right, int bottom, QRgb color,
              int rowLo, int rowHi);

// The same on the whole buffer.
void directLine(const PixelBuffer& b, int x0, int y0, int x1, int y1, QRgb color);
void directCircle(const PixelBuffer& b, int cx, int cy, int r, QRgb color);

// The same two shapes antialiased (smooth drawing): the line through the centres of its end
// pixels, its last pixel left out, and the circle, each pixel covered in proportion to its
// distance from the exact curve, blended with what the buffer holds.
void smoothLine(const PixelBuffer& b, int x0, int y0, int x1, int y1, QRgb color);
void smoothCircle(const PixelBuffer& b, int cx, int cy, int r, QRgb color);

void directFill(const PixelBuffer& b, int left, int top, int right, int bottom, QRgb color);

} // namespace zeva::platform
