#include "platform/raster_spans.h"

#include <algorithm>
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
