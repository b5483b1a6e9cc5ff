#pragma once
// Small helpers that link elements into a construction the way the factory would, without the
// option defaults, so the list operations can be tested on their own.

#include "model/construction.h"

#include <initializer_list>

namespace zeva::test {

using model::Construction;
using model::Element;
using model::Kind;

inline Element* add(Construction& c, Kind kind, Element* p1 = nullptr, Element* p2 = nullptr,
                    Element* p3 = nullptr) {
    auto e = model::makeElement(kind, 10);
    e->parent1 = p1;
    e->parent2 = p2;
    e->parent3 = p3;
    return c.append(std::move(e));
}

inline Element* addPoint(Construction& c, double x = 0, double y = 0) {
    Element* p = add(c, Kind::FreePoint);
    p->x1 = x;
    p->y1 = y;
    return p;
}

inline Element* addPolygon(Construction& c, std::initializer_list<Element*> vertices) {
    Element* poly = add(c, Kind::Polygon);
    std::vector<Element*> v(vertices);
    for (size_t i = 0; i < v.size(); ++i) {
        auto side = model::makeElement(Kind::PolygonSide);
        side->parent1 = v[i];
        side->parent2 = v[(i + 1) % v.size()];
        side->parent3 = poly;
        poly->polygon().sides.push_back(std::move(side));
    }
    return poly;
}

inline Element* addAxes(Construction& c, Element* origin) {
    Element* axes = add(c, Kind::Axes, origin);
    for (auto* slot : {&axes->axes().axisX, &axes->axes().axisY}) {
        *slot = model::makeElement(slot == &axes->axes().axisX ? Kind::AxisX : Kind::AxisY);
        (*slot)->parent1 = origin;
        (*slot)->parent2 = axes;
    }
    return axes;
}

inline Element* addCoordinates(Construction& c, Element* point, Element* axes) {
    Element* k = add(c, Kind::Coordinates, point, axes);
    k->coordinates().xPart = model::makeElement(Kind::CoordinateX);
    k->coordinates().yPart = model::makeElement(Kind::CoordinateY);
    for (auto* part : {k->coordinates().xPart.get(), k->coordinates().yPart.get()}) {
        part->parent1 = point;
        part->parent2 = k;
    }
    return k;
}

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

}  // namespace zeva::test
