// Sampling loci, their driving parameters, exact points on a locus, and changing the number of
// points.

#include "geometry/locus.h"

#include "geometry/element_shapes.h"
#include "geometry/grid.h"
#include "geometry/locus_run.h"
#include "geometry/parametric_color.h"
#include "geometry/primitives.h"
#include "model/dependencies.h"

#include <cmath>

namespace zeva::geometry {

using model::Element;
using model::ElementClass;
using model::Kind;
using model::Track;

namespace {

// Grids are enumerated over the view; a bound on the nodes looked at keeps a degenerate axis
// unit or origin from asking for an unbounded number of them.
constexpr size_t kMaxGridNodes = 1000000;
// Beyond this many steps from the origin, consecutive nodes are no longer distinct doubles: such
// a grid has no nodes the view could tell apart.
constexpr double kLargestNodeIndex = 4503599627370496.0; // 2^52

bool isDrivingKind(const Element* d) {
    return d && (d->kind == Kind::PointOnElement || d->kind == Kind::GridPoint);
}

bool closedHost(const Element* host) {
    if (!host) return false;
    if (model::classInfo(host->elementClass()).closedCurve) return true;
    return host->kind == Kind::Locus && host->param1 == 1;
}

// The nodes of the grid as drawn over the view, inside the plane, row by row, in axis units.
std::vector<Point> gridNodes(const Element& grid, const RecomputeContext& ctx) {
    std::vector<Point> nodes;
    const Element* axesElement = grid.parent1;
    if (!axesElement || axesElement->kind != Kind::Axes) return nodes;
    const AxesFrame axes = axesFrameOf(*axesElement);
    const double fx = niceStepFactor(axes.unitX), fy = niceStepFactor(axes.unitY);
    const double qx = fx * axes.unitX, qy = fy * axes.unitY;
    if (!(qx > 0.0) || !(qy > 0.0) || !std::isfinite(qx) || !std::isfinite(qy)) return nodes;
    const Point o = axes.origin;
    const double h = ctx.planeSize / 2.0;
    auto inPlane = [h](Point p) {
        return -h - 1 < p.x && p.x < h + 1 && -h - 1 < p.y && p.y < h + 1;
    };

    // Every node looked at counts against the bound, kept or not: with a far-off origin or a
    // tiny unit the nodes may all lie outside the plane, or the index may stop advancing.
    size_t examined = 0;
    if (!ctx.units.polar()) {
        const double i0 = std::floor((ctx.viewLeft - o.x) / qx);
        const double j0 = std::floor((ctx.viewBottom - o.y) / qy);
        if (!(std::fabs(i0) < kLargestNodeIndex && std::fabs(j0) < kLargestNodeIndex)) return nodes;
        for (double j = j0; o.y + j * qy < ctx.viewTop && examined < kMaxGridNodes; ++j) {
            ++examined;
            for (double i = i0; o.x + i * qx < ctx.viewRight && examined < kMaxGridNodes; ++i) {
                ++examined;
                if (inPlane({o.x + i * qx, o.y + j * qy})) nodes.push_back({i * fx, j * fy});
            }
        }
        return nodes;
    }

    // Polar: rings every qx about the origin (squeezed by qy/qx upright); the angular step
    // starts at π/6 and halves, once per ring, while the arc between nodes exceeds 60 units.
    const Point centre{(ctx.viewLeft + ctx.viewRight) / 2, (ctx.viewTop + ctx.viewBottom) / 2};
    const double height = ctx.viewTop - ctx.viewBottom;
    const double d = dist(centre, o);
    const bool originInView =
        o.x >= ctx.viewLeft && o.x <= ctx.viewRight && o.y >= ctx.viewBottom && o.y <= ctx.viewTop;
    double radius = originInView ? 0.0 : std::max(0.0, std::trunc((d - height) / qx) * qx);
    if (!(radius / qx < kLargestNodeIndex)) return nodes;
    double step = kPi / 6.0;
    for (; radius < d + height && examined < kMaxGridNodes; radius += qx) {
        ++examined;
        if (radius * step > 60.0) step /= 2.0;
        if (radius == 0.0) {
            if (inPlane(o)) nodes.push_back({0.0, 0.0});
            continue;
        }
        // t = 2π is the node at t = 0 again
        for (int k = 0; k * step < kTwoPi - 1e-9 && examined < kMaxGridNodes; ++k) {
            ++examined;
            const double t = k * step;
            const Point p{o.x + radius * std::cos(t), o.y + radius * (qy / qx) * std::sin(t)};
            if (inPlane(p)) nodes.push_back(toAxes(axes, p));
        }
    }
    return nodes;
}

// A drag leaves a point locus alone when the dragged element is its driving point, or is its
// traced point (not itself a point on an element) and this is the first locus tracing it:
// neither changes what the locus looks like.
bool keptDuringDrag(const Element& locus, const RecomputeContext& ctx) {
    if (!ctx.dragInProgress || ctx.dragOfMultipleSelection || !ctx.draggedElement) return false;
    const Element* traced = locus.parent1;
    const Element* driving = locus.parent2;
    if (traced->elementClass() != ElementClass::Point || driving->kind == Kind::GridPoint)
        return false;
    if (ctx.draggedElement == driving || ctx.draggedElement == model::drivingPointOf(&locus))
        return true;
    return ctx.draggedElement == traced && traced->kind != Kind::PointOnElement &&
           ctx.construction && ctx.construction->locusOfTraced(traced) == &locus;
}

// Makes every sample array as long as the capacity (a locus read from a file may carry only
// its capacity).
void fitArrays(model::SampleTail& tail) {
    const auto n = static_cast<size_t>(std::max(tail.capacity, 0));
    if (tail.samples.size() != n || tail.samples2.size() != n || tail.sampleParams.size() != n ||
        tail.sampleColors.size() != n)
        tail.resize(tail.capacity);
}

// A stretch of `length` world units as a multiple of the host's defining vector (lines and rays
// through two points take parameters in that unit).
double scaleOver(double length, const Element& host) {
    const double d = dist(host.point(), host.secondPoint());
    return d > 0.0 ? length / d : 0.0;
}

} // namespace

bool isFamilyTraced(const Element& traced) {
    return model::locusTraceOf(traced.elementClass()) == model::LocusTrace::Run;
}

DrivingParameters drivingParameters(const Element& locus, const RecomputeContext& ctx) {
    DrivingParameters out;
    const Element* driving = model::drivingPointOf(&locus);
    if (!driving || !driving->parent1) return out;
    const Element& host = *driving->parent1;
    if (driving->kind == Kind::GridPoint) {
        out.onGrid = true;
        out.gridNodes = gridNodes(host, ctx);
        return out;
    }
    const auto* tail = std::get_if<model::SampleTail>(&locus.tail);
    const int n = tail ? std::max(tail->capacity, 0) : 0;
    out.t.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        double t = 0.0;
        switch (model::trackOf(host.elementClass())) {
        case Track::Line:
            if (host.kind == Kind::LineThroughTwoPoints) {
                const double k = scaleOver(3000.0, host);
                t = i * k / n - k / 2;
            } else {
                t = i * (3000.0 / n) - 1500.0;
            }
            break;
        case Track::Ray:
            if (host.kind == Kind::RayThroughTwoPoints)
                t = i * scaleOver(1500.0, host) / n;
            else
                t = i * (1500.0 / n);
            break;
        case Track::Circle:
            t = i * kTwoPi / n;
            break;
        case Track::Conic:
            t = i * double(model::kConicSampleCount) / n;
            break;
        case Track::Polygon:
            t = i * double(host.polygon().sides.size()) / n;
            break;
        case Track::Segment:
        case Track::Arc:
        case Track::Locus:
        case Track::None: // segments, arcs and loci run from 0 to 1 inclusive
            t = n > 1 ? double(i) / (n - 1) : 0.0;
            break;
        }
        out.t[static_cast<size_t>(i)] = t;
    }
    return out;
}

void sampleLocus(Element& locus, const RecomputeContext& ctx) {
    model::SampleTail& tail = locus.samples();
    Element* traced = locus.parent1;
    if (!traced || !ctx.construction) return;
    const DrivingParameters params = drivingParameters(locus, ctx);
    if (params.onGrid && tail.capacity != int32_t(params.gridNodes.size()))
        tail.resize(int32_t(params.gridNodes.size()));
    fitArrays(tail);

    LocusRun run(locus, ctx, RunScope::Sample);
    if (!run.valid()) return;
    const bool tracesPoint = traced->elementClass() == ElementClass::Point;
    const size_t steps =
        std::min(params.onGrid ? params.gridNodes.size() : params.t.size(), size_t(tail.capacity));
    int32_t count = 0;
    for (size_t i = 0; i < steps; ++i) {
        const bool stepped =
            params.onGrid ? run.stepToNode(params.gridNodes[i]) : run.stepTo(params.t[i]);
        if (!stepped) break; // the allowance is used up: the samples so far stay
        if (!traced->exists && !tracesPoint) continue; // a missing line, circle... is skipped
        const size_t k = static_cast<size_t>(count++);
        if (traced->exists) {
            tail.samples[k] = traced->point();
            tail.samples2[k] = traced->secondPoint();
            tail.sampleParams[k] = params.onGrid ? 0.0 : params.t[i];
            tail.sampleColors[k] =
                traced->colorSource ? currentParametricColor(*traced) : traced->color;
        } else {
            tail.samples[k] = {};
            tail.samples2[k] = {};
            tail.sampleParams[k] = 0.0;
            tail.sampleColors[k] = model::kInvalidSample;
        }
    }
    tail.sampleCount = count;
    run.restore();
}

void recomputeLocus(Element& locus, const RecomputeContext& ctx) {
    const Element* driving = locus.parent2;
    if (!locus.parent1 || !isDrivingKind(driving) || !driving->parent1 ||
        driving->parent1->exists != 1 || !std::holds_alternative<model::SampleTail>(locus.tail)) {
        locus.exists = 0;
        return;
    }
    locus.exists = 1;
    locus.param1 = closedHost(driving->parent1) ? 1 : 0;
    if (isFamilyTraced(*locus.parent1) || keptDuringDrag(locus, ctx)) return;
    sampleLocus(locus, ctx);
}

bool acceptLocus(model::Construction& c, Element& traced, Element& driving) {
    if (!isDrivingKind(&driving) || &traced == &driving) return false;
    // On a grid a locus keeps only what it can sample node by node.
    if (driving.kind == Kind::GridPoint && !model::tracedPerSample(traced.elementClass()))
        return false;
    return model::dependsOn(c, traced, driving);
}

void setLocusPointCount(Element& locus, int32_t count, const RecomputeContext& ctx) {
    // Fewer than two points leaves nothing to join (and no step between 0 and 1); the bound
    // above keeps a typo from allocating without limit.
    count = std::clamp(count, int32_t(2), int32_t(1000000));
    locus.samples().resize(count);
    recomputeLocus(locus, ctx);
}

std::optional<Point> locusPointAt(Element& locus, double t, const RecomputeContext& ctx) {
    Element* traced = locus.parent1;
    if (!traced || !ctx.construction) return std::nullopt;
    LocusRun run(locus, ctx, RunScope::Exact);
    if (!run.valid() || run.driving().kind != Kind::PointOnElement) return std::nullopt;
    std::optional<Point> p;
    if (run.stepTo(t) && traced->exists) p = traced->point();
    run.restore();
    return p;
}

double locusParameterOf(Element& locus, Point p, const RecomputeContext&) {
    const auto* tail = std::get_if<model::SampleTail>(&locus.tail);
    if (!tail) return 0.0;
    double best = 999999.0;
    double bestT = 0.0;
    const int32_t n = std::min<int32_t>(tail->sampleCount, int32_t(tail->samples.size()));
    for (int32_t i = 0; i < n; ++i) {
        if (tail->sampleColors[size_t(i)] == model::kInvalidSample) continue;
        const double d = dist(p, tail->samples[size_t(i)]);
        if (d < best) {
            best = d;
            bestT = tail->sampleParams[size_t(i)];
        }
    }
    return bestT;
}

} // namespace zeva::geometry
