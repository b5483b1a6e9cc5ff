// The intersection snap of the hit test: near the crossing of two curves the point tools are
// offered the crossing itself, as a temporary element that a click turns into a real
// intersection point.

#include "geometry/intersections.h"
#include "geometry/primitives.h"
#include "settings/options.h"
#include "ui/hit_search.h"

#include <limits>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

bool toolSnaps(ToolCode t) {
    return (t >= tool::Point && t <= tool::Intersection) ||
           (t >= tool::CheckParallel && t <= tool::PlotPoints) ||
           (t >= tool::MeasureAngle && t <= tool::Redefine) ||
           (t >= tool::Zoom && t <= tool::ApplyMacro);
}

// The curve a candidate stands for: a polygon crosses by the side the cursor was near.
Element* curveOf(const HitSearch& h, Element* e) {
    if (e->kind != Kind::Polygon) return e;
    for (const PolygonSideHit& s : h.polygonSides)
        if (s.polygon == e) return e->polygon().sides[static_cast<size_t>(s.side)].get();
    return e;
}

// The session's temporary element i, made once and reset for every use, so that a hit list
// pointing at it never dangles.
Element& temporary(HitSearch& h, size_t i) {
    auto& slot = h.session.hover.temporaryIntersections[i];
    if (!slot) slot = model::makeElement(Kind::Intersection);
    Element& e = *slot;
    e.kind = Kind::Intersection;
    e.parent1 = e.parent2 = e.parent3 = e.colorSource = nullptr;
    e.next = nullptr;
    e.x1 = e.y1 = e.x2 = e.y2 = 0.0;
    e.param1 = -1;
    e.param2 = 0;
    e.dimension = 0;
    e.exists = 0;
    e.visible = 1;
    e.selected = 0;
    e.label = nullptr;
    e.color = settings::options().cursorFont.color;
    return e;
}

struct Nearest {
    Element* element = nullptr;
    double distance = std::numeric_limits<double>::infinity();

    void offer(Element& e, const Reach& r) {
        const double d = geometry::dist(e.point(), r.at);
        if (d < r.within && d < distance) {
            element = &e;
            distance = d;
        }
    }
};

// The crossings with a locus are found along its drawn polyline; the nearest one is offered.
Element* nearestLocusCrossing(HitSearch& h, Element& locus, Element& other) {
    const std::vector<Point> crossings = geometry::locusCrossings(locus, other, h.recompute);
    double best = h.reach.within;
    int index = -1;
    for (size_t i = 0; i < crossings.size(); ++i) {
        const double d = geometry::dist(crossings[i], h.reach.at);
        if (d < best) {
            best = d;
            index = static_cast<int>(i);
        }
    }
    if (index < 0) return nullptr;
    Element& e = temporary(h, 0);
    e.parent1 = &locus;
    e.parent2 = &other;
    e.x1 = crossings[static_cast<size_t>(index)].x;
    e.y1 = crossings[static_cast<size_t>(index)].y;
    e.param1 = geometry::kLocusCrossing;
    e.param2 = index;
    e.exists = 1;
    e.kind = Kind::IntersectionCandidate;
    return &e;
}

// Each solution of the pair is computed as an intersection point would be, then offered.
Element* nearestCrossing(HitSearch& h, Element& a, Element& b, int code) {
    Nearest best;
    const int solutions = geometry::solutionCountOf(code);
    for (int i = 0; i < solutions; ++i) {
        Element& e = temporary(h, static_cast<size_t>(i));
        e.parent1 = &a;
        e.parent2 = &b;
        e.param1 = geometry::intersectionType(e, i);
        e.param2 = geometry::kStrictCandidate;
        geometry::recomputeElement(e, h.recompute);
        e.kind = Kind::IntersectionCandidate;
        if (e.exists == 1) best.offer(e, h.reach);
    }
    return best.element;
}

} // namespace

bool snapToIntersection(HitSearch& h) {
    if (h.hits.size() < 2 || !toolSnaps(h.tool)) return false;
    if (h.tool != tool::Point && !h.accepts(ElementClass::Point)) return false;
    Element* a = curveOf(h, h.hits[0]);
    Element* b = curveOf(h, h.hits[1]);
    const int code = geometry::intersectionType(a->elementClass(), b->elementClass(), nullptr);
    if (code == geometry::kNoIntersection) return false;
    Element* found = nullptr;
    if (code == geometry::kLocusCrossing) {
        const bool aIsLocus = a->elementClass() == ElementClass::Locus;
        found = nearestLocusCrossing(h, aIsLocus ? *a : *b, aIsLocus ? *b : *a);
    } else {
        found = nearestCrossing(h, *a, *b, code);
    }
    if (!found) return false;
    h.hits.assign(1, found);
    return true;
}

} // namespace zeva::ui
