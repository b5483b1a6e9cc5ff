#pragma once
// Small figures for the intersection tests: elements appended in construction order, with the
// intersection points ordered and coded as the intersection tool makes them.

#include "geometry/intersections.h"
#include "geometry/primitives.h"
#include "geometry/recompute.h"
#include "model/construction.h"

#include <gtest/gtest.h>

#include <array>

namespace zeva::geometry::testing {

using model::Element;
using model::Kind;

inline ::testing::AssertionResult sitsOn(const Element& e, Point expected, double tol = 1e-7) {
    if (e.exists != 1) return ::testing::AssertionFailure() << "the point does not exist";
    if (dist(e.point(), expected) <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << e.x1 << ", " << e.y1 << ") vs (" << expected.x
                                         << ", " << expected.y << "), tolerance " << tol;
}

struct Figure {
    model::Construction c;
    RecomputeContext ctx;

    Figure() { ctx.construction = &c; }

    Element* add(Kind kind, Element* a = nullptr, Element* b = nullptr, Element* d = nullptr) {
        auto e = model::makeElement(kind, kind == Kind::Locus ? 50 : 0);
        e->parent1 = a;
        e->parent2 = b;
        e->parent3 = d;
        return c.append(std::move(e));
    }
    Element* point(double x, double y) {
        Element* p = add(Kind::FreePoint);
        p->x1 = x;
        p->y1 = y;
        return p;
    }
    // A line, ray, segment or circle through two new free points.
    Element* through(Kind kind, Point p, Point q) {
        return add(kind, point(p.x, p.y), point(q.x, q.y));
    }
    Element* line(Element* p, Element* q) { return add(Kind::LineThroughTwoPoints, p, q); }
    Element* ray(Element* p, Element* q) { return add(Kind::RayThroughTwoPoints, p, q); }
    Element* segment(Element* p, Element* q) { return add(Kind::Segment, p, q); }
    Element* circle(Element* centre, Element* through) {
        return add(Kind::CircleByCentreAndPoint, centre, through);
    }
    Element* arc(Element* p1, Element* p2, Element* p3) {
        return add(Kind::ArcThreePoints, p1, p2, p3);
    }
    Element* pointOn(Element* host, double t) {
        Element* p = add(Kind::PointOnElement, host);
        p->y2 = t;
        return p;
    }
    Element* conic(std::array<Element*, 5> points) {
        Element* k = add(Kind::Conic);
        k->conic().points = points;
        return k;
    }
    // Solution s of the pair, parents put in the code's order as the factory does.
    Element* intersection(Element* a, Element* b, int s, int param2 = 0) {
        Element* x = add(Kind::Intersection, a, b);
        x->param1 = intersectionType(*x, s);
        x->param2 = param2;
        return x;
    }

    void update() { recomputeAll(c, ctx); }

    static void move(Element* p, double x, double y) {
        p->x1 = x;
        p->y1 = y;
    }
};

} // namespace zeva::geometry::testing
