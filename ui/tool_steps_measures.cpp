// Tools 31..39, 43 and 48: points by coordinates, measurements (length, distance, angle, area,
// slope), axes, equations and coordinates, grids, function graphs and tables of values.
#include "geometry/point_on_element.h"
#include "ui/construction_change.h"
#include "ui/tool_steps_common.h"

#include <limits>

namespace zeva::ui::steps {

namespace {

// The document's only axes, when it has exactly one.
Element* onlyAxes(const Session& s) {
    const auto found = s.document()->construction.findAxes();
    return found.count == 1 ? found.axes : nullptr;
}

double parameterAt(Session& s, Element& host, Point world) {
    return geometry::parameterOf(host, world, s.view().recomputeContext());
}

// An element made from the request without a further snapshot, then a fresh start.
void createAndReset(Session& s, Kind kind) {
    s.tool.request.kind = kind;
    createElement(s, s.tool.request);
    resetAfterCreation(s);
}

// Two values (numbers or coordinates) and the axes they are read in.
void pointByCoordinatesStep(Session& s, Element* hit) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    switch (t.step) {
    case 0:
        takeSnapshot(s);
        r.parent1 = hit;
        t.step = 1;
        return;
    case 1:
        r.parent2 = hit;
        t.step = 2;
        if (Element* axes = onlyAxes(s)) {
            r.parent3 = axes;
            return createAndReset(s, Kind::PointByCoordinates);
        }
        acceptOnly(s, {ElementClass::Axes});
        return;
    default:
        r.parent3 = hit;
        createAndReset(s, Kind::PointByCoordinates);
        return;
    }
}

// The length measured of a segment, polygon, circle or arc.
Kind lengthKindOf(ElementClass c) {
    if (c == ElementClass::Polygon) return Kind::PolygonPerimeter;
    if (c == ElementClass::Circle) return Kind::CircleLength;
    if (c == ElementClass::Arc) return Kind::ArcLength;
    return Kind::SegmentLength;
}

// A segment, polygon, circle or arc measures at once; a point waits for a point or a line.
void lengthStep(Session& s, Element* hit, Point world) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    if (t.step == 0 && !isPoint(hit)) {
        r.parent1 = hit;
        r.x2 = world.x;
        r.y2 = world.y;
        r.y1 = parameterAt(s, *hit, world);
        r.kind = lengthKindOf(classOf(*hit));
        finish(s);
        return;
    }
    if (t.step == 0) {
        r.parent1 = hit;
        append(s, hit);
        for (ElementClass c : {ElementClass::Segment, ElementClass::Polygon, ElementClass::Circle,
                               ElementClass::Arc})
            setCount(s, c, 0);
        setCount(s, ElementClass::Line, 1);
        setCount(s, ElementClass::Axes, 1);
        return;
    }
    r.parent2 = hit;
    r.x2 = world.x;
    r.y2 = world.y;
    r.y1 = 0.5;
    r.kind = isPoint(hit) ? Kind::DistancePointPoint : Kind::DistancePointLine;
    finish(s);
}

// An angle element, or three points (empty space makes them).
void angleMeasureStep(Session& s, Element* hit, Point world) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    if (t.step == 0 && hit && hit->kind == Kind::Angle) {
        r.parent1 = hit->parent1;
        r.parent2 = hit->parent2;
        r.parent3 = hit->parent3;
    } else {
        const bool last = t.pendingInputs.size() == 2;
        Element* p = pointPick(s, hit, world, !last);
        append(s, p);
        setCount(s, ElementClass::Angle, 0);
        (t.step == 1 ? r.parent1 : t.step == 2 ? r.parent2 : r.parent3) = p;
        if (!last) return;
    }
    r.x2 = world.x;
    r.y2 = world.y;
    r.kind = Kind::AngleValue;
    finish(s);
}

// Measures of one element placed at the click: areas and slopes.
void singlePickMeasure(Session& s, Element& hit, Point world, Kind kind) {
    edit::CreationRequest& r = s.tool.request;
    r.parent1 = &hit;
    r.x2 = world.x;
    r.y2 = world.y;
    r.y1 = parameterAt(s, hit, world);
    r.kind = kind;
    finish(s);
}

// The equation of a line, circle or conic; the coordinates of a point.
Kind equationKindOf(ElementClass c) {
    if (c == ElementClass::Line) return Kind::LineEquation;
    if (c == ElementClass::Circle) return Kind::CircleEquation;
    if (c == ElementClass::Conic) return Kind::ConicEquation;
    return Kind::Coordinates;
}

// A point, line, circle or conic, then its axes (the only ones at once).
void equationStep(Session& s, Element* hit, Point world) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    if (t.step == 0) {
        takeSnapshot(s);
        r.parent1 = hit;
        r.x1 = world.x;
        r.y1 = world.y;
        r.kind = equationKindOf(classOf(*hit));
        append(s, hit);
        acceptOnly(s, {ElementClass::Axes});
        Element* axes = onlyAxes(s);
        if (!axes) return;
        hit = axes;
    }
    r.parent2 = hit;
    r.x2 = world.x;
    r.y2 = world.y;
    finish(s);
}

// A function, then its axes (the only ones at once).
void functionGraphStep(Session& s, Element* hit) {
    ToolState& t = s.tool;
    edit::CreationRequest& r = t.request;
    if (t.step == 0) {
        takeSnapshot(s);
        r.parent1 = hit;
        append(s, hit);
        acceptOnly(s, {ElementClass::Axes});
        Element* axes = onlyAxes(s);
        if (!axes) return;
        hit = axes;
    }
    r.parent2 = hit;
    createAndReset(s, Kind::FunctionGraph);
}

// A table records one more row of values: each tabulated element's present value.
bool recordTableRow(Element& table) {
    model::TableTail& tail = table.table();
    if (tail.columnCount >= model::kTableMaxColumns) return false;
    const auto column = static_cast<size_t>(tail.columnCount);
    for (size_t row = 0; row < tail.rows.size(); ++row) {
        const Element* e = tail.rows[row];
        tail.cell(row, column) = e && e->exists == 1 && model::isValidNumber(*e)
                                     ? e->x1
                                     : std::numeric_limits<double>::infinity();
    }
    ++tail.columnCount;
    return true;
}

// A click on a table records a row; picks of values become the columns of a new table placed
// by a click on empty space.
void tableStep(Session& s, Element* hit, Point world) {
    ToolState& t = s.tool;
    if (hit && hit->kind == Kind::Table) {
        if (!t.pendingInputs.empty() || hit->table().columnCount >= model::kTableMaxColumns) return;
        takeEditSnapshot(s);
        recordTableRow(*hit);
        markModified(s);
        redrawAndRepaint(s);
        return;
    }
    if (hit) {
        append(s, hit);
        setCount(s, ElementClass::Table, 0);
        return;
    }
    if (t.pendingInputs.empty()) return;
    stopBlinking(s);
    t.request.x2 = world.x;
    t.request.y2 = world.y;
    t.request.kind = Kind::Table;
    edit::CreationInputs in;
    in.picked = t.pendingInputs;
    finish(s, in);
}

} // namespace

void measureStep(Session& s, Point world) {
    Element* hit = pickedElement(s);
    switch (s.tool.active) {
    case tool::Table:
        return tableStep(s, hit, world);
    case tool::MeasureAngle:
        return angleMeasureStep(s, hit, world);
    case tool::Axes:
        s.tool.request.parent1 = pointPick(s, hit, world, false);
        s.tool.request.kind = Kind::Axes;
        finish(s);
        return;
    }
    if (!hit) return;
    switch (s.tool.active) {
    case tool::PointByCoordinates:
        return pointByCoordinatesStep(s, hit);
    case tool::PlotPoints:
        s.tool.request.parent1 = hit;
        s.host.repaint();
        s.host.openPointByCoordinates(nullptr, hit);
        s.tool.request.reset();
        return;
    case tool::LengthDistance:
        return lengthStep(s, hit, world);
    case tool::Area:
        return singlePickMeasure(s, *hit, world,
                                 classOf(*hit) == ElementClass::Polygon ? Kind::PolygonArea
                                                                        : Kind::CircleArea);
    case tool::Slope:
        if (Element* line = straightOf(s, hit)) singlePickMeasure(s, *line, world, Kind::Slope);
        return;
    case tool::EquationCoordinates:
        return equationStep(s, hit, world);
    case tool::Grid:
        s.tool.request.parent1 = hit;
        s.tool.request.kind = Kind::Grid;
        finish(s);
        return;
    case tool::PlotFunction:
        return functionGraphStep(s, hit);
    }
}

} // namespace zeva::ui::steps
