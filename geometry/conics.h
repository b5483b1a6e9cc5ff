#pragma once
// Conics through five points (kind 55) and their equations (kind 58).

#include "geometry/recompute.h"
#include "model/element.h"

#include <optional>

namespace zeva::geometry {

// Kind 55: fits, classifies and samples the conic through its five points.
void recomputeConic(model::Element& conic);

// Kind 58: the conic's coefficients in axis units and the equation text.
void recomputeConicEquation(model::Element& equation, const RecomputeContext& ctx);

// The point of the conic at parameter t, and the parameter of the conic point nearest p.
std::optional<Point> conicPointAt(const model::Element& conic, double t);
double conicParameterOf(const model::Element& conic, Point p);

}  // namespace zeva::geometry
