#include "expr/function_graph.h"

#include "expr/evaluator.h"
#include "expr/tokens.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>

namespace zeva::expr {

std::optional<GraphParts> partsOf(const model::Element& graph) {
    const model::Element* f = graph.parent1;
    if (!f || f->kind != model::Kind::Function || !f->exists) return std::nullopt;
    if (f->param1 < kYofX || f->param1 > kWofR) return std::nullopt;
    const auto frame = axesFrameOf(graph.parent2);
    if (!frame) return std::nullopt;
    return GraphParts{f, *frame, f->param1, prepareFunction(*f)};
}

namespace {

enum class SampleState { Valid, Failed, CutOff };

struct Sample {
    SampleState state = SampleState::Failed;
    Point world;
    Point functionPoint; // (variable, value)
};

// Evaluates the function at variable v and places the result in the plane.
Sample sampleAt(const GraphParts& g, double v, model::AngleUnit angleUnit) {
    Sample s;
    const auto value =
        g.prepared ? evaluatePrepared(*g.prepared, v, angleUnit) : std::optional<double>();
    const Point failed{v * g.frame.unitX + g.frame.origin.x, kFailedSampleY};
    if (!value) {
        s.world = failed;
        s.functionPoint = {v, kFailedSampleY};
        return s;
    }
    const double f = *value;
    s.functionPoint = {v, f};
    double x = 0.0;
    double y = 0.0;
    switch (g.type) {
    case kYofX:
        x = v;
        y = f;
        break;
    case kXofY:
        x = f;
        y = v;
        break;
    case kRofW:
    case kWofR: {
        // Very large radii and angles are not drawn (in either direction).
        if (std::fabs(f) > kPolarCutOff) {
            s.state = SampleState::CutOff;
            s.world = {kPolarCutOff, kPolarCutOff};
            return s;
        }
        const double radius = g.type == kRofW ? f : v;
        const double angle = model::userAngleToRadians(g.type == kRofW ? v : f, angleUnit);
        x = radius * std::cos(angle);
        y = radius * std::sin(angle);
        break;
    }
    default:
        break;
    }
    s.world = {x * g.frame.unitX + g.frame.origin.x, y * g.frame.unitY + g.frame.origin.y};
    if (!std::isfinite(s.world.x) || !std::isfinite(s.world.y)) {
        s.world = failed;
        s.functionPoint = {v, kFailedSampleY};
        return s;
    }
    s.state = SampleState::Valid;
    return s;
}

double variableAt(const model::Element& graph, double t) {
    return graph.y1 + (graph.x2 - graph.y1) * t;
}

} // namespace

std::string_view functionVariableName(int functionType) {
    switch (functionType) {
    case kYofX:
        return "x";
    case kXofY:
        return "y";
    case kRofW:
        return "w";
    case kWofR:
        return "r";
    default:
        return {};
    }
}

std::optional<AxesFrame> axesFrameOf(const model::Element* axes) {
    if (!axes || axes->kind != model::Kind::Axes) return std::nullopt;
    const auto* tail = std::get_if<model::AxesTail>(&axes->tail);
    if (!tail) return std::nullopt;
    AxesFrame frame;
    frame.origin = axes->parent1 ? axes->parent1->point()
                   : tail->axisX ? tail->axisX->point()
                                 : axes->point();
    frame.unitX = tail->unitX;
    frame.unitY = tail->unitY;
    const auto usable = [](double u) { return std::isfinite(u) && u > 0.0; };
    if (!usable(frame.unitX) || !usable(frame.unitY)) return std::nullopt;
    return frame;
}

GraphRange functionGraphRange(int functionType, const AxesFrame& frame, const GraphView& view,
                              model::AngleUnit angleUnit) {
    const double left = (view.left - frame.origin.x) / frame.unitX;
    const double right = (view.right - frame.origin.x) / frame.unitX;
    switch (functionType) {
    case kXofY:
        return {(view.bottom - frame.origin.y) / frame.unitY,
                (view.top - frame.origin.y) / frame.unitY};
    case kRofW:
        return {0.0, model::angleToUser(2.0 * model::kPi, angleUnit)};
    case kWofR:
        return {0.0, std::max(std::fabs(left), std::fabs(right))};
    default:
        return {left, right};
    }
}

bool setFunctionGraphRange(model::Element& graph, const GraphView& view,
                           model::AngleUnit angleUnit) {
    const model::Element* f = graph.parent1;
    const auto frame = axesFrameOf(graph.parent2);
    if (!f || f->kind != model::Kind::Function || !frame) return false;
    const GraphRange r = functionGraphRange(f->param1, *frame, view, angleUnit);
    graph.y1 = r.start;
    graph.x2 = r.end;
    return true;
}

void sampleFunctionGraph(model::Element& graph, const GraphView& view, model::AngleUnit angleUnit) {
    auto* tail = std::get_if<model::SampleTail>(&graph.tail);
    const auto parts = partsOf(graph);
    if (!tail || !parts) {
        graph.exists = 0;
        return;
    }
    if (graph.y1 == 0.0 && graph.x2 == 0.0) setFunctionGraphRange(graph, view, angleUnit);
    if (tail->capacity != kGraphSamples) tail->resize(kGraphSamples);
    for (int i = 0; i < kGraphSamples; ++i) {
        const double t = static_cast<double>(i) / (kGraphSamples - 1);
        const Sample s = sampleAt(*parts, variableAt(graph, t), angleUnit);
        const auto k = static_cast<size_t>(i);
        tail->samples[k] = s.world;
        tail->samples2[k] = s.functionPoint;
        tail->sampleParams[k] = t;
        tail->sampleColors[k] = s.state == SampleState::Valid ? 0 : model::kInvalidSample;
    }
    tail->sampleCount = kGraphSamples;
}

PreparedGraph prepareGraph(const model::Element& graph, model::AngleUnit angleUnit) {
    return PreparedGraph{&graph, partsOf(graph), angleUnit};
}

bool functionGraphJoins(const model::Element& graph, int i, model::AngleUnit angleUnit) {
    return functionGraphJoins(prepareGraph(graph, angleUnit), i);
}

bool functionGraphJoins(const PreparedGraph& prepared, int i) {
    const model::Element& graph = *prepared.graph;
    const model::AngleUnit angleUnit = prepared.angleUnit;
    const std::optional<GraphParts>& parts = prepared.parts;
    const auto* tail = std::get_if<model::SampleTail>(&graph.tail);
    if (!tail || !parts || i < 0 || i + 1 >= tail->sampleCount ||
        static_cast<size_t>(i + 1) >= tail->samples.size())
        return false;
    const auto k = static_cast<size_t>(i);
    if (tail->sampleColors[k] == model::kInvalidSample ||
        tail->sampleColors[k + 1] == model::kInvalidSample)
        return false;
    if (parts->type == kRofW || parts->type == kWofR) {
        const Point d = tail->samples[k + 1] - tail->samples[k];
        return std::hypot(d.x, d.y) <= kPolarJoinDistance;
    }
    const Point a = tail->samples2[k];
    const Point b = tail->samples2[k + 1];
    if (a.x == b.x) return false;
    if (!parts->prepared) return false;
    const auto middle = evaluatePrepared(*parts->prepared, (a.x + b.x) / 2.0, angleUnit);
    if (!middle) return false;
    const double slope = (b.y - a.y) / (b.x - a.x);
    if (std::fabs(slope) > 4.0 && a.y != b.y) {
        const double low = std::min(a.y, b.y);
        const double high = std::max(a.y, b.y);
        return *middle > low && *middle < high;
    }
    return true;
}

std::optional<Point> functionGraphPointAt(const model::Element& graph, double t,
                                          model::AngleUnit angleUnit) {
    const auto parts = partsOf(graph);
    if (!parts || !std::isfinite(t)) return std::nullopt;
    const Sample s = sampleAt(*parts, variableAt(graph, t), angleUnit);
    if (s.state != SampleState::Valid) return std::nullopt;
    return s.world;
}

double functionGraphParameterOf(const model::Element& graph, Point p, model::AngleUnit) {
    const auto* tail = std::get_if<model::SampleTail>(&graph.tail);
    if (!tail) return 0.0;
    double best = 999999.0;
    double t = 0.0;
    const auto n =
        std::min(static_cast<size_t>(std::max(tail->sampleCount, 0)), tail->samples.size());
    for (size_t k = 0; k < n; ++k) {
        if (tail->sampleColors[k] == model::kInvalidSample) continue;
        const Point d = tail->samples[k] - p;
        const double dist = std::hypot(d.x, d.y);
        if (dist < best) {
            best = dist;
            t = tail->sampleParams[k];
        }
    }
    return t;
}

} // namespace zeva::expr
