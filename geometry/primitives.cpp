#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>

namespace zeva::geometry {

namespace {

double cross(Point u, Point v) {
    return u.x * v.y - u.y * v.x;
}
double dot(Point u, Point v) {
    return u.x * v.x + u.y * v.y;
}

// A line whose points nearly coincide would make the determinant meaningless: its direction
// is stretched to length 1 first.
Line withUsableDirection(Line l) {
    if (dist(l.first, l.second) < 0.1) l.second = pointTowards(l.first, l.second, 1.0);
    return l;
}

// Sign of the turn from a to b to c: +1 left, -1 right, 0 straight.
int orientation(Point a, Point b, Point c) {
    const double t = cross(b - a, c - a);
    return (t > 0.0) - (t < 0.0);
}

} // namespace

double dist(Point p, Point q) {
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    return std::sqrt(dx * dx + dy * dy);
}

bool coincident(Point p, Point q) {
    return dist(p, q) < kEpsilon;
}

Point pointTowards(Point p, Point q, double t) {
    double d = dist(p, q);
    if (d < 1e-12) d = 1e-12;
    return p + (q - p) * (t / d);
}

Point midpoint(Point p, Point q) {
    return q + (p - q) * 0.5;
}

Point reflectThrough(Point p, Point c) {
    return {2.0 * c.x - p.x, 2.0 * c.y - p.y};
}

std::optional<Line> parallelThrough(Point a, Point b, Point q) {
    if (coincident(a, b)) return std::nullopt;
    return Line{q, q + (b - a)};
}

std::optional<Line> perpendicularThrough(Point a, Point b, Point q) {
    if (coincident(a, b)) return std::nullopt;
    return Line{q, q + Point{b.y - a.y, -(b.x - a.x)}};
}

std::optional<Point> lineIntersection(Line l1, Line l2) {
    l1 = withUsableDirection(l1);
    l2 = withUsableDirection(l2);
    const Point d1 = l1.second - l1.first;
    const Point d2 = l2.second - l2.first;
    const double det = cross(d1, d2);
    if (std::fabs(det) < 0.00001) return std::nullopt;
    const double s = cross(l2.first - l1.first, d2) / det;
    return l1.first + d1 * s;
}

std::optional<Point> footOfPerpendicular(Line l, Point p) {
    const auto perpendicular = perpendicularThrough(l.first, l.second, p);
    if (!perpendicular) return std::nullopt;
    return lineIntersection(l, *perpendicular);
}

std::optional<double> distanceToLine(Line l, Point p) {
    const auto foot = footOfPerpendicular(l, p);
    if (!foot) return std::nullopt;
    return dist(p, *foot);
}

double signedDistanceAlong(Point a, Point b, Point p) {
    const double d = dist(a, p);
    return dot(p - a, b - a) < 0.0 ? -d : d;
}

std::optional<double> slope(Point a, Point b) {
    const double dx = b.x - a.x;
    if (dx == 0.0) return std::nullopt;
    return (b.y - a.y) / dx;
}

double directionAngle(Point v) {
    if (v.x == 0.0) return v.y > 0.0 ? kPi / 2.0 : 3.0 * kPi / 2.0;
    double a = std::atan2(v.y, v.x);
    if (a < 0.0) a += kTwoPi;
    return a;
}

double directedAngle(Point a, Point v, Point b) {
    double r = directionAngle(b - v) - directionAngle(a - v);
    if (std::fabs(r) < 1e-8) return 0.0;
    if (r < 0.0) r += kTwoPi;
    return r;
}

double angleBetween(Point a, Point v, Point b) {
    const Point u = a - v;
    const Point w = b - v;
    const double lengths = std::sqrt(dot(u, u)) * std::sqrt(dot(w, w));
    if (lengths == 0.0) return 0.0; // no direction: answer 0 rather than NaN
    return std::acos(std::clamp(dot(u, w) / lengths, -1.0, 1.0));
}

Point rotateAbout(Point p, Point o, double a) {
    const double r = dist(p, o);
    if (r < kEpsilon) return p;
    const double phi = std::atan2(p.y - o.y, p.x - o.x);
    return o + Point{std::cos(phi + a), std::sin(phi + a)} * r;
}

Point scaleAbout(Point p, Point o, double k) {
    return o + (p - o) * k;
}

std::optional<Point> invertIn(Point p, Point o, double r) {
    const double d = dist(o, p);
    if (d == 0.0) return std::nullopt;
    return pointTowards(o, p, r * r / d);
}

std::optional<Point> reflectInLine(Point p, Line axis) {
    const auto foot = footOfPerpendicular(axis, p);
    if (!foot) return std::nullopt;
    return pointTowards(p, *foot, 2.0 * dist(p, *foot));
}

Point translate(Point p, Point a, Point b) {
    return coincident(a, b) ? p : p + (b - a);
}

std::optional<Point> displaceTowards(Point p, Point q, double length) {
    if (coincident(p, q)) return std::nullopt;
    return pointTowards(p, q, length);
}

std::optional<Point> displaceAlongLine(Point p, Line l, double length) {
    if (coincident(l.first, l.second)) return std::nullopt;
    return p + (l.second - l.first) * (length / dist(l.first, l.second));
}

Point displaceAlongCircle(Point p, Point centre, double length) {
    const double r = dist(p, centre);
    if (r < kEpsilon) return p;
    return rotateAbout(p, centre, length / r);
}

Point regularPolygonVertex(Point firstVertex, Point centre, double angle) {
    return rotateAbout(firstVertex, centre, angle);
}

std::optional<Line> angleBisector(Point a, Point v, Point b) {
    if (coincident(a, v) || coincident(b, v)) return std::nullopt;
    if (std::fabs(angleBetween(b, v, a) - kPi) >= 0.001)
        return Line{v, midpoint(pointTowards(v, a, 10.0), pointTowards(v, b, 10.0))};
    return perpendicularThrough(v, a, v);
}

std::optional<Line> perpendicularBisector(Point a, Point b) {
    return perpendicularThrough(a, b, midpoint(b, a));
}

std::optional<Point> circumcentre(Point p1, Point p2, Point p3) {
    if (coincident(p1, p2) || coincident(p2, p3) || coincident(p1, p3)) return std::nullopt;
    const auto b12 = perpendicularBisector(p1, p2);
    const auto b23 = perpendicularBisector(p2, p3);
    if (!b12 || !b23) return std::nullopt;
    return lineIntersection(*b12, *b23);
}

int arcTurning(Point o, Point p1, Point p2, Point p3) {
    return directedAngle(p3, o, p1) < directedAngle(p2, o, p1) ? 1 : 0;
}

double arcSweep(Point o, Point p1, Point p3, int turning) {
    const double s0 = directedAngle(p3, o, p1);
    return turning == 0 ? s0 : kTwoPi - s0;
}

bool onArcSide(Point q, Point p1, Point p2, Point p3) {
    if (coincident(q, p1) || coincident(q, p3)) return true;
    // The segment q-P2 crosses the chord when each one's ends lie strictly on both sides of
    // the other's line.
    const bool crosses = orientation(p1, p3, q) * orientation(p1, p3, p2) < 0 &&
                         orientation(q, p2, p1) * orientation(q, p2, p3) < 0;
    return !crosses;
}

bool collinear(Point a, Point b, Point d) {
    if (coincident(a, b) || coincident(b, d) || coincident(a, d)) return true;
    const double angle = angleBetween(d, b, a);
    return std::fabs(angle) < kEpsilon || std::fabs(angle - kPi) < kEpsilon;
}

QuadraticRoots solveQuadratic(double a, double b, double k) {
    QuadraticRoots r;
    if (std::fabs(a) < 1e-8 && b != 0.0) {
        r.count = 1;
        r.x[0] = -k / b;
        return r;
    }
    if (std::fabs(a) < 1e-8 && std::fabs(b) < 1e-8) return r;
    const double d = b * b - 4.0 * a * k;
    if (d <= -0.001) return r;
    const double dAbs = std::fabs(d); // a slightly negative discriminant counts as positive
    if (dAbs < 1e-8) {
        r.count = 1;
        r.x[0] = -b / (2.0 * a);
        return r;
    }
    r.count = 2;
    r.x[0] = (-b + std::sqrt(dAbs)) / (2.0 * a);
    r.x[1] = -(b / a + r.x[0]);
    return r;
}

double circumference(double radius) {
    return 2.0 * kPi * radius;
}

double circleArea(double radius) {
    return kPi * radius * radius;
}

double polygonPerimeter(std::span<const Point> vertices) {
    double sum = 0.0;
    for (size_t i = 0; i < vertices.size(); ++i)
        sum += dist(vertices[i], vertices[(i + 1) % vertices.size()]);
    return sum;
}

double polygonArea(std::span<const Point> vertices) {
    double sum = 0.0;
    for (size_t i = 0; i < vertices.size(); ++i) {
        const Point p = vertices[i];
        const Point q = vertices[(i + 1) % vertices.size()];
        sum += p.x * q.y - q.x * p.y;
    }
    return std::fabs(sum) / 2.0;
}

Point toAxes(const AxesFrame& axes, Point p) {
    return {(p.x - axes.origin.x) / axes.unitX, (p.y - axes.origin.y) / axes.unitY};
}

Point fromAxes(const AxesFrame& axes, double u, double v) {
    return {axes.origin.x + u * axes.unitX, axes.origin.y + v * axes.unitY};
}

} // namespace zeva::geometry
