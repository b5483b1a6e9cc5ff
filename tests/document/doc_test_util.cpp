#include "doc_test_util.h"

#include <fstream>
#include <iterator>
#include <limits>

namespace zeva::document::testing {

std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace zeva::document::testing

namespace zeva::document::testing {

Document sampleDocument() {
    Document d;
    d.units.backgroundColor = 0x00FFEEDD;
    d.units.lengthUnit = model::LengthUnit::Metre;
    d.units.angleUnit = model::AngleUnit::Degree;
    d.units.pixelsPerUnit = 55;
    d.units.coordSystem = model::CoordinateSystem::Polar;
    d.viewLeft = -512.25;
    d.viewTop = 384.5;
    model::Construction& c = d.construction;

    Element* a = addPoint(c, 0, 0);
    Element* b = addPoint(c, 80, 0);
    Element* p3 = addPoint(c, 40, 60);
    Element* ab = add(c, Kind::Segment, a, b);
    ab->style = 3;
    ab->color = 0xFF0000;
    Element* tri = addPolygon(c, {a, b, p3});
    tri->param1 = 0x00AA00;
    tri->color = 0x123456;
    tri->style = 2;
    Element* circle = add(c, Kind::CircleByCentreAndPoint, a, b);
    circle->param1 = -1;
    Element* origin = addPoint(c, 0, 0);
    origin->visible = 0;
    Element* axes = addAxes(c, origin);
    axes->axes().unitX = 40;
    axes->axes().unitY = 20;
    axes->color = 0x808080;
    Element* coords = addCoordinates(c, p3, axes);
    coords->param1 = 100;
    coords->param2 = 100;
    Element* equation = add(c, Kind::LineEquation, ab, axes);
    equation->equation().labelParam = 0.25;
    equation->equation().text = "y = 0.00";
    Element* dist = add(c, Kind::DistancePointPoint, a, b);
    dist->param1 = 100;
    dist->param2 = 100;
    dist->dimension = 1;
    dist->decimals = 4;
    dist->x1 = 2;
    dist->font->name = "Times New Roman";
    dist->font->bold = 1;
    dist->font->size = 14;
    Element* param = add(c, Kind::Parameter);
    param->x1 = 3;
    param->param1 = 100;
    param->parameter().minimum = -7;
    param->parameter().maximum = 13;
    ab->colorSource = param; // a colour source after the element it colours
    ab->colorMode = 2;
    Element* calc = add(c, Kind::Calculation);
    calc->param1 = 100;
    calc->expression().expression = "a*b+2.5";
    calc->expression().code = {-1, -2, 3, -3, 1, 0};
    calc->expression().constants = {0.0, 0.0, 0.0, 2.5};
    calc->expression().refs = {dist, param};
    calc->expression().measureCount = 2;
    Element* fn = add(c, Kind::Function);
    fn->param1 = 1;
    fn->expression().expression = "x*a";
    fn->expression().code = {-1001, -1, 3, 0};
    fn->expression().refs = {param};
    fn->expression().measureCount = 1;
    Element* graph = add(c, Kind::FunctionGraph, fn, axes);
    Element* calc2 = add(c, Kind::Calculation);
    calc2->expression().expression = "f1(a)";
    calc2->expression().refs = {dist, fn};
    calc2->expression().measureCount = 1;
    Element* table = add(c, Kind::Table);
    table->param1 = -100;
    auto& t = table->table();
    t.rows = {dist, param};
    t.columnCount = 3;
    t.cells.assign(2 * model::kTableMaxColumns, 0.0);
    t.cell(0, 0) = 1.5;
    t.cell(0, 2) = std::numeric_limits<double>::infinity();
    t.cell(1, 1) = -4.25;
    Element* text = add(c, Kind::Text);
    text->text().lines = {"Hola", "\xC3\xB1"
                                  "and\xC3\xBA \xE2\x82\xAC"}; // "ñandú €"
    text->param1 = 2;
    text->text().textFont = {"Courier New", 0x0000FF, 12, 0, 1, 1, 0};
    text->style = -1;
    Element* name = add(c, Kind::Name, a);
    name->name().text = "A";
    name->name().dx = 4;
    name->name().dy = 4;
    name->param1 = 1;
    a->label = name;
    Element* checker = add(c, Kind::MembershipChecker, p3, circle);
    checker->checker().trueText = "pertenece";
    checker->checker().falseText = "no pertenece";
    checker->param1 = 0;
    Element* d4 = addPoint(c, -30, 10);
    Element* d5 = addPoint(c, 20, -40);
    Element* conic = add(c, Kind::Conic);
    conic->conic().points = {a, b, p3, d4, d5};
    Element* button = add(c, Kind::HideShowButton);
    button->button().caption = "Ver";
    button->button().targets = {ab, circle};
    button->button().targetStates = {1, 0};
    button->param2 = 1;
    button->style = 0xC0C0C0;
    Element* picture = add(c, Kind::Bitmap, ab);
    picture->param1 = 1;
    picture->bitmap().picture.bmp = {'B', 'M', 1, 2, 3, 0, 255};
    Element* onCircle = add(c, Kind::PointOnElement, circle);
    onCircle->y2 = 0.5;
    Element* mid = add(c, Kind::Midpoint, onCircle, b);
    Element* locus = add(c, Kind::Locus, mid, onCircle);
    locus->param1 = 1;
    (void)graph;
    (void)calc;
    (void)locus;

    c.traced = {mid, onCircle};
    c.animations = {{onCircle, 1, 1, 15}, {param, 0, 1, 30}};

    document::Macro m1;
    m1.name = "Punto medio";
    m1.initialClasses = {0, 0};
    m1.description = {"el punto medio", "de dos puntos"};
    auto body = model::makeElement(Kind::Midpoint);
    body->serial = 2;
    body->parent1Index = 0;
    body->parent2Index = 1;
    m1.body.append(std::move(body));
    d.macros.push_back(std::move(m1));

    document::Macro m2;
    m2.name = "Mediatriz de un segmento";
    m2.initialClasses = {3};
    auto bis = model::makeElement(Kind::PerpendicularBisector);
    bis->serial = 3;
    bis->parent1Index = 1;
    bis->parent2Index = 2;
    m2.body.append(std::move(bis));
    auto len = model::makeElement(Kind::SegmentLength);
    len->serial = 4;
    len->parent1Index = 0;
    len->font = std::make_unique<model::ElementFont>();
    len->visible = 100;
    m2.body.append(std::move(len));
    d.macros.push_back(std::move(m2));
    return d;
}

} // namespace zeva::document::testing
