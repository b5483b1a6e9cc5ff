// Tools 17 and 18: the intersection points of two elements, and loci.
#include "geometry/intersections.h"
#include "geometry/locus.h"
#include "ui/construction_change.h"
#include "ui/tool_steps_common.h"

namespace zeva::ui::steps {

namespace {

bool isCurve(ElementClass c) {
    return c == ElementClass::Circle || c == ElementClass::Arc || c == ElementClass::Conic;
}

// How many intersection points the pair gets: one per crossing the pair can have, less the
// crossings already made points by construction (a circle through a point of a line...).
int pointsToMake(const Element& a, const Element& b) {
    const ElementClass ca = classOf(a);
    const ElementClass cb = classOf(b);
    if ((ca == ElementClass::Conic && isCurve(cb)) || (cb == ElementClass::Conic && isCurve(ca)))
        return 4;
    if (isCurve(ca) || isCurve(cb)) return 2 - geometry::countKnownCommonPoints(a, b);
    return 1;
}

void intersectionStep(Session& s, Element* hit) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    if (t.step == 0) {
        r.parent1 = hit;
        t.pendingInputs.assign(1, hit);
        startBlinking(s);
        t.step = 1;
        return;
    }
    takeSnapshot(s);
    Element* a = r.parent1;
    Element* b = hit;
    if (classOf(*a) == ElementClass::Locus || classOf(*b) == ElementClass::Locus) {
        s.host.setWaitCursor(true);
        r.parent2 = b;
        r.kind = Kind::Intersection;
        createCurveIntersections(s, r);
        resetAfterCreation(s);
        s.host.setWaitCursor(false);
        return;
    }
    const int n = pointsToMake(*a, *b);
    for (int i = 0; i < n; ++i) {
        // The factory turns the crossing's index into the pair's intersection code.
        r.kind = Kind::Intersection;
        r.parent1 = a;
        r.parent2 = b;
        r.param1 = i;
        createElement(s, r);
    }
    resetAfterCreation(s);
}

// The traced element (a point or a curve), then the point that drives it.
void locusStep(Session& s, Element* hit) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    if (t.step == 0) {
        r.parent1 = hit;
        append(s, hit);
        acceptOnly(s, {ElementClass::Point});
        return;
    }
    r.parent2 = hit;
    r.kind = Kind::Locus;
    if (geometry::acceptLocus(s.document()->construction, *r.parent1, *hit))
        finish(s);
    else
        resetAfterCreation(s); // a pair that makes no locus ends the construction silently
}

} // namespace

void crossingStep(Session& s, Point) {
    Element* hit = pickedElement(s);
    if (!hit) return;
    if (s.tool.active == tool::Intersection)
        intersectionStep(s, hit);
    else
        locusStep(s, hit);
}

} // namespace zeva::ui::steps
