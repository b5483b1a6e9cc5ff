// Fuzz target: a document or macro file, taken as far as opening it takes it and a little
// further. The file is read and given to a new document (which recomputes every element), the
// document is dumped, drawn in every canvas role (selected, with traces, on the miniature),
// written back and read again. Strange but valid numbers thus reach the geometry, the
// recompute pass and the renderer.
//
// Besides the sanitizers' reports, two faults stop the run: a coordinate handed to a canvas
// beyond the renderer's device range (it would overflow the canvas's own arithmetic), and a
// document whose saved bytes cannot be read again.
//
// The canvas measures text as the recording canvas does, but keeps nothing: it checks each
// call as it comes. Recording every call made the target some fifty times slower than the
// program on documents with large families of loci.

#include "document/document_dump.h"
#include "document/document_file.h"
#include "document/document_load.h"
#include "geometry/recompute.h"
#include "render/canvas.h"
#include "render/recording_canvas.h"
#include "render/render_context.h"
#include "render/renderer.h"
#include "render/view_transform.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <span>
#include <string_view>
#include <variant>

namespace {

using namespace zeva;

// Coordinates from worldToScreen are held within kDeviceLimit; the renderer adds radii, text
// sizes and a few pixels, which must leave room before int overflows.
constexpr long kLargestCoordinate = 2L * render::kDeviceLimit;

class CheckingCanvas : public render::Canvas {
  public:
    explicit CheckingCanvas(render::CanvasRole role, int width = 1024, int height = 768)
        : Canvas(role), width_(width), height_(height) {}
    int width() const override { return width_; }
    int height() const override { return height_; }

    void moveTo(int x, int y) override { check("moveTo", {x, y}); }
    void lineTo(int x, int y) override { check("lineTo", {x, y}); }
    void rectangle(int l, int t, int r, int b) override { check("rectangle", {l, t, r, b}); }
    void ellipse(int l, int t, int r, int b) override { check("ellipse", {l, t, r, b}); }
    void arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override {
        check("arc", {l, t, r, b, x3, y3, x4, y4});
    }
    void polygon(std::span<const render::IPoint> points) override {
        for (render::IPoint p : points)
            check("polygon", {p.x, p.y});
    }
    void textOut(int x, int y, std::string_view) override { check("textOut", {x, y}); }
    render::TextSize textExtent(std::string_view utf8) override { return measure_.textExtent(utf8); }
    void setPixel(int x, int y, render::Color) override { check("setPixel", {x, y}); }
    void patBlt(int x, int y, int w, int h) override { check("patBlt", {x, y, w, h}); }
    void bitBlt(int x, int y, int w, int h, Canvas&, int sx, int sy, render::RasterOp) override {
        check("bitBlt", {x, y, w, h, sx, sy});
    }
    void drawPicture(int x, int y, const model::Picture&) override { check("drawPicture", {x, y}); }
    void stretchPicture(int l, int t, int r, int b, const model::Picture&) override {
        check("stretchPicture", {l, t, r, b});
    }

  protected:
    void fontChanged() override { measure_.setFont(font()); }

  private:
    static void check(const char* op, std::initializer_list<int> args) {
        for (int v : args) {
            if (v > kLargestCoordinate || v < -kLargestCoordinate) {
                std::fprintf(stderr, "%s: a coordinate out of the device range: %d\n", op, v);
                std::abort();
            }
        }
    }

    int width_;
    int height_;
    render::RecordingCanvas measure_; // text sizes as the tests' canvas gives them
};

void draw(document::Document& d) {
    render::ViewTransform view;
    render::setPlaneSize(view, 3000.0);
    render::RenderContext ctx;
    ctx.document = &d;
    ctx.view = &view;
    ctx.options.showHidden = true; // hidden elements too
    render::loadView(view, d);
    // The renderer's colour rule, so loci record their parametric colours as a redraw sees them.
    geometry::recomputeAll(d.construction, render::recomputeContextFor(d, *ctx.view));

    // Every element selected: each is drawn with its halo (or in inverse video) and then as
    // itself. Then, as during a drag, the traced elements go to the trace layer.
    CheckingCanvas main(render::CanvasRole::Main);
    CheckingCanvas trace(render::CanvasRole::Trace);
    d.construction.setSelectionAll(1);
    render::redrawAll(ctx, main);
    d.construction.setSelectionAll(0);
    ctx.traceCanvas = &trace;
    ctx.state.dragInProgress = true;
    render::redrawAll(ctx, main);

    // The move-screen miniature draws the whole plane at a small scale.
    CheckingCanvas miniature(render::CanvasRole::Miniature, 340, 340);
    view.drawScale = 340.0 / view.planeSize;
    ctx.state = {};
    render::redrawAll(ctx, miniature);
}

void writeAndReadAgain(document::Document& d) {
    const std::vector<uint8_t> bytes = document::documentFileBytes(d);
    const document::ReadResult again = document::readFileBytes(bytes, document::ReadMode::Any);
    if (const auto* error = std::get_if<model::ReadError>(&again)) {
        std::fprintf(stderr, "a saved document cannot be read again: error %d at byte %zu\n",
                     static_cast<int>(error->code), error->offset);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    document::ReadResult read = document::readFileBytes(std::span(data, size), document::ReadMode::Any);
    auto* file = std::get_if<document::LoadedFile>(&read);
    if (!file) return 0;

    const document::DocumentEnvironment env; // the original options on a 1024 x 768 screen
    document::Document d = document::newDocument(env);
    const document::FileType type = file->type;
    const int32_t version = file->version;
    if (type == document::FileType::Document)
        document::installDocumentFile(d, std::move(*file), env);
    else
        document::installMacroFile(d, std::move(*file));

    (void)document::dumpJson(d, type, version);
    draw(d);
    writeAndReadAgain(d);
    return 0;
}
