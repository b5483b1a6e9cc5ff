// Tools 1..16: points, lines, rays, circles, conics, parallels and perpendiculars, segments,
// midpoints, perpendicular bisectors, polygons, regular polygons, arcs, angles and bisectors.
#include "ui/construction_change.h"
#include "ui/previews.h"
#include "ui/tool_steps_common.h"

namespace zeva::ui::steps {

namespace {

// The point tool: a point on what is under the cursor, the crossing offered there, or a free
// point; one undo step each.
void pointStep(Session& s, Point world) {
    takeEditSnapshot(s);
    makePointAt(s, pickedElement(s), world);
    recomputeRedrawRepaint(s);
}

// Lines, rays and circles: the first point, then a second point or a free direction.
struct OneOrTwoPoints {
    Kind throughTwo; // second click on an element
    Kind throughOne; // second click on empty space: the direction point stays free
};

void oneOrTwoPointsStep(Session& s, Point world, OneOrTwoPoints kinds) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    Element* hit = pickedElement(s);
    if (t.step == 0) {
        Element* p = pointPick(s, hit, world);
        r.parent1 = p;
        setCount(s, ElementClass::Point, 1);
        r.kind = kinds.throughTwo;
        t.pendingInputs.assign(1, p);
        t.step = 1;
        return;
    }
    if (isPoint(hit)) {
        r.parent2 = hit;
    } else if (hit) {
        r.kind = kinds.throughTwo;
        r.parent2 = pointFromClick(s, hit, world, false);
    } else {
        r.kind = kinds.throughOne;
        r.x1 = r.parent1->x1;
        r.y1 = r.parent1->y1;
        r.x2 = world.x;
        r.y2 = world.y;
    }
    finish(s);
}

// Segments, midpoints and perpendicular bisectors: two points.
void twoPointsStep(Session& s, Point world, Kind kind, bool blink) {
    ToolState& t = s.tool;
    Element* hit = pickedElement(s);
    if (t.step == 0) {
        Element* p = pointPick(s, hit, world);
        t.request.parent1 = p;
        setCount(s, ElementClass::Point, 1);
        t.request.kind = kind;
        t.pendingInputs.assign(1, p);
        if (blink) startBlinking(s);
        t.step = 1;
        return;
    }
    t.request.parent2 = pointPick(s, hit, world, false);
    finish(s);
}

void conicStep(Session& s, Point world) {
    ToolState& t = s.tool;
    append(s, pointPick(s, pickedElement(s), world));
    setCount(s, ElementClass::Point, static_cast<int16_t>(5 - t.pendingInputs.size()));
    if (t.pendingInputs.size() < 5) return;
    t.request.kind = Kind::Conic;
    edit::CreationInputs in;
    in.picked = t.pendingInputs;
    finish(s, in);
}

// Two points giving the radius, then the centre.
void circleByRadiusStep(Session& s, Point world) {
    ToolState& t = s.tool;
    Element* p = pointPick(s, pickedElement(s), world);
    append(s, p);
    setCount(s, ElementClass::Point, static_cast<int16_t>(3 - t.pendingInputs.size()));
    switch (t.pendingInputs.size()) {
    case 1:
        t.request.parent3 = p;
        return;
    case 2:
        t.request.parent2 = p;
        return;
    default:
        t.request.parent1 = p;
        stopBlinking(s);
        t.pendingInputs.clear();
        t.request.kind = Kind::CircleByRadius;
        finish(s);
        return;
    }
}

// Parallels and perpendiculars: one straight element and one point, in either order.
void parallelStep(Session& s, Point world, Kind kind) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    Element* hit = pickedElement(s);
    Element* picked = nullptr;
    if (!r.parent1 && isStraight(straightOf(s, hit))) {
        r.parent1 = picked = straightOf(s, hit);
    } else if (!r.parent2) {
        // Empty space, a curve or grid, or a second straight element: a point there.
        r.parent2 = picked = pointPick(s, hit, world);
        for (ElementClass c : {ElementClass::Point, ElementClass::Circle, ElementClass::Arc,
                               ElementClass::Locus, ElementClass::Conic, ElementClass::Grid})
            setCount(s, c, 0);
    } else {
        return;
    }
    if (t.step == 0) {
        t.pendingInputs.assign(1, picked);
        startBlinking(s);
        t.step = 1;
        return;
    }
    r.kind = kind;
    finish(s);
}

void polygonStep(Session& s, Point world) {
    ToolState& t = s.tool;
    Element* hit = pickedElement(s);
    if (hit && !t.pendingInputs.empty() && hit == t.pendingInputs.front()) {
        closePolygon(s); // too early with fewer than three vertices: nothing happens
        return;
    }
    append(s, pointPick(s, hit, world, t.pendingInputs.size() < 2));
}

// The centre, the first vertex, then any click makes the polygon the preview shows.
void regularPolygonStep(Session& s, Point world) {
    ToolState& t = s.tool;
    if (t.step < 2) {
        Element* p = pointPick(s, pickedElement(s), world);
        (t.step == 0 ? t.request.parent1 : t.request.parent2) = p;
        append(s, p);
        if (t.step < 2) return;
        stopBlinking(s);
        acceptNothing(s);
        t.regularSides = 30;
        t.regularTurns = 1;
        t.previewCursor = world;
        showRegularPolygonPreview(s);
        return;
    }
    takeSnapshot(s);
    t.request.param1 = t.regularSides;
    t.request.kind = static_cast<Kind>(t.regularTurns); // the factory reads the turn count here
    createRegularPolygon(s, t.request);
    resetAfterCreation(s);
}

// Arcs, angles and bisectors: three points; the arc and the angle show a preview for the last.
void threePointsStep(Session& s, Point world, Kind kind) {
    ToolState& t = s.tool;
    const bool last = t.pendingInputs.size() == 2;
    Element* p = pointPick(s, pickedElement(s), world, !last);
    append(s, p);
    setCount(s, ElementClass::Point, static_cast<int16_t>(3 - t.pendingInputs.size()));
    edit::CreationRequest& r = t.request;
    switch (t.pendingInputs.size()) {
    case 1:
        r.parent1 = p;
        return;
    case 2:
        r.parent2 = p;
        if (kind != Kind::AngleBisector) stopBlinking(s); // the preview takes over
        return;
    default:
        r.parent3 = p;
        r.kind = kind;
        if (kind == Kind::AngleBisector) {
            stopBlinking(s);
            t.pendingInputs.clear();
        }
        finish(s);
        return;
    }
}

} // namespace

void closePolygon(Session& s) {
    ToolState& t = s.tool;
    if (t.pendingInputs.size() < 3) return;
    stopBlinking(s);
    t.request.kind = Kind::Polygon;
    edit::CreationInputs in;
    in.picked = t.pendingInputs;
    finish(s, in);
}

void figureStep(Session& s, Point world) {
    switch (s.tool.active) {
    case tool::Point:
        return pointStep(s, world);
    case tool::Line:
        return oneOrTwoPointsStep(s, world, {Kind::LineThroughTwoPoints, Kind::LineThroughPoint});
    case tool::Ray:
        return oneOrTwoPointsStep(s, world, {Kind::RayThroughTwoPoints, Kind::RayFromPoint});
    case tool::Circle:
        return oneOrTwoPointsStep(s, world, {Kind::CircleByCentreAndPoint, Kind::CircleByCentre});
    case tool::Conic:
        return conicStep(s, world);
    case tool::CircleByRadius:
        return circleByRadiusStep(s, world);
    case tool::Parallel:
        return parallelStep(s, world, Kind::ParallelLine);
    case tool::Perpendicular:
        return parallelStep(s, world, Kind::PerpendicularLine);
    case tool::Segment:
        return twoPointsStep(s, world, Kind::Segment, false);
    case tool::Midpoint:
        return twoPointsStep(s, world, Kind::Midpoint, true);
    case tool::PerpendicularBisector:
        return twoPointsStep(s, world, Kind::PerpendicularBisector, true);
    case tool::Polygon:
        return polygonStep(s, world);
    case tool::RegularPolygon:
        return regularPolygonStep(s, world);
    case tool::Arc:
        return threePointsStep(s, world, Kind::ArcThreePoints);
    case tool::Angle:
        return threePointsStep(s, world, Kind::Angle);
    case tool::AngleBisector:
        return threePointsStep(s, world, Kind::AngleBisector);
    }
}

} // namespace zeva::ui::steps
