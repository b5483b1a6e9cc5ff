#include "geometry/grid.h"

#include "geometry/element_shapes.h"

#include <cmath>

namespace zeva::geometry {

double niceStepFactor(double unit) {
    const double x = 60.0 / unit;
    const double ax = std::fabs(x);
    if (!(ax > 0.0) || !std::isfinite(ax)) return 1.0;
    const double exponent = std::trunc(std::log10(ax));
    const double digit = ax >= 1.0 ? std::trunc(ax / std::pow(10.0, exponent))
                                   : std::trunc(ax / std::pow(10.0, exponent - 1.0));
    const double m = digit == 1.0 ? 1.0 : (digit >= 2.0 && digit <= 4.0 ? 2.0 : 5.0);
    const double c = ax >= 1.0 ? exponent : exponent - 1.0;
    return m * std::pow(10.0, c);
}

std::optional<Point> nearestGridNode(const model::Element& grid, Point p,
                                     const RecomputeContext& ctx) {
    if (!grid.parent1 || grid.parent1->kind != model::Kind::Axes) return std::nullopt;
    const AxesFrame axes = axesFrameOf(*grid.parent1);
    const double qx = niceStepFactor(axes.unitX) * axes.unitX;
    const double qy = niceStepFactor(axes.unitY) * axes.unitY;
    const Point o = axes.origin;
    if (!ctx.units.polar()) {
        const Point node{o.x + std::round((p.x - o.x) / qx) * qx,
                         o.y + std::round((p.y - o.y) / qy) * qy};
        return toAxes(axes, node);
    }
    // Polar: rings every qx around the origin, squeezed by qy/qx vertically. The angular step
    // starts at π/6 on the first ring drawn and halves (once per ring) as the rings grow.
    const double sx = p.x - o.x;
    const double sy = (p.y - o.y) * qx / qy;
    const double ring = std::round(std::sqrt(sx * sx + sy * sy) / qx) * qx;
    const Point viewCentre{(ctx.viewLeft + ctx.viewRight) / 2, (ctx.viewTop + ctx.viewBottom) / 2};
    const double h = ctx.viewTop - ctx.viewBottom;
    const bool originInView =
        o.x >= ctx.viewLeft && o.x <= ctx.viewRight && o.y >= ctx.viewBottom && o.y <= ctx.viewTop;
    double radius = originInView ? 0.0 : std::trunc((dist(viewCentre, o) - h) / qx) * qx;
    if (radius < 0.0) radius = 0.0;
    double step = kPi / 6.0;
    // Bounded: a point far from the origin would otherwise walk an unbounded number of rings.
    constexpr int kMaxRings = 1000000;
    for (int i = 0; radius <= ring + qx / 2 && i < kMaxRings; radius += qx, ++i)
        if (radius * step > 60.0) step /= 2.0;
    double angle = std::atan2(sy, sx);
    if (angle < 0.0) angle += kTwoPi;
    angle = std::round(angle / step) * step;
    const Point node{o.x + ring * std::cos(angle), o.y + ring * (qy / qx) * std::sin(angle)};
    return toAxes(axes, node);
}

} // namespace zeva::geometry
