// The single-drag rules by kind. Each writes the dragged element (or the free points it is
// built on) and nothing else.
#include "ui/drag_motion.h"

#include "geometry/element_shapes.h"
#include "geometry/grid.h"
#include "geometry/point_on_element.h"
#include "geometry/primitives.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

void moveTo(Element& e, Point to) {
    e.x1 = to.x;
    e.y1 = to.y;
}

// Moves the given free points by one displacement, their first one to `firstTo`, held so that
// none of them leaves the plane.
void translateRigidly(std::span<Element* const> points, Point firstTo, const MotionContext& m) {
    if (points.empty() || !points.front()) return;
    std::vector<Point> at;
    at.reserve(points.size());
    for (const Element* p : points)
        if (p) at.push_back(p->point());
    const Point d = displacementWithinPlane(at, firstTo - points.front()->point(), m.planeHalf);
    for (Element* p : points) {
        if (!p) continue;
        p->x1 += d.x;
        p->y1 += d.y;
    }
}

// A point on an element slides to the parameter of the cursor's projection on its host.
void slidePointOnElement(Element& point, Point c, const MotionContext& m) {
    Element* host = point.parent1;
    if (!host || host->exists != 1) return;
    double t = geometry::parameterOf(*host, c, m.recompute);
    if (!std::isfinite(t)) return;
    if (host->elementClass() == ElementClass::Ray) t = std::max(t, 0.0); // rays start at 0
    point.y2 = t;
    if (host->kind == Kind::Polygon) point.param1 = static_cast<int32_t>(std::trunc(t));
}

void moveGridPoint(Element& point, Point c, const MotionContext& m) {
    point.x1 = c.x;
    point.y1 = c.y;
    if (!point.parent1) return;
    if (const auto node = geometry::nearestGridNode(*point.parent1, c, m.recompute)) {
        point.x2 = node->x;
        point.y2 = node->y;
    }
}

// A line or ray through one point turns about it towards the cursor. When the cursor has gone
// behind the point, the direction point takes the cursor's mirror image, so that the line
// turns on instead of flipping over.
void turnAboutPoint(Element& line, Point c) {
    const Point base = line.point();
    const Point direction = line.secondPoint();
    if (geometry::coincident(c, base)) return;
    const Point d = direction - base;
    const double len2 = d.x * d.x + d.y * d.y;
    const double along = len2 > 0.0 ? ((c.x - base.x) * d.x + (c.y - base.y) * d.y) / len2 : 0.0;
    const bool behind = along < 0.0;
    if (behind && geometry::dist(c, direction) >= geometry::dist(c, base))
        c = geometry::reflectThrough(c, base);
    line.x2 = c.x;
    line.y2 = c.y;
}

// The mark of an angle grows with the cursor's distance from the vertex, relative to the
// shorter arm.
void resizeAngleMark(Element& angle, Point c) {
    if (!angle.parent1 || !angle.parent2 || !angle.parent3) return;
    const Point v = angle.parent2->point();
    const double arm = std::min(geometry::dist(v, angle.parent1->point()),
                                geometry::dist(v, angle.parent3->point()));
    if (arm < geometry::kEpsilon) return;
    angle.y1 = geometry::dist(v, c) / arm;
}

// Dragging a tick of the axes changes the unit of its axis: the tick follows the cursor along
// the axis. An x tick keeps the ratio of the two units; a y tick in polar coordinates makes
// both units equal. Without a tick the origin moves.
void moveAxes(DragState& drag, Element& axes, Point c, const MotionContext& m) {
    Element* origin = axes.parent1;
    if (!origin) return;
    if (drag.unitMark && drag.unitMark->axes == &axes && drag.unitMark->k != 0.0) {
        const UnitMarkHit& mark = *drag.unitMark;
        const double along = mark.yAxis ? c.y - origin->y1 : c.x - origin->x1;
        if ((along > 0.0) != (mark.k > 0.0) || along == 0.0) return; // past the origin
        const double d = std::max(std::fabs(along), 4.0);
        const double unit = d / std::fabs(mark.k);
        model::AxesTail& units = axes.axes();
        if (!mark.yAxis) {
            if (units.unitX > 0.0) units.unitY *= unit / units.unitX;
            units.unitX = unit;
        } else {
            units.unitY = unit;
            if (m.polar) units.unitX = unit;
        }
        return;
    }
    if (origin->kind != Kind::FreePoint) return;
    moveTo(*origin, clampToPlane(c - drag.anchor, m.planeHalf));
}

// A vertex of a regular polygon: the first vertex turns back by the vertex's own angle, so the
// whole polygon turns and scales about its centre and this vertex comes under the cursor.
void turnRegularPolygon(Element& vertex, Point c, const MotionContext& m) {
    Element* centre = vertex.parent1;
    Element* first = vertex.parent2;
    if (!centre || !first || first->kind != Kind::FreePoint) return;
    moveTo(*first,
           clampToPlane(geometry::rotateAbout(c, centre->point(), -vertex.y2), m.planeHalf));
}

void moveFreePoint(Element& point, Point to, const MotionContext& m) {
    moveTo(point, clampToPlane(to, m.planeHalf));
}

// A point by its own rule; constructed points have none.
void movePointByKind(Element& point, Point c, const MotionContext& m) {
    if (point.kind == Kind::FreePoint)
        moveFreePoint(point, c, m);
    else if (point.kind == Kind::GridPoint)
        moveGridPoint(point, clampToPlane(c, m.planeHalf), m);
    else if (point.kind == Kind::PointOnElement)
        slidePointOnElement(point, c, m);
    else if (point.kind == Kind::RegularPolygonVertex)
        turnRegularPolygon(point, c, m);
}

} // namespace

Point clampToPlane(Point p, double planeHalf) {
    return {std::clamp(p.x, -planeHalf, planeHalf), std::clamp(p.y, -planeHalf, planeHalf)};
}

Point displacementWithinPlane(std::span<const Point> points, Point wanted, double planeHalf) {
    auto limit = [&](double Point::*axis, double d) {
        for (const Point& p : points) {
            const double v = p.*axis;
            if (v < -planeHalf || v > planeHalf) continue; // already outside: no say
            d = std::clamp(d, -planeHalf - v, planeHalf - v);
        }
        return d;
    };
    return {limit(&Point::x, wanted.x), limit(&Point::y, wanted.y)};
}

bool translatesInGroup(const Element& e) {
    return e.kind == Kind::FreePoint || e.kind == Kind::Text || e.kind == Kind::Bitmap;
}

Point groupPosition(const Element& e) {
    return translatesInGroup(e) ? e.point() : e.secondPoint();
}

void translateGroup(DragState& drag, Point c, const MotionContext& m) {
    if (!drag.reference) return;
    std::vector<Point> freePoints;
    for (const Element* e : drag.moved)
        if (e->kind == Kind::FreePoint) freePoints.push_back(e->point());
    const Point d = displacementWithinPlane(
        freePoints, c - drag.anchor - groupPosition(*drag.reference), m.planeHalf);
    for (Element* e : drag.moved) {
        if (translatesInGroup(*e)) {
            e->x1 += d.x;
            e->y1 += d.y;
        } else {
            e->x2 += d.x;
            e->y2 += d.y;
        }
    }
}

void moveByOwnRule(DragState& drag, Point c, const MotionContext& m) {
    Element* hit = drag.element;
    if (!hit) return;
    Element& e = *hit;
    const Point shifted = c - drag.anchor;
    switch (e.elementClass()) {
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Button:
        if (e.param2 == 100)
            slideFollowingText(e, shifted, m);
        else {
            e.x2 = shifted.x;
            e.y2 = shifted.y;
        }
        return;
    case ElementClass::Point:
        movePointByKind(e, c, m);
        return;
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
        if (e.kind == Kind::LineThroughPoint || e.kind == Kind::RayFromPoint) {
            turnAboutPoint(e, c);
        } else if (e.kind == Kind::LineThroughTwoPoints || e.kind == Kind::RayThroughTwoPoints ||
                   e.kind == Kind::Segment) {
            const std::array<Element*, 2> points{e.parent1, e.parent2};
            translateRigidly(points, shifted, m);
        }
        return;
    case ElementClass::Circle:
        if (e.kind == Kind::CircleByCentre) {
            e.x2 = c.x;
            e.y2 = c.y;
        } else if (e.kind == Kind::CircleByCentreAndPoint) {
            const std::array<Element*, 2> points{e.parent1, e.parent2};
            translateRigidly(points, shifted, m);
        }
        return;
    case ElementClass::Arc: {
        const std::array<Element*, 3> points{e.parent1, e.parent2, e.parent3};
        translateRigidly(points, shifted, m);
        return;
    }
    case ElementClass::Conic:
        translateRigidly(e.conic().points, shifted, m);
        return;
    case ElementClass::Angle:
        resizeAngleMark(e, c);
        return;
    case ElementClass::Axes:
        moveAxes(drag, e, c, m);
        return;
    case ElementClass::Name:
        moveNameLabel(e, shifted, m);
        return;
    case ElementClass::Text:
        moveTo(e, shifted);
        return;
    case ElementClass::Bitmap:
        // A picture hanging on a point moves the point; one on a segment does not move.
        if (drag.bitmapFollow && e.parent1)
            movePointByKind(*e.parent1, shifted, m);
        else if (!e.parent1)
            moveTo(e, shifted);
        return;
    case ElementClass::Polygon:
    case ElementClass::Locus:
    case ElementClass::Intersection:
    case ElementClass::Grid:
        return; // moved by a group drag or not at all
    }
}

} // namespace zeva::ui
