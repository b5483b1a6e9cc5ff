#pragma once
// Points on elements: the position at a parameter along a host, and the parameter of the host
// point nearest a given position.

#include "geometry/recompute.h"
#include "model/element.h"

#include <optional>

namespace zeva::geometry {

// True for the classes a point can lie on (and so pointAt/parameterOf answer for): recta,
// semirecta, segmento, polígono, circunferencia, arco, lugar geométrico, cónica.
bool carriesPointsOn(model::ElementClass cls);

// The point of `host` at parameter t, by the host's class; none when the host has no point
// there (or its class carries no points). Segments give their exact ends at t = 0 and t = 1.
std::optional<Point> pointAt(model::Element& host, double t, const RecomputeContext& ctx);

// The parameter of the point of `host` nearest to p (what a click on the host attaches to).
// For a polygon the side index is trunc of the answer. 0 for hosts without parameters.
double parameterOf(model::Element& host, Point p, const RecomputeContext& ctx);

} // namespace zeva::geometry
