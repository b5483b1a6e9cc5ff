#pragma once
// Values of measurement-like elements: measurements (28..36), the slope (56), coordinates of a
// point (42), the coefficients of line and circle equations (45, 46) and the five checkers
// (50..54). Each routine sets `exists` and, when it exists, the element's values.

#include "geometry/recompute.h"
#include "model/element.h"

namespace zeva::geometry {

// Kinds 28..36: the measure in x1, as a user length, area or angle. Missing parents or a
// degenerate configuration give exists 0 and keep x1.
void recomputeMeasurement(model::Element& e, const RecomputeContext& ctx);

// Kind 56: x1 = Δy/Δx of the line in world units and param1 100, or param1 -100 for a vertical
// line.
void recomputeSlope(model::Element& e);

// Kind 42: the x part's and y part's x1 := the point's axis coordinates, or r and θ (in the
// user's angle unit) when the element or the document is polar.
void recomputeCoordinates(model::Element& e, const RecomputeContext& ctx);

// Kind 45: param1 1 with x1 = slope and y1 = y-intercept in axis units, or param1 0 with y1 =
// x-intercept for a line parallel to the y axis; the equation text is rebuilt.
void recomputeLineEquation(model::Element& e);

// Kind 46: x1 = r / unitX, y1 = r / unitY, param1 1 when they are equal; the equation text is
// rebuilt.
void recomputeCircleEquation(model::Element& e);

// Kinds 50..54: param1 := 1 when the property holds, 0 otherwise (a membership test against an
// element of a class it does not know leaves param1 as it was).
void recomputeChecker(model::Element& e);

} // namespace zeva::geometry
