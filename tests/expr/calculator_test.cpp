#include "expr/calculation.h"
#include "expr/calculator.h"
#include "expr/display_text.h"
#include "expr/parameter.h"
#include "expr/tokens.h"
#include "expression_fixture.h"
#include "model/construction.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::expr {
namespace {

using model::Kind;
using testing::Elements;

// ---- the dialog's evaluate step ----

struct OutcomeCase {
    const char* name;
    Kind kind;
    const char* text;
    int functionType;
    bool operandHasValue;
    CalculatorStatus status;
    const char* resultText;
};

class EvaluateCalculatorTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(EvaluateCalculatorTest, StatusAndResultText) {
    const OutcomeCase& c = GetParam();
    Elements els;
    auto* a = els.number(1.5, 1);
    if (!c.operandHasValue) a->param1 = -100;
    CalculatorInput in{c.text, {a}, {}, c.functionType};
    const CalculatorOutcome out = evaluateCalculator(c.kind, in, model::AngleUnit::Radian);
    EXPECT_EQ(out.status, c.status);
    EXPECT_EQ(out.resultText, c.resultText);
    EXPECT_EQ(out.compiled.has_value(), c.status == CalculatorStatus::Ready);
}

const std::string kLong(101, '1');

INSTANTIATE_TEST_SUITE_P(
    Outcomes, EvaluateCalculatorTest,
    ::testing::Values(
        OutcomeCase{"calc", Kind::Calculation, " a*2 ", 0, true, CalculatorStatus::Ready, "3.0000"},
        OutcomeCase{"calcNoValue", Kind::Calculation, "a*2", 0, false, CalculatorStatus::Ready,
                    "no existente"},
        OutcomeCase{"calcFails", Kind::Calculation, "1/(a-a)", 0, true, CalculatorStatus::Ready,
                    "no existente"},
        OutcomeCase{"param", Kind::Parameter, "a+pi", 0, true, CalculatorStatus::Ready, "4.6416"},
        OutcomeCase{"paramNoValue", Kind::Parameter, "a", 0, false, CalculatorStatus::Invalid, ""},
        OutcomeCase{"function", Kind::Function, "a*x^2", 1, true, CalculatorStatus::Ready,
                    "f(x)=a*x^2"},
        OutcomeCase{"polar", Kind::Function, "2*w", 3, false, CalculatorStatus::Ready, "f(w)=2*w"},
        OutcomeCase{"wrongVariable", Kind::Function, "2*x", 2, true, CalculatorStatus::Invalid, ""},
        OutcomeCase{"xInCalc", Kind::Calculation, "x", 1, true, CalculatorStatus::Invalid, ""},
        OutcomeCase{"letterNotPicked", Kind::Calculation, "b", 0, true, CalculatorStatus::Invalid,
                    ""},
        OutcomeCase{"empty", Kind::Calculation, "   ", 0, true, CalculatorStatus::Empty, ""},
        OutcomeCase{"tooLong", Kind::Calculation, kLong.c_str(), 0, true, CalculatorStatus::TooLong,
                    ""}),
    [](const ::testing::TestParamInfo<OutcomeCase>& info) { return std::string(info.param.name); });

TEST(CompileCalculatorInputTest, CarriesReferencesValuesAndDimension) {
    Elements els;
    auto* a = els.number(2.0, 1);
    auto* b = els.number(3.0, 1);
    auto* f = els.expression("x+1", {}, {}, kYofX);
    const auto c = compileCalculatorInput({"a*b+f1(0)", {a, b}, {f}, 0});
    ASSERT_TRUE(c);
    EXPECT_EQ(c->dimension, 0); // area + pure number
    EXPECT_EQ(c->valueTable.size(), 1u + 2 + 1 + 1);
    EXPECT_EQ(c->valueTable[1], 2.0);
    EXPECT_EQ(evaluateCompiled(*c, model::AngleUnit::Radian), 7.0);
    const auto area = compileCalculatorInput({"a*b", {a, b}, {}, 0});
    EXPECT_EQ(area->dimension, 2);
    std::vector<model::Element*> tooMany(23, a);
    EXPECT_FALSE(compileCalculatorInput({"a", tooMany, {}, 0}));
}

// ---- texts ----

TEST(DisplayTextTest, OperandLettersStandingAloneTakeTheirNames) {
    Elements els;
    auto* a = els.number(1.0);
    auto* b = els.number(2.0);
    auto name = model::makeElement(Kind::Name);
    name->name().text = "AB";
    a->label = els.keep(std::move(name));
    auto* calc = els.expression("a * (b+A) / sin(a)+ab", {a, b});
    EXPECT_EQ(expressionDisplayText(*calc), "AB\u00b7(b+AB)/sin(AB)+ab");
    EXPECT_EQ(expressionDescription(*calc), expressionDisplayText(*calc));
    auto* f = els.expression("a*x", {a}, {}, kYofX);
    EXPECT_EQ(expressionDescription(*f), "y = AB\u00b7x");
    EXPECT_EQ(functionLabelText(*f), "f(x)=AB\u00b7x");
}

TEST(DisplayTextTest, CheckerShowsTheTextOfItsResult) {
    auto checker = model::makeElement(Kind::ParallelChecker);
    checker->checker().trueText = "paralelos";
    checker->checker().falseText = "no paralelos";
    checker->param1 = 1;
    EXPECT_EQ(checkerText(*checker), "paralelos");
    checker->param1 = 0;
    EXPECT_EQ(checkerText(*checker), "no paralelos");
}

// ---- parameters ----

TEST(ParameterTest, RangeOfANewParameter) {
    auto p = model::makeElement(Kind::Parameter);
    initParameter(*p, 3.7);
    EXPECT_EQ(p->x1, 3.7);
    EXPECT_EQ(p->param1, 100);
    EXPECT_EQ(p->parameter().minimum, -6.0);
    EXPECT_EQ(p->parameter().maximum, 13.0);
    const auto negative = parameterRangeFor(-3.7);
    EXPECT_EQ(negative.minimum, -13.0);
    EXPECT_EQ(negative.maximum, 6.0);
}

TEST(ParameterTest, TrackBar) {
    EXPECT_EQ(valueAtTrackBar(500, 0, 10), 5.0);
    EXPECT_EQ(trackBarPosition(5.0, 0, 10), 500);
    EXPECT_EQ(trackBarPosition(10.0, 0, 10), 1000);
    EXPECT_EQ(trackBarPosition(3.0, 3, 3), 0);
    EXPECT_EQ(trackBarPosition(11.0, 0, 10), std::nullopt);
    EXPECT_EQ(trackBarPosition(1.0, 10, 0), std::nullopt);
    EXPECT_EQ(trackBarPosition(0.0, -INFINITY, INFINITY), std::nullopt);
}

} // namespace
} // namespace zeva::expr
