#include "ui/document_view.h"

#include "document/document.h"
#include "geometry/following_label.h"
#include "model/construction.h"
#include "platform/qt_canvas.h"
#include "render/labels.h"
#include "render/render_options.h"
#include "render/renderer.h"
#include "settings/options.h"

namespace zeva::ui {

DocumentView::DocumentView(QSize surface, const settings::Options& options,
                           const settings::TextTable& texts) {
    render::setPlaneSize(transform_, options.planeSize);
    context_.view = &transform_;
    context_.options = render::renderOptionsFrom(options, texts);
    createSurfaces(surface);
    setClientSize(surface);
}

DocumentView::~DocumentView() {
    // The canvases paint on the bitmaps: end them first.
    previewCanvas_.reset();
    canvas_.reset();
    traceCanvas_.reset();
}

void DocumentView::createSurfaces(QSize surface) {
    previewCanvas_.reset();
    previewing_ = false;
    canvas_.reset();
    traceCanvas_.reset();
    transform_.screenWidth = surface.width();
    transform_.screenHeight = surface.height();
    // Both bitmaps are one pixel wider and higher than the surface.
    bitmap_ = QImage(surface.width() + 1, surface.height() + 1, QImage::Format_RGB32);
    bitmap_.fill(Qt::black);
    traceBitmap_ = QImage(surface.width() + 1, surface.height() + 1, QImage::Format_RGB32);
    traceBitmap_.fill(Qt::black);
    canvas_ = std::make_unique<platform::QtCanvas>(bitmap_, render::CanvasRole::Main);
    canvas_->setSmooth(context_.options.smooth);
    traceCanvas_ = std::make_unique<platform::QtCanvas>(traceBitmap_, render::CanvasRole::Trace);
    context_.traceCanvas = traceCanvas_.get();
}

void DocumentView::setSurfaceSize(QSize surface) {
    createSurfaces(surface);
    if (document_) {
        loadDocumentView();
        render::clearSurface(context_, *traceCanvas_);
    }
}

void DocumentView::setClientSize(QSize client) {
    transform_.clientWidth = client.width();
    transform_.clientHeight = client.height();
    if (document_) loadDocumentView();
}

void DocumentView::loadDocumentView() {
    document::Document& d = *document_;
    // The far edges follow the surface, never the window.
    document::setViewExtent(d, {transform_.screenWidth, transform_.screenHeight},
                            transform_.drawScale);
    render::loadView(transform_, d);
}

void DocumentView::attach(document::Document* d) {
    document_ = d;
    context_.document = d;
    context_.state = {};
    if (!d) return;
    loadDocumentView();
    render::clearSurface(context_, *traceCanvas_);
    redraw();
}

void DocumentView::scrollTo(double viewLeft, double viewTop) {
    if (!document_) return;
    document_->viewLeft = viewLeft;
    document_->viewTop = viewTop;
    loadDocumentView();
}

void DocumentView::setPlaneSize(double planeSize) {
    render::setPlaneSize(transform_, planeSize);
}

bool DocumentView::dependsOnView() const {
    if (!document_) return false;
    for (const model::Element* e : document_->construction)
        if (e->kind == model::Kind::Locus && e->parent2 &&
            e->parent2->kind == model::Kind::GridPoint)
            return true;
    return false;
}

void DocumentView::clearTraces() {
    if (document_ && (!document_->construction.traced.empty() || context_.state.traceLayerUsed))
        render::clearSurface(context_, *traceCanvas_);
}

geometry::RecomputeContext DocumentView::recomputeContext() {
    geometry::RecomputeContext rc = document::contextFor(*document_);
    rc.viewLeft = transform_.viewLeft;
    rc.viewTop = transform_.viewTop;
    rc.viewRight = transform_.viewRight;
    rc.viewBottom = transform_.viewBottom;
    rc.planeSize = transform_.planeSize;
    rc.zoomFactor = transform_.drawScale;
    return rc;
}

void DocumentView::recomputeAll() {
    if (document_) geometry::recomputeAll(document_->construction, recomputeContext());
}

void DocumentView::recompute(std::span<model::Element* const> elements) {
    if (document_) geometry::recomputeElements(elements, recomputeContext());
}

// The texts that follow their objects go to their place on them, and the two numbers of a
// coordinate pair under their parts of the text as this surface measures it; only for what
// is drawn, so the positions are the ones last shown.
void DocumentView::layOutTexts() {
    const geometry::RecomputeContext rc = recomputeContext();
    for (model::Element* e : document_->construction) {
        if (!render::isDrawable(context_, *e)) continue;
        if (e->param2 == 100) geometry::placeFollowingLabel(*e, rc);
        if (e->kind != model::Kind::Coordinates) continue;
        auto& parts = e->coordinates();
        if (!parts.xPart || !parts.yPart) continue;
        const auto [x, y] = render::coordinatePartPositions(context_, *canvas_, *e);
        parts.xPart->x2 = x.x;
        parts.xPart->y2 = x.y;
        parts.yPart->x2 = y.x;
        parts.yPart->y2 = y.y;
    }
}

void DocumentView::redraw() {
    previewCanvas_.reset();
    previewing_ = false;
    if (!document_) return;
    layOutTexts();
    render::redrawAll(context_, *canvas_);
}

render::Canvas& DocumentView::baseCanvas() {
    return *canvas_;
}

render::Canvas& DocumentView::beginPreview() {
    previewCanvas_.reset();
    canvas_->flush();
    preview_ = bitmap_.copy();
    previewCanvas_ = std::make_unique<platform::QtCanvas>(preview_, render::CanvasRole::Main);
    previewCanvas_->setSmooth(context_.options.smooth);
    previewing_ = true;
    return *previewCanvas_;
}

} // namespace zeva::ui
