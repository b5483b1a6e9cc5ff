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

// What bounds a parent's carrier curve: its segment ends, its ray origin or its arc.
struct Bounds {
    ElementClass cls = ElementClass::Line;
    Line line;
    std::optional<Arc> arc;
};

std::optional<Bounds> boundsOf(const Element& e) {
    Bounds b;
    b.cls = e.elementClass();
    if (isLineLike(b.cls)) b.line = lineOf(e);
    if (b.cls == ElementClass::Arc) {
        b.arc = arcOf(e);
        if (!b.arc) return std::nullopt;
    }
    return b;
}

bool within(Point p, const Bounds& b, double segmentTol) {
    switch (b.cls) {
    case ElementClass::Segment:
        return withinSegment(p, b.line, segmentTol);
    case ElementClass::Ray:
        return withinRay(p, b.line);
    case ElementClass::Arc:
        return withinArc(p, *b.arc);
    default:
        return true;
    }
}

bool onArcs(Point p, const Bounds& a, const Bounds& b) {
    return (!a.arc || withinArc(p, *a.arc)) && (!b.arc || withinArc(p, *b.arc));
}

void place(Element& e, Point p) {
    e.x1 = p.x;
    e.y1 = p.y;
    e.exists = 1;
}

// The candidate solutions on the carrier curves, ordered along the line or the common chord.
CurveCrossings carrierCrossings(const Element& a, const Element& b) {
    if (isLineLike(b.elementClass())) {
        if (a.elementClass() == ElementClass::Conic) return lineConicCrossings(a, lineOf(b));
        return lineCircleCrossings(lineOf(b), circleOf(a));
    }
    return circleCircleCrossings(circleOf(a), circleOf(b));
}

} // namespace

void recomputeLineLikeIntersection(Element& e, const Element& a, const Element& b,
                                   const RecomputeContext& ctx) {
    const std::optional<Point> p = lineIntersection(lineOf(a), lineOf(b));
    const double tol = segmentTolerance(ctx);
    if (!p || !within(*p, *boundsOf(a), tol) || !within(*p, *boundsOf(b), tol)) {
        e.exists = 0;
        return;
    }
    place(e, *p);
}

void recomputeTwoSolutionIntersection(Element& e, int code, const Element& a, const Element& b,
                                      const RecomputeContext& ctx) {
    const std::optional<Bounds> boundsA = boundsOf(a);
    const std::optional<Bounds> boundsB = boundsOf(b);
    const CurveCrossings s = carrierCrossings(a, b);
    if (!boundsA || !boundsB || s.count == 0) {
        e.exists = 0;
        return;
    }
    const int own = (code - kCircleLine) % 2; // even codes take the first solution
    const bool strict = e.param2 == kStrictCandidate;
    const double tol = segmentTolerance(ctx);
    bool valid[2] = {false, false};
    for (int i = 0; i < s.count; ++i)
        valid[i] = within(s.points[i], *boundsA, tol) && within(s.points[i], *boundsB, tol);

    if (s.count == 1) {
        // Touching curves. Two circles that touch keep only the first point; a line touching
        // a curve gives its one point to the second code too, unless that is a strict candidate.
        const bool twoCircles = !isLineLike(b.elementClass());
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
        (boundsA->arc || boundsB->arc) && !onArcs(s.points[own], *boundsA, *boundsB);
    if (ownOffArc || !strict) {
        place(e, s.points[other]);
        return;
    }
    e.exists = 0;
}

} // namespace zeva::geometry
