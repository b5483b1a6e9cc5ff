// Finding dependents and deletion on 100,000-element constructions.

#include "model/construction.h"
#include "model/dependencies.h"

#include <benchmark/benchmark.h>

using namespace zeva::model;

namespace {

constexpr int kSize = 100000;

Element* add(Construction& c, Kind kind, Element* p1 = nullptr, Element* p2 = nullptr) {
    auto e = makeElement(kind);
    e->parent1 = p1;
    e->parent2 = p2;
    return c.append(std::move(e));
}

// A free point followed by a chain where each element is built on the one before it.
Element* buildChain(Construction& c) {
    Element* first = add(c, Kind::FreePoint);
    Element* prev = first;
    for (int i = 1; i < kSize; ++i) prev = add(c, Kind::Midpoint, prev, prev);
    return first;
}

// A free point with every other element hanging directly off it.
Element* buildWide(Construction& c) {
    Element* first = add(c, Kind::FreePoint);
    Element* other = add(c, Kind::FreePoint);
    for (int i = 2; i < kSize; ++i) add(c, Kind::Midpoint, first, other);
    return first;
}

void BM_DependentsOfChain(benchmark::State& state) {
    Construction c;
    Element* first = buildChain(c);
    for (auto _ : state) {
        const std::vector<Element*> dependents = dependentsOf(c, *first);
        benchmark::DoNotOptimize(dependents.data());
    }
}
BENCHMARK(BM_DependentsOfChain)->Unit(benchmark::kMillisecond);

void BM_DependentsOfWide(benchmark::State& state) {
    Construction c;
    Element* first = buildWide(c);
    for (auto _ : state) {
        const std::vector<Element*> dependents = dependentsOf(c, *first);
        benchmark::DoNotOptimize(dependents.data());
    }
}
BENCHMARK(BM_DependentsOfWide)->Unit(benchmark::kMillisecond);

void BM_DeleteWithDependentsWide(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Construction c;
        Element* first = buildWide(c);
        state.ResumeTiming();
        c.deleteElements(withDependents(c, {&first, 1}));
        benchmark::DoNotOptimize(c.elements);
        state.PauseTiming();
        c.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteWithDependentsWide)->Unit(benchmark::kMillisecond);

void BM_DeleteWithDependentsChain(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Construction c;
        Element* first = buildChain(c);
        state.ResumeTiming();
        c.deleteElements(withDependents(c, {&first, 1}));
        benchmark::DoNotOptimize(c.elements);
    }
}
BENCHMARK(BM_DeleteWithDependentsChain)->Unit(benchmark::kMillisecond);

void BM_CopyList(benchmark::State& state) {
    Construction c;
    buildChain(c);
    for (auto _ : state) {
        Construction copy = c.copyList(true);
        benchmark::DoNotOptimize(copy.elements);
    }
}
BENCHMARK(BM_CopyList)->Unit(benchmark::kMillisecond);

}  // namespace
