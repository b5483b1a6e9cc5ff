#pragma once
// The equation texts of lines, circles and conics, in the axes' units, as the figure shows them.
// The recompute pass rebuilds an equation's text whenever it recomputes the equation, with the
// equation's decimals.

#include "model/element.h"

#include <array>
#include <string>

namespace zeva::geometry {

// "y = ax +b" for a line with a slope (either part left out when it is zero), "x = c" for a
// line parallel to the y axis.
std::string lineEquationText(bool hasSlope, double slope, double intercept, double xIntercept,
                             int decimals);

// "(x-p)²+(y-q)²=r²" in equal axis units, "(x-p)²/rx²+(y-q)²/ry²=1" in unequal ones.
std::string circleEquationText(double p, double q, double rx, double ry, bool equalUnits,
                               int decimals);

// "A y² + B xy + C x² + D y + E x + F = 0" with the coefficients in that order; terms within
// 1e-8 of zero are left out, unit coefficients written as a bare sign.
std::string conicEquationText(const std::array<double, 6>& coefficients, int decimals);

} // namespace zeva::geometry
