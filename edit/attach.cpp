#include "edit/attach.h"

#include "geometry/grid.h"
#include "geometry/point_on_element.h"
#include "model/dependencies.h"

#include <algorithm>
#include <cmath>

namespace zeva::edit {

using model::Element;
using model::Kind;

namespace {

bool comesBefore(const model::Construction& c, const Element* a, const Element* b) {
    for (const Element* e : c) {
        if (e == a) return true;
        if (e == b) return false;
    }
    return false;
}

bool contains(const std::vector<Element*>& list, const Element* e) {
    return std::find(list.begin(), list.end(), e) != list.end();
}

// When the point comes before `anchor`, the point and the elements built on it that come before
// `anchor` (`withPoint`, construction order) move to right after it, keeping their order, so
// every element stays after its parents once the point rests on the anchor. Those after the
// anchor stay where they are.
void moveBehind(model::Construction& c, const Element& point,
                const std::vector<Element*>& withPoint, Element& anchor) {
    if (!comesBefore(c, &point, &anchor)) return;
    std::vector<Element*> moved;
    auto d = withPoint.begin();
    for (Element* e = c.elements; e && e != &anchor && d != withPoint.end(); e = e->next)
        if (*d == e) moved.push_back(*d++);
    c.moveAfter(moved, anchor);
}

std::vector<Element*> pointWithDependents(const model::Construction& c, Element& point) {
    Element* source = &point;
    return model::withDependents(c, {&source, 1});
}

} // namespace

bool attachPoint(Edit& edit, Element& point, Element& host, Point p) {
    model::Construction& c = edit.construction();
    const geometry::RecomputeContext& ctx = edit.context();
    const bool onGrid = host.kind == Kind::Grid;
    if (&host == &point || (!onGrid && !geometry::carriesPointsOn(host.elementClass())))
        return false;
    const std::vector<Element*> affected = pointWithDependents(c, point);
    Element* hostInList = model::ownerOf(&host);
    if (contains(affected, hostInList)) return false; // the host is built on the point

    moveBehind(c, point, affected, *hostInList);
    point.parent1 = &host;
    point.parent2 = point.parent3 = nullptr;
    point.parent1Index = point.parent2Index = point.parent3Index = -1;
    if (onGrid) {
        point.kind = Kind::GridPoint;
        if (const auto node = geometry::nearestGridNode(host, p, ctx)) {
            point.x2 = node->x;
            point.y2 = node->y;
        }
    } else {
        point.kind = Kind::PointOnElement;
        point.y2 = geometry::parameterOf(host, p, ctx);
        if (host.kind == Kind::Polygon) point.param1 = static_cast<int32_t>(std::trunc(point.y2));
    }
    // Points on loci built on this point restart from the beginning of their locus.
    for (Element* e : affected)
        if (e != &point && e->kind == Kind::PointOnElement && e->parent1 &&
            e->parent1->kind == Kind::Locus)
            e->y2 = 0.0;
    edit.recomputeAll();
    return true;
}

void detachPoint(Edit& edit, Element& point, Point p) {
    point.kind = Kind::FreePoint;
    point.parent1 = point.parent2 = point.parent3 = nullptr;
    point.parent1Index = point.parent2Index = point.parent3Index = -1;
    point.x1 = p.x;
    point.y1 = p.y;
    edit.changed(point);
}

bool mergePoint(Edit& edit, Element& point, Element& target) {
    model::Construction& c = edit.construction();
    if (&target == &point) return false;
    std::vector<Element*> affected = pointWithDependents(c, point);
    if (contains(affected, model::ownerOf(&target))) return false; // built on the point

    // A target with a name keeps it; the point's name then goes with the point.
    std::vector<Element*> doomed{&point};
    Element* name = point.label;
    if (name && target.label) doomed.push_back(name);
    affected.erase(std::remove_if(affected.begin(), affected.end(),
                                  [&](Element* e) { return contains(doomed, e); }),
                   affected.end());
    moveBehind(c, point, affected, target);
    for (Element* e : c)
        if (!contains(doomed, e)) model::replaceReferences(*e, &point, &target);
    if (name && !target.label) {
        target.label = name;
        point.label = nullptr;
    }
    edit.removing(doomed);
    c.deleteElements(doomed);
    edit.recomputeAll();
    return true;
}

} // namespace zeva::edit
