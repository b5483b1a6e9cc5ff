// Dragging a free point on figures of 20,000 elements, end to end as the window does it: the
// mouse event in drawing-area pixels goes to the interaction logic, which moves the point,
// recomputes the dependents the drag gathered at its press and redraws the off-screen bitmap
// of 1920 x 1080 pixels on the Qt canvas; the bitmap is then ready to be painted.
//
//   chain:   20,000 nested midpoints off the dragged point (each the midpoint of the previous
//            one and one of eight free points around it, taken in a fixed random order)
//   fan:     20,000 segments from the dragged point to free points on a circle
//   circles: 20,000 circles with free centres on a circle, all through the dragged point
//
// The circles' centres lie so close together that most circles coincide with another at the
// bitmap's resolution, and the drawing leaves out the repeats. For comparison, not a target:
//   spread circles: 20,000 circles through the dragged point with free centres scattered over
//            a disc, hardly two alike, every one drawn pixel by pixel
//
// Also: opening each figure's file until its picture is ready. `bench_drag --write-figures DIR`
// writes the three figures as chain.kdo, fan.kdo and circles.kdo (for measuring memory with
// /usr/bin/time -v zeva --render DIR/circles.kdo -o x.png --size 1920x1080).

#include "bench/quiet_host.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/document_load.h"
#include "document/document_set.h"
#include "edit/factory.h"
#include "geometry/recompute.h"
#include "model/units.h"
#include "platform/qt_canvas.h"
#include "render/render_options.h"
#include "render/renderer.h"
#include "render/view_transform.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/editor.h"
#include "ui/host.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <memory>
#include <random>
#include <string>

namespace {

using namespace zeva;
using model::Element;
using model::Kind;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kElements = 20000;

void ensureApp() {
    static QGuiApplication* app = [] {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "bench_drag";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

// The drawing of the current document on Qt surfaces of the screen's size.
class BenchView : public ui::View {
  public:
    explicit BenchView(document::DocumentSet& documents) : documents_(documents) {
        transform_.screenWidth = transform_.clientWidth = kWidth;
        transform_.screenHeight = transform_.clientHeight = kHeight;
        render::setPlaneSize(transform_, settings::options().planeSize);
        bitmap_ = QImage(kWidth + 1, kHeight + 1, QImage::Format_RGB32);
        traces_ = QImage(kWidth + 1, kHeight + 1, QImage::Format_RGB32);
        canvas_ = std::make_unique<platform::QtCanvas>(bitmap_, render::CanvasRole::Main);
        traceCanvas_ = std::make_unique<platform::QtCanvas>(traces_, render::CanvasRole::Trace);
        ctx_.view = &transform_;
        ctx_.traceCanvas = traceCanvas_.get();
        ctx_.options = render::renderOptionsFrom(settings::options(), settings::texts());
    }
    ~BenchView() override {
        canvas_.reset();
        traceCanvas_.reset();
    }
    void attach() {
        document::Document& d = *documents_.current();
        document::setViewExtent(d, {kWidth, kHeight});
        render::loadView(transform_, d);
        ctx_.document = &d;
    }
    const render::ViewTransform& transform() const override { return transform_; }
    render::RenderContext& renderContext() override { return ctx_; }
    geometry::RecomputeContext recomputeContext() override {
        return render::recomputeContextFor(*documents_.current(), *ctx_.view);
    }
    void redraw() override {
        render::redrawAll(ctx_, *canvas_);
        canvas_->flush();
    }
    render::Canvas& baseCanvas() override { return *canvas_; }
    render::Canvas& beginPreview() override { return *canvas_; }
    void scrollTo(double, double) override {}
    void setPlaneSize(double) override {}
    // What the window paints.
    const QImage& bitmap() const { return bitmap_; }

  private:
    document::DocumentSet& documents_;
    render::ViewTransform transform_;
    render::RenderContext ctx_;
    QImage bitmap_;
    QImage traces_;
    std::unique_ptr<platform::QtCanvas> canvas_;
    std::unique_ptr<platform::QtCanvas> traceCanvas_;
};

class BenchHost : public bench::QuietHost {
  public:
    explicit BenchHost(document::DocumentSet& documents) : benchView(documents) {}
    BenchView benchView;
    ui::View& view() override { return benchView; }
};

enum class Shape { Chain, Fan, Circles, SpreadCircles };

const char* fileNameOf(Shape s) {
    switch (s) {
    case Shape::Chain:
        return "chain.kdo";
    case Shape::Fan:
        return "fan.kdo";
    case Shape::Circles:
        return "circles.kdo";
    case Shape::SpreadCircles:
        return "spread-circles.kdo";
    }
    return "";
}

Element* create(document::Document& d, Kind kind, Element* p1 = nullptr, Element* p2 = nullptr,
                Point a = {}) {
    edit::CreationRequest r;
    r.kind = kind;
    r.parent1 = p1;
    r.parent2 = p2;
    r.x1 = a.x;
    r.y1 = a.y;
    edit::Edit edit(d, document::contextFor(d), edit::UndoStep::Continue);
    return edit::createElement(edit, r);
}

// Builds the figure in an empty document whose view shows 1920 x 1080 around the origin; the
// first element is the point that is dragged.
void buildFigure(document::Document& d, Shape shape) {
    d.viewLeft = -kWidth / 2.0;
    d.viewTop = kHeight / 2.0;
    Element* dragged = create(d, Kind::FreePoint, nullptr, nullptr, {0, 0});
    const double radius = 400.0;
    switch (shape) {
    case Shape::Chain: {
        Element* around[8];
        for (int k = 0; k < 8; ++k)
            around[k] = create(d, Kind::FreePoint, nullptr, nullptr,
                               {radius * std::cos(k * model::kPi / 4),
                                radius * std::sin(k * model::kPi / 4)});
        // The anchors taken in a fixed random order spread the midpoints over the figure
        // instead of letting them settle on a few places.
        std::mt19937 order(3);
        Element* last = dragged;
        for (int i = 0; i < kElements; ++i)
            last = create(d, Kind::Midpoint, last, around[order() % 8]);
        break;
    }
    case Shape::Fan:
        for (int i = 0; i < kElements; ++i) {
            const double t = 2 * model::kPi * i / kElements;
            Element* end = create(d, Kind::FreePoint, nullptr, nullptr,
                                  {radius * std::cos(t), radius * std::sin(t)});
            create(d, Kind::Segment, dragged, end);
        }
        break;
    case Shape::Circles:
        for (int i = 0; i < kElements; ++i) {
            const double t = 2 * model::kPi * i / kElements;
            Element* centre = create(d, Kind::FreePoint, nullptr, nullptr,
                                     {radius * std::cos(t), radius * std::sin(t)});
            create(d, Kind::CircleByCentreAndPoint, centre, dragged);
        }
        break;
    case Shape::SpreadCircles: {
        // Centres scattered over a disc: hardly two circles coincide at the bitmap's resolution.
        std::mt19937 scatter(4);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (int i = 0; i < kElements; ++i) {
            const double t = 2 * model::kPi * unit(scatter);
            const double reach = radius * std::sqrt(unit(scatter));
            Element* centre = create(d, Kind::FreePoint, nullptr, nullptr,
                                     {reach * std::cos(t), reach * std::sin(t)});
            create(d, Kind::CircleByCentreAndPoint, centre, dragged);
        }
        break;
    }
    }
    d.modified = 0;
}

struct Session {
    document::DocumentSet documents;
    BenchHost host{documents};
    ui::Editor editor{host, documents};

    explicit Session(Shape shape) {
        documents.environment.clientWidth = kWidth;
        documents.environment.clientHeight = kHeight;
        documents.environment.screen = {kWidth, kHeight};
        buildFigure(*documents.newDocument(), shape);
        host.benchView.attach();
        geometry::recomputeAll(documents.current()->construction,
                               host.benchView.recomputeContext());
        host.benchView.redraw();
        editor.selectTool(ui::tool::Move);
    }
};

ui::MouseEvent mouseAt(const render::ViewTransform& v, Point world) {
    const render::IPoint p = render::worldToScreen(v, world);
    ui::MouseEvent e;
    e.x = p.x;
    e.y = p.y;
    return e;
}

// One iteration is one mouse move of a drag of the dragged point: the pointer circles around
// the figure's centre, so every move changes every dependent.
void dragMoves(benchmark::State& state, Shape shape) {
    ensureApp();
    Session s(shape);
    const render::ViewTransform& v = s.host.benchView.transform();
    ui::MouseEvent e = mouseAt(v, {0, 0});
    s.editor.mouseMove(e);
    e.button = ui::MouseButton::Left;
    s.editor.mouseDown(e);
    if (!s.editor.session().drag.active) state.SkipWithError("the press did not start a drag");
    e.button = ui::MouseButton::None;
    e.leftHeld = true;
    int step = 0;
    for (auto _ : state) {
        const double t = 0.05 * step++;
        e = mouseAt(v, {120 * std::cos(t), 80 * std::sin(t)});
        e.leftHeld = true;
        s.editor.mouseMove(e);
        benchmark::DoNotOptimize(s.host.benchView.bitmap().constBits());
    }
    const Element* dragged = s.documents.current()->construction.elements;
    if (dragged->x1 == 0 && dragged->y1 == 0) state.SkipWithError("the point did not move");
    state.counters["dependents"] =
        static_cast<double>(s.editor.session().drag.dependents.size());
}

void BM_DragChain(benchmark::State& state) { dragMoves(state, Shape::Chain); }
void BM_DragFan(benchmark::State& state) { dragMoves(state, Shape::Fan); }
void BM_DragCircles(benchmark::State& state) { dragMoves(state, Shape::Circles); }
// Not a target: circles that do not coincide, each drawn pixel by pixel.
void BM_DragSpreadCircles(benchmark::State& state) { dragMoves(state, Shape::SpreadCircles); }
// The drawing shares its bands with a helper core: "CPU" of the plain runs is the window
// thread's time (what a move takes when the cores are free), of the process_time runs both
// threads' time together.
BENCHMARK(BM_DragChain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragFan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragCircles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragSpreadCircles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragChain)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_DragFan)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_DragCircles)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_DragSpreadCircles)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

std::string figurePath(Shape shape) {
    static const std::string dir = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp ? tmp : "/tmp") + "/zeva-bench-drag-" + std::to_string(getpid());
    }();
    return dir + "/" + fileNameOf(shape);
}

bool writeFigure(Shape shape, const std::string& path) {
    document::DocumentSet documents;
    documents.environment.clientWidth = kWidth;
    documents.environment.clientHeight = kHeight;
    documents.environment.screen = {kWidth, kHeight};
    document::Document& d = *documents.newDocument();
    buildFigure(d, shape);
    geometry::recomputeAll(d.construction, document::contextFor(d));
    return document::writeDocumentFile(d, path);
}

// From the file to the picture ready to paint: read, recompute, draw.
void openToPainted(benchmark::State& state, Shape shape) {
    ensureApp();
    const std::string path = figurePath(shape);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (!writeFigure(shape, path)) {
        state.SkipWithError("the figure could not be written");
        return;
    }
    for (auto _ : state) {
        document::DocumentSet documents;
        documents.environment.clientWidth = kWidth;
        documents.environment.clientHeight = kHeight;
        documents.environment.screen = {kWidth, kHeight};
        BenchHost host(documents);
        const document::OpenResult opened = documents.open(path);
        if (opened.status != document::OpenStatus::Opened) {
            state.SkipWithError("the figure could not be read");
            break;
        }
        host.benchView.attach();
        geometry::recomputeAll(documents.current()->construction,
                               host.benchView.recomputeContext());
        host.benchView.redraw();
        benchmark::DoNotOptimize(host.benchView.bitmap().constBits());
    }
    std::filesystem::remove(path);
}

void BM_OpenChain(benchmark::State& state) { openToPainted(state, Shape::Chain); }
void BM_OpenFan(benchmark::State& state) { openToPainted(state, Shape::Fan); }
void BM_OpenCircles(benchmark::State& state) { openToPainted(state, Shape::Circles); }
BENCHMARK(BM_OpenChain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCircles)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-figures") == 0) {
        std::filesystem::create_directories(argv[2]);
        for (Shape s : {Shape::Chain, Shape::Fan, Shape::Circles})
            if (!writeFigure(s, std::string(argv[2]) + "/" + fileNameOf(s))) return 1;
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
