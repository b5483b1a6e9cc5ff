#include "edit/factory.h"

#include "document/document.h"
#include "model/units.h"
#include "settings/text_table.h"
#include "edit/hide_show.h"
#include "tests/support/edits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zeva::edit {
using namespace zeva::model;
namespace {

using C = ElementClass;

class Factory : public ::testing::Test {
  protected:
    document::Document doc;
    settings::Options options;
    CreationRequest request;

    Element* make(Kind kind, Element* p1 = nullptr, Element* p2 = nullptr, Element* p3 = nullptr,
                  const CreationInputs& in = {}) {
        request.kind = kind;
        request.parent1 = p1;
        request.parent2 = p2;
        request.parent3 = p3;
        return testing::create(doc, request, in, options);
    }
    Element* point(double x, double y) {
        request.x1 = x;
        request.y1 = y;
        return make(Kind::FreePoint);
    }
    std::vector<Element*> list() const {
        std::vector<Element*> v;
        for (Element* e : doc.construction)
            v.push_back(e);
        return v;
    }
};

TEST_F(Factory, NewPointTakesTheOptionDefaults) {
    Element* a = point(3, 4);
    EXPECT_EQ(a->color, 255);
    EXPECT_EQ(a->style, 1);
    EXPECT_EQ(a->decimals, 2);
    EXPECT_EQ(a->exists, 1);
    EXPECT_EQ(a->visible, 1);
    EXPECT_EQ(a->param1, -1);
    EXPECT_EQ(a->param2, 0);
    EXPECT_EQ(a->font, nullptr);
    EXPECT_EQ(a->x1, 3);
    EXPECT_EQ(a->y1, 4);
    EXPECT_EQ(doc.modified, 1);
    EXPECT_EQ(doc.construction.elements, a);
    EXPECT_EQ(doc.construction.lastElement, a);
    Element* b = point(0, 0);
    EXPECT_EQ(a->next, b);
    EXPECT_EQ(doc.construction.lastElement, b);
    EXPECT_EQ(b->next, nullptr);
}

TEST_F(Factory, RequestIsResetAfterEveryCreation) {
    Element* a = point(1, 2);
    request.kind = Kind::Segment;
    request.parent1 = a;
    request.parent2 = a;
    request.parent3 = a;
    request.x2 = 5;
    request.y2 = 6;
    request.param1 = 7;
    request.param2 = 8;
    request.style = 3;
    testing::create(doc, request, {}, options);
    EXPECT_EQ(request.kind, Kind::Segment);
    EXPECT_EQ(request.parent1, nullptr);
    EXPECT_EQ(request.parent2, nullptr);
    EXPECT_EQ(request.parent3, nullptr);
    EXPECT_EQ(request.x1, 0);
    EXPECT_EQ(request.y1, 0);
    EXPECT_EQ(request.x2, 0);
    EXPECT_EQ(request.y2, 0);
    EXPECT_EQ(request.param1, -1);
    EXPECT_EQ(request.style, -1);
}

TEST_F(Factory, CurrentColourAndClassOptions) {
    options.classColor[toInt(C::Circle)] = 0x123456;
    options.classStyle[toInt(C::Circle)] = 3;
    Element* a = point(0, 0);
    Element* c = make(Kind::CircleByCentre, a);
    EXPECT_EQ(c->color, 0x123456);
    EXPECT_EQ(c->style, 3);
    options.useCurrentColor = 1;
    options.currentColor = 0x00FF00;
    EXPECT_EQ(make(Kind::CircleByCentre, a)->color, 0x00FF00);
    EXPECT_EQ(point(0, 0)->color, 0x00FF00);
}

TEST_F(Factory, MeasurementTakesTheNumbersFontEvenWithTheCurrentColour) {
    options.useCurrentColor = 1;
    options.currentColor = 0x0000FF;
    options.numbersFont.color = 0x445566;
    Element* a = point(0, 0);
    Element* b = point(1, 0);
    Element* m = make(Kind::DistancePointPoint, a, b);
    EXPECT_EQ(m->color, 0x445566);
    EXPECT_EQ(m->param1, 100);
    EXPECT_EQ(m->param2, 100);
    EXPECT_EQ(m->style, -1);
    EXPECT_EQ(m->dimension, 1);
    ASSERT_NE(m->font, nullptr);
    EXPECT_EQ(*m->font, options.numbersFont);
}

TEST_F(Factory, FontsComeFromTheNamesOrNumbersFont) {
    Element* a = point(0, 0);
    Element* n = make(Kind::Name, a);
    ASSERT_NE(n->font, nullptr);
    EXPECT_EQ(*n->font, (ElementFont{"Arial", 0x00FF00, 10, 0, 0, 0, 0}));
    EXPECT_EQ(n->color, 0x00FF00);
    Element* m = make(Kind::SegmentLength, a);
    EXPECT_EQ(*m->font, (ElementFont{"Arial", 0xC0C0C0, 12, 0, 0, 0, 0}));
    // Every class that shows text gets a font; a Texto keeps its own text style instead.
    for (int k = 0; k < kKindCount; ++k) {
        if (isSubElementKind(Kind(k))) continue;
        document::Document d;
        CreationRequest r;
        r.kind = Kind(k);
        Element* e = testing::create(d, r, {}, options);
        ASSERT_NE(e, nullptr) << k;
        EXPECT_EQ(e->font != nullptr, carriesFont(classOf(Kind(k)))) << k;
    }
}

TEST_F(Factory, PolygonSidesJoinConsecutiveVertices) {
    Element* a = point(0, 0);
    Element* b = point(1, 0);
    Element* c = point(1, 1);
    Element* d = point(0, 1);
    options.classColor[toInt(C::Polygon)] = 0x111111;
    options.classStyle[toInt(C::Polygon)] = 2;
    CreationInputs in;
    in.picked = {a, b, c, d};
    request.param1 = 0x00FF00; // fill colour
    Element* poly = make(Kind::Polygon, nullptr, nullptr, nullptr, in);
    EXPECT_EQ(poly->param1, 0x00FF00);
    const auto& sides = poly->polygon().sides;
    ASSERT_EQ(sides.size(), 4u);
    const Element* ends[4][2] = {{a, b}, {b, c}, {c, d}, {d, a}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(sides[i]->kind, Kind::PolygonSide);
        EXPECT_EQ(sides[i]->parent1, ends[i][0]) << i;
        EXPECT_EQ(sides[i]->parent2, ends[i][1]) << i;
        EXPECT_EQ(sides[i]->parent3, poly);
        EXPECT_EQ(sides[i]->color, 0x111111);
        EXPECT_EQ(sides[i]->style, 2);
        EXPECT_EQ(sides[i]->label, nullptr);
        EXPECT_EQ(sides[i]->colorSource, nullptr);
    }
    EXPECT_EQ(doc.construction.lastElement, poly);
}

TEST_F(Factory, RegularHexagon) {
    Element* o = point(0, 0);
    Element* a = point(40, 0);
    request.kind = Kind(1); // one turn, counter-clockwise
    request.param1 = 6;
    request.parent1 = o;
    request.parent2 = a;
    testing::inEdit(doc, [&](Edit& e) { createRegularPolygon(e, request, options); });
    EXPECT_EQ(request.parent1, nullptr);
    const auto all = list();
    ASSERT_EQ(all.size(), 2u + 5u + 1u);
    for (int i = 1; i <= 5; ++i) {
        const Element* v = all[1 + i];
        EXPECT_EQ(v->kind, Kind::RegularPolygonVertex);
        EXPECT_EQ(v->parent1, o);
        EXPECT_EQ(v->parent2, a);
        EXPECT_NEAR(v->y2, i * kPi / 3.0, 1e-12);
        EXPECT_EQ(v->color, 255);
    }
    const Element* hexagon = all.back();
    ASSERT_EQ(hexagon->kind, Kind::Polygon);
    const auto& sides = hexagon->polygon().sides;
    ASSERT_EQ(sides.size(), 6u);
    EXPECT_EQ(sides[0]->parent1, a);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(sides[i]->parent1, all[1 + i]);
    EXPECT_EQ(sides[5]->parent2, a);
}

TEST_F(Factory, StarPolygonTurnsBackwards) {
    Element* o = point(0, 0);
    Element* a = point(40, 0);
    request.kind = Kind(-2);
    request.param1 = 5;
    request.parent1 = o;
    request.parent2 = a;
    testing::inEdit(doc, [&](Edit& e) { createRegularPolygon(e, request, options); });
    const auto all = list();
    ASSERT_EQ(all.size(), 2u + 4u + 1u);
    EXPECT_NEAR(all[2]->y2, -4.0 * kPi / 5.0, 1e-12);
    EXPECT_NEAR(all[5]->y2, -16.0 * kPi / 5.0, 1e-12);
}

TEST_F(Factory, RegularPolygonNeedsThreeSides) {
    Element* o = point(0, 0);
    for (int n : {0, 2, -4}) {
        request.kind = Kind(1);
        request.param1 = n;
        request.parent1 = o;
        request.parent2 = o;
        testing::inEdit(doc, [&](Edit& e) { createRegularPolygon(e, request, options); });
    }
    EXPECT_EQ(list().size(), 1u);
}

TEST_F(Factory, NameOfASegmentSitsInTheMiddle) {
    Element* a = point(0, 0);
    Element* b = point(10, 0);
    Element* s = make(Kind::Segment, a, b);
    CreationInputs in;
    in.lastClick = Point{2, 3};
    in.nameText = "s";
    Element* n = make(Kind::Name, s, nullptr, nullptr, in);
    EXPECT_EQ(s->label, n);
    EXPECT_EQ(n->param1, 1);
    EXPECT_EQ(n->y2, 0.5);
    EXPECT_EQ(n->name().text, "s");
    EXPECT_EQ(n->style, -1);
}

TEST_F(Factory, NameOfAPointSitsAtOffsetFour) {
    Element* a = point(5, 6);
    Element* n = make(Kind::Name, a);
    EXPECT_EQ(n->name().dx, 4.0);
    EXPECT_EQ(n->name().dy, 4.0);
    EXPECT_EQ(n->param1, 1);
}

TEST_F(Factory, NameOfALineFollowsTheClick) {
    Element* a = point(0, 0);
    Element* b = point(3, 4);
    Element* l = make(Kind::LineThroughTwoPoints, a, b);
    l->x1 = 0, l->y1 = 0, l->x2 = 3, l->y2 = 4;
    CreationInputs in;
    in.lastClick = Point{-6, -8};
    EXPECT_NEAR(make(Kind::Name, l, nullptr, nullptr, in)->y2, -10.0, 1e-12);
    Element* c = make(Kind::CircleByCentre, a);
    in.lastClick = Point{0, 7};
    EXPECT_NEAR(make(Kind::Name, c, nullptr, nullptr, in)->y2, kPi / 2, 1e-12);
}

TEST_F(Factory, NamesOfNumbersAndSomeKindsStartHidden) {
    Element* a = point(0, 0);
    Element* b = point(1, 1);
    Element* axes = make(Kind::Axes, a);
    EXPECT_EQ(make(Kind::Name, make(Kind::SegmentLength, a))->param1, 0);
    EXPECT_EQ(make(Kind::Name, axes)->param1, 0);
    EXPECT_EQ(make(Kind::Name, make(Kind::Grid, axes))->param1, 0);
    EXPECT_EQ(make(Kind::Name, make(Kind::FunctionGraph))->param1, 0);
    Element* on = make(Kind::PointOnElement, make(Kind::Segment, a, b));
    EXPECT_EQ(make(Kind::Name, make(Kind::Locus, b, on))->param1, 1);
    Element* line = make(Kind::LineThroughTwoPoints, a, b);
    EXPECT_EQ(make(Kind::Name, make(Kind::Locus, line, on))->param1, 0);
    Element* gridPoint = make(Kind::GridPoint);
    EXPECT_EQ(make(Kind::Name, make(Kind::Locus, b, gridPoint))->param1, 0);
    EXPECT_EQ(make(Kind::Name, make(Kind::Angle, a, b, a))->param1, 1);
}

TEST_F(Factory, LocusCapacityAndColourFollowTheTracedElement) {
    options.locusPoints = 123;
    Element* a = point(0, 0);
    Element* b = point(1, 1);
    Element* on = make(Kind::PointOnElement, make(Kind::Segment, a, b));
    EXPECT_EQ(make(Kind::Locus, b, on)->samples().capacity, 123);
    Element* line = make(Kind::LineThroughTwoPoints, a, b);
    Element* lineLocus = make(Kind::Locus, line, on);
    EXPECT_EQ(lineLocus->samples().capacity, 50);
    EXPECT_EQ(make(Kind::Locus, lineLocus, on)->samples().capacity, 30);
    EXPECT_EQ(lineLocus->color, 0xC08000);
    Element* gridPoint = make(Kind::GridPoint);
    options.classColor[toInt(C::Point)] = 0x0A0B0C;
    options.classStyle[toInt(C::Point)] = 4;
    Element* gridLocus = make(Kind::Locus, b, gridPoint);
    EXPECT_EQ(gridLocus->color, 0x0A0B0C);
    EXPECT_EQ(gridLocus->style, 4);
}

TEST_F(Factory, TableRecordsItsFirstColumn) {
    Element* a = point(0, 0);
    Element* valid = make(Kind::SegmentLength, a);
    valid->x1 = 2.5;
    Element* invalid = make(Kind::Slope, a);
    invalid->param1 = -100;
    CreationInputs in;
    in.picked = {valid, invalid};
    Element* t = make(Kind::Table, nullptr, nullptr, nullptr, in);
    EXPECT_EQ(t->param1, -100);
    EXPECT_EQ(t->table().columnCount, 1);
    ASSERT_EQ(t->table().rows.size(), 2u);
    EXPECT_EQ(t->table().cells.size(), 2u * kTableMaxColumns);
    EXPECT_EQ(t->table().cell(0, 0), 2.5);
    EXPECT_EQ(t->table().cell(1, 0), std::numeric_limits<double>::infinity());
}

TEST_F(Factory, ParameterRangeIsTruncatedTowardsZero) {
    CreationInputs in;
    in.parameterValue = 3.7;
    Element* p = make(Kind::Parameter, nullptr, nullptr, nullptr, in);
    EXPECT_EQ(p->x1, 3.7);
    EXPECT_EQ(p->parameter().minimum, -6.0);
    EXPECT_EQ(p->parameter().maximum, 13.0);
    EXPECT_EQ(p->param1, 100);
    in.parameterValue = -3.7;
    p = make(Kind::Parameter, nullptr, nullptr, nullptr, in);
    EXPECT_EQ(p->parameter().minimum, -13.0);
    EXPECT_EQ(p->parameter().maximum, 6.0);
}

TEST_F(Factory, CalculationKeepsTheCalculatorsLists) {
    Element* a = point(0, 0);
    Element* m = make(Kind::SegmentLength, a);
    Element* q = make(Kind::Parameter);
    CreationInputs in;
    in.measurements = {m};
    in.parameters = {q};
    in.formula = "A+B";
    in.code = {1, 2, 3};
    in.constants = {0.5};
    request.param1 = 100;
    request.kind = Kind::Calculation;
    // What the factory stored, before the commit evaluates the (made-up) code.
    testing::inEdit(doc, [&](Edit& e) {
        Element* c = createElement(e, request, in, options);
        const ExpressionTail& t = c->expression();
        EXPECT_EQ(t.refs, (std::vector<Element*>{m, q}));
        EXPECT_EQ(t.measureCount, 1);
        EXPECT_EQ(t.expression, "A+B");
        EXPECT_EQ(t.code, in.code);
        EXPECT_EQ(t.constants, in.constants);
        EXPECT_EQ(c->param1, 100);
        EXPECT_EQ(c->color, 0xC0C0C0);
    });
}

TEST_F(Factory, AxesAndCoordinatesBuildTheirParts) {
    Element* o = point(0, 0);
    options.classColor[toInt(C::Axes)] = 0x0F0F0F;
    Element* axes = make(Kind::Axes, o);
    EXPECT_EQ(axes->axes().unitX, 40.0);
    for (Element* axis : {axes->axes().axisX.get(), axes->axes().axisY.get()}) {
        ASSERT_NE(axis, nullptr);
        EXPECT_EQ(axis->parent1, o);
        EXPECT_EQ(axis->parent2, axes);
        EXPECT_EQ(axis->color, 0x0F0F0F);
    }
    EXPECT_EQ(axes->axes().axisX->kind, Kind::AxisX);
    EXPECT_EQ(axes->axes().axisY->kind, Kind::AxisY);

    doc.units.coordSystem = model::CoordinateSystem::Polar;
    Element* k = make(Kind::Coordinates, o, axes);
    EXPECT_EQ(k->param1, -100);
    EXPECT_EQ(k->param2, 100);
    EXPECT_EQ(k->x1, 5.0);
    EXPECT_NEAR(k->y1, 7 * kPi / 4, 1e-15);
    for (Element* part : {k->coordinates().xPart.get(), k->coordinates().yPart.get()}) {
        EXPECT_EQ(part->parent1, o);
        EXPECT_EQ(part->parent2, k);
        EXPECT_EQ(part->param1, 100);
        EXPECT_EQ(part->color, k->color);
    }
    doc.units.coordSystem = model::CoordinateSystem::Rectangular;
    EXPECT_EQ(make(Kind::Coordinates, o, axes)->param1, 100);
}

TEST_F(Factory, HideShowButtonIsAppliedOnce) {
    Element* a = point(0, 0);
    Element* b = point(1, 0);
    Element* name = make(Kind::Name, a);
    b->visible = 0;
    CreationInputs in;
    in.picked = {a, b};
    in.buttonCaption = "ver";
    Element* button = make(Kind::HideShowButton, nullptr, nullptr, nullptr, in);
    EXPECT_EQ(button->button().caption, "ver");
    EXPECT_EQ(button->button().targetStates, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(button->color, 0);
    EXPECT_EQ(button->style, 0xC0C0C0);
    EXPECT_EQ(button->param2, 1);
    EXPECT_EQ(a->visible, 0);
    EXPECT_EQ(name->visible, 0);
    button->param2 = 0;
    testing::inEdit(doc, [&](Edit& e) { applyHideShowButton(e, *button); });
    EXPECT_EQ(a->visible, 1);
    EXPECT_EQ(name->visible, 1);
    EXPECT_EQ(b->visible, 0);
}

TEST_F(Factory, FixedLookKinds) {
    Element* o = point(0, 0);
    Element* axes = make(Kind::Axes, o);
    Element* grid = make(Kind::Grid, axes);
    EXPECT_EQ(grid->color, 0xC08000);
    EXPECT_EQ(grid->style, 1);
    options.classColor[toInt(C::Circle)] = 0x222222;
    CreationInputs in;
    in.picked = {o, o, o, o, o};
    Element* conic = make(Kind::Conic, nullptr, nullptr, nullptr, in);
    EXPECT_EQ(conic->color, 0x222222);
    EXPECT_EQ(conic->conic().points[4], o);
    Element* angle = make(Kind::Angle, o, o, o);
    EXPECT_EQ(angle->y1, 0.13);
    Element* s = make(Kind::Segment, o, o);
    Picture pic{{1, 2, 3}};
    in.picture = &pic;
    Element* bitmap = make(Kind::Bitmap, s, nullptr, nullptr, in);
    EXPECT_EQ(bitmap->bitmap().picture, pic);
    EXPECT_EQ(bitmap->param1, 1);
    EXPECT_EQ(bitmap->style, -1);
    EXPECT_EQ(make(Kind::Bitmap)->param1, 0);
    Element* check = make(Kind::CollinearityChecker, o, o, o);
    EXPECT_EQ(check->checker().trueText, "alineados");
    EXPECT_EQ(check->checker().falseText, "no alineados");
    in.textLines = {"uno", "dos"};
    in.textFont = {"Courier", 0x00AA00, 9, 0, 0, 0, 0};
    Element* text = make(Kind::Text, nullptr, nullptr, nullptr, in);
    EXPECT_EQ(text->param1, 2);
    EXPECT_EQ(text->color, 0x00AA00);
    EXPECT_EQ(text->text().textFont, in.textFont);
}

TEST_F(Factory, IntersectionKeepsItsCrossingIndexOnlyForLoci) {
    Element* a = point(0, 0);
    request.param1 = 42;
    request.param2 = 3;
    EXPECT_EQ(make(Kind::Intersection, a, a)->param2, 3);
    request.param1 = 6;
    request.param2 = 111;
    EXPECT_EQ(make(Kind::Intersection, a, a)->param2, 0);
}

TEST_F(Factory, SubElementKindsAreNotMadeAlone) {
    for (Kind k : {Kind::PolygonSide, Kind::AxisX, Kind::AxisY, Kind::CoordinateX,
                   Kind::CoordinateY, Kind(68), Kind(-1)}) {
        request.kind = k;
        EXPECT_EQ(testing::create(doc, request, {}, options), nullptr);
    }
    EXPECT_TRUE(doc.construction.empty());
    EXPECT_EQ(doc.modified, 0);
}

TEST_F(Factory, AxesAreMadeOnlyWhenAskedAndMissing) {
    doc.viewLeft = -100;
    doc.viewRight = 300;
    doc.viewTop = 50;
    doc.viewBottom = -150;
    EXPECT_EQ(doc.construction.findAxes().count, 0);
    EXPECT_TRUE(doc.construction.empty());
    const auto made = testing::inEdit(doc, [&](Edit& e) { return findOrCreateAxes(e, options); });
    ASSERT_EQ(made.count, 1);
    ASSERT_NE(made.axes, nullptr);
    EXPECT_EQ(made.axes->kind, Kind::Axes);
    Element* origin = made.axes->parent1;
    ASSERT_NE(origin, nullptr);
    EXPECT_EQ(origin->kind, Kind::FreePoint);
    EXPECT_EQ(origin->visible, 0);
    EXPECT_EQ(origin->x1, 100);
    EXPECT_EQ(origin->y1, -50);
    const auto again = testing::inEdit(doc, [&](Edit& e) { return findOrCreateAxes(e, options); });
    EXPECT_EQ(again.axes, made.axes);
    EXPECT_EQ(list().size(), 2u);
}

} // namespace
} // namespace zeva::edit
