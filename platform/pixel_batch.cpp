#include "platform/pixel_batch.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cstdint>
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
// Runs of one colour are searched for repeated shapes from this many shapes on.
constexpr size_t kRunIndexedFrom = 8;

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
    add({Kind::Line, color, x0, y0, x1, y1, std::min(y0, y1), std::max(y0, y1)},
        std::max(std::llabs(x1 - (long long)x0), std::llabs(y1 - (long long)y0)));
}

void PixelBatch::circle(int cx, int cy, int r, QRgb color) {
    if (r < 0) return;
    add({Kind::Circle, color, cx, cy, r, 0, cy - r, cy + r}, 6LL * r + 8);
}

void PixelBatch::fill(int left, int top, int right, int bottom, QRgb color) {
    if (left >= right || top >= bottom) return;
    add({Kind::Fill, color, left, top, right, bottom, top, bottom - 1},
        (right - (long long)left) * (bottom - (long long)top));
}

void PixelBatch::add(const Shape& s, long long pixels) {
    if (shapes_.empty() || s.color != runColor_) {
        // A new run: the slots of earlier runs no longer count.
        if (++run_ == 0) {
            std::fill(runTable_.begin(), runTable_.end(), Slot{});
            run_ = 1;
        }
        runSize_ = 0;
        runColor_ = s.color;
        runStart_ = shapes_.size();
        runIndexed_ = false;
    }
    // Short runs (a point's mark and frame) are not worth the table, nor boxes (mostly the
    // few pixels of a point's mark: cheaper to draw again than to look up).
    const size_t inRun = shapes_.size() - runStart_;
    if (inRun >= kRunIndexedFrom && s.kind != Kind::Fill) {
        if (!runIndexed_) {
            for (size_t i = runStart_; i < shapes_.size(); ++i)
                if (shapes_[i].kind != Kind::Fill) seenInRun(shapes_[i], int(i));
            runIndexed_ = true;
        }
        if (seenInRun(s, int(shapes_.size()))) return;
    }
    shapes_.push_back(s);
    pixels_ += pixels;
}

bool PixelBatch::seenInRun(const Shape& s, int index) {
    auto hashOf = [](const Shape& t) {
        uint64_t h = uint64_t(t.kind) * 0x9E3779B97F4A7C15ull;
        for (int v : {t.a, t.b, t.c, t.d})
            h = (h ^ uint32_t(v)) * 0xFF51AFD7ED558CCDull;
        return size_t(h ^ (h >> 29));
    };
    auto sameShape = [](const Shape& x, const Shape& y) {
        return x.kind == y.kind && x.a == y.a && x.b == y.b && x.c == y.c && x.d == y.d;
    };
    if (size_t(runSize_ + 1) * 2 > runTable_.size()) {
        // Grow, keeping the current run's shapes.
        std::vector<Slot> old(std::max<size_t>(64, runTable_.size() * 2));
        old.swap(runTable_);
        const size_t mask = runTable_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.run != run_) continue;
            size_t at = hashOf(shapes_[size_t(slot.shape)]) & mask;
            while (runTable_[at].run == run_)
                at = (at + 1) & mask;
            runTable_[at] = slot;
        }
    }
    const size_t mask = runTable_.size() - 1;
    for (size_t at = hashOf(s) & mask;; at = (at + 1) & mask) {
        Slot& slot = runTable_[at];
        if (slot.run != run_) {
            slot = {run_, index};
            ++runSize_;
            return false;
        }
        if (sameShape(shapes_[size_t(slot.shape)], s)) return true;
    }
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
            circleRows(b, s.a, s.b, *s.octant, s.color, rowLo, rowHi);
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
        for (Shape& s : shapes_)
            if (s.kind == Kind::Circle) s.octant = &octantOf(s.c);

        // The shapes that reach each band, in the order they came.
        const int bands = pixels_ < kBandedFrom ? 1 : (b.height + kBandRows - 1) / kBandRows;
        const int bandRows = bands == 1 ? b.height : kBandRows;
        std::vector<std::vector<int>>& perBand = perBand_;
        if (perBand.size() < size_t(bands)) perBand.resize(size_t(bands));
        for (std::vector<int>& list : perBand)
            list.clear();
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
