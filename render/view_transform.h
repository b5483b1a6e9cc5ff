#pragma once
// The world/screen mapping. One world unit is one device pixel at drawScale 1.0; the world's y
// points up, the screen's down. The view is the world rectangle shown on the drawing surface,
// the plane the square (side planeSize, centred on the origin) within which it may scroll.

#include "model/point.h"
#include "render/canvas.h"

#include <array>
#include <cstdint>

namespace zeva::document {
struct Document;
}

namespace zeva::render {

inline constexpr IPoint kOffScreen{999999, 999999}; // a point that cannot be placed
// Device coordinates and lengths the renderer makes stay within ±kDeviceLimit, far beyond any
// surface, so that adding a radius, a text size or a few pixels to one stays inside int.
inline constexpr int kDeviceLimit = 1 << 28;
inline constexpr double kFarAway = 1e10;            // beyond this a point maps to kOffScreen
inline constexpr int kScrollMax = 10000;            // range of both scroll bars

struct Edge {
    Point a;
    Point b;
};
// Edges of a rectangle in the order bottom, top, left, right.
enum EdgeIndex { kBottomEdge = 0, kTopEdge = 1, kLeftEdge = 2, kRightEdge = 3 };
using Edges = std::array<Edge, 4>;

struct ViewCircle {
    Point centre;
    double radius = 0.0;
};

struct ViewTransform {
    double viewLeft = -512.0;
    double viewTop = 384.0;
    double viewRight = 512.0;
    double viewBottom = -384.0;
    double drawScale = 1.0; // device pixels per world unit; 1.0 except on miniature and paper
    double planeSize = 3000.0;
    // The drawing surface (the off-screen bitmap is (screenWidth + 1) x (screenHeight + 1)).
    int screenWidth = 1024;
    int screenHeight = 768;
    // The window's client size and the space its tool bars take on the left and at the top.
    int clientWidth = 1024;
    int clientHeight = 768;
    int leftInset = 0;
    int topInset = 0;
    Edges planeEdges{};
    Edges viewEdges{};
};

// Rounds .5 away from zero (2.5 -> 3, -2.5 -> -3, -2.3 -> -2); beyond the int range it
// saturates.
int roundHalfAwayFromZero(double v);
// Truncates, then adds one when the dropped part exceeds one half (2.5 -> 2, 2.6 -> 3).
int roundHalfUp(double v);

// A device coordinate or length: v rounded half away from zero, held within ±kDeviceLimit
// (0 for NaN). Every conversion of a world distance to device pixels goes through here.
int toDevice(double v);

// Device position of a world point (each coordinate held within ±kDeviceLimit), or kOffScreen
// when either coordinate exceeds 1e10.
IPoint worldToScreen(const ViewTransform& v, double x, double y);
inline IPoint worldToScreen(const ViewTransform& v, Point p) {
    return worldToScreen(v, p.x, p.y);
}
// World position of a device pixel (no rounding).
Point screenToWorld(const ViewTransform& v, double sx, double sy);

// Inside the view with a margin of one world unit on every side.
bool pointInView(const ViewTransform& v, double x, double y);
bool pointInPlane(const ViewTransform& v, double x, double y);
inline bool pointInView(const ViewTransform& v, Point p) {
    return pointInView(v, p.x, p.y);
}
inline bool pointInPlane(const ViewTransform& v, Point p) {
    return pointInPlane(v, p.x, p.y);
}

// Rebuilds planeEdges from planeSize.
void setPlaneSize(ViewTransform& v, double planeSize);
// Rebuilds viewEdges from the four view fields.
void syncViewEdges(ViewTransform& v);
// viewRight and viewBottom from viewLeft, viewTop, the surface size and drawScale.
void deriveViewFarEdges(ViewTransform& v);

// Copies the document's view fields in (and derives the far edges from the surface), or out.
void loadView(ViewTransform& v, const document::Document& d);
void storeView(const ViewTransform& v, document::Document& d);

// The clipping rectangle of a canvas: the view, or the whole plane on the miniature.
const Edges& clipEdgesFor(const ViewTransform& v, CanvasRole role);
// The circle outside which circles and arcs cannot be seen.
ViewCircle viewCircle(const ViewTransform& v, CanvasRole role);

// The view of a new document: the world origin at the centre of a drawing area of w x h.
void centreViewOnOrigin(ViewTransform& v, int areaWidth, int areaHeight);

// Scroll-bar positions (0..max) and the view they stand for; a plane no larger than the
// window gives position 0.
double viewLeftFromScroll(const ViewTransform& v, int position, int max = kScrollMax);
double viewTopFromScroll(const ViewTransform& v, int position, int max = kScrollMax);
int horizontalScrollPosition(const ViewTransform& v, int max = kScrollMax);
int verticalScrollPosition(const ViewTransform& v, int max = kScrollMax);

// Axis units per tick for an axis whose unit is u world units: 1, 2 or 5 times a power of ten,
// so that ticks are about 60 pixels apart or closer. 1 for a unit that is not positive.
double niceStepFactor(double unitLength);
// The same in world units.
inline double niceStep(double unitLength) {
    return niceStepFactor(unitLength) * unitLength;
}

} // namespace zeva::render
