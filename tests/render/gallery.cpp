#include "gallery.h"

#include "expr/calculator.h"
#include "expr/function_graph.h"
#include "geometry/recompute.h"
#include "edit/factory.h"
#include "model/units.h"
#include "edit/hide_show.h"
#include "tests/support/edits.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace zeva::render::testing {

namespace {

using edit::CreationInputs;
using edit::CreationRequest;
using model::Element;
using model::Kind;

// A small 24-bit Windows bitmap: a colour gradient with a frame.
model::Picture gradientPicture(int w, int h) {
    const int row = (w * 3 + 3) / 4 * 4;
    const uint32_t size = 54 + static_cast<uint32_t>(row * h);
    std::vector<uint8_t> b(size, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    b[26] = 1;
    b[28] = 24;
    put32(34, static_cast<uint32_t>(row * h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t at = 54 + static_cast<size_t>(y * row + x * 3);
            const bool frame = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            b[at] = frame ? 255 : static_cast<uint8_t>(255 * x / w);           // blue
            b[at + 1] = frame ? 255 : static_cast<uint8_t>(255 * y / h);       // green
            b[at + 2] = frame ? 255 : static_cast<uint8_t>(255 - 255 * x / w); // red
        }
    }
    return {b};
}

struct Maker {
    document::Document& d;
    CreationRequest r;

    Element* make(Kind kind, Element* p1 = nullptr, Element* p2 = nullptr, Element* p3 = nullptr,
                  const CreationInputs& in = {}) {
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        r.parent3 = p3;
        Element* e = zeva::testing::create(d, r, in);
        geometry::recomputeElement(*e, document::contextFor(d));
        return e;
    }
    Element* at(Kind kind, Point p, Element* p1 = nullptr, Element* p2 = nullptr,
                Element* p3 = nullptr, const CreationInputs& in = {}) {
        r.x1 = p.x;
        r.y1 = p.y;
        return make(kind, p1, p2, p3, in);
    }
    // A text-showing element with its text at p.
    Element* label(Kind kind, Point p, Element* p1 = nullptr, Element* p2 = nullptr,
                   Element* p3 = nullptr, const CreationInputs& in = {}) {
        r.x2 = p.x;
        r.y2 = p.y;
        r.y1 = 0.5;
        return make(kind, p1, p2, p3, in);
    }
    Element* point(double x, double y) { return at(Kind::FreePoint, {x, y}); }
    Element* name(Element* named, const char* text, Point click) {
        CreationInputs in;
        in.nameText = text;
        in.lastClick = click;
        return make(Kind::Name, named, nullptr, nullptr, in);
    }
    Element* expression(Kind kind, const char* text, std::vector<Element*> operands,
                        std::vector<Element*> functions, int functionType, Point at) {
        expr::CalculatorInput input{text, operands, functions, functionType};
        auto compiled = expr::compileCalculatorInput(input);
        if (!compiled) return nullptr;
        CreationInputs in;
        in.formula = compiled->text;
        in.code = compiled->code;
        in.constants = compiled->valueTable;
        in.measurements = compiled->operands;
        in.parameters = compiled->functions;
        in.formulaDimension = compiled->dimension;
        r.param1 = functionType;
        return label(kind, at, nullptr, nullptr, nullptr, in);
    }
};

} // namespace

void buildGallery(document::Document& d) {
    Maker m{d, {}};

    // Points, segment, line, ray, midpoint and their names (top left).
    Element* a = m.point(-470, 330);
    Element* b = m.point(-330, 360);
    m.name(a, "A", a->point());
    m.name(b, "B", b->point());
    Element* ab = m.make(Kind::Segment, a, b);
    m.name(ab, "s", {-400, 345});
    m.make(Kind::Midpoint, a, b);
    Element* c = m.point(-480, 260);
    Element* e = m.point(-380, 290);
    Element* line = m.make(Kind::LineThroughTwoPoints, c, e);
    Element* f = m.point(-300, 230);
    Element* g = m.point(-230, 290);
    g->style = 2;
    m.make(Kind::RayThroughTwoPoints, f, g);
    m.make(Kind::PerpendicularLine, line, f)->style = 3;
    Element* hidden = m.point(-420, 220);
    hidden->visible = 0;

    // Circles, an intersection and transformed points (left).
    Element* o = m.point(-400, 120);
    Element* p = m.point(-340, 120);
    Element* circle = m.make(Kind::CircleByCentreAndPoint, o, p);
    circle->param1 = 0x402000; // a dark blue fill
    Element* q = m.point(-300, 170);
    q->style = 3;
    m.name(q, "Q", q->point());
    m.make(Kind::CentralSymmetry, q, o);
    Element* diameter = m.make(Kind::LineThroughTwoPoints, o, q);
    diameter->style = 4;
    CreationInputs crossing;
    crossing.activeTool = edit::kIntersectionTool;
    for (int solution = 0; solution < 2; ++solution) {
        m.r.param1 = solution;
        m.make(Kind::Intersection, circle, diameter, nullptr, crossing)->style = 4;
    }
    m.r.x1 = -400;
    m.r.y1 = 120;
    m.r.x2 = -400;
    m.r.y2 = 150;
    m.make(Kind::CircleByCentre, o)->style = 2;

    // Polygon with a fill, an arc and an angle (top middle).
    Element* v1 = m.point(-170, 250);
    Element* v2 = m.point(-60, 250);
    Element* v3 = m.point(-110, 340);
    CreationInputs poly;
    poly.picked = {v1, v2, v3};
    Element* triangle = m.make(Kind::Polygon, nullptr, nullptr, nullptr, poly);
    triangle->param1 = 0x004000;
    m.make(Kind::Angle, v2, v1, v3);
    m.label(Kind::PolygonArea, {-170, 235}, triangle);
    Element* r1 = m.point(20, 250);
    Element* r2 = m.point(70, 330);
    Element* r3 = m.point(140, 270);
    m.make(Kind::ArcThreePoints, r1, r2, r3)->style = 2;

    // A conic through five points (right).
    std::vector<Element*> five;
    for (int i = 0; i < 5; ++i) {
        const double t = i * 2 * model::kPi / 5 + 0.3;
        five.push_back(m.point(290 + 110 * std::cos(t), 250 + 55 * std::sin(t)));
    }
    CreationInputs conicIn;
    conicIn.picked = five;
    Element* conic = m.make(Kind::Conic, nullptr, nullptr, nullptr, conicIn);

    // Axes, a grid and a plotted function (centre).
    Element* origin = m.point(0, -40);
    origin->visible = 0;
    Element* axes = m.make(Kind::Axes, origin);
    m.make(Kind::Grid, axes);
    Element* function = m.expression(Kind::Function, "2*sin(x)", {}, {}, 1, {-480, -10});
    if (function) {
        Element* graph = m.make(Kind::FunctionGraph, function, axes);
        expr::setFunctionGraphRange(*graph, {d.viewLeft, d.viewTop, d.viewRight, d.viewBottom},
                                    d.units.angleUnit);
        graph->color = 0x00C0FF;
        geometry::recomputeElement(*graph, document::contextFor(d));
    }
    m.r.x2 = 3; // a point given in axis units
    m.r.y2 = -2;
    m.make(Kind::PlottedPoint, axes);

    // Loci: a point locus and a family of segments (bottom right).
    Element* hub = m.point(330, -230);
    Element* rim = m.point(400, -230);
    Element* wheel = m.make(Kind::CircleByCentreAndPoint, hub, rim);
    m.r.y2 = 1.0;
    Element* driver = m.make(Kind::PointOnElement, wheel);
    Element* fixed = m.point(200, -300);
    Element* mid = m.make(Kind::Midpoint, fixed, driver);
    m.make(Kind::Locus, mid, driver)->color = 0x00FFFF;
    Element* spoke = m.make(Kind::Segment, fixed, driver);
    spoke->visible = 0;
    m.make(Kind::Locus, spoke, driver)->color = 0x406080;

    // Measures, a calculation, a parameter, a table, coordinates and equations (bottom left).
    Element* dist = m.label(Kind::DistancePointPoint, {-480, -200}, a, b);
    dist->param2 = 0;
    Element* param = nullptr;
    {
        CreationInputs in;
        in.parameterValue = 1.5;
        m.r.x2 = -480;
        m.r.y2 = -230;
        param = m.make(Kind::Parameter, nullptr, nullptr, nullptr, in);
        m.name(param, "k = ", {-480, -230});
    }
    Element* calc = m.expression(Kind::Calculation, "a*b", {dist, param}, {}, 0, {-480, -260});
    CreationInputs tableIn;
    tableIn.picked = {dist, param};
    if (calc) tableIn.picked.push_back(calc);
    m.label(Kind::Table, {-230, -200}, nullptr, nullptr, nullptr, tableIn);
    m.label(Kind::Coordinates, {0, 0}, b, axes);
    m.r.x1 = -440;
    m.r.y1 = 240;
    m.make(Kind::LineEquation, line, axes);
    m.r.x1 = -400;
    m.r.y1 = 60;
    m.make(Kind::CircleEquation, circle, axes);
    m.r.x1 = 150;
    m.r.y1 = 250;
    m.make(Kind::ConicEquation, conic, axes)->decimals = 1;
    m.label(Kind::PerpendicularChecker, {-230, 200}, line, ab);

    // A text, a hide/show button and a picture (bottom).
    CreationInputs textIn;
    textIn.textLines = {"ZEVA: geometría dinámica", "un elemento de cada clase"};
    textIn.textFont = {"Arial", 0xFFFFFF, 12, 1, 0, 0, 0};
    m.at(Kind::Text, {-480, -300}, nullptr, nullptr, nullptr, textIn)->style = 0x303030;
    CreationInputs buttonIn;
    buttonIn.picked = {q};
    buttonIn.buttonCaption = "Ver Q";
    Element* button =
        m.label(Kind::HideShowButton, {-200, -330}, nullptr, nullptr, nullptr, buttonIn);
    button->param2 = 0; // pressed: Q shows
    zeva::testing::inEdit(d, [&](edit::Edit& e) { edit::applyHideShowButton(e, *button); });
    const model::Picture picture = gradientPicture(64, 40);
    CreationInputs pictureIn;
    pictureIn.picture = &picture;
    m.at(Kind::Bitmap, {40, -280}, nullptr, nullptr, nullptr, pictureIn);

    d.modified = 0;
    geometry::recomputeAll(d.construction, document::contextFor(d));
}

} // namespace zeva::render::testing
