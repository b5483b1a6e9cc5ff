#pragma once
// Where the ticks of an axes element and the points of a grid fall, in world units, for a
// clipping rectangle (the view, or the whole plane on the miniature).

#include "model/point.h"
#include "render/view_transform.h"

#include <vector>

namespace zeva::render {

struct ClipRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// The rectangle bounded by a set of edges (bottom, top, left, right).
ClipRect clipRectOf(const Edges& edges);

struct AxesLayout {
    Point origin;
    Point xAxisSecond; // a second point of the x axis
    Point yAxisSecond; // a second point of the y axis
    double unitX = 40.0;
    double unitY = 40.0;
};

struct AxisTicks {
    double factorX = 1.0; // axis units per tick
    double factorY = 1.0;
    double stepX = 40.0; // world units per tick
    double stepY = 40.0;
    std::vector<Point> xTicks;
    std::vector<Point> yTicks;
    Point factorXAt; // where the first tick value of each axis is printed
    Point factorYAt;
};

// Ticks of both axes within the rectangle; an axis that does not meet the rectangle's left
// (x axis) or bottom (y axis) edge gets none, and no tick sits on the origin.
AxisTicks axisTicks(const AxesLayout& axes, const ClipRect& clip);

// Grid points of axes with the given units: a lattice in the rectangular system, rings of
// points around the origin in the polar one. `miniature` widens the spacing for the miniature
// drawn at `drawScale`.
void gridPoints(const AxesLayout& axes, const ClipRect& clip, bool polar, bool miniature,
                double drawScale, std::vector<Point>& out);

} // namespace zeva::render
