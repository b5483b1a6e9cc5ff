#include "render/draw_curves.h"

#include "document/document.h"
#include "expr/function_graph.h"
#include "geometry/element_shapes.h"
#include "geometry/locus.h"
#include "geometry/primitives.h"
#include "model/construction.h"
#include "model/units.h"
#include "render/axes_grid.h"
#include "render/draw_shapes.h"
#include "render/labels.h"
#include "render/renderer.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace zeva::render {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

double dist(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

bool farOnScreen(IPoint p, int limit) {
    return std::abs(p.x) >= limit || std::abs(p.y) >= limit;
}

// A conic whose equation has no xy term and equal square terms is a circle.
std::optional<std::pair<Point, double>> conicAsCircle(const Element& conic) {
    const auto& t = conic.conic();
    if (t.conicType != 1) return std::nullopt;
    const double C = t.coefficients[0], B = t.coefficients[1], A = t.coefficients[2];
    const double E = t.coefficients[3], D = t.coefficients[4];
    const double scale = std::max(std::fabs(A), std::fabs(C));
    if (scale == 0 || std::fabs(B) > 1e-7 * scale || std::fabs(A - C) > 1e-7 * scale)
        return std::nullopt;
    const Element* first = t.points[0];
    if (!first) return std::nullopt;
    const Point centre{-D / (2 * A), -E / (2 * C)};
    return std::pair{centre, dist(centre, first->point())};
}

// A chord of a conic is left out when an end is far off screen or it is very long on screen
// (the jump between the branches of a hyperbola).
bool conicChordShown(const ViewTransform& v, Point a, Point b) {
    if (farOnScreen(worldToScreen(v, a), 7999) || farOnScreen(worldToScreen(v, b), 7999))
        return false;
    return dist(a, b) * v.drawScale < 2999;
}

// Families of polygons, arcs, loci and conics: the instances the recompute pass kept, each in
// the traced element's own (or parametric) colour, except when a halo or another colour is asked.
void drawFamily(const RenderContext& ctx, Canvas& canvas, const Element& locus, Color color,
                int style) {
    const bool ownColor = style >= 0 && color == locus.color;
    for (const model::FamilyInstance& instance : geometry::familyInstances(locus))
        drawElement(ctx, canvas, instance.traced(), ownColor ? instance.color : color, style);
}

bool sampleValid(const model::SampleTail& t, int i) {
    return static_cast<size_t>(i) < t.sampleColors.size() &&
           t.sampleColors[i] != model::kInvalidSample;
}

Color sampleColor(const model::SampleTail& t, int i, Color color, bool ownColors) {
    if (!ownColors || static_cast<size_t>(i) >= t.sampleColors.size()) return color;
    return t.sampleColors[i];
}

void drawFunctionGraph(const RenderContext& ctx, Canvas& canvas, const Element& graph, Color color,
                       int style) {
    const auto& t = graph.samples();
    const int n = std::min<int>(t.sampleCount, static_cast<int>(t.samples.size()));
    const std::optional<Pen> pen = linePen(color, style);
    if (!pen || n <= 0) return;
    const ViewTransform& v = *ctx.view;
    auto valid = [&](Point p, IPoint s) {
        return std::fabs(p.x) <= 1e8 && std::fabs(p.y) <= 1e8 && !farOnScreen(s, 10000);
    };
    const model::AngleUnit angleUnit =
        ctx.document ? ctx.document->units.angleUnit : model::AngleUnit::Radian;
    const expr::PreparedGraph prepared = expr::prepareGraph(graph, angleUnit);
    canvas.setPen(*pen);
    Point prev = t.samples[0];
    IPoint sPrev = worldToScreen(v, prev);
    bool prevValid = valid(prev, sPrev);
    for (int i = 1; i < n; ++i) {
        const Point p = t.samples[i];
        const IPoint s = worldToScreen(v, p);
        const bool ok = valid(p, s);
        if (ok && prevValid && expr::functionGraphJoins(prepared, i - 1)) {
            canvas.moveTo(sPrev.x, sPrev.y);
            canvas.lineTo(s.x, s.y);
            canvas.setPixel(s.x, s.y, color);
        }
        prev = p;
        sPrev = s;
        prevValid = ok;
    }
}

void drawPointLocus(const RenderContext& ctx, Canvas& canvas, const Element& locus, Color color,
                    int style, bool ownColors) {
    const auto& t = locus.samples();
    const int n = std::min<int>(t.sampleCount, static_cast<int>(t.samples.size()));
    const Element* driver = model::drivingPointOf(&locus);
    if (driver && driver->kind == Kind::GridPoint) {
        for (int i = 0; i < n; ++i)
            if (sampleValid(t, i))
                drawPoint(ctx, canvas, t.samples[i], sampleColor(t, i, color, ownColors), style);
        return;
    }
    auto join = [&](int i, int j) {
        if (!sampleValid(t, i) || !sampleValid(t, j)) return;
        if (dist(t.samples[i], t.samples[j]) >= 200) return; // a jump, not a curve
        drawSegment(ctx, canvas, t.samples[i], t.samples[j], sampleColor(t, j, color, ownColors),
                    style);
    };
    for (int i = 1; i < n; ++i)
        join(i - 1, i);
    if (locus.param1 == 1 && n > 1) join(n - 1, 0);
}

void drawElementFamily(const RenderContext& ctx, Canvas& canvas, const Element& locus, Color color,
                       int style, bool ownColors) {
    const auto& t = locus.samples();
    const int n = std::min<int>(t.sampleCount, static_cast<int>(t.samples.size()));
    const Element& traced = *locus.parent1;
    for (int i = 0; i < n; ++i) {
        if (static_cast<size_t>(i) >= t.samples2.size()) break;
        const Color c = sampleColor(t, i, color, ownColors);
        const Point a = t.samples[i];
        const Point b = t.samples2[i];
        switch (model::curveOf(traced.elementClass())) {
        case model::Curve::Line:
            drawLine(ctx, canvas, a, b, c, style);
            break;
        case model::Curve::Ray:
            drawRay(ctx, canvas, a, b, c, style);
            break;
        case model::Curve::Segment:
            drawSegment(ctx, canvas, a, b, c, style);
            break;
        case model::Curve::Circle:
            drawCircle(ctx, canvas, a, dist(a, b), c, style, -1);
            break;
        case model::Curve::Arc:   // arcs and conics are drawn as families, run by run
        case model::Curve::Conic:
        case model::Curve::None:
            break;
        }
    }
}

std::string tickValueText(double v) {
    char buf[64];
    if (std::fabs(v) >= 1e7)
        std::snprintf(buf, sizeof buf, "%.0f", v);
    else
        std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

} // namespace

void forEachConicPiece(const ViewTransform& view, const Element& conic, const ConicPieces& f) {
    const auto& t = conic.conic();
    if (t.samples.size() < static_cast<size_t>(model::kConicSampleCount)) return;
    if (t.conicType == 4 || t.conicType == 5) {
        f.line(t.samples[0], t.samples[1]);
        f.line(t.samples[2], t.samples[3]);
        return;
    }
    if (auto circle = conicAsCircle(conic)) {
        f.circle(circle->first, circle->second);
        return;
    }
    const int last = model::kConicSampleCount - 1;
    int i = 0;
    while (i < last) {
        int j = i + 1;
        while (j < last && dist(t.samples[i], t.samples[j]) <= 1)
            ++j;
        if (conicChordShown(view, t.samples[i], t.samples[j])) f.chord(t.samples[i], t.samples[j]);
        i = j;
    }
    if (t.conicType != 2 && conicChordShown(view, t.samples[0], t.samples[last]))
        f.chord(t.samples[0], t.samples[last]);
}

void drawConic(const RenderContext& ctx, Canvas& canvas, const Element& conic, Color color,
               int style) {
    ConicPieces pieces;
    pieces.line = [&](Point a, Point b) { drawLine(ctx, canvas, a, b, color, style); };
    pieces.circle = [&](Point c, double r) { drawCircle(ctx, canvas, c, r, color, style, -1); };
    pieces.chord = [&](Point a, Point b) { drawSegment(ctx, canvas, a, b, color, style); };
    forEachConicPiece(*ctx.view, conic, pieces);
}

void drawLocus(const RenderContext& ctx, Canvas& canvas, const Element& locus, Color color,
               int style) {
    if (locus.kind == Kind::FunctionGraph) {
        drawFunctionGraph(ctx, canvas, locus, color, style);
        return;
    }
    const Element* traced = locus.parent1;
    if (!traced) return;
    const bool ownColors = traced->colorSource != nullptr && style >= 0;
    switch (model::locusTraceOf(traced->elementClass())) {
    case model::LocusTrace::Point:
        drawPointLocus(ctx, canvas, locus, color, style, ownColors);
        return;
    case model::LocusTrace::Element:
        drawElementFamily(ctx, canvas, locus, color, style, ownColors);
        return;
    case model::LocusTrace::Run:
        drawFamily(ctx, canvas, locus, color, style);
        return;
    case model::LocusTrace::None:
        return;
    }
}

void drawAxes(const RenderContext& ctx, Canvas& canvas, const Element& axes, Color color,
              int style) {
    const auto& t = axes.axes();
    if (!t.axisX || !t.axisY || !axes.parent1) return;
    drawLine(ctx, canvas, t.axisX->point(), t.axisX->secondPoint(), color, style);
    drawLine(ctx, canvas, t.axisY->point(), t.axisY->secondPoint(), color, style);

    AxesLayout layout;
    layout.origin = axes.parent1->point();
    layout.xAxisSecond = t.axisX->secondPoint();
    layout.yAxisSecond = t.axisY->secondPoint();
    layout.unitX = t.unitX;
    layout.unitY = t.unitY;
    const AxisTicks ticks = axisTicks(layout, clipRectOf(clipEdgesFor(*ctx.view, canvas.role())));

    if (canvas.role() != CanvasRole::Miniature) {
        const Color bg = ctx.document ? ctx.document->units.backgroundColor : kBlack;
        const Color numbers = bg == kWhite ? 255 : ctx.options.axisNumberColor;
        model::ElementFont font;
        font.name = "MS Sans Serif";
        font.size = 8;
        outputText(ctx, canvas, font, numbers, -1, true, ticks.factorXAt,
                   tickValueText(ticks.factorX));
        outputText(ctx, canvas, font, numbers, -1, true, ticks.factorYAt,
                   tickValueText(ticks.factorY));
    }
    canvas.setPen({ctx.options.tickColor, PenStyle::Solid, 1});
    for (Point p : ticks.xTicks) {
        const IPoint s = worldToScreen(*ctx.view, p);
        canvas.moveTo(s.x, s.y - 1);
        canvas.lineTo(s.x, s.y + 2);
    }
    for (Point p : ticks.yTicks) {
        const IPoint s = worldToScreen(*ctx.view, p);
        canvas.moveTo(s.x - 1, s.y);
        canvas.lineTo(s.x + 2, s.y);
    }
}

void drawGrid(const RenderContext& ctx, Canvas& canvas, const Element& grid, Color color,
              int style) {
    const Element* axes = grid.parent1;
    if (!axes || axes->kind != Kind::Axes || !axes->parent1) return;
    const auto& t = axes->axes();
    AxesLayout layout;
    layout.origin = axes->parent1->point();
    layout.unitX = t.unitX;
    layout.unitY = t.unitY;
    const bool polar = ctx.document && ctx.document->units.polar();
    const bool miniature = canvas.role() == CanvasRole::Miniature;
    static thread_local std::vector<Point> points;
    gridPoints(layout, clipRectOf(clipEdgesFor(*ctx.view, canvas.role())), polar, miniature,
               ctx.view->drawScale, points);
    for (Point p : points)
        drawPoint(ctx, canvas, p, color, style);
}

void drawPicture(const RenderContext& ctx, Canvas& canvas, const Element& bitmap, Color color,
                 int style) {
    const ViewTransform& v = *ctx.view;
    const Point c1 = bitmap.point();
    const Point c2 = bitmap.secondPoint();
    if (canvas.role() == CanvasRole::Miniature) {
        const IPoint a = worldToScreen(v, c1);
        const IPoint b = worldToScreen(v, c2);
        const int l = std::min(a.x, b.x), r = std::max(a.x, b.x);
        const int t = std::min(a.y, b.y), bt = std::max(a.y, b.y);
        canvas.setBrush({kBlack, BrushStyle::Clear});
        canvas.setPen({0xFF0000, PenStyle::Solid, 1});
        canvas.rectangle(l, t, r + 1, bt + 1);
        canvas.setPen({0x00FFFF, PenStyle::Solid, 1});
        canvas.rectangle(l + 2, t + 2, r - 1, bt - 1);
        return;
    }
    if (style == -2) {
        // The frame reaches 3 units beyond the first corner and 2 beyond the second.
        const double sx = c1.x <= c2.x ? 1 : -1;
        const double sy = c1.y <= c2.y ? 1 : -1;
        const Point a{c1.x - 3 * sx, c1.y - 3 * sy};
        const Point b{c2.x + 2 * sx, c2.y + 2 * sy};
        drawSegment(ctx, canvas, a, {b.x, a.y}, color, 2);
        drawSegment(ctx, canvas, {b.x, a.y}, b, color, 2);
        drawSegment(ctx, canvas, b, {a.x, b.y}, color, 2);
        drawSegment(ctx, canvas, {a.x, b.y}, a, color, 2);
        return;
    }
    const model::Picture& picture = bitmap.bitmap().picture;
    if (picture.bmp.empty()) return;
    const IPoint a = worldToScreen(v, c1);
    if (bitmap.parent1 && bitmap.parent1->elementClass() == ElementClass::Segment) {
        const IPoint b = worldToScreen(v, c2);
        canvas.stretchPicture(a.x, a.y, b.x, b.y, picture);
    } else {
        canvas.drawPicture(a.x, a.y, picture);
    }
}

} // namespace zeva::render
