// The factory's elements as the recompute pass places them.

#include "edit/factory.h"

#include "document/document.h"
#include "geometry/recompute.h"
#include "model/units.h"
#include "tests/support/edits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::edit {
using namespace zeva::model;
namespace {

class FactoryRecompute : public ::testing::Test {
  protected:
    document::Document doc;
    settings::Options options;

    Element* make(Kind kind, Element* p1 = nullptr, Element* p2 = nullptr,
                  const CreationInputs& in = {}) {
        CreationRequest r;
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        return testing::create(doc, r, in, options);
    }
    Element* point(double x, double y) {
        CreationRequest r;
        r.x1 = x;
        r.y1 = y;
        return testing::create(doc, r, {}, options);
    }
    void recompute() { geometry::recomputeAll(doc.construction, document::contextFor(doc)); }
};

TEST_F(FactoryRecompute, HexagonVerticesSixtyDegreesApart) {
    Element* o = point(10, 20);
    Element* a = point(50, 20);
    CreationRequest r;
    r.kind = Kind(1);
    r.param1 = 6;
    r.parent1 = o;
    r.parent2 = a;
    testing::inEdit(doc, [&](Edit& e) { createRegularPolygon(e, r, options); });
    recompute();
    Element* v = a->next;
    for (int i = 1; i <= 5; ++i, v = v->next) {
        ASSERT_EQ(v->kind, Kind::RegularPolygonVertex);
        EXPECT_EQ(v->exists, 1);
        EXPECT_NEAR(v->x1, 10 + 40 * std::cos(i * kPi / 3), 1e-9) << i;
        EXPECT_NEAR(v->y1, 20 + 40 * std::sin(i * kPi / 3), 1e-9) << i;
    }
    EXPECT_EQ(v->kind, Kind::Polygon);
    EXPECT_EQ(v->exists, 1);
}

TEST_F(FactoryRecompute, NameOfAPolygonSitsWhereTheUserClicked) {
    CreationInputs square;
    square.picked = {point(0, 0), point(10, 0), point(10, 10), point(0, 10)};
    Element* poly = make(Kind::Polygon, nullptr, nullptr, square);
    recompute();
    CreationInputs click;
    click.lastClick = Point{11, 5};
    Element* name = make(Kind::Name, poly, nullptr, click);
    EXPECT_NEAR(name->y2, 1.5, 1e-9);
}

TEST_F(FactoryRecompute, TransformedSegmentIsTheImage) {
    Element* a = point(0, 0);
    Element* b = point(10, 0);
    Element* s = make(Kind::Segment, a, b);
    Element* centre = point(20, 5);
    CreationRequest r;
    r.parent1 = s;
    r.parent2 = centre;
    testing::inEdit(doc, [&](Edit& e) { createTransformedFigure(e, r, Kind::CentralSymmetry, options); });
    recompute();
    Element* image = doc.construction.lastElement;
    ASSERT_EQ(image->kind, Kind::Segment);
    EXPECT_EQ(image->exists, 1);
    EXPECT_NEAR(image->x1, 40, 1e-9);
    EXPECT_NEAR(image->y1, 10, 1e-9);
    EXPECT_NEAR(image->x2, 30, 1e-9);
    EXPECT_NEAR(image->y2, 10, 1e-9);
}

} // namespace
} // namespace zeva::edit

#include "expr/calculator.h"
#include "tests/support/edits.h"

namespace zeva::edit {
using namespace zeva::model;
namespace {

TEST_F(FactoryRecompute, CalculationFromTheCalculator) {
    Element* a = point(0, 0);
    Element* b = point(80, 0);
    Element* length = make(Kind::DistancePointPoint, a, b);
    recompute();
    expr::CalculatorInput input;
    input.text = "a*a";
    input.operands = {length};
    const auto compiled = expr::compileCalculatorInput(input);
    ASSERT_TRUE(compiled.has_value());
    Element* calc =
        make(Kind::Calculation, nullptr, nullptr, inputsFor(*compiled, Kind::Calculation));
    EXPECT_EQ(calc->param1, 100);
    EXPECT_EQ(calc->dimension, compiled->dimension);
    EXPECT_EQ(calc->expression().refs, (std::vector<Element*>{length}));
    recompute();
    EXPECT_EQ(calc->param1, 100);
    EXPECT_NEAR(calc->x1, 4.0, 1e-12); // 80 pixels at 40 per centimetre, squared
}

} // namespace
} // namespace zeva::edit
