// Dragging texts that belong to an element: a name label slides along what it names and
// stays near it; a value text that follows its object slides along that object.
#include "geometry/element_shapes.h"
#include "geometry/point_on_element.h"
#include "geometry/primitives.h"
#include "ui/drag_motion.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

double dot(Point u, Point v) {
    return u.x * v.x + u.y * v.y;
}

// The multiple of b - a at which the perpendicular from p meets the line through a and b
// (0 for a degenerate line).
double projection(Point a, Point b, Point p) {
    const Point d = b - a;
    const double len2 = dot(d, d);
    return len2 > 0.0 ? dot(p - a, d) / len2 : 0.0;
}

struct Attachment {
    Point anchor;
    std::optional<double> position; // the label's position parameter, where the class has one
};

// Where a name label dragged to p attaches to the element it names; none for classes whose
// names have no anchor.
std::optional<Attachment> nameAttachment(const Element& label, Element& named, Point p,
                                         const MotionContext& m) {
    switch (named.elementClass()) {
    case ElementClass::Point:
        return Attachment{named.point(), std::nullopt};
    case ElementClass::Angle:
        return Attachment{label.point(), std::nullopt}; // the recomputed anchor on the bisector
    case ElementClass::Line:
    case ElementClass::Ray: {
        const Point a = named.point();
        const Point b = named.secondPoint();
        const double s = projection(a, b, p);
        if (named.elementClass() == ElementClass::Ray && s < 0.0) return Attachment{a, 0.0};
        const Point foot = a + (b - a) * s;
        return Attachment{foot, geometry::signedDistanceAlong(a, b, foot)};
    }
    case ElementClass::Segment: {
        const double s = std::clamp(projection(named.point(), named.secondPoint(), p), 0.0, 1.0);
        return Attachment{named.point() + (named.secondPoint() - named.point()) * s, s};
    }
    case ElementClass::Circle: {
        const Point centre = named.point();
        if (geometry::coincident(p, centre)) return std::nullopt;
        const double t = geometry::directedAngle(centre + Point{1.0, 0.0}, centre, p);
        const double r = geometry::dist(centre, named.secondPoint());
        return Attachment{centre + Point{std::cos(t), std::sin(t)} * r, t};
    }
    case ElementClass::Polygon:
    case ElementClass::Arc:
    case ElementClass::Locus:
    case ElementClass::Conic: {
        const double t = geometry::parameterOf(named, p, m.recompute);
        const std::optional<Point> a = geometry::pointAt(named, t, m.recompute);
        if (!a) return std::nullopt;
        return Attachment{*a, t};
    }
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
        return std::nullopt;
    }
    return std::nullopt;
}

// The fraction of the way from a to b nearest to p, on the segment.
double fractionOn(Point a, Point b, Point p) {
    return std::clamp(projection(a, b, p), 0.0, 1.0);
}

} // namespace

void moveNameLabel(Element& label, Point p, const MotionContext& m) {
    Element* named = label.parent1;
    if (!named || named->exists != 1) return;
    const std::optional<Attachment> at = nameAttachment(label, *named, p, m);
    if (!at) return;
    if (at->position && std::isfinite(*at->position)) label.y2 = *at->position;
    Point offset = p - at->anchor;
    const double length = std::hypot(offset.x, offset.y);
    if (length > m.nameDistance && length > 0.0) offset = offset * (m.nameDistance / length);
    model::NameTail& tail = label.name();
    tail.dx = offset.x;
    tail.dy = -offset.y; // measured downwards
}

void slideFollowingText(Element& e, Point p, const MotionContext& m) {
    Element* p1 = e.parent1;
    if (!p1 || p1->exists != 1) return;
    auto along = [&](Element& host) -> std::optional<double> {
        const double t = geometry::parameterOf(host, p, m.recompute);
        return std::isfinite(t) ? std::optional<double>(t) : std::nullopt;
    };
    const auto kind = e.kind;
    if (kind == Kind::DistancePointPoint) {
        if (e.parent2) e.y1 = fractionOn(p1->point(), e.parent2->point(), p);
        return;
    } else if (kind == Kind::DistancePointLine) {
        if (e.parent2) {
            if (auto foot =
                    geometry::footOfPerpendicular(geometry::lineOf(*e.parent2), p1->point()))
                e.y1 = fractionOn(p1->point(), *foot, p);
        }
        return;
    } else if (kind == Kind::SegmentLength) {
        e.y1 = fractionOn(p1->point(), p1->secondPoint(), p);
        return;
    } else if (kind == Kind::CircleLength || kind == Kind::CircleArea || kind == Kind::ArcLength ||
               kind == Kind::PolygonPerimeter || kind == Kind::PolygonArea || kind == Kind::Slope) {
        if (auto t = along(*p1)) e.y1 = *t;
        return;
    } else if (kind == Kind::Coordinates) {
        // The text keeps its distance and direction from the point.
        const Point d = p - p1->point();
        const double r = std::hypot(d.x, d.y);
        if (r < geometry::kEpsilon) return;
        e.x1 = r;
        e.y1 = geometry::directionAngle(d);
        return;
    } else if (kind == Kind::LineEquation || kind == Kind::CircleEquation ||
               kind == Kind::ConicEquation) {
        if (auto t = along(*p1)) e.equation().labelParam = *t;
        return;
    } else {
        return; // an angle's value sits on its bisector; other texts do not follow anything
    }
}

} // namespace zeva::ui
