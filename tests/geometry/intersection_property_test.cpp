// For random figures, every intersection point that exists lies on both of its parents.

#include "geometry/conics.h"
#include "geometry/element_shapes.h"
#include "geometry/primitives.h"
#include "tests/support/construction_builder.h"

#include <cmath>
#include <random>
#include <sstream>
#include <vector>

namespace zeva::geometry {
namespace {

using namespace zeva::testing;

using model::ElementClass;

constexpr double kOnCurve = 2e-5; // world units

double cross(Point u, Point v) {
    return u.x * v.y - u.y * v.x;
}
double dot(Point u, Point v) {
    return u.x * v.x + u.y * v.y;
}

// Why p is not on e, or an empty text when it is.
std::string offElement(Point p, const Element& e) {
    std::ostringstream why;
    const ElementClass cls = e.elementClass();
    if (model::isLineLike(cls)) {
        const Point a = e.point();
        const Point d = e.secondPoint() - a;
        const double len = std::sqrt(dot(d, d));
        const double off = std::fabs(cross(d, p - a)) / len;
        const double along = dot(p - a, d) / len;
        if (off > kOnCurve) why << "off the line by " << off;
        if (e.elementClass() != ElementClass::Line && along < -kEpsilon)
            why << "behind the first point by " << -along;
        if (e.elementClass() == ElementClass::Segment && along > len + kEpsilon)
            why << "beyond the second end by " << along - len;
    } else if (cls == ElementClass::Circle || cls == ElementClass::Arc) {
        const Circle c = circleOf(e);
        const double off = std::fabs(dist(p, c.centre) - c.radius);
        if (off > kOnCurve) why << "off the circle by " << off;
        if (e.elementClass() == ElementClass::Arc) {
            const Arc arc = *arcOf(e);
            if (!coincident(p, arc.first) && !coincident(p, arc.third)) {
                // The arc runs counterclockwise from its third point to its first when its
                // flag is 0, and from its first to its third when it is 1.
                const Point from = arc.turning == 0 ? arc.third : arc.first;
                const Point to = arc.turning == 0 ? arc.first : arc.third;
                if (directedAngle(from, c.centre, p) > directedAngle(from, c.centre, to) + 1e-6)
                    why << "outside the arc";
            }
        }
    } else if (cls == ElementClass::Conic) {
        const auto& k = e.conic().coefficients;
        const double value = conicValue(k, p);
        const double gx = 2 * k[kCoefX2] * p.x + k[kCoefXY] * p.y + k[kCoefX];
        const double gy = k[kCoefXY] * p.x + 2 * k[kCoefY2] * p.y + k[kCoefY];
        const double off = std::fabs(value) / std::max(1.0, std::hypot(gx, gy));
        if (off > kOnCurve) why << "off the conic by about " << off;
    } else {
        why << "unexpected parent";
    }
    return why.str();
}

TEST(IntersectionProperty, EveryExistingPointLiesOnBothParents) {
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<double> coord(-200, 200);
    int checked = 0;
    for (int figure = 0; figure < 150; ++figure) {
        Figure f;
        auto pt = [&] { return f.point(coord(rng), coord(rng)); };
        std::vector<Element*> curves;
        for (int i = 0; i < 2; ++i) {
            curves.push_back(f.line(pt(), pt()));
            curves.push_back(f.ray(pt(), pt()));
            curves.push_back(f.segment(pt(), pt()));
            curves.push_back(f.circle(pt(), pt()));
        }
        curves.push_back(f.arc(pt(), pt(), pt()));
        curves.push_back(f.conic({pt(), pt(), pt(), pt(), pt()}));
        // Lines through the defining points of other curves exercise the known-common-point
        // rule; a circle through a line's point does too.
        curves.push_back(f.line(curves[0]->parent1, curves[3]->parent2));
        curves.push_back(f.circle(pt(), curves[1]->parent1));

        std::vector<Element*> points;
        for (size_t i = 0; i < curves.size(); ++i)
            for (size_t j = i + 1; j < curves.size(); ++j) {
                Element probe;
                probe.parent1 = curves[i];
                probe.parent2 = curves[j];
                const int solutions = std::max(1, solutionCountOf(intersectionType(probe, 0)));
                for (int s = 0; s < solutions; ++s)
                    for (int strict : {0, kStrictCandidate})
                        points.push_back(f.intersection(curves[i], curves[j], s, strict));
            }
        f.recompute();
        for (Element* x : points) {
            if (x->exists != 1) continue;
            ++checked;
            for (const Element* parent : {x->parent1, x->parent2}) {
                const std::string why = offElement(x->point(), *parent);
                ASSERT_TRUE(why.empty()) << "figure " << figure << ", code " << x->param1
                                         << ", param2 " << x->param2 << ": " << why;
            }
        }
    }
    EXPECT_GT(checked, 10000);
}

} // namespace
} // namespace zeva::geometry
