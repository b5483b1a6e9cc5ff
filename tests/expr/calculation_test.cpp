#include "expr/calculation.h"
#include "expr/dimension.h"
#include "expression_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::expr {
namespace {

using testing::Elements;

TEST(RecomputeCalculationTest, EvaluatesOverTheOperandsCurrentValues) {
    Elements els;
    auto* a = els.number(2.0, 1);
    auto* b = els.number(3.0, 1);
    auto* calc = els.expression("a*b+1", {a, b});
    a->x1 = 5.0;
    recomputeCalculation(*calc, model::AngleUnit::Radian);
    EXPECT_EQ(calc->param1, 100);
    EXPECT_EQ(calc->x1, 16.0);
    EXPECT_EQ(calc->expression().constants[0], 16.0); // slot 0 receives the result
    EXPECT_EQ(calc->expression().constants[1], 5.0);
}

TEST(RecomputeCalculationTest, MissingValueOrFailingEvaluationGivesNoValue) {
    Elements els;
    auto* a = els.number(2.0);
    auto* b = els.number(0.0);
    auto* calc = els.expression("a/b", {a, b});
    recomputeCalculation(*calc, model::AngleUnit::Radian);
    EXPECT_EQ(calc->param1, -100);
    b->x1 = 4.0;
    recomputeCalculation(*calc, model::AngleUnit::Radian);
    EXPECT_EQ(calc->param1, 100);
    EXPECT_EQ(calc->x1, 0.5);
    a->param1 = -100; // e.g. the slope of a vertical line
    recomputeCalculation(*calc, model::AngleUnit::Radian);
    EXPECT_EQ(calc->param1, -100);
    EXPECT_EQ(calc->x1, 0.5); // the last value is kept
}

TEST(RecomputeCalculationTest, DamagedTablesNeverGiveAValue) {
    Elements els;
    auto* a = els.number(2.0);
    auto* calc = els.expression("a+1", {a});
    calc->expression().constants.resize(1); // the constant's slot is gone
    recomputeCalculation(*calc, model::AngleUnit::Radian);
    EXPECT_EQ(calc->param1, -100);
    calc->expression().constants.clear();
    recomputeCalculation(*calc, model::AngleUnit::Radian);
    EXPECT_EQ(calc->param1, -100);
}

TEST(RecomputeCalculationTest, CallsUserFunctionsAndMeasureCountFollowsTheRefs) {
    Elements els;
    auto* k = els.number(3.0);
    auto* f = els.expression("x*a", {k}, {}, 1);
    auto* calc = els.expression("f1(2)+a", {k}, {f});
    calc->expression().measureCount = 0; // as after reading a file: restored from the refs
    k->x1 = 10.0;
    recomputeCalculation(*f, model::AngleUnit::Radian);
    recomputeCalculation(*calc, model::AngleUnit::Radian);
    EXPECT_EQ(calc->expression().measureCount, 1);
    EXPECT_EQ(f->param1, 1); // a Función keeps its type
    EXPECT_EQ(calc->x1, 30.0);
}

// ---- dimension inference ----

struct DimensionCase {
    const char* text;
    std::vector<int> operandDimensions;
    int expected;
};

class DimensionTest : public ::testing::TestWithParam<DimensionCase> {};

TEST_P(DimensionTest, InfersTheResultDimension) {
    const DimensionCase& c = GetParam();
    Elements els;
    std::vector<model::Element*> operands;
    for (int d : c.operandDimensions)
        operands.push_back(els.number(2.0, d));
    auto* calc = els.expression(c.text, operands);
    ASSERT_FALSE(calc->expression().code.empty()) << c.text;
    EXPECT_EQ(inferDimension(*calc), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DimensionTest,
    ::testing::Values(DimensionCase{"a*b", {1, 1}, 2}, DimensionCase{"a+b", {1, 3}, 0},
                      DimensionCase{"a+b", {1, 1}, 1}, DimensionCase{"a-b", {2, 2}, 2},
                      DimensionCase{"2*a", {1}, 1}, DimensionCase{"a*3+b", {1, 1}, 1},
                      DimensionCase{"a/b", {1, 1}, 0}, DimensionCase{"a/b", {2, 1}, 1},
                      DimensionCase{"a/2", {3}, 3}, DimensionCase{"2/a", {1}, 0},
                      DimensionCase{"sqr(a)", {2}, 1}, DimensionCase{"sqr(a)", {1}, 0},
                      DimensionCase{"a^2", {1}, 2}, DimensionCase{"a^0.5", {2}, 1},
                      DimensionCase{"(a*b)^(1/2)", {1, 1}, 1}, DimensionCase{"a^0.3", {1}, 0},
                      DimensionCase{"a^b", {1, 1}, 0}, DimensionCase{"asin(a)", {0}, 3},
                      DimensionCase{"atan(a/b)", {1, 1}, 3}, DimensionCase{"sin(a)", {3}, 0},
                      DimensionCase{"-abs(a)", {1}, 1}, DimensionCase{"round(a)+int(b)", {3, 3}, 3},
                      DimensionCase{"a*b", {3, 3}, 0}, DimensionCase{"a", {2}, 2},
                      // A product of a length and an angle spoils the whole result.
                      DimensionCase{"a*b*c", {1, 3, 1}, 0}, DimensionCase{"a*b/b", {1, 3}, 0},
                      DimensionCase{"5", {}, 0}));

TEST(DimensionTest, UserFunctionCallsGiveTheFunctionsPair) {
    Elements els;
    auto* f = els.expression("a*x", {els.number(2.0, 1)}, {}, 1); // a length times x
    EXPECT_EQ(inferDimension(*f), 1);
    auto* calc = els.expression("f1(3)*a", {els.number(1.0, 1)}, {f});
    EXPECT_EQ(inferDimension(*calc), 2);
}

TEST(DimensionTest, DimensionsOfMeasurementKinds) {
    using model::Kind;
    EXPECT_EQ(dimensionOfKind(Kind::DistancePointPoint), 1);
    EXPECT_EQ(dimensionOfKind(Kind::PolygonPerimeter), 1);
    EXPECT_EQ(dimensionOfKind(Kind::CircleArea), 2);
    EXPECT_EQ(dimensionOfKind(Kind::PolygonArea), 2);
    EXPECT_EQ(dimensionOfKind(Kind::AngleValue), 3);
    EXPECT_EQ(dimensionOfKind(Kind::Slope), 0);
    EXPECT_EQ(dimensionOfKind(Kind::Calculation), 0);
    EXPECT_EQ(dimensionOfKind(Kind::CoordinateX), 0);
}

} // namespace
} // namespace zeva::expr
