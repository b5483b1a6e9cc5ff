#include "ui/page_drawing.h"

#include "document/document.h"
#include "document/document_set.h"
#include "geometry/following_label.h"
#include "geometry/recompute.h"
#include "platform/qt_canvas.h"
#include "render/labels.h"
#include "render/renderer.h"
#include "ui/print_layout.h"
#include "ui/ui_text.h"

#include <QPainter>
#include <QPrinter>

namespace zeva::ui {

namespace {

geometry::RecomputeContext contextFor(document::Document& d, const render::ViewTransform& v) {
    geometry::RecomputeContext rc = document::contextFor(d);
    rc.viewLeft = v.viewLeft;
    rc.viewTop = v.viewTop;
    rc.viewRight = v.viewRight;
    rc.viewBottom = v.viewBottom;
    rc.planeSize = v.planeSize;
    rc.zoomFactor = v.drawScale;
    return rc;
}

} // namespace

void drawThroughView(document::Document& d, const render::ViewTransform& view,
                     const render::RenderOptions& options, render::Canvas& canvas) {
    const geometry::RecomputeContext rc = contextFor(d, view);
    geometry::recomputeAll(d.construction, rc);
    render::RenderContext ctx;
    ctx.document = &d;
    ctx.view = &view;
    ctx.options = options;
    // The texts that follow their objects, and the two numbers of a coordinate pair as this
    // canvas measures them, go to their place first (as the window does before each redraw).
    for (model::Element* e : d.construction) {
        if (!render::isDrawable(ctx, *e)) continue;
        if (e->param2 == model::kFollowsMeasured) geometry::placeFollowingLabel(*e, rc);
        if (e->kind != model::Kind::Coordinates) continue;
        auto& parts = e->coordinates();
        if (!parts.xPart || !parts.yPart) continue;
        const auto [x, y] = render::coordinatePartPositions(ctx, canvas, *e);
        parts.xPart->x2 = x.x;
        parts.xPart->y2 = x.y;
        parts.yPart->x2 = y.x;
        parts.yPart->y2 = y.y;
    }
    render::redrawAll(ctx, canvas);
}

Paper paperOf(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QRectF mm = layout.paintRect(QPageLayout::Millimeter);
    const QRect px = layout.paintRectPixels(printer.resolution());
    return {mm.width(), mm.height(), px.width(), px.height()};
}

render::ViewTransform paperTransform(const PageView& page, double planeSize, int widthPx,
                                     int heightPx) {
    render::ViewTransform v;
    v.viewLeft = page.viewLeft;
    v.viewTop = page.viewTop;
    v.viewRight = page.viewRight;
    v.viewBottom = page.viewBottom;
    v.drawScale = page.drawScale;
    v.screenWidth = v.clientWidth = widthPx;
    v.screenHeight = v.clientHeight = heightPx;
    render::setPlaneSize(v, planeSize);
    render::syncViewEdges(v);
    return v;
}

bool printPages(document::Document& d, const PageView& page, double planeSize,
                const render::RenderOptions& options, QPrinter& printer, int copies) {
    printer.setDocName(qtText(document::captionOf(d)));
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const render::ViewTransform view =
        paperTransform(page, planeSize, area.width(), area.height());
    platform::QtCanvas canvas(printer, render::CanvasRole::Printer, area.width(), area.height(),
                              printer.resolution());
    if (!canvas.painter().isActive()) return false;
    canvas.setSmooth(options.smooth);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer.newPage()) return false;
        drawThroughView(d, view, options, canvas);
        canvas.flush();
    }
    return canvas.painter().end();
}

} // namespace zeva::ui
