#include "platform/raster_spans.h"

#include <algorithm>
#include <cstdlib>

namespace zeva::platform {

PixelBuffer pixelBufferOf(QImage& image) {
    if (image.format() != QImage::Format_RGB32 || image.isNull()) return {};
    return {image.bits(), image.bytesPerLine(), image.width(), image.height()};
}

void directLine(const PixelBuffer& b, int x0, int y0, int x1, int y1, QRgb color) {
    const int w = b.width, h = b.height;
    // Entirely on one side of the image: nothing to draw.
    if ((x0 < 0 && x1 < 0) || (y0 < 0 && y1 < 0) || (x0 >= w && x1 >= w) || (y0 >= h && y1 >= h))
        return;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        putPixel(b, x, y, color);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void directCircle(const PixelBuffer& b, int cx, int cy, int r, QRgb color) {
    if (cx + r < 0 || cy + r < 0 || cx - r >= b.width || cy - r >= b.height) return;
    int x = r, y = 0, err = 1 - r;
    while (x >= y) {
        putPixel(b, cx + x, cy + y, color);
        putPixel(b, cx + y, cy + x, color);
        putPixel(b, cx - y, cy + x, color);
        putPixel(b, cx - x, cy + y, color);
        putPixel(b, cx - x, cy - y, color);
        putPixel(b, cx - y, cy - x, color);
        putPixel(b, cx + y, cy - x, color);
        putPixel(b, cx + x, cy - y, color);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

void directFill(const PixelBuffer& b, int left, int top, int right, int bottom, QRgb color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, b.width);
    bottom = std::min(bottom, b.height);
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(b.bits + y * b.stride);
        std::fill(row + left, row + right, color);
    }
}

} // namespace zeva::platform
