// Redrawing a large figure on a screen-sized off-screen bitmap.

#include "document/document.h"
#include "geometry/recompute.h"
#include "model/element.h"
#include "platform/qt_canvas.h"
#include "platform/smooth_governor.h"
#include "render/recording_canvas.h"
#include "render/renderer.h"
#include "render/view_transform.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

namespace {

using namespace zeva;
using model::Element;
using model::Kind;

void ensureApp() {
    static QGuiApplication* app = [] {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "bench_render";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

// 10,000 elements over a 1920 x 1080 view: 4,000 points in small groups, 2,500 segments,
// 1,500 circles and 1,000 triangles between neighbouring points, 1,000 name labels.
struct Figure {
    document::Document d;
    render::ViewTransform view;
    render::RenderContext ctx;
    std::vector<Element*> points;

    Figure() {
        std::mt19937 rng(7);
        std::uniform_real_distribution<double> x(-900, 900), y(-500, 500), near(-60, 60), r(5, 60);
        auto add = [&](Kind k) {
            auto e = model::makeElement(k);
            e->color = 0xFF0000;
            e->style = 1;
            return d.construction.append(std::move(e));
        };
        double cx = 0, cy = 0;
        for (int i = 0; i < 4000; ++i) {
            if (i % 8 == 0) {
                cx = x(rng);
                cy = y(rng);
            }
            Element* p = add(Kind::FreePoint);
            p->x1 = cx + near(rng);
            p->y1 = cy + near(rng);
            p->color = 255;
            points.push_back(p);
        }
        auto pick = [&] { return points[rng() % points.size()]; };
        auto neighbour = [&](Element* p, int k) {
            const size_t i =
                static_cast<size_t>(std::find(points.begin(), points.end(), p) - points.begin());
            return points[(i / 8) * 8 + (i % 8 + k) % 8];
        };
        for (int i = 0; i < 2500; ++i) {
            Element* s = add(Kind::Segment);
            s->parent1 = pick();
            s->parent2 = neighbour(s->parent1, 1 + i % 7);
        }
        for (int i = 0; i < 1500; ++i) {
            Element* c = add(Kind::CircleByCentre);
            c->parent1 = pick();
            c->x2 = c->parent1->x1 + r(rng);
            c->y2 = c->parent1->y1;
            c->x1 = c->parent1->x1;
            c->y1 = c->parent1->y1;
        }
        for (int i = 0; i < 1000; ++i) {
            auto poly = model::makeElement(Kind::Polygon);
            poly->color = 0xFF0000;
            poly->style = 1;
            poly->param1 = i % 4 == 0 ? 0x402000 : -1;
            Element* first = pick();
            Element* v[3] = {first, neighbour(first, 1), neighbour(first, 2)};
            for (int k = 0; k < 3; ++k) {
                auto side = model::makeElement(Kind::PolygonSide);
                side->parent1 = v[k];
                side->parent2 = v[(k + 1) % 3];
                side->parent3 = poly.get();
                poly->polygon().sides.push_back(std::move(side));
            }
            d.construction.append(std::move(poly));
        }
        for (int i = 0; i < 1000; ++i) {
            Element* named = points[i];
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
        d.viewLeft = -960;
        d.viewTop = 540;
        d.viewRight = 960;
        d.viewBottom = -540;
        view.screenWidth = view.clientWidth = 1920;
        view.screenHeight = view.clientHeight = 1080;
        render::setPlaneSize(view, 3000);
        ctx.document = &d;
        ctx.view = &view;
        render::loadView(view, d);
        geometry::recomputeAll(d.construction, document::contextFor(d));
    }
};

// Argument: 0 exact pixels, 1 smooth drawing (antialiased).
void BM_RedrawAllQt(benchmark::State& state) {
    ensureApp();
    Figure f;
    QImage bitmap(1921, 1081, QImage::Format_RGB32);
    platform::QtCanvas canvas(bitmap, render::CanvasRole::Main);
    canvas.setSmooth(state.range(0) != 0);
    for (auto _ : state)
        render::redrawAll(f.ctx, canvas);
    state.SetItemsProcessed(state.iterations() * f.d.construction.countOf());
}
BENCHMARK(BM_RedrawAllQt)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One kind of element at a time (1 points, 2 segments, 3 circles, 4 triangles, 5 names; 0 all,
// 6 none: the background alone); second argument 1 for smooth drawing.
void BM_RedrawOneKindQt(benchmark::State& state) {
    ensureApp();
    Figure f;
    const int keep = static_cast<int>(state.range(0));
    for (Element* e : f.d.construction) {
        int c = 0;
        switch (e->kind) {
        case Kind::FreePoint:
            c = 1;
            break;
        case Kind::Segment:
            c = 2;
            break;
        case Kind::CircleByCentre:
            c = 3;
            break;
        case Kind::Polygon:
            c = 4;
            break;
        case Kind::Name:
            c = 5;
            break;
        default:
            break;
        }
        if (keep != 0 && c != keep) e->visible = 0;
    }
    QImage bitmap(1921, 1081, QImage::Format_RGB32);
    platform::QtCanvas canvas(bitmap, render::CanvasRole::Main);
    canvas.setSmooth(state.range(1) != 0);
    for (auto _ : state)
        render::redrawAll(f.ctx, canvas);
}
BENCHMARK(BM_RedrawOneKindQt)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 6, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The drawing part of a drag frame on the drag benchmark's figures at 1920 x 1080: a fan of
// 20,000 segments from one point to points on a circle of radius 450 (argument 0), or 20,000
// circles through one point with their centres on a circle of radius 300 (argument 1); second
// argument 1 for smooth drawing, 2 for smooth drawing as a drag draws it (platform::SmoothGovernor:
// exact frames once a smooth one took too long).
struct DragFigure {
    document::Document d;
    render::ViewTransform view;
    render::RenderContext ctx;

    explicit DragFigure(bool circles) {
        auto add = [&](Kind k, Element* p1 = nullptr, Element* p2 = nullptr) {
            auto e = model::makeElement(k);
            e->color = 0xFF0000;
            e->style = 1;
            e->parent1 = p1;
            e->parent2 = p2;
            return d.construction.append(std::move(e));
        };
        auto point = [&](double x, double y) {
            Element* p = add(Kind::FreePoint);
            p->x1 = x;
            p->y1 = y;
            p->color = 255;
            return p;
        };
        Element* dragged = point(40, 25);
        constexpr int kCount = 20000;
        for (int i = 0; i < kCount; ++i) {
            const double t = 2 * M_PI * i / kCount;
            if (circles)
                add(Kind::CircleByCentreAndPoint, point(300 * std::cos(t), 300 * std::sin(t)),
                    dragged);
            else
                add(Kind::Segment, dragged, point(450 * std::cos(t), 450 * std::sin(t)));
        }
        d.viewLeft = -960;
        d.viewTop = 540;
        d.viewRight = 960;
        d.viewBottom = -540;
        view.screenWidth = view.clientWidth = 1920;
        view.screenHeight = view.clientHeight = 1080;
        render::setPlaneSize(view, 3000);
        ctx.document = &d;
        ctx.view = &view;
        render::loadView(view, d);
        geometry::recomputeAll(d.construction, render::recomputeContextFor(d, *ctx.view));
    }
};

void BM_DragFigureRedrawQt(benchmark::State& state) {
    ensureApp();
    DragFigure f(state.range(0) == 1);
    QImage bitmap(1921, 1081, QImage::Format_RGB32);
    platform::QtCanvas canvas(bitmap, render::CanvasRole::Main);
    const int64_t mode = state.range(1);
    f.ctx.options.smooth = mode != 0;
    f.ctx.state.dragInProgress = mode == 2;
    platform::SmoothGovernor governor;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        governor.beforeRedraw(f.ctx, canvas);
        render::redrawAll(f.ctx, canvas);
        governor.afterRedraw(f.ctx, std::chrono::steady_clock::now() - start);
    }
}
BENCHMARK(BM_DragFigureRedrawQt)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// The renderer's own work, without painting.
void BM_RedrawAllRecording(benchmark::State& state) {
    Figure f;
    render::RecordingCanvas canvas(render::CanvasRole::Main, 1920, 1080);
    for (auto _ : state) {
        canvas.clear();
        render::redrawAll(f.ctx, canvas);
    }
}
BENCHMARK(BM_RedrawAllRecording)->Unit(benchmark::kMillisecond);

} // namespace
