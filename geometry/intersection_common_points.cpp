// Points known to lie on both elements of a pair because of how they were constructed. They
// keep the second crossing of a line through a point of a circle (or of two circles through a
// common point) on the new point whatever the order of the roots.

#include "geometry/intersections.h"

#include <algorithm>
#include <array>

namespace zeva::geometry {

using model::Element;
using model::Kind;

namespace {

struct DefiningPoints {
    int count = 0;
    std::array<const Element*, 3> points{};

    void add(const Element* p) {
        if (p) points[count++] = p;
    }
    bool contains(const Element* p) const {
        return std::find(points.begin(), points.begin() + count, p) != points.begin() + count;
    }
};

// The points an element is drawn through (its kind's throughParents): the point of a line or
// ray through one point and of an axis; both points of lines, rays, segments and sides through
// two points; the point of a parallel, perpendicular, bisector and circle through a point; the
// three points of an arc.
DefiningPoints definingPointsOf(const Element& e) {
    DefiningPoints d;
    for (int i = 1; i <= 3; ++i)
        if (model::passesThroughParent(e.kind, i)) d.add(model::parentAt(e, i));
    return d;
}

bool isConicPoint(const Element& conic, const Element* p) {
    if (conic.kind != Kind::Conic) return false;
    const auto* tail = std::get_if<model::ConicTail>(&conic.tail);
    return tail && std::find(tail->points.begin(), tail->points.end(), p) != tail->points.end();
}

// True when p lies on host because of how p or host was constructed; `hostPoints` are the
// host's own defining points.
bool onByConstruction(const Element* p, const Element& host, const DefiningPoints& hostPoints) {
    if (p->kind == Kind::PointOnElement && p->parent1 == &host) return true;
    if (p->kind == Kind::Intersection && (p->parent1 == &host || p->parent2 == &host)) return true;
    return hostPoints.contains(p) || isConicPoint(host, p);
}

// Adds the defining points of `from` that lie on `onto` by construction, each point once.
// An arc's third point is tried only when fewer than two of its first two qualify.
void collect(const Element& from, const Element& onto, DefiningPoints& found) {
    const DefiningPoints d = definingPointsOf(from);
    if (d.count == 0) return;
    const DefiningPoints ontoPoints = definingPointsOf(onto);
    int qualified = 0;
    for (int i = 0; i < d.count; ++i) {
        if (from.kind == Kind::ArcThreePoints && i == 2 && qualified >= 2) break;
        const Element* p = d.points[i];
        if (!onByConstruction(p, onto, ontoPoints)) continue;
        ++qualified;
        if (!found.contains(p) && found.count < 3) found.add(p);
    }
}

} // namespace

KnownCommonPoints knownCommonPoints(const Element& a, const Element& b) {
    DefiningPoints found;
    collect(a, b, found);
    if (found.count < 2) collect(b, a, found);
    KnownCommonPoints k;
    k.count = std::min(found.count, 2);
    k.first = found.count > 0 ? found.points[0] : nullptr;
    return k;
}

int countKnownCommonPoints(const Element& a, const Element& b) {
    return knownCommonPoints(a, b).count;
}

} // namespace zeva::geometry
