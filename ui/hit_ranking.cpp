// The ranking of the hit test's candidates: each step keeps the ones the user most likely
// means, in a fixed order.

#include "edit/animation.h"
#include "ui/draggable.h"
#include "ui/hit_search.h"

#include <algorithm>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;

bool isPoint(const Element* e) {
    return e->elementClass() == ElementClass::Point;
}

template <class Keep> void keepOnly(std::vector<Element*>& hits, Keep keep) {
    std::erase_if(hits, [&](Element* e) { return !keep(e); });
}

// Points lie on top of everything: when there are any, only they are offered. The move tool
// takes one: the last that it can drag, as it is drawn last, or else the first.
void pointsFirst(HitSearch& h) {
    if (std::none_of(h.hits.begin(), h.hits.end(), isPoint)) return;
    keepOnly(h.hits, isPoint);
    if (h.tool != tool::Move) return;
    Element* chosen = h.hits.front();
    for (Element* e : h.hits)
        if (isDraggable(*e, h.session.hover)) chosen = e;
    h.hits.assign(1, chosen);
}

// Labels, values and buttons sit over the curves they belong to.
bool isLabelLike(const HitSearch& h, const Element* e) {
    switch (e->elementClass()) {
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Button:
        return true;
    case ElementClass::Axes:
        return h.unitMark && h.unitMark->axes == e;
    case ElementClass::Point:
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
    case ElementClass::Polygon:
    case ElementClass::Circle:
    case ElementClass::Arc:
    case ElementClass::Angle:
    case ElementClass::Locus:
    case ElementClass::Text:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Conic:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Bitmap:
        return false;
    }
    return false;
}

void labelsFirst(HitSearch& h) {
    if (h.hits.empty() || isPoint(h.hits.front())) return;
    const auto labelLike = [&](const Element* e) { return isLabelLike(h, e); };
    if (std::any_of(h.hits.begin(), h.hits.end(), labelLike)) keepOnly(h.hits, labelLike);
}

void selectedFirst(HitSearch& h) {
    if (h.hits.empty() || isPoint(h.hits.front())) return;
    const auto selected = [](const Element* e) { return e->selected != 0; };
    if (std::any_of(h.hits.begin(), h.hits.end(), selected)) keepOnly(h.hits, selected);
}

// An input already picked cannot be picked again; but a polygon closes on its first vertex,
// and the trace and macro tools toggle what they are given.
void pendingInputsOut(HitSearch& h) {
    if (h.tool == tool::Trace || h.tool == tool::MacroInitial || h.tool == tool::MacroFinal) return;
    const std::vector<Element*>& pending = h.session.tool.pendingInputs;
    if (pending.empty()) return;
    const Element* closing = h.tool == tool::Polygon ? pending.front() : nullptr;
    keepOnly(h.hits, [&](const Element* e) {
        return e == closing || std::find(pending.begin(), pending.end(), e) == pending.end();
    });
}

} // namespace

void rankCandidates(HitSearch& h) {
    if (h.tool == tool::Animation)
        keepOnly(h.hits, [](const Element* e) { return edit::canBeAnimated(*e); });
    pointsFirst(h);
    labelsFirst(h);
    if (h.hits.empty() || h.hits.front()->kind == model::Kind::Locus) collectBoxedCandidates(h);
    selectedFirst(h);
    snapToIntersection(h);
    pendingInputsOut(h);
}

} // namespace zeva::ui
