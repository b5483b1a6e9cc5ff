// An animated point driving a figure of 5,000 elements: one step of the clock (the move, the
// recompute of everything built on the point, the redraw of the 1920 x 1080 bitmap with the Qt
// canvas, the hit test at the cursor and the copy to the window) must fit in the 30 ms between
// two steps, with time to spare for the mouse.

#include "bench/bench_window.h"
#include "edit/animation.h"
#include "geometry/recompute.h"
#include "model/element.h"
#include "ui/animation_control.h"
#include "ui/session.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

using namespace zeva;
using model::Element;
using model::Kind;

// A point running along a segment; 1,249 groups of a free point, the midpoint of it and the
// running point, the segment between the two and the circle about the midpoint through the free
// point: 3,747 elements move with the point at every step.
struct Figure {
    document::DocumentSet documents;
    bench::BenchHost host;
    std::unique_ptr<ui::Session> session;
    document::Document* d = nullptr;

    Figure() {
        documents.environment.clientWidth = 1920;
        documents.environment.clientHeight = 1080;
        documents.environment.screen = {1920, 1080};
        d = documents.newDocument();
        d->viewLeft = -960;
        d->viewTop = 540;
        host.benchView.documents = &documents;
        auto add = [&](Kind k, Element* p1 = nullptr, Element* p2 = nullptr) {
            auto e = model::makeElement(k);
            e->color = 0xFF0000;
            e->style = 1;
            e->param1 = -1;
            e->parent1 = p1;
            e->parent2 = p2;
            return d->construction.append(std::move(e));
        };
        std::mt19937 rng(7);
        std::uniform_real_distribution<double> x(-900, 900), y(-500, 500);
        Element* a = add(Kind::FreePoint);
        a->x1 = -900;
        a->y1 = -450;
        Element* b = add(Kind::FreePoint);
        b->x1 = 900;
        b->y1 = -450;
        Element* runner = add(Kind::PointOnElement, add(Kind::Segment, a, b));
        runner->y2 = 0.5;
        while (d->construction.countOf() + 4 <= 5000) {
            Element* q = add(Kind::FreePoint);
            q->x1 = x(rng);
            q->y1 = y(rng);
            Element* m = add(Kind::Midpoint, runner, q);
            add(Kind::Segment, m, q);
            add(Kind::CircleByCentreAndPoint, m, q);
        }
        edit::addOrRestartAnimation(d->construction, *runner);
        render::loadView(host.benchView.transformValue, *d);
        geometry::recomputeAll(d->construction, host.benchView.recomputeContext());
        host.benchView.redraw();
        host.cursor = render::IPoint{960, 540};
        host.paintOnRepaint = true;
        session = std::make_unique<ui::Session>(host, documents);
    }
};

// The whole step as the window runs it.
void BM_AnimationStepOf5000Elements(benchmark::State& state) {
    bench::ensureApp();
    Figure f;
    state.counters["elements"] = f.d->construction.countOf();
    for (auto _ : state)
        ui::animationTick(*f.session);
}
BENCHMARK(BM_AnimationStepOf5000Elements)->Unit(benchmark::kMillisecond);

// Its first part: the move and the recompute of the dependents.
void BM_AnimationMoveAndRecompute(benchmark::State& state) {
    bench::ensureApp();
    Figure f;
    const geometry::RecomputeContext ctx = f.host.benchView.recomputeContext();
    for (auto _ : state) {
        edit::Edit edit(*f.d, ctx, edit::UndoStep::Continue);
        edit::animationStep(edit);
    }
}
BENCHMARK(BM_AnimationMoveAndRecompute)->Unit(benchmark::kMillisecond);

} // namespace
