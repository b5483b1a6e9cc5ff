#include "ui/hit_shapes.h"

#include "geometry/element_shapes.h"
#include "geometry/grid.h"
#include "geometry/locus.h"
#include "geometry/locus_polyline.h"
#include "geometry/primitives.h"
#include "model/construction.h"
#include "render/draw_curves.h"

#include <algorithm>
#include <cmath>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

double dot(Point u, Point v) {
    return u.x * v.x + u.y * v.y;
}

// Inline here: it runs for most elements of the figure on every mouse move.
double dist(Point p, Point q) {
    const Point d = q - p;
    return std::sqrt(dot(d, d));
}

// The hit test measures every element of the figure on every mouse move: a box around the
// shape turns most of them down before any square root.
bool outsideBox(Point a, Point b, Point p, double within) {
    return p.x <= std::min(a.x, b.x) - within || p.x >= std::max(a.x, b.x) + within ||
           p.y <= std::min(a.y, b.y) - within || p.y >= std::max(a.y, b.y) + within;
}

// Distance from p to the segment ab (to a when a and b coincide).
double segmentDistance(Point a, Point b, Point p) {
    const Point d = b - a;
    const double len2 = dot(d, d);
    if (len2 == 0.0) return dist(a, p);
    const double t = std::clamp(dot(p - a, d) / len2, 0.0, 1.0);
    return dist(a + d * t, p);
}

// Distance from p to the ray from a through b (to a when they coincide).
double rayDistance(Point a, Point b, Point p) {
    const Point d = b - a;
    const double len2 = dot(d, d);
    if (len2 == 0.0) return dist(a, p);
    const double t = std::max(0.0, dot(p - a, d) / len2);
    return dist(a + d * t, p);
}

// Distance from p to the line through a and b. A line whose points coincide is drawn
// vertical, so it is measured as one.
double lineDistance(Point a, Point b, Point p) {
    if (auto d = geometry::distanceToLine({a, b}, p)) return *d;
    return std::fabs(p.x - a.x);
}

bool nearShape(ElementClass cls, Point a, Point b, const Reach& r) {
    switch (cls) {
    case ElementClass::Line:
        return lineDistance(a, b, r.at) < r.within;
    case ElementClass::Ray:
        return rayDistance(a, b, r.at) < r.within;
    case ElementClass::Segment:
        return !outsideBox(a, b, r.at, r.within) && segmentDistance(a, b, r.at) < r.within;
    case ElementClass::Circle: {
        const Point d = b - a;
        const double radius = std::sqrt(dot(d, d));
        const Point c{radius, radius};
        return !outsideBox(a - c, a + c, r.at, r.within) &&
               std::fabs(dist(a, r.at) - radius) < r.within;
    }
    case ElementClass::Point:
    case ElementClass::Polygon:
    case ElementClass::Arc:
    case ElementClass::Angle:
    case ElementClass::Locus:
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Axes:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Conic:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        return false;
    }
    return false;
}

// The circle's curve between two directions: the distance to the circle where the cursor's
// direction falls inside the arc, otherwise to the nearer end.
bool nearCircleArc(Point centre, double radius, Point from, Point to, bool inside, const Reach& r) {
    if (inside) return std::fabs(dist(centre, r.at) - radius) < r.within;
    return std::min(dist(from, r.at), dist(to, r.at)) < r.within;
}

// A locus of lines, rays, segments or circles: each sampled element as drawn.
bool nearElementFamily(const Element& locus, ElementClass traced, const Reach& r) {
    const auto& t = locus.samples();
    const size_t n = std::min(
        {static_cast<size_t>(std::max(0, t.sampleCount)), t.samples.size(), t.samples2.size()});
    for (size_t i = 0; i < n; ++i)
        if (nearShape(traced, t.samples[i], t.samples2[i], r)) return true;
    return false;
}

} // namespace

bool nearPoint(Point q, const Reach& r) {
    return dist(q, r.at) < r.within;
}

bool nearStraight(const Element& e, const Reach& r) {
    return nearShape(e.elementClass(), e.point(), e.secondPoint(), r);
}

int nearPolygonSide(const Element& polygon, const Reach& r) {
    const auto& sides = polygon.polygon().sides;
    for (size_t i = 0; i < sides.size(); ++i) {
        const Element& side = *sides[i];
        const Point a = side.point();
        const Point b = side.secondPoint();
        if (side.exists == 1 && !outsideBox(a, b, r.at, r.within) &&
            segmentDistance(a, b, r.at) < r.within)
            return static_cast<int>(i);
    }
    return -1;
}

bool nearCircle(const Element& circle, const Reach& r) {
    return nearShape(ElementClass::Circle, circle.point(), circle.secondPoint(), r);
}

bool nearArc(const Element& arc, const Reach& r) {
    const std::optional<geometry::Arc> a = geometry::arcOf(arc);
    if (!a) return false;
    const double d = dist(a->centre, r.at);
    // The cursor's direction from the centre, carried onto the circle, says whether it faces
    // the arc or the gap between its ends.
    const Point onCircle = d > 0.0 ? a->centre + (r.at - a->centre) * (a->radius / d) : a->first;
    const bool inside = geometry::onArcSide(onCircle, a->first, a->middle, a->third);
    return nearCircleArc(a->centre, a->radius, a->first, a->third, inside, r);
}

bool nearAngleMark(const Element& angle, const Reach& r) {
    if (!angle.parent1 || !angle.parent2 || !angle.parent3) return false;
    const Point v = angle.parent2->point();
    const Point a = angle.parent1->point();
    const Point b = angle.parent3->point();
    // The renderer leaves out the mark of very short arms and of a null angle.
    if (dist(a, v) < 3 || dist(b, v) < 3 || angle.x1 < 0.01) return false;
    const double radius = angle.x2;
    // The mark turns counterclockwise from the first arm to the third.
    const bool inside = dist(r.at, v) > 0.0 &&
                        geometry::directedAngle(a, v, r.at) <= geometry::directedAngle(a, v, b);
    const Point from = v + (a - v) * (radius / dist(a, v));
    const Point to = v + (b - v) * (radius / dist(b, v));
    return nearCircleArc(v, radius, from, to, inside, r);
}

bool nearConic(const Element& conic, const Reach& r, const render::ViewTransform& view) {
    bool near = false;
    render::ConicPieces pieces;
    pieces.line = [&](Point a, Point b) { near = near || lineDistance(a, b, r.at) < r.within; };
    pieces.circle = [&](Point c, double radius) {
        near = near || std::fabs(dist(c, r.at) - radius) < r.within;
    };
    pieces.chord = [&](Point a, Point b) { near = near || segmentDistance(a, b, r.at) < r.within; };
    render::forEachConicPiece(view, conic, pieces);
    return near;
}

bool nearLocus(const Element& locus, const Reach& r, const geometry::RecomputeContext& ctx,
               const render::ViewTransform& view) {
    if (const auto polyline = geometry::polylineOf(locus, ctx)) {
        bool near = false;
        polyline->forEachPiece(
            [&](Point a, Point b) { near = near || segmentDistance(a, b, r.at) < r.within; });
        return near;
    }
    if (locus.kind != Kind::Locus || !locus.parent1) return false;
    const ElementClass traced = locus.parent1->elementClass();
    switch (traced) {
    case ElementClass::Point: {
        // Driven on a grid: the samples are separate points.
        const auto& t = locus.samples();
        const size_t n = std::min({static_cast<size_t>(std::max(0, t.sampleCount)),
                                   t.samples.size(), t.sampleColors.size()});
        for (size_t i = 0; i < n; ++i)
            if (t.sampleColors[i] != model::kInvalidSample && nearPoint(t.samples[i], r))
                return true;
        return false;
    }
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
    case ElementClass::Circle:
        return nearElementFamily(locus, traced, r);
    case ElementClass::Polygon:
    case ElementClass::Arc:
    case ElementClass::Locus:
    case ElementClass::Conic:
        return geometry::hitFamily(
            locus, [&](const Element& instance) { return nearCurve(instance, r, ctx, view); });
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

bool nearGridNode(const Element& grid, const Reach& r, const geometry::RecomputeContext& ctx) {
    const std::optional<Point> node = geometry::nearestGridNode(grid, r.at, ctx);
    if (!node || !grid.parent1) return false;
    const geometry::AxesFrame frame = geometry::axesFrameOf(*grid.parent1);
    return nearPoint(geometry::fromAxes(frame, node->x, node->y), r);
}

bool nearCurve(const Element& e, const Reach& r, const geometry::RecomputeContext& ctx,
               const render::ViewTransform& view) {
    switch (e.elementClass()) {
    case ElementClass::Point:
        return nearPoint(e.point(), r);
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
        return nearStraight(e, r);
    case ElementClass::Polygon:
        return nearPolygonSide(e, r) >= 0;
    case ElementClass::Circle:
        return nearCircle(e, r);
    case ElementClass::Arc:
        return nearArc(e, r);
    case ElementClass::Angle:
        return nearAngleMark(e, r);
    case ElementClass::Locus:
        return nearLocus(e, r, ctx, view);
    case ElementClass::Conic:
        return nearConic(e, r, view);
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

} // namespace zeva::ui
