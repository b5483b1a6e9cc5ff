#include "geometry/measure_values.h"

#include "geometry/conics.h"
#include "geometry/element_shapes.h"
#include "geometry/equation_text.h"
#include "geometry/parents.h"
#include "geometry/primitives.h"

#include <cmath>
#include <optional>

namespace zeva::geometry {

namespace {

using model::Checked;
using model::Curve;
using model::Element;
using model::Kind;
using model::Measure;

double userLen(double world, const RecomputeContext& ctx) {
    return model::userLength(world, ctx.units.pixelsPerUnit, ctx.units.lengthUnit);
}

double userAr(double world, const RecomputeContext& ctx) {
    return model::userArea(world, ctx.units.pixelsPerUnit, ctx.units.lengthUnit);
}

// Sum of the side lengths and the shoelace sum over the polygon's vertices (each side's first
// vertex is its parent1, its second its parent2). No allocation: this runs in every pass.
struct PolygonMeasures {
    double perimeter = 0.0;
    double area = 0.0;
};

std::optional<PolygonMeasures> measurePolygon(const Element& polygon) {
    const auto* tail = std::get_if<model::PolygonTail>(&polygon.tail);
    if (!tail || tail->sides.empty()) return std::nullopt;
    PolygonMeasures m;
    double twiceArea = 0.0;
    for (const auto& side : tail->sides) {
        if (!side->parent1 || !side->parent2) return std::nullopt;
        const Point p = side->parent1->point();
        const Point q = side->parent2->point();
        m.perimeter += dist(p, q);
        twiceArea += p.x * q.y - q.x * p.y;
    }
    m.area = std::fabs(twiceArea) / 2.0;
    return m;
}

bool apart(const Element* a, const Element* b) {
    return !coincident(a->point(), b->point());
}

bool belongs(Point p, const Element& host, bool* known) {
    *known = true;
    switch (model::curveOf(host.elementClass())) {
    case Curve::Line: {
        const auto d = distanceToLine(lineOf(host), p);
        return d && *d < kEpsilon;
    }
    case Curve::Ray: {
        const auto d = distanceToLine(lineOf(host), p);
        return d && *d < kEpsilon &&
               signedDistanceAlong(host.point(), host.secondPoint(), p) >= 0.0;
    }
    case Curve::Segment: {
        const Point a = host.point();
        const Point b = host.secondPoint();
        return std::fabs(dist(p, a) + dist(p, b) - dist(a, b)) < kEpsilon;
    }
    case Curve::Circle: {
        const Circle c = circleOf(host);
        return std::fabs(dist(c.centre, p) - c.radius) < kEpsilon;
    }
    case Curve::Arc: {
        const auto arc = arcOf(host);
        if (!arc) return false;
        return std::fabs(dist(arc->centre, p) - arc->radius) < kEpsilon &&
               onArcSide(p, arc->first, arc->middle, arc->third);
    }
    case Curve::Conic:
        return std::fabs(conicValue(host.conic().coefficients, p)) < 0.001;
    case Curve::None: // points, polygons, loci...: membership is not decided
        *known = false;
        return false;
    }
    *known = false; // no class has another curve
    return false;
}

} // namespace

namespace {

// The value of a measurement in user units; none when it does not exist. The recompute pass
// sends only measurement kinds here.
std::optional<double> measuredValue(const Element& e, const RecomputeContext& ctx) {
    const Element& p1 = *e.parent1;
    switch (model::measureOf(e.kind)) {
    case Measure::PointPointDistance:
        return userLen(dist(p1.point(), e.parent2->point()), ctx);
    case Measure::PointLineDistance: {
        const auto d = distanceToLine(lineOf(*e.parent2), p1.point());
        if (!d) return std::nullopt;
        return userLen(*d, ctx);
    }
    case Measure::SegmentLength:
        return userLen(dist(p1.point(), p1.secondPoint()), ctx);
    case Measure::CircleLength:
        return userLen(circumference(circleOf(p1).radius), ctx);
    case Measure::ArcLength: {
        const auto arc = arcOf(p1);
        if (!arc) return std::nullopt;
        const double r = dist(arc->centre, arc->first);
        return userLen(r * arcSweep(arc->centre, arc->first, arc->third, arc->turning), ctx);
    }
    case Measure::PolygonPerimeter:
    case Measure::PolygonArea: {
        const auto m = measurePolygon(p1);
        if (!m) return std::nullopt;
        return model::measureOf(e.kind) == Measure::PolygonPerimeter ? userLen(m->perimeter, ctx)
                                                                     : userAr(m->area, ctx);
    }
    case Measure::CircleArea:
        return userAr(circleArea(circleOf(p1).radius), ctx);
    case Measure::AngleValue:
        if (!apart(e.parent2, e.parent1) || !apart(e.parent2, e.parent3)) return std::nullopt;
        return model::angleToUser(angleBetween(p1.point(), e.parent2->point(), e.parent3->point()),
                                  ctx.units.angleUnit);
    case Measure::None:
        return std::nullopt; // not a measurement
    }
    return std::nullopt;
}

} // namespace

void recomputeMeasurement(Element& e, const RecomputeContext& ctx) {
    const int needed = model::parentCountOf(e.kind);
    if (!parentsPresent(e, needed)) {
        e.exists = 0;
        return;
    }
    const std::optional<double> value = measuredValue(e, ctx);
    if (!value) {
        e.exists = 0;
        return;
    }
    e.x1 = *value;
    e.exists = 1;
}

void recomputeSlope(Element& e) {
    if (!present(e.parent1)) {
        e.exists = 0;
        return;
    }
    e.exists = 1;
    if (const auto m = slope(e.parent1->point(), e.parent1->secondPoint())) {
        e.x1 = *m;
        e.param1 = 100;
    } else {
        e.param1 = -100;
    }
}

void recomputeCoordinates(Element& e, const RecomputeContext& ctx) {
    auto& tail = e.coordinates();
    if (!parentsPresent(e, 2) || !tail.xPart || !tail.yPart) {
        e.exists = 0;
        if (tail.xPart) tail.xPart->exists = 0;
        if (tail.yPart) tail.yPart->exists = 0;
        return;
    }
    const Point uv = toAxes(axesFrameOf(*e.parent2), e.parent1->point());
    const bool polar = e.param1 == -100 || (ctx.units.polar() && e.param1 != 100);
    if (polar) {
        double theta = angleBetween({1.0, 0.0}, {0.0, 0.0}, uv);
        if (uv.y < 0.0) theta = -theta;
        tail.xPart->x1 = std::sqrt(uv.x * uv.x + uv.y * uv.y);
        tail.yPart->x1 = model::angleToUser(theta, ctx.units.angleUnit);
    } else {
        tail.xPart->x1 = uv.x;
        tail.yPart->x1 = uv.y;
    }
    e.exists = tail.xPart->exists = tail.yPart->exists = 1;
}

void recomputeLineEquation(Element& e) {
    if (!parentsPresent(e, 2) || e.parent2->kind != Kind::Axes) {
        e.exists = 0;
        return;
    }
    const Line line = lineOf(*e.parent1);
    const AxesFrame axes = axesFrameOf(*e.parent2);
    const Point o = axes.origin;
    const Point yDir = o + Point{0.0, 10.0};
    const Point xDir = o + Point{10.0, 0.0};
    if (const auto meetY = lineIntersection(line, {o, yDir})) {
        const Point d = line.second - line.first;
        e.param1 = 1;
        e.x1 = (d.y / axes.unitY) / (d.x / axes.unitX);
        e.y1 = signedDistanceAlong(o, yDir, *meetY) / axes.unitY;
    } else if (const auto meetX = lineIntersection(line, {o, xDir})) {
        e.param1 = 0;
        e.y1 = signedDistanceAlong(o, xDir, *meetX) / axes.unitX;
    } else {
        e.exists = 0; // a line without direction has no equation
        return;
    }
    e.exists = 1;
    if (auto* tail = std::get_if<model::EquationTail>(&e.tail))
        tail->text = lineEquationText(e.param1 == 1, e.x1, e.y1, e.y1, e.decimals);
}

void recomputeCircleEquation(Element& e) {
    if (!parentsPresent(e, 2) || e.parent2->kind != Kind::Axes) {
        e.exists = 0;
        return;
    }
    const double r = circleOf(*e.parent1).radius;
    const AxesFrame axes = axesFrameOf(*e.parent2);
    e.x1 = r / axes.unitX;
    e.y1 = r / axes.unitY;
    e.param1 = e.x1 == e.y1 ? 1 : 0;
    e.exists = 1;
    if (auto* tail = std::get_if<model::EquationTail>(&e.tail)) {
        const Point centre = toAxes(axes, e.parent1->point());
        tail->text = circleEquationText(centre.x, centre.y, e.x1, e.y1, e.param1 == 1, e.decimals);
    }
}

void recomputeChecker(Element& e) {
    const int needed = model::parentCountOf(e.kind);
    if (!parentsPresent(e, needed)) {
        e.exists = 0;
        return;
    }
    e.exists = 1;
    const Element& p1 = *e.parent1;
    switch (model::checkedOf(e.kind)) {
    case Checked::Parallel:
        e.param1 = lineIntersection(lineOf(p1), lineOf(*e.parent2)) ? 0 : 1;
        return;
    case Checked::Perpendicular: {
        const auto perpendicular = perpendicularThrough(p1.point(), p1.secondPoint(), p1.point());
        // A line without direction is perpendicular to nothing.
        e.param1 = perpendicular && !lineIntersection(*perpendicular, lineOf(*e.parent2)) ? 1 : 0;
        return;
    }
    case Checked::Membership: {
        bool known = false;
        const bool result = belongs(p1.point(), *e.parent2, &known);
        if (known) e.param1 = result ? 1 : 0;
        return;
    }
    case Checked::Equidistance: {
        const Point p = p1.point();
        const double d2 = dist(p, e.parent2->point());
        const double d3 = dist(p, e.parent3->point());
        e.param1 = std::fabs(d2 - d3) <= kEpsilon ? 1 : 0;
        return;
    }
    case Checked::Collinearity:
        e.param1 = collinear(p1.point(), e.parent2->point(), e.parent3->point()) ? 1 : 0;
        return;
    case Checked::None:
        return;
    }
}

} // namespace zeva::geometry
