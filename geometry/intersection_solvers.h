#pragma once
// The raw crossings of carrier curves (full lines and full circles) and the containment tests
// that cut them down to segments, rays and arcs. Every intersection family and the crossings
// with loci are built from these.

#include "geometry/element_shapes.h"
#include "geometry/primitives.h"

#include <array>
#include <cmath>

namespace zeva::geometry {

// The hot paths below run for every intersection point of every pass, so they avoid calls for
// the smallest steps: the length of a vector, the class of an element, the circle of an element.
inline double norm(Point v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}
inline model::ElementClass classOfElement(const model::Element& e) {
    return model::kKindTable[static_cast<size_t>(e.kind)].elementClass;
}
inline Circle circleOfElement(const model::Element& e) {
    return {e.point(), norm(e.secondPoint() - e.point())};
}

// Up to two crossings of two carrier curves, ordered along the line (or common chord).
struct CurveCrossings {
    int count = 0;
    std::array<Point, 2> points{};
};

// Tolerance of the curve tangency tests (distance from centre to line against the radius, sums
// and differences of radii).
inline constexpr double kTangencyTolerance = 1e-8;

// The carrier line against the full circle. A line within 1e-8 of tangency touches at the foot
// of the perpendicular from the centre; otherwise the quadratic rule decides. Ordered along
// the line from its first point to its second. None for a degenerate line.
CurveCrossings lineCircleCrossings(Line line, Circle circle);

// Two full circles. None when the centres are closer than 0.0001; one point at outer or inner
// tangency (within 1e-8); otherwise the common chord's crossings with the first circle, ordered
// along the direction from the first centre to the second turned by -90°.
CurveCrossings circleCircleCrossings(Circle c1, Circle c2);

// The carrier line against the conic's equation (a kind 55 element), ordered along the line.
// None for a degenerate line or an element without a conic.
CurveCrossings lineConicCrossings(const model::Element& conic, Line line);

// True when p's distances to both ends exceed the segment's length by at most `tolerance`.
bool withinSegment(Point p, Line segment, double tolerance);

// True when p is not behind the ray's origin: its projection falls on the side of the second
// point, or p coincides with the origin.
bool withinRay(Point p, Line ray);

// True when p lies on the arc's circle within 0.0001 and on the arc's side of its chord.
bool withinArc(Point p, const Arc& arc);

} // namespace zeva::geometry
