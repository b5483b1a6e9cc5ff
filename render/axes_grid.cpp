#include "render/axes_grid.h"

#include "model/units.h"

#include <cmath>
#include <optional>

namespace zeva::render {

namespace {

// Far beyond any sensible drawing: a nice step keeps marks 12 to 60 units apart, so only a unit
// with no nice step (so small that 60 / unit overflows) or a degenerate origin asks for more. An
// axis or a grid that would need more marks shows none.
constexpr size_t kMaxMarks = 200000;

bool fewEnough(double marks) {
    return marks <= static_cast<double>(kMaxMarks); // false for NaN too
}

// Where the line through a and b crosses the segment p-q, if it does.
std::optional<Point> lineCrossesSegment(Point a, Point b, Point p, Point q) {
    const Point d = b - a;
    const Point e = q - p;
    const double den = d.x * e.y - d.y * e.x;
    if (std::fabs(den) < 1e-12) return std::nullopt;
    const double s = ((p.x - a.x) * d.y - (p.y - a.y) * d.x) / den;
    if (s < 0 || s > 1) return std::nullopt;
    return p + e * s;
}

} // namespace

ClipRect clipRectOf(const Edges& edges) {
    return {edges[kLeftEdge].a.x, edges[kTopEdge].a.y, edges[kRightEdge].a.x,
            edges[kBottomEdge].a.y};
}

AxisTicks axisTicks(const AxesLayout& axes, const ClipRect& clip) {
    AxisTicks t;
    t.factorX = niceStepFactor(axes.unitX);
    t.factorY = niceStepFactor(axes.unitY);
    t.stepX = t.factorX * axes.unitX;
    t.stepY = t.factorY * axes.unitY;
    const Point o = axes.origin;
    t.factorXAt = {o.x + t.stepX - 2, o.y - 4};
    t.factorYAt = {o.x + 4, o.y + t.stepY + 8};
    if (!(t.stepX > 0) || !(t.stepY > 0)) return t;

    const double width = clip.right - clip.left;
    const double height = clip.top - clip.bottom;
    if (auto c = lineCrossesSegment(o, axes.xAxisSecond, {clip.left, clip.bottom},
                                    {clip.left, clip.top})) {
        const double start = o.x - std::trunc((o.x - c->x) / t.stepX) * t.stepX;
        const double n = std::trunc(width / t.stepX) + 1;
        const size_t count = n >= 0 && fewEnough(n) ? static_cast<size_t>(n) + 1 : 0;
        for (size_t i = 0; i < count; ++i) {
            const double x = start + static_cast<double>(i) * t.stepX;
            if (std::fabs(x - o.x) >= model::kEpsilon) t.xTicks.push_back({x, o.y});
        }
    }
    if (auto c = lineCrossesSegment(o, axes.yAxisSecond, {clip.left, clip.bottom},
                                    {clip.right, clip.bottom})) {
        const double start = o.y - std::trunc((o.y - c->y) / t.stepY) * t.stepY;
        const double n = std::trunc(height / t.stepY) + 1;
        const size_t count = n >= 0 && fewEnough(n) ? static_cast<size_t>(n) + 1 : 0;
        for (size_t i = 0; i < count; ++i) {
            const double y = start + static_cast<double>(i) * t.stepY;
            if (std::fabs(y - o.y) >= model::kEpsilon) t.yTicks.push_back({o.x, y});
        }
    }
    return t;
}

void gridPoints(const AxesLayout& axes, const ClipRect& clip, bool polar, bool miniature,
                double drawScale, std::vector<Point>& out) {
    out.clear();
    double qx = niceStep(axes.unitX);
    double qy = niceStep(axes.unitY);
    if (miniature) {
        qx /= 2 * drawScale;
        qy /= 2 * drawScale;
    }
    if (!(qx > 0) || !(qy > 0) || !std::isfinite(qx) || !std::isfinite(qy)) return;
    const Point o = axes.origin;

    // Every step of either loop counts against the bound: with a far-off origin or a tiny unit
    // a coordinate may stop advancing, or no point of a column may fall inside the rectangle.
    size_t steps = 0;
    if (!polar) {
        const double x0 = std::floor((clip.left - o.x) / qx) * qx + o.x;
        const double y0 = std::floor((clip.bottom - o.y) / qy) * qy + o.y;
        if (!fewEnough(((clip.right - x0) / qx + 1) * ((clip.top - y0) / qy + 1))) return;
        for (double x = x0; x < clip.right && steps < kMaxMarks; x += qx) {
            ++steps;
            for (double y = y0; y < clip.top && steps < kMaxMarks; y += qy) {
                ++steps;
                out.push_back({x, y});
            }
        }
        return;
    }

    const double ratio = qy / qx;
    double r = 0.0;
    double rEnd = 9999.0;
    double a = model::kPi / 12;
    if (!miniature) {
        const Point c{(clip.left + clip.right) / 2, (clip.top + clip.bottom) / 2};
        const double d = std::hypot(c.x - o.x, c.y - o.y);
        const double h = clip.top - clip.bottom;
        const bool originInside =
            o.x >= clip.left && o.x <= clip.right && o.y >= clip.bottom && o.y <= clip.top;
        r = originInside ? 0.0 : std::trunc((d - h) / qx) * qx;
        if (r < 0) r = 0;
        rEnd = d + h;
        a = model::kPi / 6;
    }
    if (!fewEnough((rEnd - r) / qx)) return;
    for (; r < rEnd && steps < kMaxMarks; r += qx) {
        ++steps;
        if (!miniature && r * a > 60) a /= 2;
        for (int k = 0; k * a <= 2 * model::kPi + 1e-12 && steps < kMaxMarks; ++k) {
            ++steps;
            const double t = k * a;
            out.push_back({o.x + r * std::cos(t), o.y + r * ratio * std::sin(t)});
        }
    }
}

} // namespace zeva::render
