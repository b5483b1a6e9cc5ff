#include "expr/dimension.h"

#include "expr/evaluator.h"
#include "expr/operations.h"
#include "expr/tokens.h"

#include <array>
#include <cmath>

namespace zeva::expr {

namespace {

constexpr int kMaxCallDepth = 64;

DimensionPair pure(double value) {
    return {0, 0, value};
}

DimensionPair inferAt(std::span<const int32_t> code, std::span<const double> table,
                      std::span<model::Element* const> operands,
                      std::span<model::Element* const> functions, model::AngleUnit angleUnit,
                      int depth);

DimensionPair inferFunction(const model::Element* f, model::AngleUnit angleUnit, int depth) {
    if (!f || f->kind != model::Kind::Function || depth >= kMaxCallDepth) return pure(0.0);
    const auto* tail = std::get_if<model::ExpressionTail>(&f->tail);
    if (!tail) return pure(0.0);
    const auto v = static_cast<size_t>(operandCountOf(*tail));
    const std::span<model::Element* const> refs(tail->refs);
    return inferAt(tail->code, tail->constants, refs.first(v), refs.subspan(v), angleUnit,
                   depth + 1);
}

// Multiplication: equal classes add their exponents; a pure number takes the other's pair.
DimensionPair times(const DimensionPair& p, const DimensionPair& q, bool& incompatible) {
    if (p.cls != 0 && q.cls != 0) {
        if (p.cls != q.cls) {
            incompatible = true;
            return pure(0.0);
        }
        return {p.cls, p.exponent + q.exponent, 0.0};
    }
    return p.cls == 0 ? q : p;
}

DimensionPair divide(const DimensionPair& p, const DimensionPair& q) {
    if (q.cls == 0) return p;
    if (q.cls != p.cls) return pure(0.0);
    return {p.cls, p.exponent - q.exponent, 0.0};
}

DimensionPair raise(const DimensionPair& p, const DimensionPair& q) {
    if (q.cls != 0) return pure(0.0);
    const double e = p.exponent * q.value;
    const double whole = std::round(e);
    const bool isWhole = std::fabs(e - whole) < 1e-8 && std::fabs(whole) < 1e6;
    return {p.cls, isWhole ? static_cast<int>(whole) : 0, 0.0};
}

DimensionPair unary(int32_t c, const DimensionPair& p) {
    switch (c) {
    case code::kAsin:
    case code::kAcos:
    case code::kAtan:
        return {3, 1, 0.0};
    case code::kSin:
    case code::kCos:
    case code::kTan:
    case code::kLn:
    case code::kLog:
    case code::kSgn:
    case code::kExp:
    case code::kSinh:
    case code::kCosh:
    case code::kTanh:
        return pure(0.0);
    case code::kSqr:
        return {p.cls, p.exponent / 2, 0.0}; // integer division toward zero
    default: // ABS, INT, CEIL, FLOOR, ROUND and the sign keep the pair
        return p;
    }
}

DimensionPair inferAt(std::span<const int32_t> code, std::span<const double> table,
                      std::span<model::Element* const> operands,
                      std::span<model::Element* const> functions, model::AngleUnit angleUnit,
                      int depth) {
    const double angleFactor = angleFactorOf(angleUnit);
    std::array<DimensionPair, kStackSize> stack;
    size_t count = 0;
    bool incompatible = false;
    for (const int32_t c : code) {
        if (c == code::kEnd) break;
        if (c < 0) {
            if (count == stack.size()) return pure(0.0);
            DimensionPair p = pure(0.0);
            if (!isFunctionVariable(c)) {
                const auto slot = static_cast<size_t>(-static_cast<int64_t>(c));
                const double value = slot < table.size() ? table[slot] : 0.0;
                if (slot - 1 < operands.size()) {
                    const model::Element* e = operands[slot - 1];
                    p = e ? pairOfDimension(e->dimension, e->x1) : pure(0.0);
                } else {
                    p = pure(value);
                }
            }
            if (!std::isfinite(p.value)) p.value = 0.0;
            stack[count++] = p;
            continue;
        }
        if (isBinaryOperator(c)) {
            if (count < 2) return pure(0.0);
            const DimensionPair q = stack[--count];
            const DimensionPair p = stack[count - 1];
            DimensionPair r;
            switch (c) {
            case code::kTimes:
                r = times(p, q, incompatible);
                break;
            case code::kDivide:
                r = divide(p, q);
                break;
            case code::kPower:
                r = raise(p, q);
                break;
            default: // + and -
                r = p == q ? p : pure(0.0);
                break;
            }
            if (!applyBinary(c, p.value, q.value, r.value)) r.value = 0.0;
            stack[count - 1] = r;
            continue;
        }
        if (count < 1) return pure(0.0);
        const DimensionPair p = stack[count - 1];
        DimensionPair r;
        if (c > code::kCallBase) {
            const auto n = static_cast<size_t>(c - code::kCallBase);
            const model::Element* f = n <= functions.size() ? functions[n - 1] : nullptr;
            r = inferFunction(f, angleUnit, depth);
            r.value = f ? evaluateFunction(*f, p.value, angleUnit).value_or(0.0) : 0.0;
        } else {
            r = unary(c, p);
            if (!applyUnary(c, p.value, angleFactor, r.value)) r.value = 0.0;
        }
        stack[count - 1] = r;
    }
    if (count != 1 || incompatible) return pure(0.0);
    return stack[0];
}

} // namespace

int dimensionOfKind(model::Kind kind) {
    const int k = model::toInt(kind);
    if (k >= 28 && k <= 33) return 1;
    if (k == 34 || k == 35) return 2;
    if (k == 36) return 3;
    return 0;
}

DimensionPair pairOfDimension(int dimension, double value) {
    switch (dimension) {
    case 1:
        return {1, 1, value};
    case 2:
        return {1, 2, value};
    case 3:
        return {3, 1, value};
    default:
        return {0, 0, value};
    }
}

int dimensionOfPair(const DimensionPair& p) {
    if (p.cls == 1 && p.exponent == 1) return 1;
    if (p.cls == 1 && p.exponent == 2) return 2;
    if (p.cls == 3 && p.exponent == 1) return 3;
    return 0;
}

DimensionPair inferPair(std::span<const int32_t> code, std::span<const double> valueTable,
                        std::span<model::Element* const> operands,
                        std::span<model::Element* const> functions, model::AngleUnit angleUnit) {
    return inferAt(code, valueTable, operands, functions, angleUnit, 0);
}

int inferDimension(const model::Element& e, model::AngleUnit angleUnit) {
    const auto* tail = std::get_if<model::ExpressionTail>(&e.tail);
    if (!tail) return 0;
    const auto v = static_cast<size_t>(operandCountOf(*tail));
    const std::span<model::Element* const> refs(tail->refs);
    return dimensionOfPair(
        inferPair(tail->code, tail->constants, refs.first(v), refs.subspan(v), angleUnit));
}

} // namespace zeva::expr
