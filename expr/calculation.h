#pragma once
// Calculations (kind 37), functions (kind 64) and function graphs (kind 65) as the recompute
// pass sees them.

#include "model/element.h"

#include <optional>

namespace zeva::expr {

// Kinds 37 and 64: gathers the references' values; a Cálculo is evaluated and its param1 set
// to 100 (evaluates) or -100 (does not). angleUnit: 0 RAD, 1 DEG, 2 GRA.
void recomputeCalculation(model::Element& e, int angleUnit);

// The visible world rectangle a graph takes its variable range from.
struct GraphView {
    double left = -512.0;
    double top = 384.0;
    double right = 512.0;
    double bottom = -384.0;
};

// Kind 65: samples the graph of its function (parent1) on its axes (parent2).
void sampleFunctionGraph(model::Element& graph, const GraphView& view, int angleUnit);

// The point of a function graph at parameter t, and the parameter of the graph point nearest p.
std::optional<Point> functionGraphPointAt(const model::Element& graph, double t, int angleUnit);
double functionGraphParameterOf(const model::Element& graph, Point p, int angleUnit);

} // namespace zeva::expr
