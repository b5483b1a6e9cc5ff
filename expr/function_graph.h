#pragma once
// Graphs of functions (kind 65): the variable range taken from the view, the mapping of a
// function value to the plane in the four function types, and the joining test between
// neighbouring samples.

#include "expr/calculation.h"
#include "expr/evaluator.h"
#include "expr/tokens.h"
#include "model/element.h"
#include "model/units.h"

#include <optional>
#include <string_view>

namespace zeva::expr {

inline constexpr int kGraphSamples = model::kFunctionGraphCapacity; // 250
inline constexpr double kFailedSampleY = 99999999.0; // world y (and value) of a failed sample
inline constexpr double kPolarCutOff = 999999.0;     // larger polar values are not drawn
inline constexpr double kPolarJoinDistance = 999.0;  // polar samples farther apart don't join

// "x", "y", "w" or "r" for function types 1..4; "" otherwise.
std::string_view functionVariableName(int functionType);

// Origin and world units per axis unit of an Ejes de coordenadas element.
struct AxesFrame {
    Point origin;
    double unitX = 40.0;
    double unitY = 40.0;
};
// None when `axes` is not an axes element or a unit is not a positive finite length.
std::optional<AxesFrame> axesFrameOf(const model::Element* axes);

struct GraphRange {
    double start = 0.0;
    double end = 0.0;
};

// The variable range of a graph of the given function type on `frame`, from the visible
// rectangle: type 1 the x axis between the left and right edges, type 2 the y axis between the
// bottom and top edges, type 3 a full turn in the angle unit, type 4 0 to the farther of the x
// axis's ends (in axis units).
GraphRange functionGraphRange(int functionType, const AxesFrame& frame, const GraphView& view,
                              model::AngleUnit angleUnit);

// Fixes a graph's range (y1 = start, x2 = end) from the view; false when its function or axes
// are missing.
bool setFunctionGraphRange(model::Element& graph, const GraphView& view,
                           model::AngleUnit angleUnit);

// Whether the renderer may draw the chord from sample i to sample i + 1 of a sampled graph:
// both valid; for types 1 and 2 the chord has a slope, the function has a value at the middle
// variable and, for a chord steeper than 4, that value lies strictly between the ends (so poles
// are not bridged); for types 3 and 4 the world points are at most 999 units apart.
bool functionGraphJoins(const model::Element& graph, int i, model::AngleUnit angleUnit);

// The function and the frame of a graph, when both are usable.
struct GraphParts {
    const model::Element* function = nullptr;
    AxesFrame frame;
    int type = 0;
    std::optional<PreparedFunction> prepared; // none: no sample has a value
};
std::optional<GraphParts> partsOf(const model::Element& graph);

// A graph with its function prepared once, for the joining test of all its neighbouring
// samples: drawing and the hit test walk every pair, and preparing the function for each one
// made a graph cost a compile per sample on every redraw and every mouse move.
struct PreparedGraph {
    const model::Element* graph = nullptr;
    std::optional<GraphParts> parts;
    model::AngleUnit angleUnit = model::AngleUnit::Radian;
};
PreparedGraph prepareGraph(const model::Element& graph, model::AngleUnit angleUnit);
bool functionGraphJoins(const PreparedGraph& prepared, int i);

} // namespace zeva::expr
