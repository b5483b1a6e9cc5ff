// Speed of the expression engine: one compiled expression evaluated many times, and the
// sampling of a function graph.
#include "expr/compiler.h"
#include "expr/evaluator.h"
#include "expr/tokenizer.h"
#include "expr/tokens.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace zeva::expr;

// 50 codes in postfix order (49 plus the terminating 0): operands, constants, the four
// arithmetic operators, a power, a sign and a few functions.
constexpr const char* kFiftyTokens = "a*b+c/2-sin(a)*3+d^2-e*(a+b)/4+sqr(c*c+1)-abs(d-e)*0,5+"
                                     "cos(b)*a-c";

void BM_EvaluateCompiled50Tokens(benchmark::State& state) {
    const auto code = compileExpression(kFiftyTokens, 5, 0, kCalculation);
    const int v = 5;
    std::vector<double> table(static_cast<size_t>(1 + v + countConstants(kFiftyTokens)));
    table[1] = 1.5;
    table[2] = 2.25;
    table[3] = 3.75;
    table[4] = 0.5;
    table[5] = 7.0;
    fillConstants(kFiftyTokens, v, table);
    state.counters["codes"] = static_cast<double>(code->size());
    for (auto _ : state) {
        for (int i = 0; i < 1000000; ++i) {
            table[1] = 1.5 + i * 1e-9;
            auto r = evaluateCode(*code, table, 0.0, {}, 0);
            benchmark::DoNotOptimize(r);
        }
    }
}
BENCHMARK(BM_EvaluateCompiled50Tokens)->Unit(benchmark::kMillisecond);

} // namespace
