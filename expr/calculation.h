#pragma once
// Calculations (kind 37), functions (kind 64) and function graphs (kind 65) as the recompute
// pass sees them.

#include "model/element.h"
#include "model/units.h"

#include <optional>

namespace zeva::expr {

// Kinds 37 and 64: gathers the references' values; a Cálculo is evaluated and its param1 set
// to 100 (evaluates) or -100 (does not). angleUnit: the document's. The caller has set
// `exists` from the references; a Cálculo with an operand without value gets -100, keeps x1.
void recomputeCalculation(model::Element& e, model::AngleUnit angleUnit);

// Copies the operands' values (x1) into the value table of a Cálculo or Función (slots 1..v)
// and refreshes measureCount; false when an operand is missing or has no value.
bool gatherOperandValues(model::Element& e);

// The visible world rectangle a graph takes its variable range from.
struct GraphView {
    double left = -512.0;
    double top = 384.0;
    double right = 512.0;
    double bottom = -384.0;
};

// Kind 65: samples the graph of its function (parent1) on its axes (parent2): 250 samples of
// the variable range (y1 .. x2), which is first taken from `view` while both ends are still 0
// (a new graph). Failed samples sit at world y 99999999 and are marked invalid.
void sampleFunctionGraph(model::Element& graph, const GraphView& view, model::AngleUnit angleUnit);

// The point of a function graph at parameter t (0..1 along the variable range), none where the
// function has no value; and the parameter of the valid sample nearest p (0 when none is).
std::optional<Point> functionGraphPointAt(const model::Element& graph, double t,
                                          model::AngleUnit angleUnit);
double functionGraphParameterOf(const model::Element& graph, Point p, model::AngleUnit angleUnit);

} // namespace zeva::expr
