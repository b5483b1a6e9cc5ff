// What the recompute pass leaves for the renderer besides coordinates: parametric colours,
// equation texts and the places of texts that follow their object.

#include "geometry/equation_text.h"
#include "geometry/following_label.h"
#include "geometry/parametric_color.h"
#include "geometry/recompute.h"
#include "model/units.h"
#include "tests/support/construction_builder.h"

#include <gtest/gtest.h>

#include <array>

namespace zeva::geometry {
namespace {

using model::Element;
using model::Kind;
using model::kPi;
using zeva::testing::Figure;
using zeva::testing::near;

struct HsvCase {
    double value;
    int mode;
    int32_t expected;
};

class ParametricColor : public ::testing::TestWithParam<HsvCase> {};

TEST_P(ParametricColor, FromTheSourceValue) {
    EXPECT_EQ(parametricColor(GetParam().value, true, GetParam().mode), GetParam().expected)
        << GetParam().value << " mode " << GetParam().mode;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ParametricColor,
    ::testing::Values(HsvCase{0.0, 1, 0x0000FF},   // red
                      HsvCase{2.0, 1, 0x0000FF},   // even whole numbers: t = 0
                      HsvCase{3.0, 2, 0x000000},   // odd whole numbers: t = 1, black
                      HsvCase{0.5, 2, 0x7F7F7F},   // half way to black
                      HsvCase{-0.25, 2, 0xBFBFBF}, // the fraction's size counts
                      HsvCase{0.0, 3, 0xFFFFFF},   // white at t = 0 for any hue
                      HsvCase{1.0, 3, 0x0000FF},   // mode 3: hue 0 at full saturation
                      HsvCase{1.0, -3, 0x0000FF},  // the fill takes the same hue
                      HsvCase{1.0, 100, 0xF400FF}, // mode 100: hue 302.4 (violet)
                      HsvCase{1.0, -100, 0xF400FF}));

TEST(ParametricColor, AppliedByThePassWhereTheModePutsIt) {
    Figure b;
    Element* value = b.number(0.5);
    Element* centre = b.point(0, 0);
    Element* circle = b.add(Kind::CircleByCentreAndPoint, centre, b.point(10, 0));
    circle->colorSource = value;
    circle->colorMode = -2; // the fill
    circle->param1 = -1;
    circle->color = 255;
    Element* label = b.add(Kind::DistancePointPoint, centre, centre);
    label->font = std::make_unique<model::ElementFont>();
    label->colorSource = value;
    label->colorMode = -1; // the text background
    Element* segment = b.add(Kind::Segment, centre, b.point(5, 5));
    Element* later = b.number(0.25); // a source after the element it colours
    segment->colorSource = later;
    segment->colorMode = 2;
    b.recompute();
    EXPECT_EQ(circle->param1, 0x7F7F7F);
    EXPECT_EQ(circle->color, 255);
    EXPECT_EQ(label->style, parametricColor(0.5, true, -1));
    EXPECT_EQ(segment->color, 0xBFBFBF);
    // a partial pass over the element alone also finishes with its colour
    later->x1 = 0.5;
    recomputeElements(std::vector<Element*>{segment}, b.ctx);
    EXPECT_EQ(segment->color, 0x7F7F7F);
    circle->colorMode = 1;
    value->param1 = -100; // no valid value: taken as 0
    b.recompute();
    EXPECT_EQ(circle->color, 0x0000FF);
}

struct LineCase {
    bool hasSlope;
    double a, b, c;
    const char* text;
};

class LineEquation : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineEquation, Text) {
    const LineCase& p = GetParam();
    EXPECT_EQ(lineEquationText(p.hasSlope, p.a, p.b, p.c, 2), p.text);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineEquation,
                         ::testing::Values(LineCase{true, 2, 0, 0, "y = 2.00x "},
                                           LineCase{true, 0, 3, 0, "y = 3.00"},
                                           LineCase{false, 0, 0, -1, "x = -1.00"},
                                           LineCase{true, 2, 1, 0, "y = 2.00x +1.00"},
                                           LineCase{true, -0.5, -1, 0, "y = -0.50x -1.00"},
                                           LineCase{true, 0, 0, 0, "y = 0.00"},
                                           // A tiny negative value keeps its sign.
                                           LineCase{true, 0, -0.001, 0, "y = -0.00"}));

struct CircleCase {
    double p, q, rx, ry;
    bool equal;
    const char* text;
};

class CircleEquation : public ::testing::TestWithParam<CircleCase> {};

TEST_P(CircleEquation, Text) {
    const CircleCase& c = GetParam();
    EXPECT_EQ(circleEquationText(c.p, c.q, c.rx, c.ry, c.equal, 2), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Circles, CircleEquation,
    ::testing::Values(CircleCase{2, -1, 3, 3, true, "(x-2.00)²+(y+1.00)²=3.00²"},
                      CircleCase{0, 0, 3, 3, true, "x²+y²=3.00²"},
                      CircleCase{-1.5, 0, 1, 1, true, "(x+1.50)²+y²=1.00²"},
                      CircleCase{2, -1, 3, 1.5, false, "(x-2.00)²/3.00²+(y+1.00)²/1.50²=1"},
                      CircleCase{0, 0, 3, 1.5, false, "x²/3.00²+y²/1.50²=1"}));

struct ConicCase {
    std::array<double, 6> k;
    const char* text;
};

class ConicEquation : public ::testing::TestWithParam<ConicCase> {};

TEST_P(ConicEquation, Text) {
    EXPECT_EQ(conicEquationText(GetParam().k, 2), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Conics, ConicEquation,
                         ::testing::Values(ConicCase{{1, 0, -1, 0, 0, -4}, "y² -x² -4.00 = 0"},
                                           ConicCase{{1, 0, 1, 0, 0, -9}, "y² +x² -9.00 = 0"},
                                           ConicCase{{2, 0.5, 1, -3, 1, 0},
                                                     "2.00y² +0.50xy +x² -3.00y +x  = 0"},
                                           ConicCase{{0, 1, 0, 0, 0, -1}, "+xy -1.00 = 0"},
                                           ConicCase{{-1, 0, 1e-9, 0, 0, 2}, "-y² +2.00 = 0"}));

TEST(EquationText, RebuiltByThePassWithTheElementsDecimals) {
    Figure b;
    Element* o = b.point(0, 0);
    Element* axes = b.axes(o);
    Element* line = b.add(Kind::LineThroughTwoPoints, o, b.point(40, 80));
    Element* equation = b.add(Kind::LineEquation, line, axes);
    equation->decimals = 2;
    Element* circle = b.add(Kind::CircleByCentreAndPoint, b.point(80, -40), b.point(80, 80));
    Element* circleEquation = b.add(Kind::CircleEquation, circle, axes);
    circleEquation->decimals = 2;
    b.recompute();
    EXPECT_EQ(equation->equation().text, "y = 2.00x ");
    EXPECT_EQ(circleEquation->equation().text, "(x-2.00)²+(y+1.00)²=3.00²");
    equation->decimals = 0;
    line->parent2->y1 = 120;
    b.recompute();
    EXPECT_EQ(equation->equation().text, "y = 3x ");
    // while it cannot be computed, the last text stays
    line->parent2->x1 = 0;
    line->parent2->y1 = 0;
    b.recompute();
    EXPECT_EQ(equation->exists, 0);
    EXPECT_EQ(equation->equation().text, "y = 3x ");
}

TEST(FollowingLabel, PlacedOnItsObjectFromItsRelativePosition) {
    Figure b;
    Element* a = b.point(0, 0);
    Element* c = b.point(100, 50);
    Element* distance = b.add(Kind::DistancePointPoint, a, c);
    distance->param2 = 100;
    distance->y1 = 0.25;
    Element* o = b.point(0, -100);
    Element* circle = b.add(Kind::CircleByCentreAndPoint, o, b.point(0, -60));
    Element* around = b.add(Kind::CircleLength, circle);
    around->param2 = 100;
    around->y1 = kPi / 2; // a parameter on the circle
    Element* fixed = b.add(Kind::DistancePointPoint, a, c);
    fixed->param2 = 0; // placed by hand: stays
    fixed->x2 = -7;
    fixed->y2 = -8;
    b.recompute();
    EXPECT_EQ(distance->x2, 0.0); // the pass leaves the position last shown
    for (Element* e : {distance, around, fixed})
        placeFollowingLabel(*e, b.ctx);
    EXPECT_TRUE(near(distance->secondPoint(), {25, 12.5}));
    EXPECT_TRUE(near(around->secondPoint(), {0, -60}));
    EXPECT_TRUE(near(fixed->secondPoint(), {-7, -8}));
    c->x1 = 200;
    b.recompute();
    placeFollowingLabel(*distance, b.ctx);
    EXPECT_TRUE(near(distance->secondPoint(), {50, 12.5}));
}

} // namespace
} // namespace zeva::geometry
