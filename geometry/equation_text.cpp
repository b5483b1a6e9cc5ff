#include "geometry/equation_text.h"

#include "expr/value_text.h"

#include <cmath>

namespace zeva::geometry {

namespace {

constexpr double kTiny = 1e-8;

std::string num(double v, int decimals) {
    return expr::signedText(v, decimals);
}

// "-" before a positive centre coordinate, "+" before a negative one, so the text reads x - p.
std::string shifted(const char* var, double c, int decimals) {
    return std::string("(") + var + (c > 0 ? "-" : "+") + num(std::fabs(c), decimals);
}

} // namespace

std::string lineEquationText(bool hasSlope, double slope, double intercept, double xIntercept,
                             int decimals) {
    if (!hasSlope) return "x = " + num(xIntercept, decimals);
    std::string s = "y = ";
    const bool withSlope = std::fabs(slope) > kTiny;
    if (withSlope) s += num(slope, decimals) + "x ";
    if (std::fabs(intercept) > kTiny || !withSlope) {
        if (intercept > 0 && withSlope) s += "+";
        s += num(intercept, decimals);
    }
    return s;
}

std::string circleEquationText(double p, double q, double rx, double ry, bool equalUnits,
                               int decimals) {
    std::string s;
    if (equalUnits) {
        s += p != 0 ? shifted("x", p, decimals) + ")" : "x";
        s += "²+";
        s += q != 0 ? shifted("y", q, decimals) + ")" : "y";
        s += "²=" + num(rx, decimals) + "²";
        return s;
    }
    s += p != 0 ? shifted("x", p, decimals) + ")²/" : "x²/";
    s += num(rx, decimals);
    s += q != 0 ? "²+" + shifted("y", q, decimals) + ")²/" : "²+y²/";
    s += num(ry, decimals) + "²=1";
    return s;
}

std::string conicEquationText(const std::array<double, 6>& c, int decimals) {
    static const char* const monomials[5] = {"y² ", "xy ", "x² ", "y ", "x "};
    std::string s;
    for (int i = 0; i < 5; ++i) {
        if (std::fabs(c[i]) <= kTiny) continue;
        if (c[i] > 0 && i > 0) s += "+";
        if (std::fabs(c[i] + 1) <= kTiny)
            s += "-";
        else if (std::fabs(c[i] - 1) > kTiny)
            s += num(c[i], decimals);
        s += monomials[i];
    }
    if (std::fabs(c[5]) > kTiny) {
        if (c[5] > 0) s += "+";
        s += num(c[5], decimals);
    }
    return s + " = 0";
}

} // namespace zeva::geometry
