#include "ui/rectangle_touch.h"

#include "geometry/element_shapes.h"
#include "geometry/locus.h"
#include "geometry/locus_polyline.h"
#include "geometry/primitives.h"
#include "render/draw_curves.h"
#include "render/text_boxes.h"
#include "render/view_transform.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// Whether the points a + t (b - a), t in [tMin, tMax], meet the box (Liang-Barsky clipping).
// A degenerate piece is the point a.
bool clipsBox(Point a, Point b, double tMin, double tMax, const WorldBox& box) {
    const Point d = b - a;
    if (d.x == 0.0 && d.y == 0.0) return box.contains(a);
    const std::array<double, 4> p{-d.x, d.x, -d.y, d.y};
    const std::array<double, 4> q{a.x - box.left, box.right - a.x, a.y - box.bottom,
                                  box.top - a.y};
    for (size_t i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false; // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            tMin = std::max(tMin, t);
        else
            tMax = std::min(tMax, t);
        if (tMin > tMax) return false;
    }
    return true;
}

bool segmentTouches(Point a, Point b, const WorldBox& box) {
    return clipsBox(a, b, 0.0, 1.0, box);
}

bool straightTouches(ElementClass cls, Point a, Point b, const WorldBox& box) {
    if (cls == ElementClass::Line) return clipsBox(a, b, -kUnbounded, kUnbounded, box);
    if (cls == ElementClass::Ray) return clipsBox(a, b, 0.0, kUnbounded, box);
    return segmentTouches(a, b, box);
}

// The points where the circle crosses the box's edges.
template <class F> void forEachEdgeCrossing(Point c, double r, const WorldBox& box, F&& f) {
    const std::array<std::pair<Point, Point>, 4> edges{{{{box.left, box.bottom}, {box.right, box.bottom}},
                                                       {{box.left, box.top}, {box.right, box.top}},
                                                       {{box.left, box.bottom}, {box.left, box.top}},
                                                       {{box.right, box.bottom}, {box.right, box.top}}}};
    for (const auto& [a, b] : edges) {
        const Point d = b - a;
        const Point m = a - c;
        const geometry::QuadraticRoots roots = geometry::solveQuadratic(
            d.x * d.x + d.y * d.y, 2.0 * (m.x * d.x + m.y * d.y), m.x * m.x + m.y * m.y - r * r);
        for (int i = 0; i < roots.count; ++i) {
            const double t = roots.x[static_cast<size_t>(i)];
            if (t >= 0.0 && t <= 1.0) f(a + d * t);
        }
    }
}

// The whole circle: some point of it lies in the box exactly when the box's nearest point to
// the centre is inside the circle and its farthest corner outside.
bool circleTouches(Point c, double r, const WorldBox& box) {
    const double nx = std::clamp(c.x, box.left, box.right) - c.x;
    const double ny = std::clamp(c.y, box.bottom, box.top) - c.y;
    const double fx = std::max(std::fabs(c.x - box.left), std::fabs(c.x - box.right));
    const double fy = std::max(std::fabs(c.y - box.bottom), std::fabs(c.y - box.top));
    return std::hypot(nx, ny) <= r && r <= std::hypot(fx, fy);
}

// Part of a circle, from `from` turning counterclockwise by `sweep` radians: an end inside
// the box, or a crossing of an edge on the arc (a connected arc that meets the box does one
// or the other).
bool circleArcTouches(Point c, double r, Point from, double sweep, Point to, const WorldBox& box) {
    if (box.contains(from) || box.contains(to)) return true;
    bool touches = false;
    forEachEdgeCrossing(c, r, box, [&](Point q) {
        if (!geometry::coincident(q, c) && geometry::directedAngle(from, c, q) <= sweep)
            touches = true;
    });
    return touches;
}

bool arcTouches(const Element& arcElement, const WorldBox& box) {
    const std::optional<geometry::Arc> arc = geometry::arcOf(arcElement);
    if (!arc) return false;
    const double sweep = geometry::arcSweep(arc->centre, arc->first, arc->third, arc->turning);
    // Counterclockwise from whichever end the arc starts at when read that way.
    const Point from = arc->turning == 1 ? arc->first : arc->third;
    const Point to = arc->turning == 1 ? arc->third : arc->first;
    return circleArcTouches(arc->centre, arc->radius, from, sweep, to, box);
}

// The angle's mark as drawn: counterclockwise from the first arm to the third at the mark's
// radius (none for very short arms or a null angle).
bool angleMarkTouches(const Element& angle, const WorldBox& box) {
    if (!angle.parent1 || !angle.parent2 || !angle.parent3) return false;
    const Point v = angle.parent2->point();
    const Point a = angle.parent1->point();
    const Point b = angle.parent3->point();
    const double da = geometry::dist(a, v);
    const double db = geometry::dist(b, v);
    if (da < 3 || db < 3 || angle.x1 < 0.01) return false;
    const double r = angle.x2;
    const Point from = v + (a - v) * (r / da);
    const Point to = v + (b - v) * (r / db);
    return circleArcTouches(v, r, from, geometry::directedAngle(a, v, b), to, box);
}

bool polygonTouches(const Element& polygon, const WorldBox& box) {
    for (const auto& side : polygon.polygon().sides)
        if (side->exists == 1 && segmentTouches(side->point(), side->secondPoint(), box))
            return true;
    return false;
}

bool conicTouches(const Element& conic, const WorldBox& box, const render::ViewTransform& view) {
    bool touches = false;
    render::ConicPieces pieces;
    pieces.line = [&](Point a, Point b) {
        touches = touches || clipsBox(a, b, -kUnbounded, kUnbounded, box);
    };
    pieces.circle = [&](Point c, double r) { touches = touches || circleTouches(c, r, box); };
    pieces.chord = [&](Point a, Point b) { touches = touches || segmentTouches(a, b, box); };
    render::forEachConicPiece(view, conic, pieces);
    return touches;
}

bool curveTouches(Element& e, const WorldBox& box, TouchContext& ctx);

bool locusTouches(Element& locus, const WorldBox& box, TouchContext& ctx) {
    if (const auto polyline = geometry::polylineOf(locus, ctx.recompute)) {
        bool touches = false;
        polyline->forEachPiece(
            [&](Point a, Point b) { touches = touches || segmentTouches(a, b, box); });
        return touches;
    }
    if (locus.kind != Kind::Locus || !locus.parent1) return false;
    const ElementClass traced = locus.parent1->elementClass();
    const model::SampleTail& t = locus.samples();
    const size_t n = std::min({static_cast<size_t>(std::max(0, t.sampleCount)), t.samples.size(),
                               t.samples2.size(), t.sampleColors.size()});
    switch (traced) {
    case ElementClass::Point: // driven on a grid: separate points
        for (size_t i = 0; i < n; ++i)
            if (t.sampleColors[i] != model::kInvalidSample && box.contains(t.samples[i]))
                return true;
        return false;
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
        for (size_t i = 0; i < n; ++i)
            if (straightTouches(traced, t.samples[i], t.samples2[i], box)) return true;
        return false;
    case ElementClass::Circle:
        for (size_t i = 0; i < n; ++i)
            if (circleTouches(t.samples[i], geometry::dist(t.samples[i], t.samples2[i]), box))
                return true;
        return false;
    case ElementClass::Polygon:
    case ElementClass::Arc:
    case ElementClass::Locus:
    case ElementClass::Conic:
        return geometry::hitFamily(locus, [&](const Element& instance) {
            // The instance is the traced element itself, recomputed for this run.
            return curveTouches(const_cast<Element&>(instance), box, ctx);
        });
    case ElementClass::Angle:
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Axes:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        return false;
    }
    return false;
}

// Whether a box of device pixels overlaps the world box as the view shows it.
bool screenBoxOverlaps(const render::ScreenBox& b, const WorldBox& box, const TouchContext& ctx) {
    const render::IPoint a = render::worldToScreen(*ctx.render.view, box.left, box.top);
    const render::IPoint c = render::worldToScreen(*ctx.render.view, box.right, box.bottom);
    return b.left <= c.x && b.right > a.x && b.top <= c.y && b.bottom > a.y;
}

bool curveTouches(Element& e, const WorldBox& box, TouchContext& ctx) {
    switch (e.elementClass()) {
    case ElementClass::Point:
        return box.contains(e.point());
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
        return straightTouches(e.elementClass(), e.point(), e.secondPoint(), box);
    case ElementClass::Polygon:
        return polygonTouches(e, box);
    case ElementClass::Circle:
        return circleTouches(e.point(), geometry::dist(e.point(), e.secondPoint()), box);
    case ElementClass::Arc:
        return arcTouches(e, box);
    case ElementClass::Angle:
        return angleMarkTouches(e, box);
    case ElementClass::Locus:
        return locusTouches(e, box, ctx);
    case ElementClass::Conic:
        return conicTouches(e, box, *ctx.render.view);
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Button:
        if (const auto b = render::textBoxOf(ctx.render, ctx.measure, e))
            return screenBoxOverlaps(*b, box, ctx);
        return false;
    case ElementClass::Bitmap:
        if (const auto b = render::pictureBoxOf(ctx.render, e))
            return screenBoxOverlaps(*b, box, ctx);
        return false;
    case ElementClass::Axes:
    case ElementClass::Intersection:
    case ElementClass::Grid:
        return false;
    }
    return false;
}

} // namespace

WorldBox WorldBox::between(Point a, Point b) {
    return {std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y)};
}

bool touchesRectangle(Element& e, const WorldBox& box, TouchContext& ctx) {
    return curveTouches(e, box, ctx);
}

} // namespace zeva::ui
