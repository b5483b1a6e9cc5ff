// The direct pixel paths against the plain walks they replace: the integer Bresenham line and
// the midpoint circle, one pixel at a time with a bounds check each. Lines, circles and boxes
// drawn in bands, or held in a batch drawn band by band on several cores, must leave every pixel
// exactly as the plain walks drawn one after the other.

#include "platform/pixel_batch.h"
#include "platform/raster_spans.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace zeva::platform {
namespace {

void referenceLine(const PixelBuffer& b, int x0, int y0, int x1, int y1, QRgb color) {
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

void referenceCircle(const PixelBuffer& b, int cx, int cy, int r, QRgb color) {
    int x = r, y = 0, err = 1 - r;
    while (x >= y) {
        for (const auto& [px, py] : {std::pair{cx + x, cy + y}, {cx + y, cy + x}, {cx - y, cy + x},
                                     {cx - x, cy + y}, {cx - x, cy - y}, {cx - y, cy - x},
                                     {cx + y, cy - x}, {cx + x, cy - y}})
            putPixel(b, px, py, color);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

struct Surfaces {
    QImage expected{203, 157, QImage::Format_RGB32};
    QImage actual{203, 157, QImage::Format_RGB32};
    PixelBuffer want = pixelBufferOf(expected);
    PixelBuffer got = pixelBufferOf(actual);
    Surfaces() {
        expected.fill(0);
        actual.fill(0);
    }
    bool same() const { return expected == actual; }
};

// Coordinates reaching well beyond the buffer on every side.
int around(std::mt19937& rng, int size) {
    return static_cast<int>(rng() % unsigned(3 * size)) - size;
}

TEST(PixelPaths, LinesInAnyBandsArePixelForPixelTheBresenhamWalk) {
    std::mt19937 rng(5);
    for (int i = 0; i < 3000; ++i) {
        Surfaces s;
        const int x0 = around(rng, 203), y0 = around(rng, 157);
        // Long lines, short steep and flat ones, single steps and points.
        const int kind = i % 4;
        const int x1 = kind == 0 ? around(rng, 203) : x0 + int(rng() % 9) - 4;
        const int y1 = kind == 1 ? around(rng, 157) : y0 + int(rng() % 9) - 4;
        referenceLine(s.want, x0, y0, x1, y1, 0xFFFFFF);
        const int band = 1 + int(rng() % 60);
        for (int row = 0; row < 157; row += band)
            lineRows(s.got, x0, y0, x1, y1, 0xFFFFFF, row, row + band);
        ASSERT_TRUE(s.same()) << "(" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1
                              << ") in bands of " << band;
    }
}

TEST(PixelPaths, CirclesInAnyBandsArePixelForPixelTheMidpointWalk) {
    std::mt19937 rng(6);
    for (int i = 0; i < 2000; ++i) {
        Surfaces s;
        const int cx = around(rng, 203), cy = around(rng, 157);
        const int r = i % 3 == 0 ? int(rng() % 6) : int(rng() % 300);
        referenceCircle(s.want, cx, cy, r, 0xFFFFFF);
        const int band = 1 + int(rng() % 60);
        const std::vector<int> octant = circleOctant(r);
        for (int row = 0; row < 157; row += band)
            circleRows(s.got, cx, cy, octant, 0xFFFFFF, row, row + band);
        ASSERT_TRUE(s.same()) << "centre (" << cx << ", " << cy << ") radius " << r
                              << " in bands of " << band;
    }
}

TEST(PixelPaths, ABatchLeavesEveryPixelAsItsShapesDrawnOneAfterTheOther) {
    // Enough overlapping shapes of several colours that the batch is drawn in bands on every
    // core: the last shape over a pixel must still decide its colour.
    std::mt19937 rng(7);
    Surfaces s;
    PixelBatch batch;
    const QRgb colors[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    for (int i = 0; i < 4000; ++i) {
        const QRgb c = colors[rng() % 4];
        switch (i % 3) {
        case 0: {
            const int x0 = around(rng, 203), y0 = around(rng, 157);
            const int x1 = around(rng, 203), y1 = around(rng, 157);
            referenceLine(s.want, x0, y0, x1, y1, c);
            batch.line(x0, y0, x1, y1, c);
            break;
        }
        case 1: {
            const int cx = around(rng, 203), cy = around(rng, 157), r = int(rng() % 200);
            referenceCircle(s.want, cx, cy, r, c);
            batch.circle(cx, cy, r, c);
            break;
        }
        case 2: {
            const int l = around(rng, 203), t = around(rng, 157);
            const int r = l + int(rng() % 40), b = t + int(rng() % 40);
            for (int y = t; y < b; ++y)
                for (int x = l; x < r; ++x)
                    putPixel(s.want, x, y, c);
            batch.fill(l, t, r, b, c);
            break;
        }
        }
    }
    batch.drawOn(s.got);
    EXPECT_TRUE(s.same());
    EXPECT_TRUE(batch.empty());
}

TEST(PixelPaths, RepeatedShapesEndAsIfEachRepeatWereDrawn) {
    // A few overlapping shapes repeated many times in runs of one colour and across colour
    // changes: a repeat within its colour's run may be left out, a repeat after another colour
    // covered its pixels must be drawn again. Batches of both sizes: one band and many.
    std::mt19937 rng(8);
    const QRgb colors[] = {0xFF0000, 0x0000FF};
    for (const int count : {40, 6000}) {
        Surfaces s;
        PixelBatch batch;
        QRgb c = colors[0];
        for (int i = 0; i < count; ++i) {
            if (rng() % 5 == 0) c = colors[rng() % 2];
            const int pick = int(rng() % 9);
            const int cx = 100 + pick % 3 * 2, cy = 80 + pick / 3;
            switch (pick % 3) {
            case 0:
                referenceCircle(s.want, cx, cy, 60 + pick, c);
                batch.circle(cx, cy, 60 + pick, c);
                break;
            case 1:
                referenceLine(s.want, cx - 90, cy - 70, cx + 90, cy + 70 - pick, c);
                batch.line(cx - 90, cy - 70, cx + 90, cy + 70 - pick, c);
                break;
            case 2:
                for (int y = cy - 30; y < cy + 30; ++y)
                    for (int x = cx - 5 * pick; x < cx + 5; ++x)
                        putPixel(s.want, x, y, c);
                batch.fill(cx - 5 * pick, cy - 30, cx + 5, cy + 30, c);
                break;
            }
        }
        batch.drawOn(s.got);
        EXPECT_TRUE(s.same()) << count << " shapes";
    }
}

} // namespace
} // namespace zeva::platform
