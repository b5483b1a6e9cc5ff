#pragma once
// Builds small constructions for the geometry tests: elements appended in order with their
// parents, sub-elements and a recompute context pointing at the list.

#include "geometry/primitives.h"
#include "geometry/recompute.h"
#include "model/construction.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace zeva::geometry::testing {

using model::Element;
using model::Kind;

inline ::testing::AssertionResult near(Point actual, Point expected, double tol = 1e-9) {
    if (dist(actual, expected) <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ") vs ("
                                         << expected.x << ", " << expected.y << "), tol " << tol;
}

struct Builder {
    model::Construction c;
    RecomputeContext ctx;

    Builder() { ctx.construction = &c; }

    Element* add(Kind kind, Element* a = nullptr, Element* b = nullptr, Element* d = nullptr) {
        auto e = model::makeElement(kind, kind == Kind::Locus ? 50 : 0);
        e->parent1 = a;
        e->parent2 = b;
        e->parent3 = d;
        e->param1 = 100;
        return c.append(std::move(e));
    }

    Element* point(double x, double y) {
        Element* p = add(Kind::FreePoint);
        p->x1 = x;
        p->y1 = y;
        return p;
    }

    // A number (a parameter) with the given value; invalid numbers have param1 -100.
    Element* number(double value, bool valid = true) {
        Element* n = add(Kind::Parameter);
        n->x1 = value;
        n->param1 = valid ? 100 : -100;
        return n;
    }

    Element* polygon(std::initializer_list<Element*> vertices) {
        Element* poly = add(Kind::Polygon);
        const std::vector<Element*> v(vertices);
        for (size_t i = 0; i < v.size(); ++i) {
            auto side = model::makeElement(Kind::PolygonSide);
            side->parent1 = v[i];
            side->parent2 = v[(i + 1) % v.size()];
            side->parent3 = poly;
            poly->polygon().sides.push_back(std::move(side));
        }
        return poly;
    }

    Element* axes(Element* origin, double unitX = 40, double unitY = 40) {
        Element* a = add(Kind::Axes, origin);
        a->axes().unitX = unitX;
        a->axes().unitY = unitY;
        a->axes().axisX = model::makeElement(Kind::AxisX);
        a->axes().axisY = model::makeElement(Kind::AxisY);
        for (auto* axis : {a->axes().axisX.get(), a->axes().axisY.get()}) {
            axis->parent1 = origin;
            axis->parent2 = a;
        }
        return a;
    }

    Element* coordinates(Element* p, Element* axesElement, int param1) {
        Element* co = add(Kind::Coordinates, p, axesElement);
        co->param1 = param1;
        co->coordinates().xPart = model::makeElement(Kind::CoordinateX);
        co->coordinates().yPart = model::makeElement(Kind::CoordinateY);
        return co;
    }

    void recompute() { recomputeAll(c, ctx); }

    static void move(Element* p, double x, double y) {
        p->x1 = x;
        p->y1 = y;
    }
};

} // namespace zeva::geometry::testing
