// A construction tool's preview following the mouse over a large figure at 1920 x 1080: each
// move runs the hit test, copies the off-screen bitmap, draws the preview on the copy with the
// Qt canvas and copies the result to the window's bitmap, without drawing the figure again.

#include "bench/quiet_host.h"
#include "document/document_set.h"
#include "edit/factory.h"
#include "geometry/point_on_element.h"
#include "geometry/recompute.h"
#include "platform/qt_canvas.h"
#include "render/render_options.h"
#include "render/renderer.h"
#include "render/view_transform.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/editor.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
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
        static char name[] = "bench_preview";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The document view as the window keeps it: the off-screen bitmap, the preview copy, and the
// window's own bitmap that a repaint copies them to.
class QtView : public ui::View {
  public:
    document::DocumentSet* documents = nullptr;
    render::ViewTransform transformValue;
    render::RenderContext ctx;
    QImage base{kWidth + 1, kHeight + 1, QImage::Format_RGB32};
    QImage preview{kWidth + 1, kHeight + 1, QImage::Format_RGB32};
    QImage window{kWidth, kHeight, QImage::Format_RGB32};
    std::unique_ptr<platform::QtCanvas> baseCanvasValue =
        std::make_unique<platform::QtCanvas>(base, render::CanvasRole::Main);
    std::unique_ptr<platform::QtCanvas> previewCanvas;
    bool previewShown = false;

    QtView() {
        transformValue.screenWidth = transformValue.clientWidth = kWidth;
        transformValue.screenHeight = transformValue.clientHeight = kHeight;
        render::setPlaneSize(transformValue, settings::options().planeSize);
        ctx.view = &transformValue;
        ctx.options = render::renderOptionsFrom(settings::options(), settings::texts());
    }
    const render::ViewTransform& transform() const override { return transformValue; }
    render::RenderContext& renderContext() override {
        ctx.document = documents->current();
        return ctx;
    }
    geometry::RecomputeContext recomputeContext() override {
        return render::recomputeContextFor(*documents->current(), transformValue);
    }
    void redraw() override {
        previewCanvas.reset();
        previewShown = false;
        render::redrawAll(renderContext(), *baseCanvasValue);
    }
    render::Canvas& baseCanvas() override { return *baseCanvasValue; }
    render::Canvas& beginPreview() override {
        previewCanvas.reset();
        baseCanvasValue->flush();
        std::memcpy(preview.bits(), base.constBits(), size_t(base.sizeInBytes()));
        previewCanvas = std::make_unique<platform::QtCanvas>(preview, render::CanvasRole::Main);
        previewShown = true;
        return *previewCanvas;
    }
    void scrollTo(double, double) override {}
    void setPlaneSize(double) override {}

    // What the window's paint handler does: the bitmap on show, copied to the window.
    void paint() {
        if (previewCanvas) previewCanvas->flush();
        QPainter p(&window);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, previewShown ? preview : base);
    }
};

// A repaint asks for one paint, as a widget's update does: the window paints once per event.
class BenchHost : public bench::QuietHost {
  public:
    QtView qtView;
    bool paintPending = false;
    ui::View& view() override { return qtView; }
    void repaint() override { paintPending = true; }
    void paintIfAsked() {
        if (paintPending) qtView.paint();
        paintPending = false;
    }
};

// 20,000 elements over the view: 8,000 points in small groups, 5,000 segments and 4,000 circles
// between them, a locus, and 2,999 name labels.
void buildFigure(document::Document& d) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> x(-900, 900), y(-500, 500), near(-60, 60);
    std::vector<Element*> points;
    // Each element in an edit of its own, as the tools make them.
    auto create = [&](edit::CreationRequest& r, const edit::CreationInputs& in = {}) {
        edit::Edit change(d, document::contextFor(d), edit::UndoStep::Continue);
        return edit::createElement(change, r, in);
    };
    auto make = [&](Kind k, Element* p1 = nullptr, Element* p2 = nullptr) {
        edit::CreationRequest r;
        r.kind = k;
        r.parent1 = p1;
        r.parent2 = p2;
        return create(r);
    };
    double cx = 0, cy = 0;
    for (int i = 0; i < 8000; ++i) {
        if (i % 8 == 0) {
            cx = x(rng);
            cy = y(rng);
        }
        edit::CreationRequest r;
        r.x1 = cx + near(rng);
        r.y1 = cy + near(rng);
        points.push_back(create(r));
    }
    auto neighbour = [&](size_t i, size_t k) { return points[(i / 8) * 8 + (i % 8 + k) % 8]; };
    for (size_t i = 0; i < 5000; ++i)
        make(Kind::Segment, points[i], neighbour(i, 1 + i % 7));
    for (size_t i = 0; i < 4000; ++i)
        make(Kind::CircleByCentreAndPoint, points[7999 - i], neighbour(7999 - i, 3));
    geometry::recomputeAll(d.construction, document::contextFor(d));
    // A locus: the midpoint of a fixed point and a point running round a circle.
    Element* hub = points[0];
    Element* wheel = make(Kind::CircleByCentreAndPoint, hub, neighbour(0, 1));
    geometry::recomputeAll(d.construction, document::contextFor(d));
    edit::CreationRequest on;
    on.kind = Kind::PointOnElement;
    on.parent1 = wheel;
    Element* driver = create(on);
    Element* mid = make(Kind::Midpoint, driver, points[100]);
    make(Kind::Locus, mid, driver);
    edit::CreationInputs in;
    for (int i = 0; d.construction.countOf() < 20000; ++i) {
        in.nameText = "P" + std::to_string(i);
        edit::CreationRequest r;
        r.kind = Kind::Name;
        r.parent1 = points[size_t(i)];
        create(r, in);
    }
}

struct Bench {
    document::DocumentSet documents;
    BenchHost host;
    std::unique_ptr<ui::Editor> editor;

    Bench() {
        ensureApp();
        documents.environment.clientWidth = kWidth;
        documents.environment.clientHeight = kHeight;
        documents.environment.screen = {kWidth, kHeight};
        document::Document& d = *documents.newDocument();
        host.qtView.documents = &documents;
        render::loadView(host.qtView.transformValue, d);
        buildFigure(d);
        editor = std::make_unique<ui::Editor>(host, documents);
        geometry::recomputeAll(d.construction, host.qtView.recomputeContext());
    }

    // The tool with its first point given on empty space.
    void start(ui::ToolCode tool) {
        editor->selectTool(tool);
        ui::MouseEvent e;
        e.x = 960;
        e.y = 540;
        e.button = ui::MouseButton::Left;
        editor->mouseDown(e);
        editor->mouseUp(e);
    }
};

void previewMoves(benchmark::State& state, ui::ToolCode tool) {
    Bench b;
    b.start(tool);
    ui::MouseEvent move;
    int i = 0;
    for (auto _ : state) {
        move.x = 1000 + (i % 400);
        move.y = 300 + (i % 300);
        ++i;
        b.editor->mouseMove(move);
        b.host.paintIfAsked();
    }
    state.counters["elements"] = b.documents.current()->construction.countOf();
}

void BM_CirclePreviewMove(benchmark::State& state) {
    previewMoves(state, ui::tool::Circle);
}
BENCHMARK(BM_CirclePreviewMove)->Unit(benchmark::kMillisecond);

void BM_SegmentPreviewMove(benchmark::State& state) {
    previewMoves(state, ui::tool::Segment);
}
BENCHMARK(BM_SegmentPreviewMove)->Unit(benchmark::kMillisecond);

// For comparison: what a preview would cost if every move drew the whole figure again.
void BM_RedrawInstead(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        b.host.qtView.redraw();
        b.host.qtView.paint();
    }
}
BENCHMARK(BM_RedrawInstead)->Unit(benchmark::kMillisecond);

} // namespace
