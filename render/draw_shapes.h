#pragma once
// The drawing routines of the figure's shapes: points, segments, lines, rays, circles, arcs
// and angle marks, with the clipping and size rules that keep device coordinates small.
// Colours are 0x00BBGGRR; `style` is a shape code (1..4) or a halo code (-1, -2).

#include "model/point.h"
#include "render/canvas.h"
#include "render/render_context.h"

#include <optional>

namespace zeva::render {

// The pen of a line-like shape for a style code; none for codes that draw nothing.
std::optional<Pen> linePen(Color color, int style);

// A point of the given shape at a world position, when that position is in view.
void drawPoint(const RenderContext& ctx, Canvas& canvas, Point p, Color color, int style);

// A segment between two world points: drawn when an end is in view or it crosses the clipping
// rectangle; ends outside the plane are pulled back onto the plane's edge.
void drawSegment(const RenderContext& ctx, Canvas& canvas, Point a, Point b, Color color,
                 int style);

// The infinite line through two points, clipped to the clipping rectangle.
void drawLine(const RenderContext& ctx, Canvas& canvas, Point first, Point second, Color color,
              int style);

// The ray from `origin` through `through`, clipped to the clipping rectangle.
void drawRay(const RenderContext& ctx, Canvas& canvas, Point origin, Point through, Color color,
             int style);

// A circle; `fill` 0 or more fills it (and forces the plain outline), -1 leaves it open.
void drawCircle(const RenderContext& ctx, Canvas& canvas, Point centre, double radius, Color color,
                int style, Color fill);

// The arc of the circle through a, b and c (centre given) that runs from a to c through b.
void drawArcThrough(const RenderContext& ctx, Canvas& canvas, Point centre, Point a, Point b,
                    Point c, Color color, int style);

// The counter-clockwise arc from angle `start` sweeping `sweep` radians, as chords.
void drawArcPolyline(const RenderContext& ctx, Canvas& canvas, Point centre, double radius,
                     double start, double sweep, Color color, int style);

// The mark of an angle at `vertex` from the arm through `first` to the arm through `third`,
// `radius` world units from the vertex.
void drawAngleMark(const RenderContext& ctx, Canvas& canvas, Point first, Point vertex, Point third,
                   double radius, Color color, int style);

} // namespace zeva::render
