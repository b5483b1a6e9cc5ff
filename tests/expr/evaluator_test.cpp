#include "expr/compiler.h"
#include "expr/evaluator.h"
#include "expr/tokenizer.h"
#include "expr/tokens.h"
#include "model/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace zeva::expr {
namespace {

constexpr double kNoValue = 1e300; // marks a row whose expression must fail

struct TextCase {
    const char* text;
    double expected; // kNoValue: must fail
    int angleUnit = 0;
};

std::string describe(const TextCase& c) {
    return std::string("\"") + c.text + "\" unit " + std::to_string(c.angleUnit);
}

class EvaluateTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(EvaluateTextTest, GivesTheValueOrFails) {
    const TextCase& c = GetParam();
    const auto v = evaluateText(c.text, *model::angleUnitFromStored(c.angleUnit));
    if (c.expected == kNoValue) {
        EXPECT_FALSE(v.has_value()) << describe(c) << " gave " << v.value_or(0);
    } else {
        ASSERT_TRUE(v.has_value()) << describe(c);
        EXPECT_NEAR(*v, c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected))) << describe(c);
    }
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, EvaluateTextTest,
                         testing::Values(TextCase{"1+2*3", 7}, TextCase{"(1+2)*3", 9},
                                         TextCase{"7-2-1", 4}, TextCase{"8/2/2", 2},
                                         TextCase{" 1 + 2 ", 3}, TextCase{"3,5*2", 7},
                                         TextCase{"3.5*2", 7}, TextCase{".5+5.", 5.5},
                                         TextCase{"pi", model::kPi},
                                         TextCase{"2*Pi", 2 * model::kPi}, TextCase{"0012", 12}));

// Left-associative powers, sign scopes and bracket balancing.
INSTANTIATE_TEST_SUITE_P(
    Structure, EvaluateTextTest,
    testing::Values(TextCase{"2^3^2", 64}, TextCase{"-2^2", -4}, TextCase{"2^-1", 0.5},
                    TextCase{"(-2)^2", 4}, TextCase{"2^-1*3", 1.5}, TextCase{"2*-3", -6},
                    TextCase{"--2", 2}, TextCase{"-(2+3)*2", -10}, TextCase{"-2*3+1", -5},
                    TextCase{"(2*-3^2)*4+1", -71}, TextCase{"(1+2", 3}, TextCase{"1+2)", 3},
                    TextCase{"((2", 2}, TextCase{"sin(0)+1", 1}, TextCase{"int(2.5)^2", 4},
                    TextCase{"2^sqr(4)", 4}, TextCase{"-sqr(4)", -2}, TextCase{"abs(-3)", 3}));

INSTANTIATE_TEST_SUITE_P(Powers, EvaluateTextTest,
                         testing::Values(TextCase{"0^0", 1}, TextCase{"0^-1", kNoValue},
                                         TextCase{"(-8)^(1/3)", -2}, TextCase{"(-8)^(2/3)", 4},
                                         TextCase{"(-8)^0.25", kNoValue},
                                         TextCase{"(-32)^(1/5)", -2}, TextCase{"(-2)^3", -8},
                                         TextCase{"(-8)^(-1/3)", -0.5}, TextCase{"10^99", 1e99},
                                         TextCase{"10^100", kNoValue},
                                         TextCase{"0.1^100", kNoValue}, TextCase{"4^0.5", 2}));

INSTANTIATE_TEST_SUITE_P(Functions, EvaluateTextTest,
                         testing::Values(TextCase{"round(-2.5)", -2}, TextCase{"round(2.5)", 3},
                                         TextCase{"round(-2.6)", -3}, TextCase{"round(2.49)", 2},
                                         TextCase{"int(-2.7)", -2}, TextCase{"ceil(-2.5)", -2},
                                         TextCase{"floor(-2.5)", -3}, TextCase{"sgn(-4)", -1},
                                         TextCase{"sgn(0)", 0}, TextCase{"ln(exp(2))", 2},
                                         TextCase{"log(1000)", 3}, TextCase{"tanh(0)", 0},
                                         TextCase{"cosh(0)", 1}, TextCase{"sinh(0)", 0},
                                         TextCase{"atan(1)", model::kPi / 4},
                                         TextCase{"cos(pi)", -1}));

INSTANTIATE_TEST_SUITE_P(AngleUnits, EvaluateTextTest,
                         testing::Values(TextCase{"sin(90)", 1, 1}, TextCase{"asin(1)", 90, 1},
                                         TextCase{"asin(1)", 100, 2}, TextCase{"sin(100)", 1, 2},
                                         TextCase{"acos(0)", model::kPi / 2, 0},
                                         TextCase{"atan(1)", 45, 1}, TextCase{"cos(180)", -1, 1},
                                         TextCase{"ln(1)", 0, 1}));

// Domain and range errors never come back as a value.
INSTANTIATE_TEST_SUITE_P(
    Failures, EvaluateTextTest,
    testing::Values(TextCase{"1/0", kNoValue}, TextCase{"sqr(-1)", kNoValue},
                    TextCase{"ln(0)", kNoValue}, TextCase{"log(-1)", kNoValue},
                    TextCase{"asin(2)", kNoValue}, TextCase{"acos(-1.5)", kNoValue},
                    TextCase{"exp(1000)", kNoValue}, TextCase{"sinh(1000)", kNoValue},
                    TextCase{"cosh(-1000)", kNoValue},
                    TextCase{"exp(709)+exp(709)+exp(709)", kNoValue},
                    TextCase{"sgn(exp(710))", kNoValue}, TextCase{"1/(exp(710))", kNoValue},
                    TextCase{"10^60*10^60", kNoValue}, TextCase{"10^60/10^-60", kNoValue},
                    TextCase{"10^50*10^49", 1e99}, TextCase{"0*10^99", 0}));

// Texts that do not compile.
INSTANTIATE_TEST_SUITE_P(
    Invalid, EvaluateTextTest,
    testing::Values(TextCase{"", kNoValue}, TextCase{"   ", kNoValue}, TextCase{"1e5", kNoValue},
                    TextCase{"AB", kNoValue}, TextCase{"A", kNoValue}, TextCase{"x", kNoValue},
                    TextCase{"2x", kNoValue}, TextCase{"1.2.3", kNoValue},
                    TextCase{"1,2.3", kNoValue}, TextCase{".", kNoValue}, TextCase{"+3", kNoValue},
                    TextCase{"1+", kNoValue}, TextCase{"()", kNoValue}, TextCase{")(", kNoValue},
                    TextCase{"sin", kNoValue}, TextCase{"sinx", kNoValue},
                    TextCase{"sin sin 1", kNoValue}, TextCase{"f1(2)", kNoValue},
                    TextCase{"2 3", 23}, TextCase{"1*/2", kNoValue},
                    TextCase{"3\xc2\xb7"
                             "2",
                             kNoValue},
                    TextCase{"-", kNoValue}));

TEST(EvaluateTextTest, RefusesLongTexts) {
    std::string ninetyNine = "1";
    for (int i = 0; i < 49; ++i)
        ninetyNine += "+1";
    ASSERT_EQ(ninetyNine.size(), 99u);
    EXPECT_EQ(evaluateText(ninetyNine, model::AngleUnit::Radian), 50.0);
    EXPECT_FALSE(evaluateText(ninetyNine + "1", model::AngleUnit::Radian)); // 100 characters
    // Spaces do not count towards the tokenizer's limit, but the text limit holds.
    EXPECT_EQ(evaluateText(" " + ninetyNine, model::AngleUnit::Radian), 50.0);
    EXPECT_FALSE(evaluateText("  " + ninetyNine, model::AngleUnit::Radian));
}

TEST(EvaluateTextTest, RunsOfSignsThatWouldOverflowTheStacksAreRefused) {
    EXPECT_EQ(evaluateText(std::string(40, '-') + "1", model::AngleUnit::Radian), 1.0);
    EXPECT_FALSE(evaluateText(std::string(98, '-') + "1", model::AngleUnit::Radian));
    EXPECT_EQ(evaluateText(std::string(98, '(') + "1", model::AngleUnit::Radian), 1.0);
    std::string deep;
    for (int i = 0; i < 49; ++i)
        deep += "-(";
    EXPECT_EQ(evaluateText(deep + "1", model::AngleUnit::Radian), -1.0);
}

TEST(PowerTest, OddDenominatorRule) {
    EXPECT_NEAR(*power(-27, 1.0 / 3.0), -3, 1e-12);
    EXPECT_NEAR(*power(-27, 2.0 / 3.0), 9, 1e-12);
    EXPECT_NEAR(*power(-2, 3.0 / 99.0), -std::pow(2.0, 3.0 / 99.0), 1e-12);
    EXPECT_FALSE(power(-2, 1.0 / 101.0));
    EXPECT_FALSE(power(-2, 0.5));
    EXPECT_EQ(*power(0, 0), 1.0);
    EXPECT_EQ(*power(0, 3), 0.0);
}

// ---- operands, variables and user functions ----

struct Compiled {
    std::vector<int32_t> code;
    std::vector<double> table;
};

// Compiles `text` over the given operand values and user functions, filling the value table.
std::optional<Compiled> compile(const std::string& text, std::vector<double> operands,
                                int functionCount = 0, int type = kCalculation) {
    const int v = static_cast<int>(operands.size());
    auto code = compileExpression(text, v, functionCount, type);
    if (!code) return std::nullopt;
    Compiled c{*code, std::vector<double>(
                          static_cast<size_t>(1 + v + functionCount + countConstants(text)))};
    for (int i = 0; i < v; ++i)
        c.table[static_cast<size_t>(i + 1)] = operands[static_cast<size_t>(i)];
    EXPECT_TRUE(fillConstants(text, v + functionCount, c.table));
    return c;
}

TEST(OperandTest, LettersReadTheirSlotsAndConstantsFollow) {
    auto c = compile("a*b+c-2*pi", {2, 3, 4});
    ASSERT_TRUE(c);
    EXPECT_NEAR(*evaluateCode(c->code, c->table, 0, {}, model::AngleUnit::Radian),
                10 - 2 * model::kPi, 1e-12);
    // Constant codes come after operands and function slots.
    EXPECT_EQ(c->table.size(), 6u);
    EXPECT_EQ(c->table[4], 2.0);
    EXPECT_EQ(c->table[5], model::kPi);
    EXPECT_EQ(c->code.back(), code::kEnd);
}

TEST(OperandTest, OnlyLettersInUseAreOperands) {
    EXPECT_TRUE(compile("a+b", {1, 2}));
    EXPECT_FALSE(compile("a+c", {1, 2}));
    EXPECT_FALSE(compile("r", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
    // The 22nd letter is Z: R, W, X and Y are skipped.
    std::vector<double> many(22, 1.0);
    many[21] = 5.0;
    auto c = compile("z", many);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->code[0], -22);
    EXPECT_EQ(*evaluateCode(c->code, c->table, 0, {}, model::AngleUnit::Radian), 5.0);
}

struct VariableCase {
    const char* text;
    int type;
    bool compiles;
};

class VariableTest : public testing::TestWithParam<VariableCase> {};

TEST_P(VariableTest, VariableOnlyInItsFunctionType) {
    const VariableCase& c = GetParam();
    EXPECT_EQ(compileExpression(c.text, 0, 0, c.type).has_value(), c.compiles)
        << c.text << " type " << c.type;
}

INSTANTIATE_TEST_SUITE_P(
    Types, VariableTest,
    testing::Values(VariableCase{"x^2", kYofX, true}, VariableCase{"x", kCalculation, false},
                    VariableCase{"x", kXofY, false}, VariableCase{"y", kXofY, true},
                    VariableCase{"y", kYofX, false}, VariableCase{"w", kRofW, true},
                    VariableCase{"r", kWofR, true}, VariableCase{"r", kRofW, false},
                    VariableCase{"w", kCalculation, false}));

TEST(VariableTest, SignScopeCoversThePower) {
    auto c = compile("-x^2", {}, 0, kYofX);
    ASSERT_TRUE(c);
    EXPECT_EQ(*evaluateCode(c->code, c->table, 3, {}, model::AngleUnit::Radian), -9.0);
    auto d = compile("2^-x*3", {}, 0, kYofX);
    ASSERT_TRUE(d);
    EXPECT_EQ(*evaluateCode(d->code, d->table, 1, {}, model::AngleUnit::Radian), 1.5);
}

// A Función element compiled from `text` with the given operand elements and functions.
std::unique_ptr<model::Element> makeFunction(const std::string& text, int type,
                                             std::vector<model::Element*> functions = {}) {
    auto f = model::makeElement(model::Kind::Function);
    f->param1 = type;
    auto& t = f->expression();
    t.expression = text;
    const int fc = static_cast<int>(functions.size());
    t.code = *compileExpression(text, 0, fc, type);
    t.constants.assign(static_cast<size_t>(1 + fc + countConstants(text)), 0.0);
    fillConstants(text, fc, t.constants);
    t.refs = functions;
    return f;
}

TEST(UserFunctionTest, CallsRunTheirOwnCodeOnThePoppedValue) {
    auto square = makeFunction("x^2", kYofX);
    auto outer = makeFunction("f1(x+1)*2", kYofX, {square.get()});
    EXPECT_EQ(*evaluateFunction(*outer, 2, model::AngleUnit::Radian), 18.0);
    // A caller of another type may use a function of any type.
    auto polar = makeFunction("f1(w)+f2(w)", kRofW, {square.get(), outer.get()});
    EXPECT_EQ(*evaluateFunction(*polar, 1, model::AngleUnit::Radian), 1.0 + 8.0);
    EXPECT_FALSE(compileExpression("f3(1)", 0, 2, kYofX));
    EXPECT_FALSE(compileExpression("f0(1)", 0, 2, kYofX));
    EXPECT_FALSE(compileExpression("f01(1)", 0, 2, kYofX));
}

TEST(UserFunctionTest, FailingInnerEvaluationFailsTheCall) {
    auto inverse = makeFunction("1/x", kYofX);
    auto outer = makeFunction("f1(x)+1", kYofX, {inverse.get()});
    EXPECT_FALSE(evaluateFunction(*outer, 0, model::AngleUnit::Radian));
    inverse->exists = 0;
    EXPECT_FALSE(evaluateFunction(*outer, 2, model::AngleUnit::Radian));
}

TEST(UserFunctionTest, CircularCallsFromADamagedFileFailInsteadOfRecursingForever) {
    auto a = makeFunction("x", kYofX);
    auto b = makeFunction("f1(x)", kYofX, {a.get()});
    a->expression().code = b->expression().code; // a now calls its first function ...
    a->expression().refs = {b.get()};            // ... which is b, which calls a
    EXPECT_FALSE(evaluateFunction(*a, 1, model::AngleUnit::Radian));
}

TEST(DamagedCodeTest, CodeAndTableThatDoNotFitFail) {
    const std::vector<double> table{0, 1, 2};
    const std::vector<int32_t> outside{-3, 0};
    EXPECT_FALSE(evaluateCode(outside, table, 0, {}, model::AngleUnit::Radian));
    const std::vector<int32_t> missingOperand{-1, '+', 0};
    EXPECT_FALSE(evaluateCode(missingOperand, table, 0, {}, model::AngleUnit::Radian));
    const std::vector<int32_t> twoLeft{-1, -2, 0};
    EXPECT_FALSE(evaluateCode(twoLeft, table, 0, {}, model::AngleUnit::Radian));
    const std::vector<int32_t> bracket{-1, '(', 0};
    EXPECT_FALSE(evaluateCode(bracket, table, 0, {}, model::AngleUnit::Radian));
    const std::vector<int32_t> noEnd{-1, -2, '+'};
    EXPECT_EQ(*evaluateCode(noEnd, table, 0, {}, model::AngleUnit::Radian), 3.0);
    const std::vector<double> nan{0, NAN};
    const std::vector<int32_t> one{-1, 0};
    EXPECT_FALSE(evaluateCode(one, nan, 0, {}, model::AngleUnit::Radian));
    const std::vector<int32_t> call{-1, 1001, 0};
    EXPECT_FALSE(evaluateCode(call, table, 0, {}, model::AngleUnit::Radian));
    std::vector<int32_t> tooDeep(150, -1);
    tooDeep.push_back(0);
    EXPECT_FALSE(evaluateCode(tooDeep, table, 0, {}, model::AngleUnit::Radian));
}

TEST(DamagedCodeTest, OnlyTheSlotsTheCodeReadsMustHoldNumbers) {
    // Slot 0 (the last result) and unused slots may hold anything a damaged file gave them.
    const std::vector<double> table{NAN, 2.0, INFINITY, 3.0};
    const std::vector<int32_t> code{-1, -3, '*', 0};
    EXPECT_EQ(evaluateCode(code, table, NAN, {}, model::AngleUnit::Radian), 6.0);
    const std::vector<int32_t> readsInfinity{-2, 0};
    EXPECT_FALSE(evaluateCode(readsInfinity, table, 0, {}, model::AngleUnit::Radian));
    const std::vector<int32_t> variable{code::kVariableX, 0};
    EXPECT_FALSE(evaluateCode(variable, table, INFINITY, {}, model::AngleUnit::Radian));
    // Empty tables are never read past.
    EXPECT_EQ(evaluateCode(variable, {}, 4.0, {}, model::AngleUnit::Radian), 4.0);
    const std::vector<int32_t> sine{code::kVariableX, code::kSin, 0};
    EXPECT_EQ(evaluateCode(sine, {}, 0.0, {}, model::AngleUnit::Radian), 0.0);
}

TEST(PreparedCodeTest, PreparedOnceRunsLikeEvaluateCode) {
    auto c = compile("a*x^2-b/x+sqr(x)", {3, 4}, 0, kYofX);
    ASSERT_TRUE(c);
    const auto prepared = prepareCode(c->code, c->table.size(), 0);
    ASSERT_TRUE(prepared);
    for (double x : {0.0, 0.5, 2.0, -1.0}) {
        const auto direct = evaluateCode(c->code, c->table, x, {}, model::AngleUnit::Radian);
        EXPECT_EQ(runPrepared(*prepared, c->table, x, {}, model::AngleUnit::Radian), direct) << x;
    }
    // A table shorter than the code was prepared for is refused, not read past.
    const std::vector<double> shorter(c->table.begin(), c->table.end() - 1);
    EXPECT_FALSE(runPrepared(*prepared, shorter, 2.0, {}, model::AngleUnit::Radian));
    EXPECT_FALSE(prepareCode(c->code, c->table.size() - 1, 0));
}

// ---- fuzz: random token strings and random code lists ----

TEST(FuzzTest, RandomTokenStringsNeverCrashAndNeverGiveNonFiniteValues) {
    // Terms made of prefixes (functions, brackets, signs) and an atom, joined by operators,
    // so that most strings compile; some noise makes others fail in every stage.
    const std::vector<std::string> prefixes{"sin(",  "cos(",   "tan(",   "asin(", "acos(", "atan(",
                                            "ln(",   "log(",   "abs(",   "sqr(",  "int(",  "sgn(",
                                            "ceil(", "floor(", "round(", "exp(",  "sinh(", "cosh(",
                                            "tanh(", "f1(",    "f2(",    "(",     "-",     "--"};
    const std::vector<std::string> atoms{"x", "a", "b",   "c",   "pi", "0",
                                         "1", "2", "0.5", "3,7", "99", "1000000"};
    const std::vector<std::string> operators{"+", "-", "*", "/", "^", ")", ")^", "*-", "^-"};
    const std::vector<std::string> noise{"1e5", " ", "(", ")", "y", "sin", "ab", ".", "f3("};
    auto inverse = makeFunction("1/x", kYofX);
    auto expo = makeFunction("exp(x)", kYofX);
    std::vector<model::Element*> functions{inverse.get(), expo.get()};
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> length(1, 12);
    std::uniform_int_distribution<int> percent(0, 99);
    auto pickFrom = [&rng](const std::vector<std::string>& v) {
        return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(rng)];
    };
    std::uniform_real_distribution<double> value(-1e6, 1e6);
    int compiled = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int n = length(rng);
        for (int i = 0; i < n; ++i) {
            if (i > 0) text += pickFrom(operators);
            while (percent(rng) < 30)
                text += pickFrom(prefixes);
            text += pickFrom(atoms);
            if (percent(rng) < 3) text += pickFrom(noise);
        }
        const int type = round % 10 == 0 ? kXofY : kYofX;
        auto code = compileExpression(text, 3, 2, type);
        if (!code) continue;
        ++compiled;
        std::vector<double> table(static_cast<size_t>(1 + 3 + 2 + countConstants(text)));
        table[1] = value(rng);
        table[2] = value(rng);
        table[3] = round % 7 == 0 ? 0.0 : value(rng);
        ASSERT_TRUE(fillConstants(text, 5, table));
        for (int unit = 0; unit < 3; ++unit) {
            const auto r = evaluateCode(*code, table, value(rng), functions,
                                        *model::angleUnitFromStored(unit));
            if (r) {
                ASSERT_TRUE(std::isfinite(*r)) << text;
            }
        }
        if (const auto r = evaluateText(text, *model::angleUnitFromStored(round % 3))) {
            ASSERT_TRUE(std::isfinite(*r)) << text;
        }
    }
    EXPECT_GT(compiled, 3000); // the generator really exercises the evaluator
}

TEST(FuzzTest, RandomCodeListsNeverCrash) {
    const std::vector<int32_t> codes{0,    '+', '-', '*', '/', '^',   'n',   '(',   ')',
                                     's',  'c', 'L', 'q', 500, 503,   504,   1001,  1002,
                                     2000, -1,  -2,  -3,  -4,  -1001, -1004, -5000, 7};
    std::mt19937 rng(777);
    std::uniform_int_distribution<size_t> pick(0, codes.size() - 1);
    std::uniform_real_distribution<double> value(-1e300, 1e300);
    auto inverse = makeFunction("1/x", kYofX);
    std::vector<model::Element*> functions{inverse.get(), nullptr};
    for (int round = 0; round < 20000; ++round) {
        std::vector<int32_t> code(static_cast<size_t>(round % 130));
        for (auto& c : code)
            c = codes[pick(rng)];
        std::vector<double> table{0, value(rng), value(rng), value(rng)};
        const auto r = evaluateCode(code, table, value(rng), functions,
                                    *model::angleUnitFromStored(round % 3));
        if (r) {
            ASSERT_TRUE(std::isfinite(*r));
        }
    }
}

} // namespace
} // namespace zeva::expr
