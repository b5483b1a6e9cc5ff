#pragma once
// The semantics of one evaluation step, shared by the evaluator and the dimension inference:
// the two-operand operators with their overflow guards and the one-operand functions with their
// domain checks. Every function answers false when the math library would report an error;
// a result written to r is then always finite.

#include "expr/tokens.h"
#include "model/units.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace zeva::expr {

// a^b with the guards and the odd-denominator rule for negative bases: (-8)^(1/3) = -2.
std::optional<double> power(double a, double b);

// ROUND: halves round up, so ROUND(2.5) = 3 and ROUND(-2.5) = -2.
inline double roundHalfUp(double b) {
    const double t = std::trunc(b);
    const double d = b - t;
    if (d < -0.5) return t - 1.0;
    if (d >= 0.5) return t + 1.0;
    return t;
}

// Degrees or grads per radian; 1 for radians.
inline double angleFactorOf(model::AngleUnit angleUnit) {
    return model::angleToUser(1.0, angleUnit);
}

// log10 abs(x) + sign * log10 abs(y) > 99, tested on the computed result first: far from the
// bound the result decides, near it the logarithms do.
inline bool exceedsMagnitude(double result, double x, double y, double sign) {
    const double r = std::fabs(result);
    if (r < 1e98) return false;
    if (!(r <= 1e100)) return true; // also an overflow to infinity
    return std::log10(std::fabs(x)) + sign * std::log10(std::fabs(y)) > 99.0;
}

// r := a + b, a - b, a * b, a / b or a ^ b (c is the operator's code).
inline bool applyBinary(int32_t c, double a, double b, double& r) {
    switch (c) {
    case code::kPlus:
        r = a + b;
        break;
    case code::kMinus:
        r = a - b;
        break;
    case code::kTimes:
        r = a * b;
        if (a != 0.0 && b != 0.0 && exceedsMagnitude(r, a, b, 1.0)) return false;
        break;
    case code::kDivide:
        if (b == 0.0) return false;
        r = a / b;
        if (a != 0.0 && exceedsMagnitude(r, a, b, -1.0)) return false;
        break;
    case code::kPower: {
        const auto p = power(a, b);
        if (!p) return false;
        r = *p;
        break;
    }
    default:
        return false;
    }
    return std::isfinite(r);
}

// r := the sign or function with code c applied to b; trigonometric functions read and write
// angles divided or multiplied by angleFactor. False for a user-function call or an unknown code.
inline bool applyUnary(int32_t c, double b, double angleFactor, double& r) {
    switch (c) {
    case code::kSign:
        r = -b;
        break;
    case code::kSin:
        r = std::sin(b / angleFactor);
        break;
    case code::kCos:
        r = std::cos(b / angleFactor);
        break;
    case code::kTan:
        r = std::tan(b / angleFactor);
        break;
    case code::kAsin:
        if (b < -1.0 || b > 1.0) return false;
        r = std::asin(b) * angleFactor;
        break;
    case code::kAcos:
        if (b < -1.0 || b > 1.0) return false;
        r = std::acos(b) * angleFactor;
        break;
    case code::kAtan:
        r = std::atan(b) * angleFactor;
        break;
    case code::kLn:
        if (b <= 0.0) return false;
        r = std::log(b);
        break;
    case code::kLog:
        if (b <= 0.0) return false;
        r = std::log10(b);
        break;
    case code::kAbs:
        r = std::fabs(b);
        break;
    case code::kSqr:
        if (b < 0.0) return false;
        r = std::sqrt(b);
        break;
    case code::kInt:
        r = std::trunc(b);
        break;
    case code::kSgn:
        r = b > 0.0 ? 1.0 : (b < 0.0 ? -1.0 : 0.0);
        break;
    case code::kCeil:
        r = std::ceil(b);
        break;
    case code::kFloor:
        r = std::floor(b);
        break;
    case code::kRound:
        r = roundHalfUp(b);
        break;
    case code::kExp:
        r = std::exp(b);
        break;
    case code::kSinh:
        r = std::sinh(b);
        break;
    case code::kCosh:
        r = std::cosh(b);
        break;
    case code::kTanh:
        r = std::tanh(b);
        break;
    default:
        return false;
    }
    return std::isfinite(r);
}

} // namespace zeva::expr
