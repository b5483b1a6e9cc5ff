#pragma once
// Small builders for documents in the doc tests: elements made by hand, the way the reader
// makes them, so the tests do not depend on the element factory.

#include "document/document.h"
#include "model/bytes.h"
#include "model/construction.h"
#include "model/element.h"
#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zeva::document::testing {

using model::Element;
using model::Kind;

inline Element* add(model::Construction& c, Kind kind, Element* p1 = nullptr, Element* p2 = nullptr,
                    Element* p3 = nullptr) {
    auto e = model::makeElement(kind, kind == Kind::Locus ? 80 : 0);
    e->parent1 = p1;
    e->parent2 = p2;
    e->parent3 = p3;
    if (model::carriesFont(e->elementClass())) e->font = std::make_unique<model::ElementFont>();
    return c.append(std::move(e));
}

inline Element* addPoint(model::Construction& c, double x, double y) {
    Element* p = add(c, Kind::FreePoint);
    p->x1 = x;
    p->y1 = y;
    p->color = 255;
    return p;
}

inline Element* addPolygon(model::Construction& c, const std::vector<Element*>& vertices) {
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

inline Element* addAxes(model::Construction& c, Element* origin) {
    Element* axes = add(c, Kind::Axes, origin);
    axes->axes().axisX = model::makeElement(Kind::AxisX);
    axes->axes().axisY = model::makeElement(Kind::AxisY);
    for (Element* s : model::subElementsOf(*axes)) {
        s->parent1 = origin;
        s->parent2 = axes;
    }
    return axes;
}

inline Element* addCoordinates(model::Construction& c, Element* point, Element* axes) {
    Element* k = add(c, Kind::Coordinates, point, axes);
    k->coordinates().xPart = model::makeElement(Kind::CoordinateX);
    k->coordinates().yPart = model::makeElement(Kind::CoordinateY);
    for (Element* s : model::subElementsOf(*k)) {
        s->parent1 = point;
        s->parent2 = k;
        s->param1 = 100;
        s->font = std::make_unique<model::ElementFont>();
    }
    return k;
}

using zeva::testing::TempDir;

// Little-endian file bytes put together by hand, independent of the writer under test.
class Bytes {
  public:
    Bytes& i32(int32_t v) { return raw(&v, 4); }
    Bytes& i16(int16_t v) { return raw(&v, 2); }
    Bytes& real(double v) { return raw(&v, 8); }
    // A string given as its Windows-1252 bytes.
    Bytes& str(const std::string& bytes) {
        i32(static_cast<int32_t>(bytes.size()));
        return raw(bytes.data(), bytes.size());
    }
    Bytes& font(const std::string& name, int32_t color, int32_t size, int32_t bold = 0,
                int32_t italic = 0, int32_t underline = 0, int32_t strikeout = 0) {
        str(name).i32(color).i32(size).i32(bold).i32(italic).i32(underline);
        return i32(strikeout);
    }
    Bytes& raw(const void* p, size_t n) {
        const auto* b = static_cast<const uint8_t*>(p);
        data.insert(data.end(), b, b + n);
        return *this;
    }
    std::vector<uint8_t> data;
};

// A document using every kind of record the file format knows, with traces, animations, a
// parametric colour, a name label and two macros.
Document sampleDocument();

std::vector<uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace zeva::document::testing
