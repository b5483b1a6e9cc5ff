#include "ui/draggable.h"

#include "model/construction.h"

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

bool isFree(const Element* p) {
    return p && p->kind == Kind::FreePoint;
}

// A point that a locus traces can be dragged: the drag runs the locus's driving point along its
// host instead. Loci come after what they trace, so the search starts after the point.
bool tracedByRunnableLocus(const Element& point) {
    for (const Element* n = point.next; n; n = n->next) {
        if (n->kind != Kind::Locus || n->parent1 != &point) continue;
        const Element* driving = model::drivingPointOf(n);
        return driving && driving->kind != Kind::GridPoint;
    }
    return false;
}

bool polygonOfFreeVertices(const Element& polygon) {
    for (const auto& side : polygon.polygon().sides) {
        const Element* v = side->parent1;
        if (!v || (v->kind != Kind::FreePoint && v->kind != Kind::RegularPolygonVertex))
            return false;
    }
    return true;
}

bool conicOfFreePoints(const Element& conic) {
    for (const Element* p : conic.conic().points)
        if (!isFree(p)) return false;
    return true;
}

bool pointDraggable(const Element& e) {
    if (e.kind == Kind::FreePoint || e.kind == Kind::PointOnElement || e.kind == Kind::GridPoint)
        return true;
    if (e.kind == Kind::RegularPolygonVertex && isFree(e.parent2)) return true;
    return tracedByRunnableLocus(e);
}

} // namespace

bool isDraggable(const Element& e, const HoverState& hover) {
    switch (e.elementClass()) {
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Button:
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Angle:
        return true;
    case ElementClass::Bitmap:
        return !e.parent1 || e.parent1->elementClass() == ElementClass::Point;
    case ElementClass::Polygon:
        return e.kind == Kind::Polygon && polygonOfFreeVertices(e);
    case ElementClass::Conic:
        return e.kind == Kind::Conic && conicOfFreePoints(e);
    case ElementClass::Point:
        return pointDraggable(e);
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
    case ElementClass::Circle:
        if (e.kind == Kind::LineThroughPoint || e.kind == Kind::RayFromPoint ||
            e.kind == Kind::CircleByCentre)
            return true;
        if (e.kind == Kind::Segment || e.kind == Kind::LineThroughTwoPoints ||
            e.kind == Kind::RayThroughTwoPoints || e.kind == Kind::CircleByCentreAndPoint)
            return isFree(e.parent1) && isFree(e.parent2);
        return false;
    case ElementClass::Arc:
        return isFree(e.parent1) && isFree(e.parent2) && isFree(e.parent3);
    case ElementClass::Axes:
        return e.kind == Kind::Axes && (isFree(e.parent1) || hover.onUnitMarkOf(&e));
    case ElementClass::Locus:
    case ElementClass::Intersection:
    case ElementClass::Grid:
        return false;
    }
    return false;
}

} // namespace zeva::ui
