// The zoom tool: dragging up enlarges the figure about the pressed point, dragging down
// shrinks it. The free data of the construction is scaled; the view stays where it is.
#include "edit/edit.h"
#include "model/dependencies.h"
#include "ui/navigation.h"

#include <algorithm>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

constexpr double kZoomPerUnit = 0.003;
// A fast upward flick could give a factor of zero or below, which would collapse or mirror
// the figure beyond repair: one step shrinks by at most this factor.
constexpr double kSmallestFactor = 0.1;

// Lines and rays whose points are placed by a distance from their first point.
bool measuredFromBasePoint(Kind k) {
    return k == Kind::LineThroughPoint || k == Kind::RayFromPoint || k == Kind::ParallelLine ||
           k == Kind::PerpendicularLine || k == Kind::AngleBisector ||
           k == Kind::PerpendicularBisector || k == Kind::AxisX || k == Kind::AxisY;
}

// Everything not scaled here follows through the recompute.
void scaleFreeData(model::Construction& c, Point centre, double f) {
    for (Element* e : c) {
        if (e->kind == Kind::FreePoint) {
            const Point p = centre + (e->point() - centre) * f;
            e->x1 = p.x;
            e->y1 = p.y;
        } else if (e->kind == Kind::CircleByCentre) {
            const Point p = e->point() + (e->secondPoint() - e->point()) * f;
            e->x2 = p.x;
            e->y2 = p.y;
        } else if (e->kind == Kind::PointOnElement) {
            if (e->parent1 && measuredFromBasePoint(e->parent1->kind)) e->y2 *= f;
        } else if (e->kind == Kind::Axes) {
            e->axes().unitX *= f;
            e->axes().unitY *= f;
        } else if (e->kind == Kind::Name && e->parent1) {
            const ElementClass named = e->parent1->elementClass();
            if (named == ElementClass::Line || named == ElementClass::Ray) e->y2 *= f;
        }
    }
}

} // namespace

void startZoom(Session& s, Point world) {
    if (!s.document()) return;
    NavigationState& n = s.navigation;
    n.zoomStep = 1;
    n.zoomChanged = false;
    n.zoomAnchor = world;
    n.zoomPrevious = world;
}

void zoomStep(Session& s, Point world) {
    NavigationState& n = s.navigation;
    document::Document* d = s.document();
    if (!d || n.zoomStep != 1 || world.y == n.zoomPrevious.y) return;
    const double f = std::max(kSmallestFactor, 1.0 + kZoomPerUnit * (world.y - n.zoomPrevious.y));
    // The first step of the drag takes the undo snapshot: a press that does not move changes
    // nothing.
    edit::Edit edit(*d, s.view().recomputeContext(),
                      n.zoomChanged ? edit::UndoStep::Continue : edit::UndoStep::Checkpoint);
    n.zoomChanged = true;
    scaleFreeData(d->construction, n.zoomAnchor, f);
    edit.recomputeAll();
    edit.commit();
    n.zoomPrevious = world;
    s.view().redraw();
    s.host.repaint();
}

void endZoom(Session& s) {
    s.navigation.zoomStep = 0;
    s.navigation.zoomChanged = false;
}

} // namespace zeva::ui
