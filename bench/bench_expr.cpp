// Speed of the expression engine: one compiled expression evaluated a million times, and the
// 250 samples of a function graph.
#include "expr/calculation.h"
#include "expr/compiler.h"
#include "expr/evaluator.h"
#include "expr/function_graph.h"
#include "expr/tokenizer.h"
#include "expr/tokens.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace zeva;
using namespace zeva::expr;

// 50 codes (49 and the terminating 0): operands, constants, the four arithmetic operators,
// powers, a sign and a few functions.
constexpr const char* kFiftyCodes =
    "a*b+c/2-sin(a)*3+d^2-e*(a+b)/4+sqr(c*c+1)-abs(d-e)*0,5+cos(b)*a-c*-d+e";

// The expression's value table: five operands, then its constants.
std::vector<double> fiftyCodeTable() {
    std::vector<double> table(static_cast<size_t>(1 + 5 + countConstants(kFiftyCodes)));
    table[1] = 1.5;
    table[2] = 2.25;
    table[3] = 3.75;
    table[4] = 0.5;
    table[5] = 7.0;
    fillConstants(kFiftyCodes, 5, table);
    return table;
}

// Prepared once, run a million times (how graphs and repeated evaluations use it).
void BM_EvaluateCompiledExpressionMillionTimes(benchmark::State& state) {
    const auto code = compileExpression(kFiftyCodes, 5, 0, kCalculation);
    std::vector<double> table = fiftyCodeTable();
    const auto prepared = prepareCode(*code, table.size(), 0);
    state.counters["codes"] = static_cast<double>(code->size() - 1);
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < 1000000; ++i) {
            table[1] = 1.5 + i * 1e-9;
            sum += *runPrepared(*prepared, table, 0.0, {}, model::AngleUnit::Radian);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_EvaluateCompiledExpressionMillionTimes)->Unit(benchmark::kMillisecond);

// evaluateCode checks the code list against its table on every call (a Cálculo's recompute).
void BM_EvaluateCodeWithCheckMillionTimes(benchmark::State& state) {
    const auto code = compileExpression(kFiftyCodes, 5, 0, kCalculation);
    std::vector<double> table = fiftyCodeTable();
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < 1000000; ++i) {
            table[1] = 1.5 + i * 1e-9;
            sum += *evaluateCode(*code, table, 0.0, {}, model::AngleUnit::Radian);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_EvaluateCodeWithCheckMillionTimes)->Unit(benchmark::kMillisecond);

// A Función of type `type` with its compiled code, on axes at the origin, and its graph.
struct GraphFixture {
    std::unique_ptr<model::Element> origin = model::makeElement(model::Kind::FreePoint);
    std::unique_ptr<model::Element> axes = model::makeElement(model::Kind::Axes);
    std::unique_ptr<model::Element> function = model::makeElement(model::Kind::Function);
    std::unique_ptr<model::Element> graph = model::makeElement(model::Kind::FunctionGraph);

    GraphFixture(const char* text, int type) {
        axes->parent1 = origin.get();
        function->param1 = type;
        auto& t = function->expression();
        t.expression = text;
        t.code = *compileExpression(text, 0, 0, type);
        t.constants.assign(static_cast<size_t>(1 + countConstants(text)), 0.0);
        fillConstants(text, 0, t.constants);
        graph->parent1 = function.get();
        graph->parent2 = axes.get();
    }
};

void BM_SampleFunctionGraph(benchmark::State& state) {
    GraphFixture g("sin(x)*x^2/(1+abs(x))", kYofX);
    const GraphView view;
    for (auto _ : state) {
        sampleFunctionGraph(*g.graph, view, model::AngleUnit::Radian);
        benchmark::DoNotOptimize(g.graph->samples().samples.data());
    }
}
BENCHMARK(BM_SampleFunctionGraph)->Unit(benchmark::kMicrosecond);

void BM_SamplePolarGraph(benchmark::State& state) {
    GraphFixture g("2+cos(3*w)", kRofW);
    const GraphView view;
    for (auto _ : state) {
        sampleFunctionGraph(*g.graph, view, model::AngleUnit::Degree);
        benchmark::DoNotOptimize(g.graph->samples().samples.data());
    }
}
BENCHMARK(BM_SamplePolarGraph)->Unit(benchmark::kMicrosecond);

// The renderer asks the joining test for every chord of a graph.
void BM_JoinTestWholeGraph(benchmark::State& state) {
    GraphFixture g("tan(x)", kYofX);
    sampleFunctionGraph(*g.graph, GraphView{}, model::AngleUnit::Radian);
    for (auto _ : state) {
        int joined = 0;
        for (int i = 0; i + 1 < kGraphSamples; ++i)
            joined += functionGraphJoins(*g.graph, i, model::AngleUnit::Radian);
        benchmark::DoNotOptimize(joined);
    }
}
BENCHMARK(BM_JoinTestWholeGraph)->Unit(benchmark::kMicrosecond);

} // namespace
