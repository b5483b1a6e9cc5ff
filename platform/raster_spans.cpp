#include "platform/raster_spans.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace zeva::platform {

namespace {

// Steps i of a coordinate c0 + s * i (s = +1 or -1) that fall in [lo, hi): [first, last).
struct Steps {
    int64_t first = 0;
    int64_t last = 0;
};
Steps stepsWithin(int64_t c0, int s, int64_t lo, int64_t hi) {
    return s > 0 ? Steps{lo - c0, hi - c0} : Steps{c0 - hi + 1, c0 - lo + 1};
}

// The integer Bresenham walk of a line in closed form. With `major` the larger and `minor` the
// smaller of |dx| and |dy|, the walk makes `major` steps; step i advances i along the major
// axis and k(i) = floor((2 minor i + major) / (2 major)) along the minor one. The division
// is a multiplication by a 64-bit reciprocal, exact for every numerator a line can reach, so
// the pixels of a step do not depend on the step before (and a band can start anywhere).
struct LineWalk {
    int64_t major = 0;
    int64_t minor = 0;
    uint64_t reciprocal = 0; // floor(2^64 / (2 major)) + 1

    LineWalk(int64_t majorSteps, int64_t minorSteps) : major(majorSteps), minor(minorSteps) {
        if (major > 0)
            reciprocal = static_cast<uint64_t>((static_cast<unsigned __int128>(1) << 64) /
                                               static_cast<uint64_t>(2 * major)) +
                         1;
    }
    int64_t minorAt(int64_t i) const {
        const auto n = static_cast<uint64_t>(2 * minor * i + major);
        return static_cast<int64_t>((static_cast<unsigned __int128>(n) * reciprocal) >> 64);
    }
    // The first step whose minor offset is at least k.
    int64_t firstWithMinor(int64_t k) const {
        if (k <= 0) return 0;
        if (minor == 0) return major; // never
        const int64_t num = major * (2 * k - 1);
        return (num + 2 * minor - 1) / (2 * minor);
    }
    // The steps whose minor coordinate c0 + s * k(i) lies in [lo, hi).
    Steps minorWithin(int64_t c0, int s, int64_t lo, int64_t hi) const {
        const Steps k = stepsWithin(c0, s, lo, hi);
        return {firstWithMinor(k.first), firstWithMinor(k.last)};
    }
};

// The pixels of the circle in rows [rowLo, rowHi); `inside(x)` says whether column x is in the
// buffer (always, for a circle within its width: no test per pixel).
template <class Inside>
void circleRowsWithin(const PixelBuffer& b, int cx, int cy, const std::vector<int>& octant,
                      QRgb color, int rowLo, int rowHi, Inside inside) {
    auto put = [&](QRgb* row, int x) {
        if (inside(x)) row[x] = color;
    };
    const int count = static_cast<int>(octant.size());
    // Rows cy + k and cy - k hold the pixels (cx +- octant[k]).
    for (int k = std::max(0, rowLo - cy), end = std::min(count, rowHi - cy); k < end; ++k) {
        QRgb* row = b.row(cy + k);
        put(row, cx + octant[size_t(k)]);
        put(row, cx - octant[size_t(k)]);
    }
    for (int k = std::max(0, cy - rowHi + 1), end = std::min(count, cy - rowLo + 1); k < end;
         ++k) {
        QRgb* row = b.row(cy - k);
        put(row, cx + octant[size_t(k)]);
        put(row, cx - octant[size_t(k)]);
    }
    // Rows cy + octant[k] and cy - octant[k] hold the pixels (cx +- k); octant[] does not
    // increase, so the k whose row is in the band form one run.
    auto runBetween = [&](int lo, int hi) { // the k with lo <= octant[k] < hi
        const auto from = std::partition_point(octant.begin(), octant.end(),
                                               [hi](int x) { return x >= hi; });
        const auto to =
            std::partition_point(from, octant.end(), [lo](int x) { return x >= lo; });
        return std::pair<int, int>(int(from - octant.begin()), int(to - octant.begin()));
    };
    {
        const auto [from, to] = runBetween(rowLo - cy, rowHi - cy);
        for (int k = from; k < to; ++k) {
            QRgb* row = b.row(cy + octant[size_t(k)]);
            put(row, cx + k);
            put(row, cx - k);
        }
    }
    {
        const auto [from, to] = runBetween(cy - rowHi + 1, cy - rowLo + 1);
        for (int k = from; k < to; ++k) {
            QRgb* row = b.row(cy - octant[size_t(k)]);
            put(row, cx + k);
            put(row, cx - k);
        }
    }
}

} // namespace

PixelBuffer pixelBufferOf(QImage& image) {
    if (image.format() != QImage::Format_RGB32 || image.isNull()) return {};
    return {image.bits(), image.bytesPerLine(), image.width(), image.height()};
}

std::vector<int> circleOctant(int r) {
    std::vector<int> octant;
    if (r < 0) return octant;
    octant.reserve(static_cast<size_t>(r * 3 / 4 + 2));
    int x = r, y = 0, err = 1 - r;
    while (x >= y) {
        octant.push_back(x);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
    return octant;
}

void lineRows(const PixelBuffer& b, int x0, int y0, int x1, int y1, QRgb color, int rowLo,
              int rowHi) {
    rowLo = std::max(rowLo, 0);
    rowHi = std::min(rowHi, b.height);
    if (rowLo >= rowHi) return;
    const int64_t dx = std::llabs(int64_t(x1) - x0);
    const int64_t dy = std::llabs(int64_t(y1) - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const LineWalk walk(xMajor ? dx : dy, xMajor ? dy : dx);
    if (walk.major == 0) return;
    // The steps whose pixel lies in the rows and columns asked for.
    const Steps alongX = xMajor ? stepsWithin(x0, sx, 0, b.width)
                                : walk.minorWithin(x0, sx, 0, b.width);
    const Steps alongY = xMajor ? walk.minorWithin(y0, sy, rowLo, rowHi)
                                : stepsWithin(y0, sy, rowLo, rowHi);
    const int64_t first = std::max({int64_t(0), alongX.first, alongY.first});
    const int64_t last = std::min({walk.major, alongX.last, alongY.last});
    const qsizetype stride = b.stride / qsizetype(sizeof(QRgb));
    QRgb* const origin = b.row(0);
    const qsizetype start = qsizetype(y0) * stride + x0;
    const qsizetype majorStep = xMajor ? sx : sy * stride;
    const qsizetype minorStep = xMajor ? sy * stride : sx;
    for (int64_t i = first; i < last; ++i)
        origin[start + i * majorStep + walk.minorAt(i) * minorStep] = color;
}

void circleRows(const PixelBuffer& b, int cx, int cy, const std::vector<int>& octant, QRgb color,
                int rowLo, int rowHi) {
    rowLo = std::max(rowLo, 0);
    rowHi = std::min(rowHi, b.height);
    if (octant.empty() || rowLo >= rowHi) return;
    const int r = octant.front();
    if (cy + r < rowLo || cy - r >= rowHi || cx + r < 0 || cx - r >= b.width) return;
    if (cx - r >= 0 && cx + r < b.width)
        circleRowsWithin(b, cx, cy, octant, color, rowLo, rowHi, [](int) { return true; });
    else
        circleRowsWithin(b, cx, cy, octant, color, rowLo, rowHi, [w = unsigned(b.width)](int x) {
            return static_cast<unsigned>(x) < w;
        });
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
    return b.row(y)[x];
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

void fillRows(const PixelBuffer& b, int left, int top, int right, int bottom, QRgb color,
              int rowLo, int rowHi) {
    left = std::max(left, 0);
    top = std::max({top, rowLo, 0});
    right = std::min(right, b.width);
    bottom = std::min({bottom, rowHi, b.height});
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y) {
        QRgb* row = b.row(y);
        std::fill(row + left, row + right, color);
    }
}

void directLine(const PixelBuffer& b, int x0, int y0, int x1, int y1, QRgb color) {
    lineRows(b, x0, y0, x1, y1, color, 0, b.height);
}

void directCircle(const PixelBuffer& b, int cx, int cy, int r, QRgb color) {
    circleRows(b, cx, cy, circleOctant(r), color, 0, b.height);
}

void directFill(const PixelBuffer& b, int left, int top, int right, int bottom, QRgb color) {
    fillRows(b, left, top, right, bottom, color, 0, b.height);
}

} // namespace zeva::platform
