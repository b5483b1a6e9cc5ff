// The hit test runs on every mouse move over the drawing area: on a large figure it must stay
// well under a millisecond.

#include "bench/bench_window.h"
#include "document/document.h"
#include "geometry/recompute.h"
#include "model/element.h"
#include "ui/hit_test.h"
#include "ui/session.h"
#include "ui/tool_selection.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

using namespace zeva;
using model::Element;
using model::Kind;

using bench::BenchHost;
using bench::ensureApp;

// 20,000 elements over the view: 8,000 points in small groups, 5,000 segments and 3,000 circles
// between neighbouring points, a locus of 1,000 samples, 3,996 name labels of points.
struct Figure {
    document::DocumentSet documents;
    BenchHost host;
    std::unique_ptr<ui::Session> session;
    std::vector<Element*> points;
    std::vector<Point> cursors; // where the mouse moves: anywhere, and right on points

    Figure() {
        documents.environment.clientWidth = 1920;
        documents.environment.clientHeight = 1080;
        documents.environment.screen = {1920, 1080};
        document::Document& d = *documents.newDocument();
        d.viewLeft = -960;
        d.viewTop = 540;
        host.benchView.documents = &documents;
        std::mt19937 rng(11);
        std::uniform_real_distribution<double> x(-900, 900), y(-500, 500), near(-60, 60), r(5, 60);
        auto add = [&](Kind k, int capacity = 0) {
            auto e = model::makeElement(k, capacity);
            e->color = 0xFF0000;
            e->style = 1;
            return d.construction.append(std::move(e));
        };
        double cx = 0, cy = 0;
        for (int i = 0; i < 8000; ++i) {
            if (i % 8 == 0) {
                cx = x(rng);
                cy = y(rng);
            }
            Element* p = add(Kind::FreePoint);
            p->x1 = cx + near(rng);
            p->y1 = cy + near(rng);
            points.push_back(p);
        }
        auto neighbour = [&](size_t i, size_t k) { return points[(i / 8) * 8 + (i % 8 + k) % 8]; };
        for (int i = 0; i < 5000; ++i) {
            Element* s = add(Kind::Segment);
            const size_t a = rng() % points.size();
            s->parent1 = points[a];
            s->parent2 = neighbour(a, 1 + i % 7);
        }
        for (int i = 0; i < 3000; ++i) {
            Element* c = add(Kind::CircleByCentre);
            c->parent1 = points[rng() % points.size()];
            c->x2 = c->parent1->x1 + r(rng);
            c->y2 = c->parent1->y1;
        }
        // The midpoint of a fixed point and a point running on a circle traces a circle.
        Element* centre = add(Kind::FreePoint);
        Element* through = add(Kind::FreePoint);
        through->x1 = 300;
        Element* circle = add(Kind::CircleByCentreAndPoint);
        circle->parent1 = centre;
        circle->parent2 = through;
        Element* driving = add(Kind::PointOnElement);
        driving->parent1 = circle;
        Element* fixed = add(Kind::FreePoint);
        fixed->x1 = -200;
        fixed->y1 = 100;
        Element* traced = add(Kind::Midpoint);
        traced->parent1 = driving;
        traced->parent2 = fixed;
        Element* locus = add(Kind::Locus, 1000);
        locus->parent1 = traced;
        locus->parent2 = driving;
        for (int i = 0, count = d.construction.countOf(); count < 20000; ++i, ++count) {
            Element* named = points[static_cast<size_t>(i)];
            Element* n = add(Kind::Name);
            n->parent1 = named;
            n->param1 = 1;
            n->style = -1;
            n->color = 0x00FF00;
            n->font = std::make_unique<model::ElementFont>();
            n->name().text = "P" + std::to_string(i);
            n->name().dx = 4;
            n->name().dy = 4;
            named->label = n;
        }
        render::loadView(host.benchView.transformValue, d);
        geometry::recomputeAll(d.construction, host.benchView.recomputeContext());
        host.benchView.redraw();
        session = std::make_unique<ui::Session>(host, documents);

        for (int i = 0; i < 500; ++i)
            cursors.push_back({x(rng), y(rng)});
        for (int i = 0; i < 500; ++i)
            cursors.push_back(points[rng() % points.size()]->point());
    }
};

// One hit test per mouse move, cycling over the cursor positions; argument: the tool.
void BM_HitTestPerMouseMove(benchmark::State& state) {
    ensureApp();
    Figure f;
    ui::selectTool(*f.session, static_cast<ui::ToolCode>(state.range(0)));
    size_t i = 0;
    int64_t found = 0;
    for (auto _ : state) {
        found += ui::hitTest(*f.session, f.cursors[i]);
        i = (i + 1) % f.cursors.size();
    }
    state.counters["hitsPerMove"] =
        benchmark::Counter(static_cast<double>(found), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_HitTestPerMouseMove)
    ->Arg(ui::tool::Move)
    ->Arg(ui::tool::Segment)
    ->Arg(ui::tool::Point)
    ->Unit(benchmark::kMicrosecond);

} // namespace
