#include "platform/raster_spans.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

namespace {

// `color` over the pixel at `d` with coverage `a` of 256.
inline void blendInto(QRgb& d, QRgb color, uint32_t a) {
    if (a >= 256) {
        d = color;
        return;
    }
    const uint32_t na = 256 - a;
    const uint32_t rb = (((color & 0xFF00FFu) * a + (d & 0xFF00FFu) * na) >> 8) & 0xFF00FFu;
    const uint32_t g = (((color & 0x00FF00u) * a + (d & 0x00FF00u) * na) >> 8) & 0x00FF00u;
    d = 0xFF000000u | rb | g;
}

inline QRgb& pixelAt(const PixelBuffer& b, int x, int y) {
    return reinterpret_cast<QRgb*>(b.bits + y * b.stride)[x];
}

// Blending with or without the bounds check: shapes wholly inside the buffer skip it.
struct Checked {
    const PixelBuffer& b;
    void operator()(int x, int y, QRgb color, uint32_t a) const {
        if (static_cast<unsigned>(x) < static_cast<unsigned>(b.width) &&
            static_cast<unsigned>(y) < static_cast<unsigned>(b.height))
            blendInto(pixelAt(b, x, y), color, a);
    }
};
struct Unchecked {
    const PixelBuffer& b;
    void operator()(int x, int y, QRgb color, uint32_t a) const {
        blendInto(pixelAt(b, x, y), color, a);
    }
};

bool boxInside(const PixelBuffer& b, int left, int top, int right, int bottom) {
    return left >= 0 && top >= 0 && right < b.width && bottom < b.height;
}

// The minor coordinate in 16.16 fixed point: its pixel and the upper neighbour's share (of 256).
template <typename Blend>
void smoothLineWith(Blend blend, int x0, int y0, int x1, int y1, QRgb color) {
    const int dx = x1 - x0, dy = y1 - y0;
    const bool steep = std::abs(dy) > std::abs(dx);
    const int steps = steep ? std::abs(dy) : std::abs(dx);
    const int majorStep = (steep ? dy : dx) > 0 ? 1 : -1;
    const int64_t gradient = (int64_t(steep ? dx : dy) << 16) / steps;
    int64_t minor = int64_t(steep ? x0 : y0) << 16;
    int major = steep ? y0 : x0;
    for (int i = 0; i < steps; ++i, minor += gradient, major += majorStep) {
        // Round to the nearest 1/256 of a pixel.
        const int64_t m = minor + (1 << 7);
        const int low = static_cast<int>(m >> 16);
        const uint32_t upper = static_cast<uint32_t>((m >> 8) & 0xFF);
        if (steep) {
            blend(low, major, color, 256 - upper);
            if (upper) blend(low + 1, major, color, upper);
        } else {
            blend(major, low, color, 256 - upper);
            if (upper) blend(major, low + 1, color, upper);
        }
    }
}

template <typename Blend>
void smoothCircleWith(Blend blend, int cx, int cy, int r, QRgb color) {
    const double r2 = double(r) * r;
    // One octant, y = 0 .. x, mirrored eight ways; the other coordinate falls between pixels.
    for (int y = 0;; ++y) {
        const double x = std::sqrt(r2 - double(y) * y);
        if (x < y) break;
        const int fixed = static_cast<int>(x * 256.0 + 0.5);
        const int xi = fixed >> 8;
        const uint32_t outer = static_cast<uint32_t>(fixed & 0xFF);
        const uint32_t inner = 256 - outer;
        if (y == 0) {
            // The row y = 0 and the column x = 0 are their own mirrors: each pixel once.
            blend(cx + xi, cy, color, inner);
            blend(cx - xi, cy, color, inner);
            blend(cx, cy + xi, color, inner);
            blend(cx, cy - xi, color, inner);
            if (outer) {
                blend(cx + xi + 1, cy, color, outer);
                blend(cx - xi - 1, cy, color, outer);
                blend(cx, cy + xi + 1, color, outer);
                blend(cx, cy - xi - 1, color, outer);
            }
            continue;
        }
        const auto plot8 = [&](int px, int py, uint32_t a) {
            blend(cx + px, cy + py, color, a);
            blend(cx - px, cy + py, color, a);
            blend(cx + px, cy - py, color, a);
            blend(cx - px, cy - py, color, a);
            if (px == py) return; // on the diagonal the two octants meet in the same pixels
            blend(cx + py, cy + px, color, a);
            blend(cx - py, cy + px, color, a);
            blend(cx + py, cy - px, color, a);
            blend(cx - py, cy - px, color, a);
        };
        plot8(xi, y, inner);
        if (outer && xi + 1 > y) plot8(xi + 1, y, outer);
    }
}

} // namespace

void smoothLine(const PixelBuffer& b, int x0, int y0, int x1, int y1, QRgb color) {
    const int w = b.width, h = b.height;
    if ((x0 < 0 && x1 < 0) || (y0 < 0 && y1 < 0) || (x0 >= w && x1 >= w) || (y0 >= h && y1 >= h))
        return;
    if (x0 == x1 && y0 == y1) return;
    // One pixel beyond the ends on the minor side.
    if (boxInside(b, std::min(x0, x1) - 1, std::min(y0, y1) - 1, std::max(x0, x1) + 1,
                  std::max(y0, y1) + 1))
        smoothLineWith(Unchecked{b}, x0, y0, x1, y1, color);
    else
        smoothLineWith(Checked{b}, x0, y0, x1, y1, color);
}

void smoothCircle(const PixelBuffer& b, int cx, int cy, int r, QRgb color) {
    if (cx + r + 1 < 0 || cy + r + 1 < 0 || cx - r - 1 >= b.width || cy - r - 1 >= b.height)
        return;
    if (r <= 0) {
        Checked{b}(cx, cy, color, 256);
        return;
    }
    if (boxInside(b, cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1))
        smoothCircleWith(Unchecked{b}, cx, cy, r, color);
    else
        smoothCircleWith(Checked{b}, cx, cy, r, color);
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
