#include "render/draw_shapes.h"

#include "document/document.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zeva::render {

namespace {

double dist(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Crossing of segment a-b with segment p-q (ends included).
std::optional<Point> segmentsCross(Point a, Point b, Point p, Point q) {
    const Point d = b - a;
    const Point e = q - p;
    const double den = d.x * e.y - d.y * e.x;
    if (den == 0) return std::nullopt;
    const Point w = p - a;
    const double s = (w.x * e.y - w.y * e.x) / den; // along a-b
    const double u = (w.x * d.y - w.y * d.x) / den; // along p-q
    if (s < 0 || s > 1 || u < 0 || u > 1) return std::nullopt;
    return a + d * s;
}

// Crossing of the ray (or the whole line when `wholeLine`) from a through b with segment p-q.
std::optional<Point> lineCrossesEdge(Point a, Point b, const Edge& edge, bool wholeLine) {
    const Point d = b - a;
    const Point e = edge.b - edge.a;
    const double den = d.x * e.y - d.y * e.x;
    if (den == 0) return std::nullopt;
    const Point w = edge.a - a;
    const double s = (w.x * e.y - w.y * e.x) / den;
    const double u = (w.x * d.y - w.y * d.x) / den;
    if (u < 0 || u > 1 || (!wholeLine && s < 0)) return std::nullopt;
    return a + d * s;
}

Color backgroundOf(const RenderContext& ctx) {
    return ctx.document ? ctx.document->units.backgroundColor : kBlack;
}

// An end outside the plane moves to the nearest crossing of the segment with the plane's edge.
Point pullIntoPlane(const ViewTransform& v, Point end, Point other) {
    if (pointInPlane(v, end)) return end;
    std::optional<Point> best;
    double bestDist = 0;
    for (const Edge& edge : v.planeEdges) {
        if (auto c = segmentsCross(end, other, edge.a, edge.b)) {
            const double dd = dist(*c, end);
            if (!best || dd < bestDist) {
                best = c;
                bestDist = dd;
            }
        }
    }
    return best ? *best : end;
}

bool largeRadiusFor(double radius, int style) {
    const bool thick = style == 2 || style == -1 || style == -2;
    return radius > (thick ? 1999.0 : 3999.0);
}

// The two crossings of circle (c, r) with circle (vc, vr), as angles around c.
std::optional<std::pair<double, double>> circleCrossings(Point c, double r, Point vc, double vr) {
    const double d = dist(c, vc);
    if (d < model::kEpsilon || d > r + vr || d < std::fabs(r - vr)) return std::nullopt;
    const double v = (r * r + d * d - vr * vr) / (2 * d);
    const double h2 = r * r - v * v;
    if (h2 <= 0) return std::nullopt;
    const double base = std::atan2(vc.y - c.y, vc.x - c.x);
    const double spread = std::acos(std::clamp(v / r, -1.0, 1.0));
    return std::pair{base - spread, base + spread};
}

double normalizedAngle(double a) {
    a = std::fmod(a, 2 * model::kPi);
    if (a < 0) a += 2 * model::kPi;
    return a;
}

// Chords along the arc from `start` sweeping `sweep`: a point is taken every k units, a chord
// drawn once the point is more than 5 units away from the last one, a final chord to the end.
void drawChords(const RenderContext& ctx, Canvas& canvas, Point centre, double radius, double start,
                double sweep, Color color) {
    const ViewTransform& v = *ctx.view;
    // An arc from a degenerate construction (NaN or infinite radius or angles) has no chords.
    if (!std::isfinite(radius) || !std::isfinite(start) || !std::isfinite(sweep)) return;
    const double length = radius * sweep;
    const double k = std::trunc(radius * 0.02) + 1;
    const double nD = std::trunc(length / k) + 2;
    const int n = nD > 1e6 ? 1000000 : (nD > 1 ? static_cast<int>(nD) : 1);
    auto at = [&](double a) {
        return Point{centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)};
    };
    Point last = at(start);
    IPoint s = worldToScreen(v, last);
    canvas.moveTo(s.x, s.y);
    for (int i = 1; i < n; ++i) {
        const Point p = at(start + i * sweep / n);
        if (dist(p, last) > 5) {
            s = worldToScreen(v, p);
            canvas.lineTo(s.x, s.y);
            last = p;
        }
    }
    s = worldToScreen(v, at(start + sweep));
    canvas.lineTo(s.x, s.y);
    canvas.setPixel(s.x, s.y, color);
}

} // namespace

std::optional<Pen> linePen(Color color, int style) {
    switch (style) {
    case 1:
        return Pen{color, PenStyle::Solid, 1};
    case 2:
    case -1:
        return Pen{color, PenStyle::Solid, 3};
    case 3:
        return Pen{color, PenStyle::Dot, 1};
    case 4:
        return Pen{color, PenStyle::DashDot, 1};
    case -2:
        return Pen{color, PenStyle::Solid, 5};
    default:
        return std::nullopt;
    }
}

void drawPoint(const RenderContext& ctx, Canvas& canvas, Point p, Color color, int style) {
    const ViewTransform& v = *ctx.view;
    if (!pointInView(v, p)) return;
    const IPoint s = worldToScreen(v, p);
    const int x = s.x;
    const int y = s.y;
    canvas.setPen({color, PenStyle::Solid, 1});
    if (canvas.role() == CanvasRole::Printer) {
        // Sized by the printer's resolution so points stay visible on paper.
        const int r = canvas.pixelsPerInch() / 72;
        switch (style) {
        case 1:
            canvas.setBrush({color, BrushStyle::Solid});
            canvas.rectangle(x - r + 1, y - r + 1, x + r, y + r);
            return;
        case 2:
        case 3:
            canvas.setBrush({style == 2 ? color : backgroundOf(ctx), BrushStyle::Solid});
            canvas.ellipse(x - r, y - r, x + r + 1, y + r + 1);
            return;
        case 4:
            canvas.moveTo(x - r, y - r);
            canvas.lineTo(x + r + 1, y + r + 1);
            canvas.moveTo(x - r, y + r);
            canvas.lineTo(x + r + 1, y - r - 1);
            return;
        default:
            return;
        }
    }
    switch (style) {
    case 1:
        canvas.setBrush({color, BrushStyle::Solid});
        canvas.rectangle(x - 1, y - 1, x + 2, y + 2);
        return;
    case 2:
        canvas.setBrush({color, BrushStyle::Solid});
        canvas.ellipse(x - 2, y - 2, x + 3, y + 3);
        return;
    case 3:
        canvas.setBrush({backgroundOf(ctx), BrushStyle::Solid});
        canvas.ellipse(x - 2, y - 2, x + 3, y + 3);
        return;
    case 4:
        canvas.moveTo(x - 2, y - 2);
        canvas.lineTo(x + 3, y + 3);
        canvas.moveTo(x - 2, y + 2);
        canvas.lineTo(x + 3, y - 3);
        return;
    case -1:
    case -2:
        canvas.setBrush({color, BrushStyle::Solid});
        canvas.ellipse(x - 3, y - 3, x + 4, y + 4);
        return;
    default:
        return;
    }
}

void drawSegment(const RenderContext& ctx, Canvas& canvas, Point a, Point b, Color color,
                 int style) {
    const std::optional<Pen> pen = linePen(color, style);
    if (!pen) return;
    const ViewTransform& v = *ctx.view;
    bool shown = pointInView(v, a) || pointInView(v, b);
    if (!shown) {
        for (const Edge& edge : clipEdgesFor(v, canvas.role())) {
            if (segmentsCross(a, b, edge.a, edge.b)) {
                shown = true;
                break;
            }
        }
    }
    if (!shown) return;
    const Point a2 = pullIntoPlane(v, a, b);
    const Point b2 = pullIntoPlane(v, b, a);
    const IPoint sa = worldToScreen(v, a2);
    const IPoint sb = worldToScreen(v, b2);
    canvas.setBrush({backgroundOf(ctx), BrushStyle::Clear});
    canvas.setPen(*pen);
    canvas.moveTo(sa.x, sa.y);
    canvas.lineTo(sb.x, sb.y);
    canvas.setPixel(sb.x, sb.y, color);
}

void drawLine(const RenderContext& ctx, Canvas& canvas, Point first, Point second, Color color,
              int style) {
    if (dist(first, second) < model::kEpsilon) second.y += 1; // keep a direction: vertical
    const Edges& edges = clipEdgesFor(*ctx.view, canvas.role());
    std::optional<Point> a;
    Point b = second;
    for (int i = 0; i < 4; ++i) {
        const std::optional<Point> c = lineCrossesEdge(first, second, edges[i], true);
        if (!c) continue;
        if (!a) {
            a = c;
        } else if (i == kRightEdge) {
            b = *c;
        } else {
            b = *c;
            if (dist(*a, b) > 4) break;
        }
    }
    if (a) drawSegment(ctx, canvas, *a, b, color, style);
}

void drawRay(const RenderContext& ctx, Canvas& canvas, Point origin, Point through, Color color,
             int style) {
    if (dist(origin, through) < model::kEpsilon) through.y += 1;
    const Edges& edges = clipEdgesFor(*ctx.view, canvas.role());
    std::optional<Point> a;
    std::optional<Point> b;
    for (const Edge& edge : edges) {
        const std::optional<Point> c = lineCrossesEdge(origin, through, edge, false);
        if (!c) continue;
        if (!a)
            a = c;
        else
            b = c;
    }
    if (!a) return;
    // One crossing, or two at the same corner: the origin lies inside.
    if (!b || dist(*a, *b) < model::kEpsilon) b = origin;
    drawSegment(ctx, canvas, *a, *b, color, style);
}

void drawCircle(const RenderContext& ctx, Canvas& canvas, Point centre, double radius, Color color,
                int style, Color fill) {
    const ViewTransform& v = *ctx.view;
    const ViewCircle vc = viewCircle(v, canvas.role());
    if (dist(vc.centre, centre) - radius >= vc.radius) return;
    const IPoint c = worldToScreen(v, centre);
    const int R = toDevice(radius * v.drawScale);
    if (R <= 0) {
        canvas.setPixel(c.x, c.y, color);
        return;
    }
    if (fill >= 0) {
        canvas.setBrush({fill, BrushStyle::Solid});
        style = 1;
    } else {
        canvas.setBrush({backgroundOf(ctx), BrushStyle::Clear});
    }
    const std::optional<Pen> pen = linePen(color, style);
    if (!pen) return;
    canvas.setPen(*pen);
    if (largeRadiusFor(radius, style)) {
        // Too large for the device: only the part inside the view circle, as chords.
        if (auto cross = circleCrossings(centre, radius, vc.centre, vc.radius)) {
            double start = cross->first;
            double sweep = cross->second - cross->first;
            const double mid = start + sweep / 2;
            const Point m{centre.x + radius * std::cos(mid), centre.y + radius * std::sin(mid)};
            if (dist(m, vc.centre) > vc.radius) {
                start = cross->second;
                sweep = 2 * model::kPi - sweep;
            }
            drawChords(ctx, canvas, centre, radius, start, sweep, color);
            return;
        }
        if (dist(vc.centre, centre) + radius > vc.radius) return;
    }
    canvas.ellipse(c.x - R, c.y - R, c.x + R + 1, c.y + R + 1);
}

void drawArcPolyline(const RenderContext& ctx, Canvas& canvas, Point centre, double radius,
                     double start, double sweep, Color color, int style) {
    const std::optional<Pen> pen = linePen(color, style);
    if (!pen) return;
    canvas.setBrush({backgroundOf(ctx), BrushStyle::Clear});
    canvas.setPen(*pen);
    if (!largeRadiusFor(radius, style)) {
        drawChords(ctx, canvas, centre, radius, start, sweep, color);
        return;
    }
    // A large circle: only the parts of the arc inside the view circle.
    const ViewCircle vc = viewCircle(*ctx.view, canvas.role());
    const auto cross = circleCrossings(centre, radius, vc.centre, vc.radius);
    if (!cross) {
        if (dist(vc.centre, centre) + radius <= vc.radius)
            drawChords(ctx, canvas, centre, radius, start, sweep, color);
        return;
    }
    double inStart = cross->first;
    double inSweep = cross->second - cross->first;
    const double mid = inStart + inSweep / 2;
    const Point m{centre.x + radius * std::cos(mid), centre.y + radius * std::sin(mid)};
    if (dist(m, vc.centre) > vc.radius) {
        inStart = cross->second;
        inSweep = 2 * model::kPi - inSweep;
    }
    // Intersect [start, start + sweep] with [inStart, inStart + inSweep] (angles mod 2 pi).
    const double off = normalizedAngle(inStart - start);
    const double twoPi = 2 * model::kPi;
    struct Span {
        double a;
        double b;
    };
    const Span pieces[2] = {{off, off + inSweep}, {off - twoPi, off - twoPi + inSweep}};
    for (const Span& p : pieces) {
        const double a = std::max(0.0, p.a);
        const double b = std::min(sweep, p.b);
        if (b > a) drawChords(ctx, canvas, centre, radius, start + a, b - a, color);
    }
}

void drawArcThrough(const RenderContext& ctx, Canvas& canvas, Point centre, Point a, Point b,
                    Point c, Color color, int style) {
    const ViewTransform& v = *ctx.view;
    const double d = dist(centre, c);
    const ViewCircle vc = viewCircle(v, canvas.role());
    if (dist(vc.centre, centre) - d >= vc.radius) return;
    // The counter-clockwise sweep from the start passes through b.
    const double ab = std::atan2(a.y - b.y, a.x - b.x);
    const double cb = std::atan2(c.y - b.y, c.x - b.x);
    const bool aFirst = normalizedAngle(cb - ab) > model::kPi;
    const Point from = aFirst ? a : c;
    const Point to = aFirst ? c : a;
    if (d > 9) {
        const double start = std::atan2(from.y - centre.y, from.x - centre.x);
        const double end = std::atan2(to.y - centre.y, to.x - centre.x);
        double sweep = normalizedAngle(end - start);
        if (sweep == 0) sweep = 2 * model::kPi;
        drawArcPolyline(ctx, canvas, centre, d, start, sweep, color, style);
        return;
    }
    const std::optional<Pen> pen = linePen(color, style);
    if (!pen) return;
    canvas.setBrush({backgroundOf(ctx), BrushStyle::Clear});
    canvas.setPen(*pen);
    const IPoint sc = worldToScreen(v, centre);
    const int R = toDevice(d * v.drawScale);
    const IPoint s1 = worldToScreen(v, from);
    const IPoint s2 = worldToScreen(v, to);
    canvas.arc(sc.x - R, sc.y - R, sc.x + R + 1, sc.y + R + 1, s1.x, s1.y, s2.x, s2.y);
}

void drawAngleMark(const RenderContext& ctx, Canvas& canvas, Point first, Point vertex, Point third,
                   double radius, Color color, int style) {
    const ViewTransform& v = *ctx.view;
    const double s = v.drawScale;
    const double R = std::min(radius * s, 10000.0);
    double radii[3];
    int count = 0;
    switch (style) {
    case 1:
        radii[count++] = R;
        break;
    case 2:
        radii[count++] = R + 2 * s;
        radii[count++] = R - s;
        break;
    case 3:
        radii[count++] = R;
        radii[count++] = R + 3 * s;
        radii[count++] = R - 3 * s;
        break;
    case -1:
    case -2:
        radii[count++] = R - s;
        radii[count++] = R + s;
        break;
    default:
        return;
    }
    canvas.setBrush({backgroundOf(ctx), BrushStyle::Clear});
    canvas.setPen({color, PenStyle::Solid, 1});
    const IPoint sv = worldToScreen(v, vertex);
    const IPoint s1 = worldToScreen(v, first);
    const IPoint s3 = worldToScreen(v, third);
    for (int i = 0; i < count; ++i) {
        const int r = toDevice(radii[i]);
        canvas.arc(sv.x + 1 - r, sv.y + 1 - r, sv.x + 1 + r, sv.y + 1 + r, s1.x, s1.y, s3.x, s3.y);
    }
}

} // namespace zeva::render
