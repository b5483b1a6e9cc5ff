// Tools 19..24 and 30: central and axial symmetry, translation, rotation, homothety, inversion
// and the point displaced by a number.
#include "geometry/primitives.h"
#include "ui/construction_change.h"
#include "ui/tool_steps_common.h"

namespace zeva::ui::steps {

namespace {

Kind pointKindOf(ToolCode t) {
    switch (t) {
    case tool::CentralSymmetry:
        return Kind::CentralSymmetry;
    case tool::AxialSymmetry:
        return Kind::AxialSymmetry;
    case tool::Translation:
        return Kind::Translation;
    case tool::Rotation:
        return Kind::Rotation;
    }
    return Kind::Homothety;
}

// The image of the picked element: one point, or the whole figure through the images of its
// defining points.
void transform(Session& s) {
    ToolState& t = s.tool;
    takeSnapshot(s);
    const Kind pointKind = pointKindOf(t.active);
    if (isPoint(t.request.parent1)) {
        t.request.kind = pointKind;
        createElement(s, t.request);
    } else {
        createTransformedFigure(s, t.request, pointKind);
    }
    resetAfterCreation(s);
}

// The element to transform, then the transformation's data: a centre (19, 22, 23), an axis
// (20) or the vector's two ends (21); then the angle or ratio (22, 23).
void pointTransformStep(Session& s, Element* hit) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    const ToolCode code = t.active;
    switch (t.step) {
    case 0:
        r.parent1 = hit;
        t.pendingInputs.assign(1, hit);
        startBlinking(s);
        t.step = 1;
        if (code == tool::AxialSymmetry)
            acceptOnly(s, {ElementClass::Line, ElementClass::Ray, ElementClass::Segment,
                           ElementClass::Polygon, ElementClass::Axes});
        else
            acceptOnly(s, {ElementClass::Point});
        return;
    case 1:
        r.parent2 = code == tool::AxialSymmetry ? straightOf(s, hit) : hit;
        if (code == tool::CentralSymmetry || code == tool::AxialSymmetry) return transform(s);
        t.step = 2;
        if (code == tool::Translation) {
            t.pendingInputs.push_back(hit);
        } else {
            acceptOnly(s, {ElementClass::Number, ElementClass::Coordinates});
        }
        return;
    default:
        r.parent3 = hit;
        transform(s);
        return;
    }
}

// A circle of inversion and a point, in either order.
void inversionStep(Session& s, Element* hit) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    if (classOf(*hit) == ElementClass::Circle && !r.parent1) {
        r.parent1 = hit;
        setCount(s, ElementClass::Circle, 0);
    } else if (isPoint(hit) && !r.parent2) {
        r.parent2 = hit;
        setCount(s, ElementClass::Point, 0);
    } else {
        return;
    }
    if (t.step == 0) {
        t.pendingInputs.assign(1, hit);
        startBlinking(s);
        t.step = 1;
        return;
    }
    r.kind = Kind::Inversion;
    finish(s);
}

// A point displaced along a line or circle must have a path to follow: a line through two
// distinct points, a circle whose centre is not the point itself.
bool displacementAccepted(const Element& point, const Element& path) {
    const ElementClass c = classOf(path);
    if (c == ElementClass::Line || c == ElementClass::Ray)
        return !geometry::coincident(path.point(), path.secondPoint());
    if (c == ElementClass::Circle) return !geometry::coincident(point.point(), path.point());
    return true;
}

// The point, the path (or a point giving the direction), then the distance.
void displacementStep(Session& s, Element* hit) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    switch (t.step) {
    case 0:
        r.parent1 = hit;
        append(s, hit);
        acceptOnly(s, {ElementClass::Point, ElementClass::Line, ElementClass::Ray,
                       ElementClass::Axes, ElementClass::Circle});
        return;
    case 1:
        r.parent2 = hit;
        t.step = 2;
        acceptOnly(s, {ElementClass::Number, ElementClass::Coordinates});
        return;
    default:
        r.parent3 = hit;
        r.kind = Kind::Displacement;
        if (displacementAccepted(*r.parent1, *r.parent2))
            finish(s);
        else
            resetAfterCreation(s); // refused silently; the picks stay as they are
        return;
    }
}

} // namespace

void transformStep(Session& s, Point) {
    Element* hit = pickedElement(s);
    if (!hit) return;
    switch (s.tool.active) {
    case tool::Inversion:
        return inversionStep(s, hit);
    case tool::Displacement:
        return displacementStep(s, hit);
    }
    pointTransformStep(s, hit);
}

} // namespace zeva::ui::steps
