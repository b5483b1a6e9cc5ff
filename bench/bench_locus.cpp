// Sampling a locus in a large construction: only the dependents of the driving point are
// recomputed for each sample.

#include "geometry/locus.h"
#include "geometry/recompute.h"
#include "model/construction.h"

#include <benchmark/benchmark.h>

namespace {

using zeva::geometry::RecomputeContext;
using zeva::model::Construction;
using zeva::model::Element;
using zeva::model::Kind;

Element* add(Construction& c, Kind kind, Element* a = nullptr, Element* b = nullptr,
             int32_t capacity = 0) {
    auto e = zeva::model::makeElement(kind, capacity);
    e->parent1 = a;
    e->parent2 = b;
    return c.append(std::move(e));
}

Element* point(Construction& c, double x, double y) {
    Element* p = add(c, Kind::FreePoint);
    p->x1 = x;
    p->y1 = y;
    return p;
}

// `total` elements: a point D on a circle near the start, unrelated points and midpoints,
// then a chain of `depth` midpoints from D, the last traced by a locus of `samples` points.
struct LocusScene {
    Construction c;
    RecomputeContext ctx;
    Element* locus = nullptr;

    LocusScene(int total, int depth, int samples) {
        ctx.construction = &c;
        Element* circle = add(c, Kind::CircleByCentreAndPoint, point(c, 0, 0), point(c, 100, 0));
        Element* d = add(c, Kind::PointOnElement, circle);
        std::vector<Element*> fixed;
        const int filler = total - 4 - depth - 1;
        for (int i = 0; i < filler; ++i) {
            if (i % 3 == 2)
                fixed.push_back(
                    add(c, Kind::Midpoint, fixed[fixed.size() - 1], fixed[fixed.size() - 2]));
            else
                fixed.push_back(point(c, i % 97, i % 89));
        }
        Element* traced = d;
        for (int k = 0; k < depth; ++k)
            traced = add(c, Kind::Midpoint, traced, fixed[static_cast<size_t>(k) % fixed.size()]);
        locus = add(c, Kind::Locus, traced, d, samples);
        zeva::geometry::recomputeAll(c, ctx);
    }
};

void BM_SampleLocus(benchmark::State& state) {
    LocusScene scene(10000, static_cast<int>(state.range(0)), 1000);
    for (auto _ : state) {
        zeva::geometry::sampleLocus(*scene.locus, scene.ctx);
        benchmark::DoNotOptimize(scene.locus->samples().samples.data());
    }
    state.SetLabel("10,000 elements, 1,000 samples");
}
BENCHMARK(BM_SampleLocus)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_ExactPointOnLocus(benchmark::State& state) {
    LocusScene scene(10000, 50, 1000);
    double t = 0;
    for (auto _ : state) {
        auto p = zeva::geometry::locusPointAt(*scene.locus, t, scene.ctx);
        benchmark::DoNotOptimize(p);
        t += 0.01;
    }
}
BENCHMARK(BM_ExactPointOnLocus)->Unit(benchmark::kMicrosecond);

} // namespace
