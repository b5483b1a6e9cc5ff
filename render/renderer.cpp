#include "render/renderer.h"

#include "document/document.h"
#include "model/construction.h"
#include "render/draw_curves.h"
#include "render/draw_shapes.h"
#include "render/labels.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zeva::render {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

Color backgroundOf(const RenderContext& ctx) {
    return ctx.document ? ctx.document->units.backgroundColor : kBlack;
}

Color printable(Color c) {
    return c == kGray || c == kSilver || c == kWhite ? kBlack : c;
}

bool showsText(const Element& e) {
    return e.font != nullptr || e.kind == Kind::Text;
}

void drawPolygon(const RenderContext& ctx, Canvas& canvas, const Element& e, Color color, int style,
                 Color fill) {
    const auto& sides = e.polygon().sides;
    if (fill >= 0 && !sides.empty()) {
        static thread_local std::vector<IPoint> pts;
        pts.clear();
        for (const auto& s : sides)
            pts.push_back(worldToScreen(*ctx.view, s->point()));
        pts.push_back(pts.front());
        canvas.setBrush({fill, BrushStyle::Solid});
        canvas.setPen({color, PenStyle::Clear, 1});
        canvas.polygon(pts);
    }
    for (const auto& s : sides)
        if (s->exists == 1) drawSegment(ctx, canvas, s->point(), s->secondPoint(), color, style);
}

void drawArcElement(const RenderContext& ctx, Canvas& canvas, const Element& e, Color color,
                    int style) {
    if (!e.parent1 || !e.parent2 || !e.parent3) return;
    drawArcThrough(ctx, canvas, e.point(), e.parent1->point(), e.parent2->point(),
                   e.parent3->point(), color, style);
}

void drawAngle(const RenderContext& ctx, Canvas& canvas, const Element& e, Color color, int style) {
    if (!e.parent1 || !e.parent2 || !e.parent3) return;
    const Point v = e.parent2->point();
    const Point a = e.parent1->point();
    const Point b = e.parent3->point();
    if (std::hypot(a.x - v.x, a.y - v.y) < 3 || std::hypot(b.x - v.x, b.y - v.y) < 3) return;
    if (e.x1 < 0.01) return;
    drawAngleMark(ctx, canvas, a, v, b, e.x2, color, style);
}

// Draws an element in selection: inverse video for texts, a halo under anything else.
void drawSelectionHalo(const RenderContext& ctx, Canvas& canvas, const Element& e, bool isPoint) {
    const Color sel = ctx.options.selectionColor;
    const int halo = (!isPoint && (e.kind == Kind::Bitmap || e.style == 2)) ? -2 : -1;
    drawElement(ctx, canvas, e, sel, halo);
}

bool selectionShown(const RenderContext& ctx, const Canvas& canvas, const Element& e) {
    return e.selected && canvas.role() == CanvasRole::Main && !ctx.state.dragInProgress &&
           !ctx.state.rubberBandActive;
}

void drawTraceLayer(RenderContext& ctx, Canvas& canvas) {
    const document::Document& d = *ctx.document;
    if (d.construction.traced.empty() && !ctx.state.traceLayerUsed) return;
    ctx.state.traceLayerUsed = true;
    Canvas* trace = ctx.traceCanvas;
    if (!trace) return;
    if (ctx.state.clearTracesPending) {
        clearSurface(ctx, *trace);
    } else if (ctx.state.dragInProgress || ctx.state.calculationDialogVisible ||
               ctx.state.animationDialogVisible || ctx.state.parameterSliding) {
        int n = 0;
        for (const Element* e : d.construction.traced) {
            if (!e || n++ >= model::kMaxTraced) break;
            if (isDrawable(ctx, *e)) drawElement(ctx, *trace, *e, e->color, e->style);
        }
        trace->flush();
    }
    if (canvas.role() == CanvasRole::Main) {
        // Traces are drawn on white (or black): AND keeps the figure on a light background,
        // OR on black.
        const RasterOp op = backgroundOf(ctx) != 0 ? RasterOp::And : RasterOp::Or;
        canvas.bitBlt(0, 0, canvas.width(), canvas.height(), *trace, 0, 0, op);
    }
}

void drawPendingRectangle(RenderContext& ctx, Canvas& canvas) {
    if (canvas.role() != CanvasRole::Main || !ctx.state.pendingRectangle) return;
    if (ctx.state.clearTracesPending) {
        ctx.state.pendingRectangle.reset();
        return;
    }
    const Point a = ctx.state.pendingRectangle->a;
    const Point b = ctx.state.pendingRectangle->b;
    const Color c = ctx.options.selectionColor;
    drawSegment(ctx, canvas, a, {b.x, a.y}, c, 3);
    drawSegment(ctx, canvas, {b.x, a.y}, b, c, 3);
    drawSegment(ctx, canvas, b, {a.x, b.y}, c, 3);
    drawSegment(ctx, canvas, {a.x, b.y}, a, c, 3);
}

} // namespace

bool isDrawable(const RenderContext& ctx, const Element& e) {
    return e.visible != 100 && e.exists == 1 && (e.visible == 1 || ctx.options.showHidden);
}

Color displayColor(const RenderContext& ctx, const Element& e) {
    return e.visible == 1 ? e.color : ctx.options.hiddenColor;
}

void clearSurface(RenderContext& ctx, Canvas& canvas) {
    const Color bg = backgroundOf(ctx);
    Color c = bg;
    if (canvas.role() == CanvasRole::Trace) {
        c = bg != 0 ? kWhite : kBlack;
        ctx.state.traceLayerUsed = false;
    }
    canvas.setBrush({c, BrushStyle::Solid});
    canvas.patBlt(0, 0, std::max(340, ctx.view->screenWidth),
                  std::max(340, ctx.view->screenHeight));
}

geometry::RecomputeContext recomputeContextFor(document::Document& d, const ViewTransform& view) {
    geometry::RecomputeContext rc = document::contextFor(d);
    rc.planeSize = view.planeSize;
    rc.zoomFactor = view.drawScale;
    return rc;
}

void drawElement(const RenderContext& ctx, Canvas& canvas, const Element& e, Color color, int style,
                 Color fill) {
    if (canvas.role() == CanvasRole::Printer) color = printable(color);
    switch (e.elementClass()) {
    case ElementClass::Point:
        drawPoint(ctx, canvas, e.point(), color, style);
        return;
    case ElementClass::Line:
        drawLine(ctx, canvas, e.secondPoint(), e.point(), color, style);
        return;
    case ElementClass::Ray:
        drawRay(ctx, canvas, e.point(), e.secondPoint(), color, style);
        return;
    case ElementClass::Segment:
        drawSegment(ctx, canvas, e.point(), e.secondPoint(), color, style);
        return;
    case ElementClass::Polygon:
        drawPolygon(ctx, canvas, e, color, style, fill);
        return;
    case ElementClass::Circle:
        drawCircle(ctx, canvas, e.point(), std::hypot(e.x2 - e.x1, e.y2 - e.y1), color, style,
                   fill);
        return;
    case ElementClass::Arc:
        drawArcElement(ctx, canvas, e, color, style);
        return;
    case ElementClass::Angle:
        drawAngle(ctx, canvas, e, color, style);
        return;
    case ElementClass::Locus:
        drawLocus(ctx, canvas, e, color, style);
        return;
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Button:
        drawTextElement(ctx, canvas, e, color, style);
        return;
    case ElementClass::Axes:
        drawAxes(ctx, canvas, e, color, style);
        return;
    case ElementClass::Conic:
        drawConic(ctx, canvas, e, color, style);
        return;
    case ElementClass::Intersection:
        return;
    case ElementClass::Grid:
        drawGrid(ctx, canvas, e, color, style);
        return;
    case ElementClass::Bitmap:
        drawPicture(ctx, canvas, e, color, style);
        return;
    }
}

void redrawAll(RenderContext& ctx, Canvas& canvas, const Element* stopAt) {
    const document::Document& d = *ctx.document;
    if (canvas.role() != CanvasRole::Printer) clearSurface(ctx, canvas);
    const Color bg = d.units.backgroundColor;

    for (const Element* e : d.construction) {
        if (e == stopAt) break;
        const ElementClass c = e->elementClass();
        if ((c == ElementClass::Polygon || c == ElementClass::Circle) && e->param1 >= 0 &&
            isDrawable(ctx, *e))
            drawElement(ctx, canvas, *e, displayColor(ctx, *e), e->style, e->param1);
    }
    for (const Element* e : d.construction) {
        if (e == stopAt) break;
        if (e->elementClass() == ElementClass::Point || !isDrawable(ctx, *e)) continue;
        if (selectionShown(ctx, canvas, *e)) {
            if (showsText(*e)) {
                drawElement(ctx, canvas, *e, bg, ctx.options.selectionColor);
                continue;
            }
            drawSelectionHalo(ctx, canvas, *e, false);
        }
        drawElement(ctx, canvas, *e, displayColor(ctx, *e), e->style);
    }
    for (const Element* e : d.construction) {
        if (e == stopAt) break;
        if (e->elementClass() != ElementClass::Point || !isDrawable(ctx, *e)) continue;
        if (selectionShown(ctx, canvas, *e)) drawSelectionHalo(ctx, canvas, *e, true);
        drawElement(ctx, canvas, *e, displayColor(ctx, *e), e->style);
    }
    if (ctx.state.calculationDialogVisible || ctx.state.editDialogPicking)
        drawOperandLabels(ctx, canvas);
    drawTraceLayer(ctx, canvas);
    drawPendingRectangle(ctx, canvas);
    ctx.state.clearTracesPending = false;
    canvas.flush();
}

void drawLabelsUpTo(const RenderContext& ctx, Canvas& canvas, const Element* stop) {
    for (const Element* e : ctx.document->construction) {
        if (e == stop) break;
        const Element* label = e->label;
        if (label && isDrawable(ctx, *label))
            drawElement(ctx, canvas, *label, displayColor(ctx, *label), e->style);
    }
    canvas.flush();
}

} // namespace zeva::render
