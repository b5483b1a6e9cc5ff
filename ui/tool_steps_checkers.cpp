// Tools 25..29: the checkers of parallelism, perpendicularity, membership, equidistance and
// collinearity. The result text is placed where the last click was and then follows the mouse
// until the button is released.
#include "ui/construction_change.h"
#include "ui/tool_steps_common.h"

namespace zeva::ui::steps {

namespace {

Kind checkerKindOf(ToolCode t) {
    switch (t) {
    case tool::CheckParallel:
        return Kind::ParallelChecker;
    case tool::CheckPerpendicular:
        return Kind::PerpendicularChecker;
    case tool::CheckMembership:
        return Kind::MembershipChecker;
    case tool::CheckEquidistance:
        return Kind::EquidistanceChecker;
    }
    return Kind::CollinearityChecker;
}

void finishChecker(Session& s, Point world) {
    ToolState& t = s.tool;
    stopBlinking(s);
    t.request.x2 = world.x;
    t.request.y2 = world.y;
    t.request.kind = checkerKindOf(t.active);
    if (Element* e = finish(s)) dragNewElement(s, *e, world);
}

// Two straight elements.
void twoLinesStep(Session& s, Point world) {
    ToolState& t = s.tool;
    Element* hit = straightOf(s, pickedElement(s));
    if (!hit) return;
    if (t.step == 0) {
        t.request.parent1 = hit;
        append(s, hit);
        return;
    }
    t.request.parent2 = hit;
    finishChecker(s, world);
}

// A point, then the element it may lie on.
void membershipStep(Session& s, Point world) {
    ToolState& t = s.tool;
    Element* hit = pickedElement(s);
    if (!hit) return;
    if (t.step == 0) {
        t.request.parent1 = hit;
        append(s, hit);
        acceptOnly(s, {ElementClass::Line, ElementClass::Ray, ElementClass::Segment,
                       ElementClass::Polygon, ElementClass::Circle, ElementClass::Arc,
                       ElementClass::Axes, ElementClass::Conic});
        return;
    }
    t.request.parent2 = straightOf(s, hit);
    finishChecker(s, world);
}

// Three points; clicks on empty space or on elements make them.
void threePointsStep(Session& s, Point world) {
    ToolState& t = s.tool;
    const bool last = t.pendingInputs.size() == 2;
    Element* p = pointPick(s, pickedElement(s), world, !last);
    append(s, p);
    edit::CreationRequest& r = t.request;
    (t.step == 1 ? r.parent1 : t.step == 2 ? r.parent2 : r.parent3) = p;
    if (last) finishChecker(s, world);
}

} // namespace

void checkerStep(Session& s, Point world) {
    switch (s.tool.active) {
    case tool::CheckParallel:
    case tool::CheckPerpendicular:
        return twoLinesStep(s, world);
    case tool::CheckMembership:
        return membershipStep(s, world);
    }
    threePointsStep(s, world);
}

} // namespace zeva::ui::steps
