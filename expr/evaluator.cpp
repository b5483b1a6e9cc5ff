#include "expr/evaluator.h"

#include "expr/compiler.h"
#include "expr/operations.h"
#include "expr/tokenizer.h"
#include "expr/tokens.h"

#include <array>
#include <cmath>
#include <vector>

namespace zeva::expr {

namespace {

// A Función may call earlier ones; a damaged file could make them call each other in a circle.
constexpr int kMaxCallDepth = 64;

std::optional<double> run(std::span<const int32_t> code, std::span<const double> table,
                          double variable, std::span<model::Element* const> functions,
                          int angleUnit, int depth);

std::optional<double> callFunction(const model::Element* f, double variable, int angleUnit,
                                   int depth) {
    if (!f || f->kind != model::Kind::Function || !f->exists || depth >= kMaxCallDepth)
        return std::nullopt;
    const auto* tail = std::get_if<model::ExpressionTail>(&f->tail);
    if (!tail) return std::nullopt;
    const auto v = static_cast<size_t>(operandCountOf(*tail));
    for (size_t j = 0; j < v; ++j)
        if (!tail->refs[j] || !model::isValidNumber(*tail->refs[j])) return std::nullopt;
    const std::span<model::Element* const> inner(tail->refs.data() + v, tail->refs.size() - v);
    return run(tail->code, tail->constants, variable, inner, angleUnit, depth + 1);
}

std::optional<double> run(std::span<const int32_t> code, std::span<const double> table,
                          double variable, std::span<model::Element* const> functions,
                          int angleUnit, int depth) {
    const double angleFactor = angleFactorOf(angleUnit);
    // The value on top lives in `top`; the values below it in `below`. count includes top.
    std::array<double, kStackSize> below;
    size_t count = 0;
    double top = 0.0;
    const int32_t* pc = code.data();
    const int32_t* const end = pc + code.size();
    for (; pc != end; ++pc) {
        const int32_t c = *pc;
        if (c < 0) {
            double v = variable;
            if (!isFunctionVariable(c)) {
                const auto slot = static_cast<size_t>(-static_cast<int64_t>(c));
                if (slot >= table.size()) return std::nullopt;
                v = table[slot];
            }
            if (!std::isfinite(v)) return std::nullopt;
            // An operand followed by a two-operand operator is applied at once, so most steps
            // of a typical expression never touch the stack.
            if (count > 0 && pc + 1 != end && isBinaryOperator(pc[1])) {
                if (!applyBinary(pc[1], top, v, top)) return std::nullopt;
                ++pc;
                continue;
            }
            if (count == static_cast<size_t>(kStackSize)) return std::nullopt;
            if (count > 0) below[count - 1] = top;
            top = v;
            ++count;
            continue;
        }
        if (c == code::kEnd) break;
        if (count == 0) return std::nullopt;
        if (isBinaryOperator(c)) {
            if (count < 2) return std::nullopt;
            --count;
            if (!applyBinary(c, below[count - 1], top, top)) return std::nullopt;
        } else if (c > code::kCallBase) {
            const auto n = static_cast<size_t>(c - code::kCallBase);
            if (n > functions.size()) return std::nullopt;
            const auto v = callFunction(functions[n - 1], top, angleUnit, depth);
            if (!v) return std::nullopt;
            top = *v;
        } else if (!applyUnary(c, top, angleFactor, top)) {
            return std::nullopt;
        }
    }
    if (count != 1) return std::nullopt;
    return top;
}

} // namespace

std::optional<double> power(double a, double b) {
    if (b == 0.0) return 1.0;
    if (a == 0.0) {
        if (b < 0.0) return std::nullopt;
        return 0.0;
    }
    double r = 0.0;
    if (b == 2.0) {
        r = a * a; // the common square, exact as pow would give it and much cheaper
    } else if (a > 0.0 || b == std::trunc(b)) {
        r = std::pow(a, b);
    } else {
        // A negative base with a fractional exponent: only an odd root has a real value.
        std::optional<double> odd;
        for (int q = 3; q <= 99 && !odd; q += 2) {
            const double x = q * b;
            const double whole = std::floor(x);
            const double fraction = x - whole;
            double p = 0.0;
            if (fraction < 1e-10) {
                p = whole;
            } else if (fraction > 1.0 - 1e-10) {
                p = whole + 1.0;
            } else {
                continue;
            }
            if (p == 0.0) return std::nullopt;
            const double magnitude = std::pow(-a, b);
            odd = std::fmod(p, 2.0) == 0.0 ? magnitude : -magnitude;
        }
        if (!odd) return std::nullopt;
        r = *odd;
    }
    // abs(b * log10 abs(a)) > 99 fails; the result answers that without a logarithm except
    // near the bounds.
    const double m = std::fabs(r);
    if (m > 1e-98 && m < 1e98) return r;
    if (std::fabs(b * std::log10(std::fabs(a))) > 99.0) return std::nullopt;
    return r;
}

int operandCountOf(const model::ExpressionTail& tail) {
    int v = 0;
    for (const model::Element* r : tail.refs) {
        if (r && r->kind == model::Kind::Function) break;
        ++v;
    }
    return v;
}

std::optional<double> evaluateCode(std::span<const int32_t> code,
                                   std::span<const double> valueTable, double variable,
                                   std::span<model::Element* const> functions, int angleUnit) {
    return run(code, valueTable, variable, functions, angleUnit, 0);
}

std::optional<double> evaluateFunction(const model::Element& function, double variable,
                                       int angleUnit) {
    return callFunction(&function, variable, angleUnit, 0);
}

std::optional<double> evaluateText(std::string_view text, int angleUnit) {
    if (text.empty() || text.size() > static_cast<size_t>(kMaxExpressionLength))
        return std::nullopt;
    const auto compiled = compileExpression(text, 0, 0, kCalculation);
    if (!compiled) return std::nullopt;
    std::vector<double> table(static_cast<size_t>(1 + countConstants(text)), 0.0);
    if (!fillConstants(text, 0, table)) return std::nullopt;
    return evaluateCode(*compiled, table, 0.0, {}, angleUnit);
}

} // namespace zeva::expr
