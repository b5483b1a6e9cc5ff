// The recompute pass on large constructions: a full pass over 100,000 mixed elements, and the
// partial pass of a drag over the 10,000 dependents of one point.

#include "geometry/recompute.h"
#include "model/construction.h"
#include "model/dependencies.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using zeva::geometry::RecomputeContext;
using zeva::model::Construction;
using zeva::model::Element;
using zeva::model::Kind;

Element* add(Construction& c, Kind kind, Element* a = nullptr, Element* b = nullptr) {
    auto e = zeva::model::makeElement(kind);
    e->parent1 = a;
    e->parent2 = b;
    e->param1 = 100;
    return c.append(std::move(e));
}

Element* point(Construction& c, double x, double y) {
    Element* p = add(c, Kind::FreePoint);
    p->x1 = x;
    p->y1 = y;
    return p;
}

// Eight elements: two points (the first given, or a new free point), their midpoint, the line
// through them, the perpendicular at the midpoint, the circle about the midpoint, a segment
// and the distance of the two points.
void addBlock(Construction& c, Element* first, double x) {
    Element* a = first ? first : point(c, x, 0.5 * x);
    Element* b = point(c, x + 7, -3);
    Element* m = add(c, Kind::Midpoint, a, b);
    Element* line = add(c, Kind::LineThroughTwoPoints, a, b);
    add(c, Kind::PerpendicularLine, line, m);
    add(c, Kind::CircleByCentreAndPoint, m, b);
    add(c, Kind::Segment, a, m);
    add(c, Kind::DistancePointPoint, a, b);
}

struct Scene {
    Construction c;
    RecomputeContext ctx;
    Element* dragged = nullptr;

    // About `total` elements in blocks of eight, of which about `dependents` depend on the
    // dragged point: the blocks built on it are spread evenly through the list, and the other
    // seven elements of such a block all depend on it.
    Scene(int total, int dependents) {
        ctx.construction = &c;
        dragged = point(c, 1, 1);
        // A block built on the dragged point has seven elements, six of them dependents.
        const int blocks = total / 8;
        const double share = dependents / (6.0 * blocks);
        for (int i = 0; i < blocks; ++i) {
            const bool onDragged = static_cast<int>((i + 1) * share) > static_cast<int>(i * share);
            addBlock(c, onDragged ? dragged : nullptr, i);
        }
        while (c.countOf() < total)
            point(c, 0, 0);
        zeva::geometry::recomputeAll(c, ctx);
    }
};

void BM_FullRecompute100k(benchmark::State& state) {
    Scene scene(100000, 0);
    double x = 0;
    for (auto _ : state) {
        scene.dragged->x1 = x += 0.5;
        zeva::geometry::recomputeAll(scene.c, scene.ctx);
        benchmark::ClobberMemory();
    }
    state.counters["elements"] = scene.c.countOf();
}
BENCHMARK(BM_FullRecompute100k)->Unit(benchmark::kMillisecond);

// Gathering a drag's list when the drag starts: the dependents of the dragged point among
// 100,000 elements.
void BM_GatherDependents10kOf100k(benchmark::State& state) {
    Scene scene(100000, 10000);
    size_t count = 0;
    for (auto _ : state) {
        const std::vector<Element*> dependents = zeva::model::dependentsOf(scene.c, *scene.dragged);
        count = dependents.size();
        benchmark::DoNotOptimize(dependents.data());
    }
    state.counters["dependents"] = static_cast<double>(count);
}
BENCHMARK(BM_GatherDependents10kOf100k)->Unit(benchmark::kMicrosecond);

// One drag step: the dragged point's 10,000 dependents, gathered once when the drag starts,
// are recomputed among 100,000 elements.
void BM_DependentsRecompute10kOf100k(benchmark::State& state) {
    Scene scene(100000, 10000);
    const std::vector<Element*> dependents = zeva::model::dependentsOf(scene.c, *scene.dragged);
    double x = 0;
    for (auto _ : state) {
        scene.dragged->x1 = x += 0.5;
        zeva::geometry::recomputeElements(dependents, scene.ctx);
        benchmark::ClobberMemory();
    }
    state.counters["dependents"] = static_cast<double>(dependents.size());
}
BENCHMARK(BM_DependentsRecompute10kOf100k)->Unit(benchmark::kMicrosecond);

} // namespace
