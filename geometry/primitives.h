#pragma once
// The small geometric operations every construction is built from. Pure functions of world
// coordinates; their tolerances decide when an element exists, so they are part of the
// behaviour. An operation that has no result answers std::nullopt.

#include "model/point.h"
#include "model/units.h"

#include <array>
#include <optional>
#include <span>

namespace zeva::geometry {

using model::kEpsilon; // 0.0001: two points closer than this coincide
using model::kPi;
inline constexpr double kTwoPi = 2.0 * kPi;

// A line (or ray, or segment) given by two points; its direction is second - first.
struct Line {
    Point first;
    Point second;
};

struct Circle {
    Point centre;
    double radius = 0.0;
};

// The frame of an Ejes de coordenadas element: its origin and the world units per axis unit.
struct AxesFrame {
    Point origin;
    double unitX = 40.0;
    double unitY = 40.0;
};

// ---- distances and simple points ----------------------------------------------------------

// Euclidean distance.
double dist(Point p, Point q);
// True when p and q are closer than kEpsilon (the coincidence rule of every construction).
bool coincident(Point p, Point q);
// P + (Q - P)·t/|PQ|: the point at signed distance t from P towards Q (P itself when P = Q).
Point pointTowards(Point p, Point q, double t);
// Q + (P - Q)·0.5.
Point midpoint(Point p, Point q);
// 2C - P.
Point reflectThrough(Point p, Point c);

// ---- lines ----------------------------------------------------------------------------------

// The line through q with direction b - a; none when a and b coincide.
std::optional<Line> parallelThrough(Point a, Point b, Point q);
// The line through q with direction (b - a) turned by -90° (same length); none when a, b
// coincide.
std::optional<Line> perpendicularThrough(Point a, Point b, Point q);
// The crossing of two carrier lines. A line whose points are closer than 0.1 is first given a
// second point at distance 1; none when the cross product of the two direction vectors is
// below 0.00001 in magnitude (parallel or nearly so).
std::optional<Point> lineIntersection(Line l1, Line l2);
// The foot of the perpendicular from p onto the line; none for a degenerate line.
std::optional<Point> footOfPerpendicular(Line l, Point p);
// Distance from p to the line (through its foot); none for a degenerate line.
std::optional<double> distanceToLine(Line l, Point p);
// dist(A, P), negative when P lies on the other side of A from B.
double signedDistanceAlong(Point a, Point b, Point p);
// Δy/Δx of the line; none for a vertical line (Δx exactly 0).
std::optional<double> slope(Point a, Point b);

// ---- angles ---------------------------------------------------------------------------------

// Direction angle of the vector v in [0, 2π); (0, dy) gives π/2 for dy > 0, 3π/2 otherwise.
double directionAngle(Point v);
// Counterclockwise angle from A - V to B - V in [0, 2π); below 1e-8 in magnitude it is 0.
// Meaningless when A or B coincides with V (callers test that first).
double directedAngle(Point a, Point v, Point b);
// Unsigned angle between A - V and B - V in [0, π] (cosine clamped); 0 when either vector has
// zero length.
double angleBetween(Point a, Point v, Point b);

// ---- point transformations ------------------------------------------------------------------

// P turned about O by a radians; P itself when it lies within kEpsilon of O.
Point rotateAbout(Point p, Point o, double a);
// Homothety: O + k(P - O); a negative k goes to the other side of O.
Point scaleAbout(Point p, Point o, double k);
// Inversion in the circle (O, r); none when P is exactly O.
std::optional<Point> invertIn(Point p, Point o, double r);
// Mirror image of P in the axis line: 2F - P with F the foot; none for a degenerate axis.
std::optional<Point> reflectInLine(Point p, Line axis);
// P + (B - A), or P itself when A and B coincide.
Point translate(Point p, Point a, Point b);
// The point at world distance `length` from P towards Q; none when P and Q coincide.
std::optional<Point> displaceTowards(Point p, Point q, double length);
// P moved by world distance `length` along the line's direction; none for a degenerate line.
std::optional<Point> displaceAlongLine(Point p, Line l, double length);
// P moved counterclockwise along the circle about `centre` by the world arc length `length`.
Point displaceAlongCircle(Point p, Point centre, double length);
// A vertex of a regular polygon: the first vertex turned about the centre by `angle` radians.
Point regularPolygonVertex(Point firstVertex, Point centre, double angle);

// ---- derived lines and circles --------------------------------------------------------------

// Bisector at V of the angle A-V-B (a straight angle gives the perpendicular to VA at V);
// none when A or B coincides with V.
std::optional<Line> angleBisector(Point a, Point v, Point b);
// Perpendicular bisector of AB through its midpoint; none when A and B coincide.
std::optional<Line> perpendicularBisector(Point a, Point b);
// Centre of the circle through three points (crossing of two perpendicular bisectors); none
// when two of them coincide or they are collinear.
std::optional<Point> circumcentre(Point p1, Point p2, Point p3);

// ---- arcs -----------------------------------------------------------------------------------

// Turning flag of the arc P1-P2-P3 about its centre O: 1 when the arc runs counterclockwise
// from P1 to P3, 0 when it runs clockwise.
int arcTurning(Point o, Point p1, Point p2, Point p3);
// Angle swept by the arc from P1 to P3 in its turning direction, in [0, 2π).
double arcSweep(Point o, Point p1, Point p3, int turning);
// True when q lies within kEpsilon of P1 or P3, or the segment from q to P2 does not cross the
// chord P1P3 (q is on P2's side of the chord). Says nothing about q being on the circle.
bool onArcSide(Point q, Point p1, Point p2, Point p3);

// ---- predicates and measures ----------------------------------------------------------------

// True when two of A, B, D coincide or the angle at B is within kEpsilon of 0 or π.
bool collinear(Point a, Point b, Point d);

// Roots of a·x² + b·x + k = 0 with the tolerances the curve intersections rely on.
struct QuadraticRoots {
    int count = 0; // 0, 1 or 2
    std::array<double, 2> x{};
};
QuadraticRoots solveQuadratic(double a, double b, double k);

double circumference(double radius);
double circleArea(double radius);
// Sum of the side lengths of the closed polygon through the vertices in order.
double polygonPerimeter(std::span<const Point> vertices);
// |Σ (xi·yi+1 - xi+1·yi)| / 2 over the vertices in order, closing back to the first.
double polygonArea(std::span<const Point> vertices);

// ---- coordinate axes ------------------------------------------------------------------------

// World point P in axis units.
Point toAxes(const AxesFrame& axes, Point p);
// Axis coordinates (u, v) as a world point.
Point fromAxes(const AxesFrame& axes, double u, double v);

} // namespace zeva::geometry
