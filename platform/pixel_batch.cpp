#include "platform/pixel_batch.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cstdlib>
#include <latch>

namespace zeva::platform {

namespace {

// Rows per band: a band of a screen-wide bitmap then stays within the processor's cache.
constexpr int kBandRows = 128;
// Below this many pixels a batch is drawn shape by shape: banding would cost more than it saves.
constexpr long long kBandedFrom = 1 << 18;
// Octants kept for reuse, in entries (a figure has a few hundred radii of a few hundred each).
constexpr size_t kMostOctantEntries = size_t(1) << 22;

// The cores besides the calling thread that draw bands of large batches.
QThreadPool& helpers() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(std::clamp(QThread::idealThreadCount() - 1, 1, 7));
        p->setExpiryTimeout(-1); // kept for the next batch
        return p;
    }();
    return *pool;
}

} // namespace

void PixelBatch::line(int x0, int y0, int x1, int y1, QRgb color) {
    shapes_.push_back({Kind::Line, color, x0, y0, x1, y1, std::min(y0, y1), std::max(y0, y1)});
    pixels_ += std::max(std::llabs(x1 - (long long)x0), std::llabs(y1 - (long long)y0));
}

void PixelBatch::circle(int cx, int cy, int r, QRgb color) {
    if (r < 0) return;
    shapes_.push_back({Kind::Circle, color, cx, cy, r, 0, cy - r, cy + r});
    pixels_ += 6LL * r + 8;
}

void PixelBatch::fill(int left, int top, int right, int bottom, QRgb color) {
    if (left >= right || top >= bottom) return;
    shapes_.push_back({Kind::Fill, color, left, top, right, bottom, top, bottom - 1});
    pixels_ += (right - (long long)left) * (bottom - (long long)top);
}

const std::vector<int>& PixelBatch::octantOf(int r) {
    auto found = octants_.find(r);
    if (found != octants_.end()) return found->second;
    std::vector<int> octant = circleOctant(r);
    octantEntries_ += octant.size();
    return octants_.emplace(r, std::move(octant)).first->second;
}

void PixelBatch::drawBand(const PixelBuffer& b, const std::vector<int>& shapes, int rowLo,
                          int rowHi) const {
    for (int i : shapes) {
        const Shape& s = shapes_[size_t(i)];
        switch (s.kind) {
        case Kind::Line:
            lineRows(b, s.a, s.b, s.c, s.d, s.color, rowLo, rowHi);
            break;
        case Kind::Circle:
            circleRows(b, s.a, s.b, octants_.at(s.c), s.color, rowLo, rowHi);
            break;
        case Kind::Fill:
            fillRows(b, s.a, s.b, s.c, s.d, s.color, rowLo, rowHi);
            break;
        }
    }
}

void PixelBatch::drawOn(const PixelBuffer& b) {
    if (shapes_.empty()) return;
    if (b.bits && b.height > 0) {
        if (octantEntries_ > kMostOctantEntries) {
            octants_.clear();
            octantEntries_ = 0;
        }
        for (const Shape& s : shapes_)
            if (s.kind == Kind::Circle) octantOf(s.c);

        // The shapes that reach each band, in the order they came.
        const int bands = pixels_ < kBandedFrom ? 1 : (b.height + kBandRows - 1) / kBandRows;
        const int bandRows = bands == 1 ? b.height : kBandRows;
        std::vector<std::vector<int>> perBand(static_cast<size_t>(bands));
        for (size_t i = 0; i < shapes_.size(); ++i) {
            const Shape& s = shapes_[i];
            if (s.bottom < 0 || s.top >= b.height) continue;
            const int first = std::max(s.top, 0) / bandRows;
            const int last = std::min(s.bottom, b.height - 1) / bandRows;
            for (int band = first; band <= last; ++band)
                perBand[size_t(band)].push_back(int(i));
        }
        auto drawBands = [&](int from, int step) {
            for (int band = from; band < bands; band += step)
                drawBand(b, perBand[size_t(band)], band * bandRows,
                         std::min(b.height, (band + 1) * bandRows));
        };
        // Bands are shared among the cores: each writes rows of its own.
        const int workers = std::min(bands, helpers().maxThreadCount() + 1);
        if (workers <= 1) {
            drawBands(0, 1);
        } else {
            std::latch done(workers - 1);
            for (int w = 1; w < workers; ++w)
                helpers().start([&, w] {
                    drawBands(w, workers);
                    done.count_down();
                });
            drawBands(0, workers);
            done.wait();
        }
    }
    shapes_.clear();
    pixels_ = 0;
}

} // namespace zeva::platform
