#pragma once
// Thin lines, circle outlines and boxes held back and drawn together on a 32-bit bitmap. A
// large batch is drawn band by band (each band of rows stays in the processor's cache, and
// the bands are shared among the processor's cores); inside a band the shapes are drawn in
// the order they came, so every pixel ends as it would had each shape been drawn at once.
//
// A line or circle exactly like one held earlier in the same run of one colour is left out: the
// pixels it would write already hold its colour (a large figure has many circles and segments that
// coincide at the bitmap's resolution).

#include "platform/raster_spans.h"

#include <unordered_map>
#include <vector>

namespace zeva::platform {

class PixelBatch {
  public:
    // A line from (x0, y0) towards (x1, y1), its last pixel left out.
    void line(int x0, int y0, int x1, int y1, QRgb color);
    // The outline of the circle of radius r around (cx, cy).
    void circle(int cx, int cy, int r, QRgb color);
    // The box from (left, top) to (right, bottom), both edges excluded.
    void fill(int left, int top, int right, int bottom, QRgb color);

    bool empty() const { return shapes_.empty(); }
    // Draws everything held, in order, and empties the batch.
    void drawOn(const PixelBuffer& b);

  private:
    enum class Kind { Line, Circle, Fill };
    struct Shape {
        Kind kind;
        QRgb color;
        int a, b, c, d;  // line: ends; circle: centre and radius; fill: the box
        int top, bottom; // rows it may touch, both included
        const std::vector<int>* octant = nullptr; // a circle's, once the batch is drawn
    };
    // Adds the shape unless the current run of its colour already holds the same shape.
    void add(const Shape& s, long long pixels);
    // Whether the run's table holds a shape like s; if not, enters s as shapes_[index].
    bool seenInRun(const Shape& s, int index);
    void drawBand(const PixelBuffer& b, const std::vector<int>& shapes, int rowLo, int rowHi) const;
    const std::vector<int>& octantOf(int r);

    std::vector<Shape> shapes_;
    long long pixels_ = 0; // roughly how many pixels the batch writes
    // The shapes of the current run of one colour, by hash: open addressing on a table of a
    // power-of-two size whose slots hold a shape's index and the run it was added in (a new run
    // only changes the run number, so runs of one shape each cost no clearing).
    struct Slot {
        unsigned run = 0;
        int shape = 0;
    };
    std::vector<Slot> runTable_;
    unsigned run_ = 1;
    int runSize_ = 0; // shapes in the table
    QRgb runColor_ = 0;
    size_t runStart_ = 0;                   // the run's first shape
    bool runIndexed_ = false;               // whether the run's shapes so far are in the table
    std::vector<std::vector<int>> perBand_; // kept from batch to batch
    // The first octants of the radii drawn so far (a figure has few distinct radii).
    std::unordered_map<int, std::vector<int>> octants_;
    size_t octantEntries_ = 0;
};

} // namespace zeva::platform
