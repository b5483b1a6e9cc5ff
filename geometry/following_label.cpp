#include "geometry/following_label.h"

#include "geometry/element_shapes.h"
#include "geometry/point_on_element.h"
#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zeva::geometry {

namespace {

using model::Element;
using model::Kind;

std::optional<Point> onHost(Element* host, double t, const RecomputeContext& ctx) {
    if (!host || host->exists != 1) return std::nullopt;
    return pointAt(*host, t, ctx);
}

// On the angle's bisector at a fifth of the shorter arm from the vertex (at the vertex when
// there is no bisector).
Point onBisector(const Element& value) {
    const Point a = value.parent1->point();
    const Point v = value.parent2->point();
    const Point b = value.parent3->point();
    const double arm = std::min(dist(v, a), dist(v, b));
    if (auto bisector = angleBisector(a, v, b)) {
        const Point d = bisector->second - bisector->first;
        const double len = std::hypot(d.x, d.y);
        if (len > 0) return v + d * (0.2 * arm / len);
    }
    return v;
}

std::optional<Point> followingPosition(Element& e, const RecomputeContext& ctx) {
    const double r = e.y1;
    Element* p1 = e.parent1;
    switch (e.kind) {
    case Kind::DistancePointPoint:
        if (!p1 || !e.parent2) return std::nullopt;
        return p1->point() + (e.parent2->point() - p1->point()) * r;
    case Kind::DistancePointLine: {
        if (!p1 || !e.parent2) return std::nullopt;
        const auto foot = footOfPerpendicular(lineOf(*e.parent2), p1->point());
        if (!foot) return std::nullopt;
        return p1->point() + (*foot - p1->point()) * r;
    }
    case Kind::SegmentLength:
        if (!p1) return std::nullopt;
        return p1->point() + (p1->secondPoint() - p1->point()) * r;
    case Kind::CircleLength:
    case Kind::CircleArea:
    case Kind::ArcLength:
    case Kind::PolygonPerimeter:
    case Kind::PolygonArea:
    case Kind::Slope:
        return onHost(p1, r, ctx);
    case Kind::AngleValue:
        if (!p1 || !e.parent2 || !e.parent3) return std::nullopt;
        return onBisector(e);
    case Kind::Coordinates:
        if (!p1) return std::nullopt;
        return p1->point() + Point{std::cos(r), std::sin(r)} * std::min(e.x1, 30.0);
    case Kind::LineEquation:
    case Kind::CircleEquation:
    case Kind::ConicEquation:
        return onHost(p1, e.equation().labelParam, ctx);
    case Kind::FreePoint:
    case Kind::PointOnElement:
    case Kind::Intersection:
    case Kind::CentralSymmetry:
    case Kind::Midpoint:
    case Kind::LineThroughPoint:
    case Kind::LineThroughTwoPoints:
    case Kind::RayFromPoint:
    case Kind::RayThroughTwoPoints:
    case Kind::ParallelLine:
    case Kind::PerpendicularLine:
    case Kind::AngleBisector:
    case Kind::PerpendicularBisector:
    case Kind::Segment:
    case Kind::Polygon:
    case Kind::PolygonSide:
    case Kind::CircleByCentre:
    case Kind::CircleByCentreAndPoint:
    case Kind::CircleByRadius:
    case Kind::ArcThreePoints:
    case Kind::Angle:
    case Kind::Locus:
    case Kind::AxialSymmetry:
    case Kind::Translation:
    case Kind::Rotation:
    case Kind::Homothety:
    case Kind::Inversion:
    case Kind::Displacement:
    case Kind::Calculation:
    case Kind::Table:
    case Kind::Axes:
    case Kind::AxisX:
    case Kind::AxisY:
    case Kind::CoordinateX:
    case Kind::CoordinateY:
    case Kind::Text:
    case Kind::Name:
    case Kind::PointByCoordinates:
    case Kind::ParallelChecker:
    case Kind::PerpendicularChecker:
    case Kind::MembershipChecker:
    case Kind::EquidistanceChecker:
    case Kind::CollinearityChecker:
    case Kind::Conic:
    case Kind::IntersectionCandidate:
    case Kind::RegularPolygonVertex:
    case Kind::PlottedPoint:
    case Kind::Grid:
    case Kind::GridPoint:
    case Kind::Parameter:
    case Kind::Function:
    case Kind::FunctionGraph:
    case Kind::HideShowButton:
    case Kind::Bitmap:
        return std::nullopt; // its text, if any, stays where it was put
    }
    return std::nullopt;
}

} // namespace

void placeFollowingLabel(Element& e, const RecomputeContext& ctx) {
    if (e.param2 != 100 || e.exists != 1) return;
    const auto at = followingPosition(e, ctx);
    if (at && std::isfinite(at->x) && std::isfinite(at->y)) {
        e.x2 = at->x;
        e.y2 = at->y;
    }
}

} // namespace zeva::geometry
