// The press of the move tool on an element: what the drag will move, from where, and which
// elements it must recompute on every step, gathered once.
#include "ui/drag.h"

#include "edit/edit.h"
#include "model/dependencies.h"
#include "ui/drag_motion.h"
#include "ui/draggable.h"
#include "ui/rectangle_selection.h"

#include <unordered_set>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

bool isLabelClass(ElementClass c) {
    return c == ElementClass::Number || c == ElementClass::Function || c == ElementClass::Table ||
           c == ElementClass::Equation || c == ElementClass::Coordinates ||
           c == ElementClass::Property || c == ElementClass::Button;
}

bool onlySelected(const model::Construction& c, const Element& hit) {
    return hit.selected && c.selectedCount() == 1;
}

// A point that moves by a rule of its own kind; other draggable points are traced by a locus
// and move through its driving point.
bool movesByItsKind(const Element& point) {
    return point.kind == Kind::FreePoint || point.kind == Kind::PointOnElement ||
           point.kind == Kind::GridPoint ||
           (point.kind == Kind::RegularPolygonVertex && point.parent2 &&
            point.parent2->kind == Kind::FreePoint);
}

std::vector<Element*> gathered(const model::Construction& c,
                               std::initializer_list<Element*> sources) {
    const std::vector<Element*> list(sources);
    return model::withDependents(c, list);
}

void prepareSingle(DragState& drag, const model::Construction& c, Element& hit, Point cursor) {
    drag.single = true;
    if (isLabelClass(hit.elementClass())) {
        drag.anchor = cursor - hit.secondPoint();
        drag.dependents = {&hit};
        return;
    }
    const auto kind = hit.kind;
    if (kind == Kind::LineThroughTwoPoints || kind == Kind::RayThroughTwoPoints ||
        kind == Kind::Segment || kind == Kind::CircleByCentreAndPoint) {
        drag.anchor = cursor - hit.parent1->point();
        drag.dependents = gathered(c, {hit.parent1, hit.parent2});
        return;
    } else if (kind == Kind::ArcThreePoints) {
        drag.anchor = cursor - hit.parent1->point();
        drag.dependents = gathered(c, {hit.parent1, hit.parent2, hit.parent3});
        return;
    } else if (kind == Kind::Axes) {
        if (hit.parent1) drag.anchor = cursor - hit.parent1->point();
        drag.dependents = gathered(c, {hit.parent1});
        return;
    } else if (kind == Kind::Name) {
        drag.anchor = cursor - Point{hit.name().anchorX, hit.name().anchorY};
        drag.dependents = {&hit};
        return;
    } else if (kind == Kind::Conic) {
        const auto& points = hit.conic().points;
        if (points[0]) drag.anchor = cursor - points[0]->point();
        drag.dependents =
            model::withDependents(c, std::vector<Element*>(points.begin(), points.end()));
        return;
    } else if (kind == Kind::RegularPolygonVertex) {
        drag.dependents = gathered(c, {hit.parent2});
        return;
    } else if (kind == Kind::Bitmap) {
        if (hit.parent1 && hit.parent1->elementClass() == ElementClass::Point) {
            drag.bitmapFollow = true;
            drag.anchor = cursor - hit.parent1->point();
            drag.dependents = gathered(c, {hit.parent1});
            return;
        }
        drag.anchor = cursor - hit.point();
        drag.dependents = gathered(c, {&hit});
        return;
    } else if (kind == Kind::Text) {
        drag.anchor = cursor - hit.point();
        drag.dependents = gathered(c, {&hit});
        return;
    }
    if (hit.elementClass() == ElementClass::Point && !movesByItsKind(hit)) {
        drag.tracingLocus = c.locusOfTraced(&hit);
        drag.dependents = gathered(c, {model::drivingPointOf(drag.tracingLocus)});
        return;
    }
    drag.dependents = gathered(c, {&hit});
}

// The free points, texts and pictures the group drag translates: those selected (or the hit
// alone when it is not selected) and those the other selected elements are built on; with a
// selected hit also the labels of the selected values that do not follow their objects.
void prepareGroup(DragState& drag, const model::Construction& c, Element& hit, Point cursor) {
    drag.single = false;
    const std::vector<Element*> contributors =
        hit.selected ? c.selectedList() : std::vector<Element*>{&hit};
    std::unordered_set<const Element*> chosen;
    std::vector<Element*> builtOn;
    for (Element* e : contributors) {
        if (translatesInGroup(*e)) {
            chosen.insert(e);
            continue;
        }
        builtOn.push_back(e);
        if (hit.selected && isLabelClass(e->elementClass()) && e->param2 != 100) chosen.insert(e);
    }
    for (Element* a : model::movableAncestorsOfAll(c, builtOn))
        if (translatesInGroup(*a)) chosen.insert(a);
    for (Element* e : c)
        if (chosen.count(e)) drag.moved.push_back(e);
    drag.reference = drag.moved.empty() ? nullptr : drag.moved.front();
    drag.anchor = drag.reference ? cursor - groupPosition(*drag.reference) : Point{};
    drag.dependents = model::withDependents(c, drag.moved);
}

} // namespace

void startDrag(Session& s, Point world) {
    document::Document* d = s.document();
    if (!d || s.hover.hits.empty()) return;
    Element& hit = *s.hover.hits.front();
    const model::Construction& c = d->construction;
    DragState drag;
    drag.afterCreation = s.drag.afterCreation;
    drag.element = &hit;
    if (s.hover.onUnitMarkOf(&hit)) drag.unitMark = s.hover.unitMark;
    if (isDraggable(hit, s.hover) && hit.kind != Kind::Polygon &&
        (!hit.selected || onlySelected(c, hit)))
        prepareSingle(drag, c, hit, world);
    else
        prepareGroup(drag, c, hit, world);
    drag.active = true;
    s.drag = std::move(drag);

    s.host.setCursor(cursor::Dragging);
    clearRectangle(s);
    s.hover.element = nullptr;
}

} // namespace zeva::ui
