// Moving the view: the right button drags the figure with the mouse, the wheel scrolls it.
#include "geometry/recompute.h"
#include "ui/navigation.h"
#include "ui/rectangle_selection.h"

#include <algorithm>
#include <cmath>

namespace zeva::ui {

namespace {

constexpr double kWheelNotch = 120.0;   // wheel delta of one notch
constexpr double kWheelStepPixels = 60; // how far one notch scrolls

// A locus driven by a point on a grid samples the grid's nodes within the view.
bool dependsOnView(const document::Document& d) {
    for (const model::Element* e : d.construction)
        if (e->kind == model::Kind::Locus && e->parent2 &&
            e->parent2->kind == model::Kind::GridPoint)
            return true;
    return false;
}

// The view moves to a new top-left corner: the document keeps it (and is modified), the scroll
// bars follow, the trace layer, drawn in screen pixels, is wiped, and the figure is drawn
// again (recomputed first when it depends on the view).
void moveViewTo(Session& s, Point corner) {
    document::Document* d = s.document();
    if (!d) return;
    const render::ViewTransform& v = s.view().transform();
    if (corner.x == v.viewLeft && corner.y == v.viewTop) return;
    document::markModified(*d);
    s.view().scrollTo(corner.x, corner.y);
    s.host.viewMoved();
    render::RenderState& state = s.view().renderContext().state;
    if (!d->tracedElements().empty() || d->traceLayerUsed) state.clearTracesPending = true;
    if (dependsOnView(*d)) geometry::recomputeAll(d->construction, s.view().recomputeContext());
    s.view().redraw();
    s.host.repaint();
}

} // namespace

Point viewCornerWithinPlane(const render::ViewTransform& v, Point corner) {
    const double h = v.planeSize / 2.0;
    const double scale = v.drawScale > 0.0 ? v.drawScale : 1.0;
    const double width = v.clientWidth * scale;
    const double height = v.clientHeight * scale;
    // When the plane is smaller than the window its left and top edges show.
    return {std::max(-h, std::min(corner.x, h - width)), std::min(h, std::max(corner.y, height - h))};
}

void startScreenMove(Session& s, const MouseEvent& e) {
    if (!s.document()) return;
    NavigationState& n = s.navigation;
    const render::ViewTransform& v = s.view().transform();
    n.movingScreen = true;
    n.screenDragStart = {e.x, e.y};
    n.savedViewCorner = {v.viewLeft, v.viewTop};
    s.host.setCursor(cursor::MoveScreen);
    s.host.captureMouse(true);
}

void screenMoveStep(Session& s, const MouseEvent& e) {
    const NavigationState& n = s.navigation;
    if (!n.movingScreen || !s.document()) return;
    const render::ViewTransform& v = s.view().transform();
    const double scale = v.drawScale > 0.0 ? v.drawScale : 1.0;
    // Whole world units, so the figure moves by whole pixels.
    const double dx = std::trunc((n.screenDragStart.x - e.x) * scale);
    const double dy = std::trunc((n.screenDragStart.y - e.y) * scale);
    moveViewTo(s, viewCornerWithinPlane(v, {n.savedViewCorner.x + dx, n.savedViewCorner.y - dy}));
}

void endScreenMove(Session& s) {
    if (!s.navigation.movingScreen) return;
    s.navigation.movingScreen = false;
    s.host.captureMouse(false);
}

void scrollByWheel(Session& s, const WheelEvent& e) {
    if (!s.document() || e.delta == 0 || s.navigation.movingScreen) return;
    const render::ViewTransform& v = s.view().transform();
    const double scale = v.drawScale > 0.0 ? v.drawScale : 1.0;
    const double step = std::trunc(e.delta / kWheelNotch * kWheelStepPixels * scale);
    if (step == 0.0) return;
    // Turning the wheel away from the user shows what is above (with Shift: to the left).
    Point corner{v.viewLeft, v.viewTop};
    if (e.modifiers.shift)
        corner.x -= step;
    else
        corner.y += step;
    clearRectangle(s); // as after any scroll of the view
    moveViewTo(s, viewCornerWithinPlane(v, corner));
}

} // namespace zeva::ui
