#pragma once
// Whether a point lies on a line, ray, segment, circle, arc or conic: the property every
// existing intersection point has towards both of its parents.

#include "geometry/conics.h"
#include "geometry/element_shapes.h"
#include "geometry/primitives.h"
#include "model/element.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

namespace zeva::testing {

inline constexpr double kOnCurve = 2e-5; // world units, for figures a few hundred units wide

// Curves offElement can judge; intersections with other parents (loci, graphs) are left out.
inline bool judgeableCurve(const model::Element& e) {
    const model::ElementClass cls = e.elementClass();
    return model::isLineLike(cls) || cls == model::ElementClass::Circle ||
           cls == model::ElementClass::Arc || cls == model::ElementClass::Conic;
}

// Why p is not on e, or an empty text when it is. `tolerance` is the distance allowed, in
// world units.
inline std::string offElement(Point p, const model::Element& e, double tolerance = kOnCurve) {
    using namespace zeva::geometry;
    using model::ElementClass;
    const auto cross = [](Point u, Point v) { return u.x * v.y - u.y * v.x; };
    const auto dot = [](Point u, Point v) { return u.x * v.x + u.y * v.y; };
    std::ostringstream why;
    const ElementClass cls = e.elementClass();
    if (model::isLineLike(cls)) {
        const Point a = e.point();
        const Point d = e.secondPoint() - a;
        const double len = std::sqrt(dot(d, d));
        const double off = std::fabs(cross(d, p - a)) / len;
        const double along = dot(p - a, d) / len;
        if (off > tolerance) why << "off the line by " << off;
        if (e.elementClass() != ElementClass::Line && along < -std::max(kEpsilon, tolerance))
            why << "behind the first point by " << -along;
        if (e.elementClass() == ElementClass::Segment &&
            along > len + std::max(kEpsilon, tolerance))
            why << "beyond the second end by " << along - len;
    } else if (cls == ElementClass::Circle || cls == ElementClass::Arc) {
        const Circle c = circleOf(e);
        const double off = std::fabs(dist(p, c.centre) - c.radius);
        if (off > tolerance) why << "off the circle by " << off;
        if (e.elementClass() == ElementClass::Arc) {
            const Arc arc = *arcOf(e);
            if (!coincident(p, arc.first) && !coincident(p, arc.third)) {
                // The arc runs counterclockwise from its third point to its first when its
                // flag is 0, and from its first to its third when it is 1.
                const Point from = arc.turning == 0 ? arc.third : arc.first;
                const Point to = arc.turning == 0 ? arc.first : arc.third;
                const double slack = 1e-6 + tolerance / std::max(c.radius, 1.0);
                if (directedAngle(from, c.centre, p) > directedAngle(from, c.centre, to) + slack)
                    why << "outside the arc";
            }
        }
    } else if (cls == ElementClass::Conic) {
        const auto& k = e.conic().coefficients;
        const double value = conicValue(k, p);
        const double gx = 2 * k[kCoefX2] * p.x + k[kCoefXY] * p.y + k[kCoefX];
        const double gy = k[kCoefXY] * p.x + 2 * k[kCoefY2] * p.y + k[kCoefY];
        const double off = std::fabs(value) / std::max(1.0, std::hypot(gx, gy));
        if (off > tolerance) why << "off the conic by about " << off;
    } else {
        why << "unexpected parent";
    }
    return why.str();
}

} // namespace zeva::testing
