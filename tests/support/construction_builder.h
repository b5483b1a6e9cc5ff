#pragma once
// Constructions built by hand for the tests of every layer: elements appended in construction
// order with their parents and sub-elements, the way the file reader makes them (a font for the
// classes that carry one, numbers valid), without the element factory's option defaults. Also
// the point comparisons the tests share.

#include "geometry/intersections.h"
#include "geometry/recompute.h"
#include "model/construction.h"
#include "model/element.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <vector>

namespace zeva::testing {

using model::Construction;
using model::Element;
using model::Kind;

// Samples of a locus made by hand.
inline constexpr int32_t kLocusCapacity = 50;

// The points lie within `tol` of each other; prints both and the tolerance otherwise.
inline ::testing::AssertionResult near(Point actual, Point expected, double tol = 1e-9) {
    if (std::hypot(actual.x - expected.x, actual.y - expected.y) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ") vs ("
                                         << expected.x << ", " << expected.y << "), tolerance "
                                         << tol;
}

// The element exists and its point lies within `tol` of `expected`.
inline ::testing::AssertionResult sitsOn(const Element& e, Point expected, double tol = 1e-7) {
    if (e.exists != 1) return ::testing::AssertionFailure() << "the point does not exist";
    return near(e.point(), expected, tol);
}

// ---- free functions on any construction -----------------------------------------------------

inline Element* add(Construction& c, Kind kind, Element* p1 = nullptr, Element* p2 = nullptr,
                    Element* p3 = nullptr) {
    auto e = model::makeElement(kind, kLocusCapacity);
    e->parent1 = p1;
    e->parent2 = p2;
    e->parent3 = p3;
    if (e->elementClass() == model::ElementClass::Number) e->param1 = model::kValidNumber;
    if (model::carriesFont(e->elementClass())) e->font = std::make_unique<model::ElementFont>();
    return c.append(std::move(e));
}

inline Element* addPoint(Construction& c, double x = 0, double y = 0) {
    Element* p = add(c, Kind::FreePoint);
    p->x1 = x;
    p->y1 = y;
    return p;
}

// A number (a parameter) with the given value; an invalid number has param1 -100.
inline Element* addNumber(Construction& c, double value, bool valid = true) {
    Element* n = add(c, Kind::Parameter);
    n->x1 = value;
    n->param1 = valid ? model::kValidNumber : model::kInvalidNumber;
    return n;
}

inline Element* addPolygon(Construction& c, const std::vector<Element*>& vertices) {
    Element* poly = add(c, Kind::Polygon);
    for (size_t i = 0; i < vertices.size(); ++i) {
        auto side = model::makeElement(Kind::PolygonSide);
        side->parent1 = vertices[i];
        side->parent2 = vertices[(i + 1) % vertices.size()];
        side->parent3 = poly;
        poly->polygon().sides.push_back(std::move(side));
    }
    return poly;
}

inline Element* addAxes(Construction& c, Element* origin, double unitX = 40, double unitY = 40) {
    Element* axes = add(c, Kind::Axes, origin);
    axes->axes().unitX = unitX;
    axes->axes().unitY = unitY;
    axes->axes().axisX = model::makeElement(Kind::AxisX);
    axes->axes().axisY = model::makeElement(Kind::AxisY);
    for (Element* s : model::subElementsOf(*axes)) {
        s->parent1 = origin;
        s->parent2 = axes;
    }
    return axes;
}

inline Element* addCoordinates(Construction& c, Element* point, Element* axes) {
    Element* k = add(c, Kind::Coordinates, point, axes);
    k->coordinates().xPart = model::makeElement(Kind::CoordinateX);
    k->coordinates().yPart = model::makeElement(Kind::CoordinateY);
    for (Element* s : model::subElementsOf(*k)) {
        s->parent1 = point;
        s->parent2 = k;
        s->param1 = model::kValidNumber;
        s->font = std::make_unique<model::ElementFont>();
    }
    return k;
}

// A Nombre element showing `text` for `named`.
inline Element* addName(Construction& c, Element* named, const char* text) {
    Element* n = add(c, Kind::Name, named);
    n->name().text = text;
    named->label = n;
    return n;
}

inline std::vector<Element*> listOf(const Construction& c) {
    std::vector<Element*> out;
    for (Element* e : c) out.push_back(e);
    return out;
}

// ---- a figure of its own, ready to recompute ------------------------------------------------

struct Figure {
    Construction c;
    geometry::RecomputeContext ctx;

    Figure() { ctx.construction = &c; }

    Element* add(Kind kind, Element* a = nullptr, Element* b = nullptr, Element* d = nullptr) {
        return testing::add(c, kind, a, b, d);
    }
    Element* point(double x, double y) { return addPoint(c, x, y); }
    Element* number(double value, bool valid = true) { return addNumber(c, value, valid); }
    Element* polygon(std::initializer_list<Element*> vertices) { return addPolygon(c, vertices); }
    Element* axes(Element* origin, double unitX = 40, double unitY = 40) {
        return addAxes(c, origin, unitX, unitY);
    }
    Element* coordinates(Element* p, Element* axesElement, int32_t param1 = model::kValidNumber) {
        Element* k = addCoordinates(c, p, axesElement);
        k->param1 = param1;
        return k;
    }
    Element* name(Element* named, const char* text) { return addName(c, named, text); }

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
        x->param1 = geometry::intersectionType(*x, s);
        x->param2 = param2;
        return x;
    }

    void recompute() { geometry::recomputeAll(c, ctx); }

    static void move(Element* p, double x, double y) {
        p->x1 = x;
        p->y1 = y;
    }
};

} // namespace zeva::testing
