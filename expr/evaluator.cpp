#include "expr/evaluator.h"

#include "expr/compiler.h"
#include "expr/operations.h"
#include "expr/tokenizer.h"

#include <cmath>
#include <vector>

namespace zeva::expr {

namespace {

// A Función may call earlier ones; a damaged file could make them call each other in a circle.
constexpr int kMaxCallDepth = 64;

std::optional<double> run(const PreparedCode& p, std::span<const double> table, double variable,
                          std::span<model::Element* const> functions, model::AngleUnit angleUnit,
                          int depth);

bool prepareInto(std::span<const int32_t> code, size_t tableSize, size_t functionCount,
                 PreparedCode& p);

// Prepares a Función in place (the prepared form is too large to pass around by value on
// every call of a user function).
bool prepareFunctionInto(const model::Element* f, PreparedFunction& out) {
    if (!f || f->kind != model::Kind::Function || !f->exists) return false;
    const auto* tail = std::get_if<model::ExpressionTail>(&f->tail);
    if (!tail) return false;
    const auto v = static_cast<size_t>(operandCountOf(*tail));
    for (size_t j = 0; j < v; ++j)
        if (!tail->refs[j] || !model::isValidNumber(*tail->refs[j])) return false;
    out.function = f;
    out.table = tail->constants;
    out.functions = std::span<model::Element* const>(tail->refs.data() + v, tail->refs.size() - v);
    return prepareInto(tail->code, out.table.size(), out.functions.size(), out.code);
}

std::optional<double> callFunction(const model::Element* f, double variable,
                                   model::AngleUnit angleUnit, int depth) {
    if (depth >= kMaxCallDepth) return std::nullopt;
    PreparedFunction prepared;
    if (!prepareFunctionInto(f, prepared)) return std::nullopt;
    return run(prepared.code, prepared.table, variable, prepared.functions, angleUnit, depth + 1);
}

// a * b and a / b with the overflow guard; the result is finite when they answer true.
inline bool multiply(double a, double b, double& r) {
    r = a * b;
    return !(a != 0.0 && b != 0.0 && exceedsMagnitude(r, a, b, 1.0)) && std::isfinite(r);
}

inline bool divide(double a, double b, double& r) {
    if (b == 0.0) return false;
    r = a / b;
    return !(a != 0.0 && exceedsMagnitude(r, a, b, -1.0)) && std::isfinite(r);
}

inline bool raise(double a, double b, double& r) {
    const auto p = power(a, b);
    if (!p) return false;
    r = *p;
    return true;
}

std::optional<double> run(const PreparedCode& p, std::span<const double> table, double variable,
                          std::span<model::Element* const> functions, model::AngleUnit angleUnit,
                          int depth) {
    if (table.size() < p.tableSize || functions.size() < p.functionCount) return std::nullopt;
    // Operands are checked once here rather than on every use: a value table read from a
    // damaged file may hold infinities or NaN, which must never reach a result.
    if (p.usesVariable && !std::isfinite(variable)) return std::nullopt;
    for (size_t i = 0; i < p.operandSlotCount; ++i)
        if (!std::isfinite(table[p.operandSlots[i]])) return std::nullopt;
    const double angleFactor = angleFactorOf(angleUnit);
    const double* const values = table.data();
    // The value on top lives in `top`, the values below it in `below` (prepareCode has checked
    // that every step finds its operands and that the stack stays within 100 entries).
    std::array<double, kStackSize> below;
    size_t count = 0;
    double top = 0.0;
    for (const PreparedStep* s = p.steps.data();; ++s) {
        // Steps without an operand are marked as reading the variable, so no table slot is
        // read for them.
        const double operand = s->variable ? variable : values[s->slot];
        switch (s->op) {
        case PreparedStep::kPush:
            if (count > 0) below[count - 1] = top;
            top = operand;
            ++count;
            break;
        case PreparedStep::kAddOperand:
            top += operand;
            if (!std::isfinite(top)) return std::nullopt;
            break;
        case PreparedStep::kSubtractOperand:
            top -= operand;
            if (!std::isfinite(top)) return std::nullopt;
            break;
        case PreparedStep::kMultiplyOperand:
            if (!multiply(top, operand, top)) return std::nullopt;
            break;
        case PreparedStep::kDivideOperand:
            if (!divide(top, operand, top)) return std::nullopt;
            break;
        case PreparedStep::kPowerOperand:
            if (!raise(top, operand, top)) return std::nullopt;
            break;
        case PreparedStep::kAdd:
            top = below[--count - 1] + top;
            if (!std::isfinite(top)) return std::nullopt;
            break;
        case PreparedStep::kSubtract:
            top = below[--count - 1] - top;
            if (!std::isfinite(top)) return std::nullopt;
            break;
        case PreparedStep::kMultiply:
            if (!multiply(below[--count - 1], top, top)) return std::nullopt;
            break;
        case PreparedStep::kDivide:
            if (!divide(below[--count - 1], top, top)) return std::nullopt;
            break;
        case PreparedStep::kPower:
            if (!raise(below[--count - 1], top, top)) return std::nullopt;
            break;
        case PreparedStep::kFunction:
            if (!applyUnary(s->code, top, angleFactor, top)) return std::nullopt;
            break;
        case PreparedStep::kCall: {
            const auto v = callFunction(functions[s->slot - 1], top, angleUnit, depth);
            if (!v) return std::nullopt;
            top = *v;
            break;
        }
        case PreparedStep::kEnd:
            return top;
        }
    }
}

// Offset of a two-operand operator's step from kAdd (and from kAddOperand).
int binaryOffset(int32_t c) {
    switch (c) {
    case code::kPlus:
        return 0;
    case code::kMinus:
        return 1;
    case code::kTimes:
        return 2;
    case code::kDivide:
        return 3;
    default:
        return 4;
    }
}

PreparedStep::Op binaryStep(PreparedStep::Op first, int32_t c) {
    return static_cast<PreparedStep::Op>(first + binaryOffset(c));
}

bool prepareInto(std::span<const int32_t> code, size_t tableSize, size_t functionCount,
                 PreparedCode& p) {
    p.tableSize = tableSize;
    p.functionCount = functionCount;
    p.usesVariable = false;
    p.operandSlotCount = 0;
    size_t n = 0;
    int depth = 0;
    const auto add = [&](PreparedStep step) {
        if (n + 1 >= p.steps.size()) return false; // keep room for the end step
        p.steps[n++] = step;
        return true;
    };
    for (size_t i = 0; i < code.size() && code[i] != code::kEnd; ++i) {
        const int32_t c = code[i];
        if (c < 0) {
            PreparedStep step{PreparedStep::kPush, isFunctionVariable(c), 0, 0};
            p.usesVariable = p.usesVariable || step.variable;
            if (!step.variable) {
                const auto slot = static_cast<size_t>(-static_cast<int64_t>(c));
                if (slot >= tableSize) return false;
                step.slot = static_cast<uint32_t>(slot);
                if (p.operandSlotCount == p.operandSlots.size()) return false;
                p.operandSlots[p.operandSlotCount++] = step.slot;
            }
            // An operand followed by a two-operand operator is applied in one step.
            if (depth > 0 && i + 1 < code.size() && isBinaryOperator(code[i + 1])) {
                step.op = binaryStep(PreparedStep::kAddOperand, code[++i]);
            } else if (++depth > kStackSize) {
                return false;
            }
            if (!add(step)) return false;
        } else if (isBinaryOperator(c)) {
            if (depth < 2) return false;
            --depth;
            if (!add({binaryStep(PreparedStep::kAdd, c), true, 0, 0})) return false;
        } else if (isUnaryOperator(c)) {
            if (depth < 1) return false;
            if (c > code::kCallBase) {
                const auto number = static_cast<size_t>(c - code::kCallBase);
                if (number > functionCount) return false;
                if (!add({PreparedStep::kCall, true, c, static_cast<uint32_t>(number)}))
                    return false;
            } else if (!add({PreparedStep::kFunction, true, c, 0})) {
                return false;
            }
        } else {
            return false; // brackets or codes outside the table
        }
    }
    if (depth != 1) return false;
    p.steps[n] = PreparedStep{PreparedStep::kEnd, true, 0, 0};
    return true;
}

} // namespace

std::optional<PreparedCode> prepareCode(std::span<const int32_t> code, size_t tableSize,
                                        size_t functionCount) {
    std::optional<PreparedCode> p(std::in_place);
    if (!prepareInto(code, tableSize, functionCount, *p)) return std::nullopt;
    return p;
}

std::optional<double> runPrepared(const PreparedCode& prepared, std::span<const double> valueTable,
                                  double variable, std::span<model::Element* const> functions,
                                  model::AngleUnit angleUnit) {
    return run(prepared, valueTable, variable, functions, angleUnit, 0);
}

std::optional<double> evaluateCode(std::span<const int32_t> code,
                                   std::span<const double> valueTable, double variable,
                                   std::span<model::Element* const> functions,
                                   model::AngleUnit angleUnit) {
    PreparedCode prepared;
    if (!prepareInto(code, valueTable.size(), functions.size(), prepared)) return std::nullopt;
    return run(prepared, valueTable, variable, functions, angleUnit, 0);
}

std::optional<PreparedFunction> prepareFunction(const model::Element& function) {
    std::optional<PreparedFunction> p(std::in_place);
    if (!prepareFunctionInto(&function, *p)) return std::nullopt;
    return p;
}

std::optional<double> evaluatePrepared(const PreparedFunction& f, double variable,
                                       model::AngleUnit angleUnit) {
    return run(f.code, f.table, variable, f.functions, angleUnit, 1);
}

std::optional<double> evaluateFunction(const model::Element& function, double variable,
                                       model::AngleUnit angleUnit) {
    return callFunction(&function, variable, angleUnit, 0);
}

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

std::optional<double> evaluateText(std::string_view text, model::AngleUnit angleUnit) {
    if (text.empty() || text.size() > static_cast<size_t>(kMaxExpressionLength))
        return std::nullopt;
    const auto compiled = compileExpression(text, 0, 0, kCalculation);
    if (!compiled) return std::nullopt;
    std::vector<double> table(static_cast<size_t>(1 + countConstants(text)), 0.0);
    if (!fillConstants(text, 0, table)) return std::nullopt;
    return evaluateCode(*compiled, table, 0.0, {}, angleUnit);
}

} // namespace zeva::expr
