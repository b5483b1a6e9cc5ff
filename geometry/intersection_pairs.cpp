// Intersections with one or two solutions (codes 0..29): line-like pairs, a circle, arc or
// conic with a line-like element, and two circles or arcs.

#include "geometry/element_shapes.h"
#include "geometry/intersection_families.h"
#include "geometry/intersection_solvers.h"
#include "geometry/intersections.h"

#include <optional>

namespace zeva::geometry {

using model::Element;
using model::ElementClass;

namespace {

// The tolerance by which a point may lie beyond a segment's ends: 0.0001 world units at the
// current zoom.
double segmentTolerance(const RecomputeContext& ctx) {
    return kEpsilon * ctx.zoomFactor;
}

bool isLineLike(ElementClass c) {
    return c == ElementClass::Line || c == ElementClass::Ray || c == ElementClass::Segment;
}

// What bounds a parent's carrier curve: its segment ends, its ray origin or its arc. Filled in
// place: this runs for every intersection point of every pass.
struct Bounds {
    ElementClass cls = ElementClass::Line;
    bool hasArc = false;
    Line line;
    Arc arc;
};

// False when the parent is an arc that lacks one of its points.
bool fillBounds(const Element& e, Bounds& b) {
    b.cls = classOfElement(e);
    b.hasArc = false;
    switch (b.cls) {
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
        b.line = lineOf(e);
        return true;
    case ElementClass::Arc:
        if (!e.parent1 || !e.parent2 || !e.parent3) return false;
        b.hasArc = true;
        b.arc.centre = e.point();
        b.arc.radius = norm(e.secondPoint() - e.point());
        b.arc.first = e.parent1->point();
        b.arc.middle = e.parent2->point();
        b.arc.third = e.parent3->point();
        return true;
    default:
        return true;
    }
}

bool within(Point p, const Bounds& b, double segmentTol) {
    switch (b.cls) {
    case ElementClass::Segment:
        return withinSegment(p, b.line, segmentTol);
    case ElementClass::Ray:
        return withinRay(p, b.line);
    case ElementClass::Arc:
        return withinArc(p, b.arc);
    default:
        return true;
    }
}

bool onArcs(Point p, const Bounds& a, const Bounds& b) {
    return (!a.hasArc || withinArc(p, a.arc)) && (!b.hasArc || withinArc(p, b.arc));
}

void place(Element& e, Point p) {
    e.x1 = p.x;
    e.y1 = p.y;
    e.exists = 1;
}

// The candidate solutions on the carrier curves, ordered along the line or the common chord.
CurveCrossings carrierCrossings(const Element& a, const Element& b) {
    if (isLineLike(classOfElement(b))) {
        if (classOfElement(a) == ElementClass::Conic) return lineConicCrossings(a, lineOf(b));
        return lineCircleCrossings(lineOf(b), circleOfElement(a));
    }
    return circleCircleCrossings(circleOfElement(a), circleOfElement(b));
}

} // namespace

void recomputeLineLikeIntersection(Element& e, const Element& a, const Element& b,
                                   const RecomputeContext& ctx) {
    const std::optional<Point> p = lineIntersection(lineOf(a), lineOf(b));
    const double tol = segmentTolerance(ctx);
    Bounds boundsA;
    Bounds boundsB;
    if (!p || !fillBounds(a, boundsA) || !fillBounds(b, boundsB) || !within(*p, boundsA, tol) ||
        !within(*p, boundsB, tol)) {
        e.exists = 0;
        return;
    }
    place(e, *p);
}

void recomputeTwoSolutionIntersection(Element& e, int code, const Element& a, const Element& b,
                                      const RecomputeContext& ctx) {
    Bounds boundsA;
    Bounds boundsB;
    if (!fillBounds(a, boundsA) || !fillBounds(b, boundsB)) {
        e.exists = 0;
        return;
    }
    const CurveCrossings s = carrierCrossings(a, b);
    if (s.count == 0) {
        e.exists = 0;
        return;
    }
    const int own = (code - kCircleLine) % 2; // even codes take the first solution
    const bool strict = e.param2 == kStrictCandidate;
    const double tol = segmentTolerance(ctx);
    bool valid[2] = {false, false};
    for (int i = 0; i < s.count; ++i)
        valid[i] = within(s.points[i], boundsA, tol) && within(s.points[i], boundsB, tol);

    if (s.count == 1) {
        // Touching curves. Two circles that touch keep only the first point; a line touching
        // a curve gives its one point to the second code too, unless that is a strict candidate.
        const bool twoCircles = !isLineLike(classOfElement(b));
        if (!valid[0] || (own == 1 && (twoCircles || strict))) {
            e.exists = 0;
            return;
        }
        place(e, s.points[0]);
        return;
    }

    const int other = 1 - own;
    if (valid[0] && valid[1]) {
        const KnownCommonPoints known = knownCommonPoints(a, b);
        if (known.count == 1) {
            place(e, coincident(s.points[0], known.first->point()) ? s.points[1] : s.points[0]);
            return;
        }
        place(e, s.points[own]);
        return;
    }
    if (valid[own]) {
        place(e, s.points[own]);
        return;
    }
    if (!valid[other]) {
        e.exists = 0;
        return;
    }
    // Only the other solution is left. With an arc, a point whose own solution is off the arc
    // moves to the other one even as a candidate; otherwise only a user-made point moves.
    const bool ownOffArc =
        (boundsA.hasArc || boundsB.hasArc) && !onArcs(s.points[own], boundsA, boundsB);
    if (ownOffArc || !strict) {
        place(e, s.points[other]);
        return;
    }
    e.exists = 0;
}

} // namespace zeva::geometry
