// The two passes of the hit test over the construction: what each class offers when the
// cursor is near it.

#include "geometry/element_shapes.h"
#include "model/construction.h"
#include "render/axes_grid.h"
#include "render/text_boxes.h"
#include "ui/hit_search.h"

#include <algorithm>
#include <cmath>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

// Tools that take a polygon's side as a straight element rather than the polygon.
bool takesPolygonSide(const HitSearch& h) {
    switch (h.tool) {
    case tool::Parallel:
    case tool::Perpendicular:
    case tool::Intersection:
    case tool::CheckParallel:
    case tool::CheckPerpendicular:
    case tool::CheckMembership:
    case tool::Slope:
        return true;
    case tool::AxialSymmetry: // its axis, once the element to reflect is given
        return h.session.tool.step > 0 || !h.session.tool.pendingInputs.empty();
    default:
        return false;
    }
}

// Tools that take the axes element itself rather than one of its axis lines.
bool takesWholeAxes(const HitSearch& h) {
    const ToolCode t = h.tool;
    if (t == tool::ApplyMacro) return h.session.tool.macroNextInput == ElementClass::Axes;
    switch (t) {
    case tool::Move:
    case tool::PointByCoordinates:
    case tool::PlotPoints:
    case tool::EquationCoordinates:
    case tool::Grid:
    case tool::PlotFunction:
    case tool::MacroInitial:
    case tool::MacroFinal:
    case tool::HideShowButton:
    case tool::HideShow:
    case tool::EditElement:
    case tool::DeleteElement:
    case tool::Colour:
        return true;
    default:
        return t >= tool::LineShapeNormal && t <= tool::LineShapeLast;
    }
}

// Tools that take a coordinate pair's x or y value as a number of its own.
bool takesCoordinateValues(ToolCode t) {
    switch (t) {
    case tool::Rotation:
    case tool::Homothety:
    case tool::Displacement:
    case tool::PointByCoordinates:
    case tool::Calculate:
    case tool::Parameter:
    case tool::Function:
    case tool::Table:
    case tool::ApplyMacro:
    case tool::ParametricColour:
    case tool::ParametricFillColour:
        return true;
    default:
        return false;
    }
}

bool shown(const HitSearch& h, const Element& e) {
    return e.exists == 1 && e.visible != 100 && (e.visible != 0 || h.session.showHidden);
}

void add(HitSearch& h, Element* e) {
    if (!h.full()) h.hits.push_back(e);
}

void testPolygon(HitSearch& h, Element& polygon) {
    const int side = nearPolygonSide(polygon, h.reach);
    if (side < 0) return;
    if (takesPolygonSide(h)) {
        add(h, polygon.polygon().sides[static_cast<size_t>(side)].get());
        return;
    }
    h.polygonSides.push_back({&polygon, side});
    add(h, &polygon);
}

// The tick of an axis nearest the cursor, when one is within reach; k in axis units.
std::optional<double> tickUnderCursor(const HitSearch& h, const Element& axes, bool yAxis) {
    const auto& t = axes.axes();
    render::AxesLayout layout;
    layout.origin = geometry::axesFrameOf(axes).origin;
    layout.xAxisSecond = t.axisX->secondPoint();
    layout.yAxisSecond = t.axisY->secondPoint();
    layout.unitX = t.unitX;
    layout.unitY = t.unitY;
    const render::AxisTicks ticks = render::axisTicks(
        layout, render::clipRectOf(render::clipEdgesFor(h.view, render::CanvasRole::Main)));
    for (Point p : yAxis ? ticks.yTicks : ticks.xTicks) {
        if (!nearPoint(p, h.reach)) continue;
        const double along =
            yAxis ? (p.y - layout.origin.y) / t.unitY : (p.x - layout.origin.x) / t.unitX;
        const double step = yAxis ? ticks.factorY : ticks.factorX;
        return std::round(along / step) * step;
    }
    return std::nullopt;
}

void testAxes(HitSearch& h, Element& axes) {
    if (axes.kind != Kind::Axes) return;
    auto& t = axes.axes();
    if (!t.axisX || !t.axisY) return;
    const bool nearX = nearStraight(*t.axisX, h.reach);
    const bool nearY = nearStraight(*t.axisY, h.reach);
    if (!nearX && !nearY) return;
    // Near both (around the origin): the nearer axis.
    bool yAxis = nearY;
    if (nearX && nearY) {
        const auto dx = geometry::distanceToLine(geometry::lineOf(*t.axisX), h.reach.at);
        const auto dy = geometry::distanceToLine(geometry::lineOf(*t.axisY), h.reach.at);
        yAxis = dx && dy && *dy < *dx;
    }
    if (const auto k = tickUnderCursor(h, axes, yAxis)) h.unitMark = UnitMarkHit{&axes, yAxis, *k};
    if (takesWholeAxes(h))
        add(h, &axes);
    else
        add(h, yAxis ? t.axisY.get() : t.axisX.get());
}

void testCoordinates(HitSearch& h, Element& coordinates) {
    if (coordinates.kind != Kind::Coordinates) return;
    if (!takesCoordinateValues(h.tool)) {
        if (render::textBoxContains(h.render, h.measure, coordinates, h.pixel))
            add(h, &coordinates);
        return;
    }
    auto& parts = coordinates.coordinates();
    if (!parts.xPart || !parts.yPart) return;
    const auto boxes = render::coordinatePartBoxes(h.render, h.measure, coordinates);
    if (!boxes) return;
    if ((*boxes)[1].contains(h.pixel))
        add(h, parts.yPart.get());
    else if ((*boxes)[0].contains(h.pixel))
        add(h, parts.xPart.get());
}

void testElement(HitSearch& h, Element& e, ElementClass cls) {
    switch (cls) {
    case ElementClass::Point:
        if (nearPoint(e.point(), h.reach)) add(h, &e);
        return;
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
        if (nearStraight(e, h.reach)) add(h, &e);
        return;
    case ElementClass::Polygon:
        if (e.kind == Kind::Polygon) testPolygon(h, e);
        return;
    case ElementClass::Circle:
        if (nearCircle(e, h.reach)) add(h, &e);
        return;
    case ElementClass::Arc:
        if (nearArc(e, h.reach)) add(h, &e);
        return;
    case ElementClass::Angle:
        if (nearAngleMark(e, h.reach)) add(h, &e);
        return;
    case ElementClass::Locus:
        if (nearLocus(e, h.reach, h.recompute, h.view)) add(h, &e);
        return;
    case ElementClass::Conic:
        if (nearConic(e, h.reach, h.view)) add(h, &e);
        return;
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Equation:
    case ElementClass::Property:
    case ElementClass::Button:
        if (render::textBoxContains(h.render, h.measure, e, h.pixel)) add(h, &e);
        return;
    case ElementClass::Axes:
        testAxes(h, e);
        return;
    case ElementClass::Coordinates:
        testCoordinates(h, e);
        return;
    case ElementClass::Grid:
        if (nearGridNode(e, h.reach, h.recompute)) add(h, &e);
        return;
    case ElementClass::Text:
    case ElementClass::Table:
    case ElementClass::Bitmap:
    case ElementClass::Intersection:
        return; // texts, tables and pictures come in the second pass; intersections never
    }
}

bool pictureContains(const HitSearch& h, const Element& bitmap) {
    const std::optional<render::ScreenBox> box = render::pictureBoxOf(h.render, bitmap);
    return box && box->contains(h.pixel);
}

} // namespace

void collectCandidates(HitSearch& h) {
    for (Element* e : h.document.construction) {
        if (h.full()) return;
        if (!shown(h, *e)) continue;
        const ElementClass cls = model::kKindTable[static_cast<size_t>(e->kind)].elementClass;
        if (h.accepts(cls)) testElement(h, *e, cls);
    }
}

void collectBoxedCandidates(HitSearch& h) {
    const bool tables = h.accepts(ElementClass::Table);
    const bool texts = h.accepts(ElementClass::Text);
    const bool pictures = h.accepts(ElementClass::Bitmap);
    if (!tables && !texts && !pictures) return;
    for (Element* e : h.document.construction) {
        if (h.full()) return;
        if (!shown(h, *e)) continue;
        const ElementClass c = e->elementClass();
        if ((c == ElementClass::Table && tables) || (c == ElementClass::Text && texts)) {
            if (render::textBoxContains(h.render, h.measure, *e, h.pixel)) add(h, e);
        } else if (c == ElementClass::Bitmap && pictures && pictureContains(h, *e)) {
            add(h, e);
        }
    }
}

} // namespace zeva::ui
