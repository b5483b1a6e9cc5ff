#include "render/view_transform.h"

#include "document/document.h"
#include "model/units.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace zeva::render {

namespace {

int saturate(double v) {
    if (!(v == v)) return 0; // NaN
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN + 1)) return INT_MIN + 1;
    return static_cast<int>(v);
}

Edges rectangleEdges(double left, double top, double right, double bottom) {
    return {Edge{{left, bottom}, {right, bottom}}, Edge{{left, top}, {right, top}},
            Edge{{left, bottom}, {left, top}}, Edge{{right, bottom}, {right, top}}};
}

} // namespace

int roundHalfAwayFromZero(double v) {
    const double t = std::trunc(v);
    const double frac = v - std::floor(v);
    if (v > 0) return saturate(frac >= 0.5 ? t + 1 : t);
    if (v == 0 || frac == 0) return saturate(t); // a negative whole number is already round
    return saturate(frac > 0.5 ? t : t - 1);
}

int roundHalfUp(double v) {
    const double t = std::trunc(v);
    return saturate(v - t > 0.5 ? t + 1 : t);
}

int toDevice(double v) {
    return std::clamp(roundHalfAwayFromZero(v), -kDeviceLimit, kDeviceLimit);
}

IPoint worldToScreen(const ViewTransform& v, double x, double y) {
    if (std::fabs(x) > kFarAway || std::fabs(y) > kFarAway || x != x || y != y) return kOffScreen;
    return {toDevice((x - v.viewLeft) * v.drawScale), toDevice(-(y - v.viewTop) * v.drawScale)};
}

Point screenToWorld(const ViewTransform& v, double sx, double sy) {
    return {sx / v.drawScale + v.viewLeft, -sy / v.drawScale + v.viewTop};
}

bool pointInView(const ViewTransform& v, double x, double y) {
    return v.viewLeft - 1 < x && x < v.viewRight + 1 && v.viewBottom - 1 < y && y < v.viewTop + 1;
}

bool pointInPlane(const ViewTransform& v, double x, double y) {
    const double h = v.planeSize / 2;
    return -h - 1 < x && x < h + 1 && -h - 1 < y && y < h + 1;
}

void setPlaneSize(ViewTransform& v, double planeSize) {
    v.planeSize = planeSize;
    const double h = planeSize / 2;
    v.planeEdges = rectangleEdges(-h, h, h, -h);
}

void syncViewEdges(ViewTransform& v) {
    v.viewEdges = rectangleEdges(v.viewLeft, v.viewTop, v.viewRight, v.viewBottom);
}

void deriveViewFarEdges(ViewTransform& v) {
    v.viewRight = v.viewLeft + v.screenWidth * v.drawScale;
    v.viewBottom = v.viewTop - v.screenHeight * v.drawScale;
}

void loadView(ViewTransform& v, const document::Document& d) {
    v.viewLeft = d.viewLeft;
    v.viewTop = d.viewTop;
    v.viewRight = d.viewRight;
    v.viewBottom = d.viewBottom;
    syncViewEdges(v);
}

void storeView(const ViewTransform& v, document::Document& d) {
    d.viewLeft = v.viewLeft;
    d.viewTop = v.viewTop;
    d.viewRight = v.viewRight;
    d.viewBottom = v.viewBottom;
}

const Edges& clipEdgesFor(const ViewTransform& v, CanvasRole role) {
    return role == CanvasRole::Miniature ? v.planeEdges : v.viewEdges;
}

ViewCircle viewCircle(const ViewTransform& v, CanvasRole role) {
    if (role == CanvasRole::Miniature) {
        const double h = v.planeSize / 2;
        return {{0, 0}, std::hypot(h, h)};
    }
    // Integer halving toward zero, as the window's client size is halved.
    const Point c{v.viewLeft + (v.clientWidth - v.leftInset) / 2,
                  v.viewTop - (v.clientHeight - v.topInset) / 2};
    return {c, std::hypot(c.x - v.viewLeft, c.y - v.viewBottom)};
}

void centreViewOnOrigin(ViewTransform& v, int areaWidth, int areaHeight) {
    v.viewLeft = -areaWidth * v.drawScale / 2;
    v.viewTop = areaHeight * v.drawScale / 2;
    deriveViewFarEdges(v);
    syncViewEdges(v);
}

double viewLeftFromScroll(const ViewTransform& v, int position, int max) {
    const double h = v.planeSize / 2;
    return -h + (2 * h - v.clientWidth) * position / max;
}

double viewTopFromScroll(const ViewTransform& v, int position, int max) {
    const double h = v.planeSize / 2;
    return h - (2 * h - v.clientHeight) * position / max;
}

int horizontalScrollPosition(const ViewTransform& v, int max) {
    const double h = v.planeSize / 2;
    const double room = 2 * h - v.clientWidth;
    if (room <= 0) return 0; // the whole plane fits: nothing to scroll
    return saturate(std::trunc(max * (v.viewLeft + h) / room));
}

int verticalScrollPosition(const ViewTransform& v, int max) {
    const double h = v.planeSize / 2;
    const double room = 2 * h - v.clientHeight;
    if (room <= 0) return 0;
    return saturate(std::trunc(max * (h - v.viewTop) / room));
}

double niceStepFactor(double u) {
    if (!(u > 0) || !std::isfinite(u)) return 1.0;
    const double x = 60.0 / u;
    // A unit so small that 60 / u overflows has no power of ten to step by.
    if (!std::isfinite(x)) return 1.0;
    const double ax = std::fabs(x);
    const double lg = std::log10(ax);
    const double L = std::trunc(lg);
    // The leading digit stays a double: it is only compared, never converted.
    const double d = ax >= 1 ? std::trunc(ax / std::pow(10.0, L))
                             : std::trunc(ax / std::pow(10.0, L - 1));
    const double m = d == 1 ? 1.0 : (d >= 2 && d <= 4 ? 2.0 : 5.0);
    const double c = ax >= 1 ? std::trunc(lg) : std::trunc(lg) - 1;
    const double factor = m * std::pow(10.0, c);
    return factor > 0 && std::isfinite(factor) ? factor : 1.0;
}

} // namespace zeva::render
