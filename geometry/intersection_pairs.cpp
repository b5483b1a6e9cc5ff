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

// An arc lacking one of its points (a damaged file) bounds nothing: no point exists on it.
bool arcComplete(const Element& e, ElementClass cls) {
    return cls != ElementClass::Arc || (e.parent1 && e.parent2 && e.parent3);
}

// The arc of a complete arc element, read when a solution is tested against it.
Arc arcOfElement(const Element& e) {
    Arc arc;
    arc.centre = e.point();
    arc.radius = norm(e.secondPoint() - e.point());
    arc.first = e.parent1->point();
    arc.middle = e.parent2->point();
    arc.third = e.parent3->point();
    return arc;
}

// True when p lies on the part of the parent's carrier curve that exists: within its segment,
// not behind its ray's origin, on its arc.
bool within(Point p, const Element& e, ElementClass cls, double segmentTol) {
    switch (model::classInfo(cls).curve) {
    case model::Curve::Segment:
        return withinSegment(p, lineOf(e), segmentTol);
    case model::Curve::Ray:
        return withinRay(p, lineOf(e));
    case model::Curve::Arc:
        return withinArc(p, arcOfElement(e));
    case model::Curve::Line:
    case model::Curve::Circle:
    case model::Curve::Conic:
    case model::Curve::None:
        return true;
    }
    return true;
}

bool onArc(Point p, const Element& e, ElementClass cls) {
    return cls != ElementClass::Arc || withinArc(p, arcOfElement(e));
}

void place(Element& e, Point p) {
    e.x1 = p.x;
    e.y1 = p.y;
    e.exists = 1;
}

// The candidate solutions on the carrier curves, ordered along the line or the common chord.
CurveCrossings carrierCrossings(const Element& a, ElementClass ca, const Element& b,
                                ElementClass cb) {
    if (model::isLineLike(cb)) {
        if (ca == ElementClass::Conic) return lineConicCrossings(a, lineOf(b));
        return lineCircleCrossings(lineOf(b), circleOfElement(a));
    }
    return circleCircleCrossings(circleOfElement(a), circleOfElement(b));
}

} // namespace

void recomputeLineLikeIntersection(Element& e, const Element& a, const Element& b,
                                   const RecomputeContext& ctx) {
    const std::optional<Point> p = lineIntersection(lineOf(a), lineOf(b));
    const double tol = segmentTolerance(ctx);
    if (!p || !within(*p, a, classOfElement(a), tol) || !within(*p, b, classOfElement(b), tol)) {
        e.exists = 0;
        return;
    }
    place(e, *p);
}

void recomputeTwoSolutionIntersection(Element& e, int code, const Element& a, const Element& b,
                                      const RecomputeContext& ctx) {
    const ElementClass ca = classOfElement(a);
    const ElementClass cb = classOfElement(b);
    if (!arcComplete(a, ca) || !arcComplete(b, cb)) {
        e.exists = 0;
        return;
    }
    const CurveCrossings s = carrierCrossings(a, ca, b, cb);
    if (s.count == 0) {
        e.exists = 0;
        return;
    }
    const int own = (code - kCircleLine) % 2; // even codes take the first solution
    const bool strict = e.param2 == kStrictCandidate;
    const double tol = segmentTolerance(ctx);
    bool valid[2] = {false, false};
    for (int i = 0; i < s.count; ++i)
        valid[i] = within(s.points[i], a, ca, tol) && within(s.points[i], b, cb, tol);

    if (s.count == 1) {
        // Touching curves. Two circles that touch keep only the first point; a line touching
        // a curve gives its one point to the second code too, unless that is a strict candidate.
        const bool twoCircles = !model::isLineLike(cb);
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
    const bool ownOffArc = (ca == ElementClass::Arc || cb == ElementClass::Arc) &&
                           !(onArc(s.points[own], a, ca) && onArc(s.points[own], b, cb));
    if (ownOffArc || !strict) {
        place(e, s.points[other]);
        return;
    }
    e.exists = 0;
}

} // namespace zeva::geometry
