// Fuzz target: the expression compiler, then evaluation and dimension inference, as the
// calculation dialog runs them on what the user types and as a Cálculo or Función read from a
// file is evaluated.
//
// Input: byte 0 the number of operands (0..22), byte 1 the number of user functions (0..3) and
// the function type (0..4), byte 2 the tool's kind and the angle unit, then one byte per operand
// choosing its value and dimension; the rest is the typed text.

#include "expr/calculator.h"
#include "expr/compiler.h"
#include "expr/dimension.h"
#include "expr/display_text.h"
#include "expr/evaluator.h"
#include "expr/tokens.h"
#include "expr/value_text.h"
#include "model/element.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using namespace zeva;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Values at the edges of what doubles and the evaluator's guards handle.
constexpr std::array<double, 16> kValues = {
    0.0,   1.0,     -1.0, 0.5, 2.0, -2.5, 3.141592653589793, 1e300, -1e300, 1e-320, 5e-324,
    1e308, -1e-308, kInf, kNaN, 1e15};

// User functions the text can call as F1..F3: a few shapes of one variable.
constexpr std::array<const char*, 3> kFunctionTexts = {"x^2-1", "sin(x)/x", "sqr(x)+ln(x)"};

struct Fixture {
    std::vector<std::unique_ptr<model::Element>> owned;

    model::Element* keep(std::unique_ptr<model::Element> e) {
        owned.push_back(std::move(e));
        return owned.back().get();
    }

    model::Element* operand(uint8_t choice) {
        auto e = model::makeElement(model::Kind::Parameter);
        e->x1 = kValues[choice % kValues.size()];
        e->param1 = 100; // has a value
        e->dimension = (choice / kValues.size()) % 4;
        return keep(std::move(e));
    }

    // A Cálculo (type 0) or Función (types 1..4) holding the compiled formula.
    model::Element* formula(const expr::CompiledExpression& c, int type) {
        auto e = model::makeElement(type == 0 ? model::Kind::Calculation : model::Kind::Function);
        e->param1 = type == 0 ? 100 : type;
        e->exists = 1;
        expr::storeFormula(e->expression(), c.text, c.code, c.valueTable, c.operands,
                           c.functions);
        return keep(std::move(e));
    }

    model::Element* function(const char* text) {
        expr::CalculatorInput in;
        in.text = text;
        in.functionType = 1;
        const auto compiled = expr::compileCalculatorInput(in);
        if (!compiled) std::abort(); // the fixed texts always compile
        return formula(*compiled, 1);
    }
};

void checkFinite(const std::optional<double>& v) {
    // The evaluator promises a finite value or none.
    if (v && !std::isfinite(*v)) {
        std::fprintf(stderr, "an evaluation gave a value that is not finite\n");
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const int operandCount = data[0] % (expr::kMaxOperands + 1);
    const int functionCount = data[1] % 4;
    const int functionType = (data[1] / 4) % 5;
    const model::Kind kind = data[2] % 3 == 0   ? model::Kind::Calculation
                             : data[2] % 3 == 1 ? model::Kind::Parameter
                                                : model::Kind::Function;
    const auto angleUnit = static_cast<model::AngleUnit>((data[2] / 3) % 3);
    size_t at = 3;
    if (size < at + static_cast<size_t>(operandCount)) return 0;

    Fixture f;
    expr::CalculatorInput input;
    for (int i = 0; i < operandCount; ++i)
        input.operands.push_back(f.operand(data[at++]));
    for (int i = 0; i < functionCount; ++i)
        input.functions.push_back(f.function(kFunctionTexts[static_cast<size_t>(i)]));
    input.functionType = kind == model::Kind::Function ? std::max(functionType, 1) : 0;
    input.text.assign(reinterpret_cast<const char*>(data + at), size - at);

    // The compiler on its own, with any function type, then the one-line evaluation.
    if (const auto code = expr::compileExpression(input.text, operandCount, functionCount,
                                                  functionType))
        (void)expr::isValidPostfix(*code);
    checkFinite(expr::evaluateText(input.text, angleUnit));

    // The calculation dialog's path.
    const expr::CalculatorOutcome out = expr::evaluateCalculator(kind, input, angleUnit);
    checkFinite(out.value);
    if (!out.compiled) return 0;
    const expr::CompiledExpression& c = *out.compiled;
    checkFinite(expr::evaluateCompiled(c, angleUnit));

    // The element it would make, evaluated as the recompute pass and the renderer do.
    const int type = kind == model::Kind::Function ? c.functionType : 0;
    model::Element* e = f.formula(c, type);
    (void)expr::inferDimension(*e, angleUnit);
    (void)expr::expressionDisplayText(*e);
    if (type != 0) {
        for (double x : kValues)
            checkFinite(expr::evaluateFunction(*e, x, angleUnit));
    } else if (out.value) {
        (void)expr::fixedText(*out.value, 8);
    }
    return 0;
}
