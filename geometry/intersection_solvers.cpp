#include "geometry/intersection_solvers.h"

#include "geometry/conics.h"

#include <algorithm>
#include <cmath>

namespace zeva::geometry {

namespace {

double dot(Point u, Point v) {
    return u.x * v.x + u.y * v.y;
}

} // namespace

CurveCrossings lineCircleCrossings(Line line, Circle circle) {
    CurveCrossings out;
    const double len = norm(line.second - line.first);
    if (len < 1e-12) return out;
    const Point u = (line.second - line.first) * (1.0 / len);
    // Parametrised from the foot of the perpendicular, the quadratic is well conditioned
    // however far the line's first point lies from the circle.
    const Point foot = line.first + u * dot(circle.centre - line.first, u);
    const Point w = foot - circle.centre;
    const double d = std::sqrt(dot(w, w));
    if (std::fabs(d - circle.radius) < kTangencyTolerance) {
        out.count = 1;
        out.points[0] = foot;
        return out;
    }
    // The quadratic rule for t² + b·t + k = 0: a discriminant down to -0.001 still counts, one
    // below 1e-8 in magnitude is a double root. With a = 1 the roots come out ordered.
    const double b = 2.0 * dot(u, w);
    const double k = dot(w, w) - circle.radius * circle.radius;
    const double disc = b * b - 4.0 * k;
    if (disc <= -0.001) return out;
    const double absDisc = std::fabs(disc);
    if (absDisc < 1e-8) {
        out.count = 1;
        out.points[0] = foot + u * (-0.5 * b);
        return out;
    }
    const double later = 0.5 * (-b + std::sqrt(absDisc));
    const double earlier = -(b + later);
    out.count = 2;
    out.points[0] = foot + u * earlier;
    out.points[1] = foot + u * later;
    return out;
}

CurveCrossings circleCircleCrossings(Circle c1, Circle c2) {
    CurveCrossings out;
    const double d = norm(c2.centre - c1.centre);
    if (d < kEpsilon) return out;
    const double r1 = c1.radius;
    const double r2 = c2.radius;
    const double inverse = 1.0 / d;
    const Point axis = (c2.centre - c1.centre) * inverse;
    if (std::fabs(d - (r1 + r2)) < kTangencyTolerance) {
        out.count = 1;
        out.points[0] = c1.centre + axis * r1;
        return out;
    }
    const bool firstIsLarger = r1 >= r2;
    const double larger = firstIsLarger ? r1 : r2;
    const double smaller = firstIsLarger ? r2 : r1;
    if (std::fabs(smaller + d - larger) < kTangencyTolerance) {
        // The small circle touches the large one from inside, on the far side of its centre.
        out.count = 1;
        out.points[0] = firstIsLarger ? c1.centre + axis * larger : c2.centre - axis * larger;
        return out;
    }
    if (r1 + r2 < d || std::fabs(r1 - r2) > d) return out;
    const double v = (r1 * r1 + d * d - r2 * r2) * (0.5 * inverse);
    const Point m = c1.centre + axis * v;
    const double h = std::sqrt(std::max(0.0, r1 * r1 - v * v));
    const Point chord{axis.y, -axis.x}; // the line of centres turned by -90°
    out.count = 2;
    out.points[0] = m - chord * h;
    out.points[1] = m + chord * h;
    return out;
}

CurveCrossings lineConicCrossings(const model::Element& conic, Line line) {
    CurveCrossings out;
    const auto* tail = std::get_if<model::ConicTail>(&conic.tail);
    if (!tail) return out;
    const LineConicCrossings c = lineConicIntersection(tail->coefficients, line.first, line.second);
    out.count = c.count;
    out.points = c.points;
    return out;
}

bool withinSegment(Point p, Line segment, double tolerance) {
    const double limit = norm(segment.second - segment.first) + tolerance;
    return norm(p - segment.first) <= limit && norm(p - segment.second) <= limit;
}

bool withinRay(Point p, Line ray) {
    return dot(p - ray.first, ray.second - ray.first) >= 0.0 || coincident(p, ray.first);
}

bool withinArc(Point p, const Arc& arc) {
    return std::fabs(norm(p - arc.centre) - arc.radius) < kEpsilon &&
           onArcSide(p, arc.first, arc.middle, arc.third);
}

} // namespace zeva::geometry
