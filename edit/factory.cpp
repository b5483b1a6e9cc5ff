#include "edit/factory.h"

#include "document/document.h"
#include "edit/hide_show.h"
#include "expr/calculator.h"
#include "expr/parameter.h"
#include "geometry/conics.h"
#include "geometry/intersections.h"
#include "geometry/locus.h"
#include "geometry/point_on_element.h"
#include "geometry/recompute.h"
#include "model/units.h"
#include "settings/text_table.h"

#include <cmath>
#include <limits>

namespace zeva::edit {

using namespace zeva::model;

namespace {

using C = ElementClass;

// The font given to every element that shows text, except Nombre elements and Texto elements
// (which get the text dialog's font): the numbers font.
const ElementFont& elementTextFont(const settings::Options& o) {
    return o.numbersFont;
}

int32_t dimensionOfKind(Kind k, const CreationInputs& in) {
    if (k == Kind::Calculation)
        return in.formulaDimension >= 0 && in.formulaDimension <= 3 ? in.formulaDimension : 0;
    return kindInfo(k).dimension;
}

int32_t locusCapacity(const Element* traced, const settings::Options& o) {
    const int capacity = traced ? classInfo(traced->kind).locusCapacity : 0;
    return capacity > 0 ? capacity : o.locusPoints;
}

// A sub-element (polygon side, axis, coordinate part) as its owner makes it.
std::unique_ptr<Element> makeSubElement(Kind kind, Element* p1, Element* p2, Element* p3,
                                        const Element& owner) {
    auto e = makeElement(kind);
    e->parent1 = p1;
    e->parent2 = p2;
    e->parent3 = p3;
    e->exists = 1;
    e->visible = 1;
    e->color = owner.color;
    e->style = owner.style;
    e->decimals = owner.decimals;
    return e;
}

// Whether a new Nombre shows its name at once: not for what shows its own text or value,
// nor for axes, grids, pictures, function graphs and loci that do not trace a point.
int32_t nameShown(const Element& named) {
    switch (named.elementClass()) {
    case C::Number:
    case C::Function:
    case C::Table:
    case C::Coordinates:
    case C::Button:
    case C::Bitmap:
    case C::Axes:
    case C::Grid:
        return 0;
    case C::Locus: {
        if (named.kind == Kind::FunctionGraph) return 0;
        const bool tracesPoint = named.parent1 && named.parent1->elementClass() == C::Point;
        const bool gridDriven = named.parent2 && named.parent2->kind == Kind::GridPoint;
        return tracesPoint && !gridDriven ? 1 : 0;
    }
    case C::Point:
    case C::Line:
    case C::Ray:
    case C::Segment:
    case C::Polygon:
    case C::Circle:
    case C::Arc:
    case C::Angle:
    case C::Text:
    case C::Name:
    case C::Equation:
    case C::Property:
    case C::Conic:
    case C::Intersection:
        return 1;
    }
    return 1;
}

// Places a new Nombre by its named element's class, at the last click where that matters.
void placeName(Element& nameElement, Element& named, Point click,
               const geometry::RecomputeContext& ctx) {
    NameTail& tail = nameElement.name();
    switch (named.elementClass()) {
    case C::Point:
    case C::Angle:
        tail.dx = 4.0;
        tail.dy = 4.0;
        return;
    case C::Line:
    case C::Ray: {
        const Point dir = named.secondPoint() - named.point();
        const double len = std::hypot(dir.x, dir.y);
        const Point rel = click - named.point();
        nameElement.y2 = len > 0.0 ? (rel.x * dir.x + rel.y * dir.y) / len : 0.0;
        return;
    }
    case C::Segment:
    case C::Arc:
        nameElement.y2 = 0.5;
        return;
    case C::Polygon:
        nameElement.y2 = geometry::parameterOf(named, click, ctx);
        return;
    case C::Circle:
        nameElement.y2 = std::atan2(click.y - named.y1, click.x - named.x1);
        return;
    case C::Locus:
        if (nameElement.param1 == 1)
            nameElement.y2 = geometry::locusParameterOf(named, click, ctx);
        return;
    case C::Conic:
        nameElement.y2 = geometry::conicParameterOf(named, click);
        return;
    case C::Text: // names of texts, numbers, buttons... are placed by their offset only
    case C::Name:
    case C::Number:
    case C::Function:
    case C::Axes:
    case C::Table:
    case C::Equation:
    case C::Coordinates:
    case C::Property:
    case C::Intersection:
    case C::Grid:
    case C::Button:
    case C::Bitmap:
        return;
    }
}

// Kind 2 made with the intersection tool: the solution chosen (0..3) becomes the type code of
// the parents' classes, with the parents put in the code's order.
void setIntersectionType(Element& e) {
    e.param1 = geometry::intersectionType(e, e.param1);
}

void initialiseKind(Element& e, Edit& edit, const CreationRequest& request,
                    const CreationInputs& in, const settings::Options& o) {
    const int32_t textColor = elementTextFont(o).color;
    switch (e.kind) {
    case Kind::Intersection:
        if (in.activeTool == kIntersectionTool) setIntersectionType(e);
        return;
    case Kind::Polygon: {
        const size_t n = in.picked.size();
        auto& sides = e.polygon().sides;
        sides.reserve(n);
        for (size_t i = 0; i < n; ++i)
            sides.push_back(
                makeSubElement(Kind::PolygonSide, in.picked[i], in.picked[(i + 1) % n], &e, e));
        return;
    }
    case Kind::Angle:
        e.y1 = o.angleArcRatio;
        return;
    case Kind::Locus:
        if (e.parent2 && e.parent2->kind == Kind::GridPoint && e.parent1 &&
            e.parent1->elementClass() == C::Point) {
            e.color = o.colorOf(C::Point);
            e.style = o.styleOf(C::Point);
        }
        return;
    case Kind::DistancePointPoint:
    case Kind::DistancePointLine:
    case Kind::SegmentLength:
    case Kind::CircleLength:
    case Kind::ArcLength:
    case Kind::PolygonPerimeter:
    case Kind::CircleArea:
    case Kind::PolygonArea:
    case Kind::AngleValue:
    case Kind::Slope:
        e.color = textColor;
        e.param1 = kValidNumber;
        e.param2 = kFollowsMeasured;
        return;
    case Kind::LineEquation:
    case Kind::CircleEquation:
    case Kind::ConicEquation:
        e.color = textColor;
        e.param1 = 100;
        e.param2 = kFollowsMeasured;
        if (e.parent1)
            e.equation().labelParam =
                geometry::parameterOf(*e.parent1, {request.x1, request.y1}, edit.context());
        return;
    case Kind::Calculation:
    case Kind::Function: {
        e.color = textColor;
        expr::storeFormula(e.expression(), in.formula, in.code, in.constants, in.measurements,
                           in.parameters);
        if (in.calculatorSetting) e.param1 = *in.calculatorSetting;
        return;
    }
    case Kind::Table: {
        e.color = textColor;
        e.param1 = -100;
        TableTail& t = e.table();
        t.rows = in.picked;
        t.rowIndices.assign(t.rows.size(), -1);
        t.columnCount = 1;
        t.cells.assign(t.rows.size() * kTableMaxColumns, 0.0);
        for (size_t r = 0; r < t.rows.size(); ++r)
            t.cell(r, 0) = t.rows[r] && isValidNumber(*t.rows[r])
                               ? t.rows[r]->x1
                               : std::numeric_limits<double>::infinity();
        return;
    }
    case Kind::Axes: {
        AxesTail& t = e.axes();
        t.unitX = 40.0;
        t.unitY = 40.0;
        t.axisX = makeSubElement(Kind::AxisX, e.parent1, &e, nullptr, e);
        t.axisY = makeSubElement(Kind::AxisY, e.parent1, &e, nullptr, e);
        return;
    }
    case Kind::Coordinates: {
        e.color = textColor;
        // polar or rectangular, fixed at creation
        e.param1 = edit.document().units.polar() ? -100 : 100;
        e.param2 = kFollowsMeasured;
        e.x1 = 5.0;
        e.y1 = 7.0 * kPi / 4.0;
        CoordinatesTail& t = e.coordinates();
        for (auto* part : {&t.xPart, &t.yPart}) {
            const Kind k = part == &t.xPart ? Kind::CoordinateX : Kind::CoordinateY;
            *part = makeSubElement(k, e.parent1, &e, nullptr, e);
            (*part)->param1 = kValidNumber;
            (*part)->dimension = 0;
        }
        return;
    }
    case Kind::Text: {
        TextTail& t = e.text();
        t.textFont = in.textFont;
        t.lines = in.textLines;
        e.color = in.textFont.color;
        e.param1 = static_cast<int32_t>(in.textLines.size());
        return;
    }
    case Kind::Name: {
        e.color = o.namesFont.color;
        e.name().text = in.nameText;
        if (!e.parent1) return;
        Element& named = *e.parent1;
        named.label = &e;
        e.param1 = nameShown(named);
        placeName(e, named, in.lastClick.value_or(named.point()), edit.context());
        return;
    }
    case Kind::ParallelChecker:
    case Kind::PerpendicularChecker:
    case Kind::MembershipChecker:
    case Kind::EquidistanceChecker:
    case Kind::CollinearityChecker: {
        using namespace settings;
        const int k = toInt(e.kind) - toInt(Kind::ParallelChecker);
        static constexpr int kWords[5][2] = {{kWordParallel, kWordNotParallel},
                                             {kWordPerpendicular, kWordNotPerpendicular},
                                             {kWordBelongs, kWordNotBelongs},
                                             {kWordEquidistant, kWordNotEquidistant},
                                             {kWordCollinear, kWordNotCollinear}};
        e.checker().trueText = texts().shortText(kWords[k][0]);
        e.checker().falseText = texts().shortText(kWords[k][1]);
        return;
    }
    case Kind::Conic: {
        ConicTail& t = e.conic();
        for (size_t i = 0; i < t.points.size() && i < in.picked.size(); ++i)
            t.points[i] = in.picked[i];
        e.color = o.colorOf(C::Circle);
        e.style = o.styleOf(C::Circle);
        return;
    }
    case Kind::Grid:
        e.color = 0xC08000; // RGB(0, 128, 192)
        e.style = 1;
        return;
    case Kind::Parameter:
        e.color = textColor;
        expr::initParameter(e, in.parameterValue);
        return;
    case Kind::HideShowButton: {
        ButtonTail& t = e.button();
        t.caption = in.buttonCaption;
        t.targets = in.picked;
        t.targetIndices.assign(t.targets.size(), -1);
        t.targetStates.clear();
        for (Element* target : t.targets)
            t.targetStates.push_back(target && target->visible == 0 ? 1 : 0);
        e.color = 0;
        e.style = 0xC0C0C0;
        e.param2 = 1;
        applyHideShowButton(edit, e);
        return;
    }
    case Kind::Bitmap:
        if (in.picture) e.bitmap().picture = *in.picture;
        e.color = o.colorOf(C::Point);
        e.style = -1;
        e.param1 = e.parent1 ? 1 : 0;
        return;
    // Nothing beyond the common fields (sub-elements and the hit test's candidate are never
    // made here).
    case Kind::FreePoint:
    case Kind::PointOnElement:
    case Kind::CentralSymmetry:
    case Kind::Midpoint:
    case Kind::LineThroughPoint:
    case Kind::LineThroughTwoPoints:
    case Kind::RayFromPoint:
    case Kind::RayThroughTwoPoints:
    case Kind::ParallelLine:
    case Kind::PerpendicularLine:
    case Kind::AngleBisector:
    case Kind::PerpendicularBisector:
    case Kind::Segment:
    case Kind::PolygonSide:
    case Kind::CircleByCentre:
    case Kind::CircleByCentreAndPoint:
    case Kind::CircleByRadius:
    case Kind::ArcThreePoints:
    case Kind::AxialSymmetry:
    case Kind::Translation:
    case Kind::Rotation:
    case Kind::Homothety:
    case Kind::Inversion:
    case Kind::Displacement:
    case Kind::AxisX:
    case Kind::AxisY:
    case Kind::CoordinateX:
    case Kind::CoordinateY:
    case Kind::PointByCoordinates:
    case Kind::IntersectionCandidate:
    case Kind::RegularPolygonVertex:
    case Kind::PlottedPoint:
    case Kind::GridPoint:
    case Kind::FunctionGraph:
        return;
    }
}

} // namespace

CreationInputs inputsFor(const expr::CompiledExpression& compiled, Kind kind) {
    CreationInputs in;
    in.measurements = compiled.operands;
    in.parameters = compiled.functions;
    in.formula = compiled.text;
    in.code = compiled.code;
    in.constants = compiled.valueTable;
    in.formulaDimension = compiled.dimension;
    in.calculatorSetting = kind == Kind::Function ? compiled.functionType : 100;
    return in;
}

void CreationRequest::reset() {
    parent1 = parent2 = parent3 = nullptr;
    x1 = y1 = x2 = y2 = 0.0;
    param1 = -1;
    style = -1;
}

Element* createElement(Edit& edit, CreationRequest& request, const CreationInputs& in,
                       const settings::Options& o) {
    if (!isValidKind(toInt(request.kind)) || isSubElementKind(request.kind)) return nullptr;

    const Kind kind = request.kind;
    const ElementClass cls = classOf(kind);
    int32_t capacity = 0;
    if (kind == Kind::Locus) capacity = locusCapacity(request.parent1, o);
    auto owned = makeElement(kind, capacity);
    Element& e = *owned;
    edit.construction().append(std::move(owned));

    e.x1 = request.x1;
    e.y1 = request.y1;
    e.x2 = request.x2;
    e.y2 = request.y2;
    e.parent1 = request.parent1;
    e.parent2 = request.parent2;
    e.parent3 = request.parent3;
    e.exists = 1;
    e.visible = 1;
    e.selected = 0;
    e.colorSource = nullptr;
    e.colorMode = 0;
    e.label = nullptr;

    e.color = o.useCurrentColor ? o.currentColor : o.colorOf(cls);
    e.style = showsText(cls) ? -1 : o.styleOf(cls);
    e.param1 = request.param1;
    e.param2 = kind == Kind::Intersection && request.param1 == 42 ? request.param2 : 0;
    if (carriesFont(cls))
        e.font =
            std::make_unique<ElementFont>(kind == Kind::Name ? o.namesFont : elementTextFont(o));
    e.decimals = o.decimals;

    initialiseKind(e, edit, request, in, o);

    e.dimension = cls == ElementClass::Number ? dimensionOfKind(kind, in) : 0;
    request.reset();
    edit.created(e);
    return &e;
}

} // namespace zeva::edit
