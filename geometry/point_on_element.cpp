#include "geometry/point_on_element.h"

#include "expr/calculation.h"
#include "geometry/conics.h"
#include "geometry/element_shapes.h"
#include "geometry/locus.h"
#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>

namespace zeva::geometry {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;
using model::Track;

// Lines that keep their own direction take t in world units from the first point; lines
// through two points take t as a multiple of the vector between them.
bool paramIsDistance(Kind k) {
    return k != Kind::LineThroughTwoPoints && k != Kind::RayThroughTwoPoints;
}

// Conics made of two lines hold them in samples 0-1 and 2-3.
double conicParameter(const Element& conic, double t) {
    const int type = conic.conic().conicType;
    return (type == 4 || type == 5) && t > 3.0 ? 2.5 : t;
}

Point polygonPointAt(const Element& polygon, double t) {
    const auto& sides = polygon.polygon().sides;
    const double whole = std::trunc(t);
    const int n = static_cast<int>(sides.size());
    const int i = std::clamp(static_cast<int>(std::clamp(whole, -1.0, double(n))), 0, n - 1);
    const double f = t - whole;
    const Element& side = *sides[static_cast<size_t>(i)];
    if (!side.exists) return side.point();
    return side.point() + (side.secondPoint() - side.point()) * f;
}

std::optional<Point> arcPointAt(const Element& arcElement, double t) {
    const auto arc = arcOf(arcElement);
    if (!arc) return std::nullopt;
    const double r = dist(arc->centre, arc->first);
    const double phi1 = directionAngle(arc->first - arc->centre);
    const double s0 = directedAngle(arc->third, arc->centre, arc->first);
    const double phi = arc->turning == 0 ? phi1 - t * s0 : phi1 + t * (kTwoPi - s0);
    return arc->centre + Point{std::cos(phi), std::sin(phi)} * r;
}

// Projection of p onto the line along the vertical (lines closer to horizontal) or the
// horizontal, as a multiple s of the line's vector from its first point.
double projectAlongAxis(Line l, Point p) {
    const Point d = l.second - l.first;
    if (std::fabs(d.x) > std::fabs(d.y)) return (p.x - l.first.x) / d.x;
    if (d.y != 0.0) return (p.y - l.first.y) / d.y;
    return 0.0;
}

double polygonParameterOf(const Element& polygon, Point p, const RecomputeContext& ctx) {
    const auto& sides = polygon.polygon().sides;
    double bestDistance = HUGE_VAL;
    double best = 0.0;
    for (size_t i = 0; i < sides.size(); ++i) {
        const Element& side = *sides[i];
        if (!side.exists) continue;
        const Point a = side.point();
        const Point d = side.secondPoint() - a;
        const double len2 = d.x * d.x + d.y * d.y;
        if (len2 == 0.0) continue;
        const double s = ((p.x - a.x) * d.x + (p.y - a.y) * d.y) / len2;
        const double sClamped = std::clamp(s, 0.0, 1.0);
        const double away = dist(p, a + d * sClamped);
        const double t = static_cast<double>(i) + sClamped;
        if (s >= 0.0 && s <= 1.0 && away * ctx.zoomFactor < ctx.detectionDistance) return t;
        // No side near enough: the nearest side point is the sound answer.
        if (away < bestDistance) {
            bestDistance = away;
            best = t;
        }
    }
    return best;
}

double arcParameterOf(const Element& arcElement, Point p) {
    const auto arc = arcOf(arcElement);
    if (!arc || coincident(p, arc->centre)) return 0.0;
    const double sweep = arcSweep(arc->centre, arc->first, arc->third, arc->turning);
    if (sweep <= 0.0) return 0.0;
    // The ray from the centre through p meets the circle in the direction of p.
    const double turned = arc->turning == 0 ? directedAngle(p, arc->centre, arc->first)
                                            : directedAngle(arc->first, arc->centre, p);
    if (turned <= sweep) return turned / sweep;
    // Beyond the arc: the nearer end.
    return turned - sweep < kTwoPi - turned ? 1.0 : 0.0;
}

} // namespace

bool carriesPointsOn(ElementClass cls) {
    return model::classInfo(cls).hostsPoints;
}

std::optional<Point> pointAt(Element& host, double t, const RecomputeContext& ctx) {
    if (!std::isfinite(t)) return std::nullopt; // a parameter read from a damaged file
    switch (model::trackOf(host.elementClass())) {
    case Track::Line:
    case Track::Ray:
        if (paramIsDistance(host.kind)) return pointTowards(host.point(), host.secondPoint(), t);
        return host.point() + (host.secondPoint() - host.point()) * t;
    case Track::Segment:
        if (t == 0.0) return host.point();
        if (t == 1.0) return host.secondPoint();
        return host.point() + (host.secondPoint() - host.point()) * t;
    case Track::Polygon:
        if (host.polygon().sides.empty()) return std::nullopt;
        return polygonPointAt(host, t);
    case Track::Circle: {
        const Circle c = circleOf(host);
        return c.centre + Point{std::cos(t), std::sin(t)} * c.radius;
    }
    case Track::Arc:
        return arcPointAt(host, t);
    case Track::Locus:
        if (host.kind == Kind::FunctionGraph)
            return expr::functionGraphPointAt(host, t, ctx.units.angleUnit);
        return locusPointAt(host, t, ctx);
    case Track::Conic:
        return conicPointAt(host, conicParameter(host, t));
    case Track::None:
        return std::nullopt;
    }
    return std::nullopt; // no class has another track
}

double parameterOf(Element& host, Point p, const RecomputeContext& ctx) {
    switch (model::trackOf(host.elementClass())) {
    case Track::Line:
    case Track::Ray: {
        const Line l = lineOf(host);
        const double s = projectAlongAxis(l, p);
        return paramIsDistance(host.kind) ? s * dist(l.first, l.second) : s;
    }
    case Track::Segment:
        // The projection is kept on the segment.
        return std::clamp(projectAlongAxis(lineOf(host), p), 0.0, 1.0);
    case Track::Polygon:
        return polygonParameterOf(host, p, ctx);
    case Track::Circle:
        return directedAngle(host.point() + Point{1.0, 0.0}, host.point(), p);
    case Track::Arc:
        return arcParameterOf(host, p);
    case Track::Locus:
        if (host.kind == Kind::FunctionGraph)
            return expr::functionGraphParameterOf(host, p, ctx.units.angleUnit);
        return locusParameterOf(host, p, ctx);
    case Track::Conic:
        return conicParameterOf(host, p);
    case Track::None:
        return 0.0;
    }
    return 0.0; // no class has another track
}

} // namespace zeva::geometry
