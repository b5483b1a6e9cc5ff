// Recomputing 100,000 line-circle and circle-circle intersection points, and the crossings of a
// locus shared by the points of one pair.

#include "geometry/intersections.h"
#include "geometry/recompute.h"
#include "model/construction.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace zeva;
using namespace zeva::model;

namespace {

constexpr int kPoints = 100000;
constexpr int kCurves = 500; // circles and lines the points are made on

Element* add(Construction& c, Kind kind, Element* p1 = nullptr, Element* p2 = nullptr) {
    auto e = makeElement(kind, kind == Kind::Locus ? 1000 : 0);
    e->parent1 = p1;
    e->parent2 = p2;
    return c.append(std::move(e));
}

Element* freePoint(Construction& c, double x, double y) {
    Element* p = add(c, Kind::FreePoint);
    p->x1 = x;
    p->y1 = y;
    return p;
}

// kCurves circles and kCurves lines, half of the lines through a point on a circle (so the
// known-common-point rule runs), then kPoints intersection points: half line-circle, half
// circle-circle, both solutions of each pair.
struct Figure {
    Construction c;
    geometry::RecomputeContext ctx;
    std::vector<Element*> points;

    Figure() {
        ctx.construction = &c;
        std::mt19937 rng(5);
        std::uniform_real_distribution<double> coord(-300, 300);
        std::uniform_real_distribution<double> radius(80, 200);
        std::vector<Element*> circles;
        std::vector<Element*> lines;
        for (int i = 0; i < kCurves; ++i) {
            Element* centre = freePoint(c, coord(rng), coord(rng));
            Element* rim = freePoint(c, centre->x1 + radius(rng), centre->y1);
            circles.push_back(add(c, Kind::CircleByCentreAndPoint, centre, rim));
        }
        for (int i = 0; i < kCurves; ++i) {
            Element* a = nullptr;
            if (i % 2 == 0) {
                a = add(c, Kind::PointOnElement, circles[i]);
                a->y2 = 0.01 * i;
            } else {
                a = freePoint(c, coord(rng), coord(rng));
            }
            lines.push_back(add(c, Kind::LineThroughTwoPoints, a, freePoint(c, coord(rng), 0)));
        }
        geometry::recomputeAll(c, ctx);
        for (int i = 0; i < kPoints; ++i) {
            const int pair = i / 2;
            Element* x = add(c, Kind::Intersection);
            if (i < kPoints / 2) {
                const int k = pair % kCurves;
                x->parent1 = lines[k];
                x->parent2 = circles[(k + pair / kCurves) % kCurves];
            } else {
                x->parent1 = circles[pair % kCurves];
                x->parent2 = circles[(pair + 1 + pair / kCurves) % kCurves];
            }
            x->param1 = geometry::intersectionType(*x, i % 2);
            points.push_back(x);
        }
    }
};

void BM_RecomputeIntersectionPoints(benchmark::State& state) {
    Figure f;
    int existing = 0;
    for (auto _ : state) {
        for (Element* x : f.points)
            geometry::recomputeIntersection(*x, f.ctx);
        benchmark::DoNotOptimize(f.points.back()->x1);
    }
    for (Element* x : f.points)
        existing += x->exists;
    state.counters["existing"] = existing;
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_RecomputeIntersectionPoints)->Unit(benchmark::kMillisecond);

void BM_RecomputeAllWithIntersectionPoints(benchmark::State& state) {
    Figure f;
    for (auto _ : state) {
        geometry::recomputeAll(f.c, f.ctx);
        benchmark::DoNotOptimize(f.points.back()->x1);
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_RecomputeAllWithIntersectionPoints)->Unit(benchmark::kMillisecond);

// A 1,000-sample point locus crossed 100 times by a segment: the 100 points of the pair are
// computed once per pass.
void BM_LocusCrossingsSharedByOnePair(benchmark::State& state) {
    Construction c;
    geometry::RecomputeContext ctx;
    ctx.construction = &c;
    Element* traced = freePoint(c, 0, 0);
    Element* driver = add(c, Kind::PointOnElement, freePoint(c, 0, 0));
    Element* locus = add(c, Kind::Locus, traced, driver);
    auto& tail = locus->samples();
    for (int i = 0; i < tail.capacity; ++i)
        tail.samples[i] = {-500.0 + i, (i / 5) % 2 == 0 ? 10.0 : -10.0};
    tail.sampleCount = tail.capacity;
    Element* segment = add(c, Kind::Segment);
    segment->x1 = -500;
    segment->x2 = 500;
    std::vector<Element*> points;
    for (int i = 0; i < 100; ++i) {
        Element* x = add(c, Kind::Intersection, locus, segment);
        x->param1 = geometry::kLocusCrossing;
        x->param2 = i;
        points.push_back(x);
    }
    for (auto _ : state) {
        for (Element* x : points)
            geometry::recomputeIntersection(*x, ctx);
        benchmark::DoNotOptimize(points.back()->x1);
    }
}
BENCHMARK(BM_LocusCrossingsSharedByOnePair)->Unit(benchmark::kMicrosecond);

} // namespace
