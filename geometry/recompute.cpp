#include "geometry/recompute.h"

#include "expr/calculation.h"
#include "geometry/conics.h"
#include "geometry/element_shapes.h"
#include "geometry/intersections.h"
#include "geometry/locus.h"
#include "geometry/locus_run.h"
#include "geometry/measure_values.h"
#include "geometry/name_anchor.h"
#include "geometry/parametric_color.h"
#include "geometry/parents.h"
#include "geometry/point_on_element.h"
#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace zeva::geometry {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

// Each routine below sets `exists` and, on success, the element's coordinates. On failure
// the coordinates keep their previous values.

void setPoint(Element& e, Point p) {
    e.x1 = p.x;
    e.y1 = p.y;
    e.exists = 1;
}

void setPoint(Element& e, const std::optional<Point>& p) {
    if (p)
        setPoint(e, *p);
    else
        e.exists = 0;
}

void setLine(Element& e, Point first, Point second) {
    e.x1 = first.x;
    e.y1 = first.y;
    e.x2 = second.x;
    e.y2 = second.y;
    e.exists = 1;
}

// The pixel size a BMP file image declares; none when its header is not readable.
std::optional<std::pair<int32_t, int32_t>> pictureSize(const model::Picture& picture) {
    const auto& b = picture.bmp;
    const auto int32At = [&](size_t at) {
        return static_cast<int32_t>(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 |
                                    uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24);
    };
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const int32_t header = int32At(14);
    if (header == 12) return std::pair<int32_t, int32_t>{b[18] | b[19] << 8, b[20] | b[21] << 8};
    if (header < 40) return std::nullopt;
    const int32_t h = int32At(22);
    return std::pair<int32_t, int32_t>{int32At(18), h < 0 ? -h : h};
}

// The second corner of a picture drawn at its own size from its first corner (world units
// follow the view's scale, since the picture keeps its pixel size on screen).
void pictureCorner(Element& e, double zoomFactor) {
    const auto size = pictureSize(e.bitmap().picture);
    if (!size) return;
    e.x2 = e.x1 + size->first * zoomFactor;
    e.y2 = e.y1 - size->second * zoomFactor;
}

void setLine(Element& e, const std::optional<Line>& l) {
    if (l)
        setLine(e, l->first, l->second);
    else
        e.exists = 0;
}

Point p1(const Element& e) {
    return e.parent1->point();
}
Point p2(const Element& e) {
    return e.parent2->point();
}
Point p3(const Element& e) {
    return e.parent3->point();
}

void pointOnElement(Element& e, const RecomputeContext& ctx) {
    Element& host = *e.parent1;
    // A point on a locus driven by a grid point has no parameter to run on.
    if (host.kind == Kind::Locus) {
        const Element* driver = model::drivingPointOf(&host);
        if (driver && driver->kind == Kind::GridPoint) {
            e.exists = 0;
            return;
        }
    }
    if (!carriesPointsOn(host.elementClass())) {
        e.exists = 1; // nothing to follow: the point stays where it is
        return;
    }
    if (host.kind == Kind::Conic) {
        const int type = host.conic().conicType;
        if ((type == 4 || type == 5) && e.y2 > 3.0) e.y2 = 2.5;
    }
    setPoint(e, pointAt(host, e.y2, ctx));
}

// Kinds 5 and 7 keep their own direction and follow their point.
void lineKeepingDirection(Element& e) {
    if (e.x1 == e.x2 && e.y1 == e.y2) e.y1 += 1.0;
    const Point d = e.secondPoint() - e.point();
    const Point first = p1(e);
    setLine(e, first, first + d);
}

void lineThroughTwoPoints(Element& e) {
    if (coincident(p1(e), p2(e)))
        e.exists = 0;
    else
        setLine(e, p1(e), p2(e));
}

void polygon(Element& e) {
    auto& sides = e.polygon().sides;
    bool ok = !sides.empty();
    for (const auto& side : sides)
        if (!present(side->parent1) || !present(side->parent2)) ok = false;
    if (!ok) {
        e.exists = 0;
        for (auto& side : sides)
            side->exists = 0;
        return;
    }
    // A degenerate side vanishes on its own; the polygon stays.
    for (auto& side : sides) {
        const Point a = side->parent1->point();
        const Point b = side->parent2->point();
        setLine(*side, a, b);
        side->exists = coincident(a, b) ? 0 : 1;
    }
    e.exists = 1;
}

void circleByCentre(Element& e) {
    const double r = dist(e.point(), e.secondPoint());
    const Point c = p1(e);
    setLine(e, c, {c.x, c.y + r});
    if (e.x2 == e.x1 && e.y2 == e.y1) e.y2 += kEpsilon;
}

void arc(Element& e) {
    const auto centre = circumcentre(p1(e), p2(e), p3(e));
    if (!centre) {
        e.exists = 0;
        return;
    }
    setLine(e, *centre, p2(e));
    e.param1 = arcTurning(*centre, p1(e), p2(e), p3(e));
}

void angle(Element& e) {
    if (coincident(p2(e), p1(e)) || coincident(p2(e), p3(e))) {
        e.exists = 0;
        return;
    }
    e.x1 = directedAngle(p1(e), p2(e), p3(e));
    if (e.x1 > kPi + kEpsilon) {
        // The marking always shows the smaller angle: the arms are exchanged for good.
        std::swap(e.parent1, e.parent3);
        std::swap(e.parent1Index, e.parent3Index);
        e.x1 = angleBetween(p1(e), p2(e), p3(e));
    }
    e.x2 = std::max(8.0, e.y1 * std::min(dist(p2(e), p1(e)), dist(p2(e), p3(e))));
    e.exists = 1;
}

void displacement(Element& e, const RecomputeContext& ctx) {
    const double d = e.parent3->x1;
    const Element& path = *e.parent2;
    const Point p = p1(e);
    if (path.elementClass() == ElementClass::Point) {
        setPoint(e, displaceTowards(p, path.point(), d * ctx.units.pixelsPerUnit));
        return;
    }
    switch (model::curveOf(path.elementClass())) {
    case model::Curve::Line:
    case model::Curve::Ray: {
        double length = d * ctx.units.pixelsPerUnit;
        if (const auto axes = axesFrameOfAxisOrAxes(path)) {
            if (path.kind == Kind::AxisX) length = d * axes->unitX;
            if (path.kind == Kind::AxisY) length = d * axes->unitY;
        }
        setPoint(e, displaceAlongLine(p, lineOf(path), length));
        return;
    }
    case model::Curve::Circle:
        setPoint(e, displaceAlongCircle(p, path.point(), d * ctx.units.pixelsPerUnit));
        return;
    case model::Curve::Segment:
    case model::Curve::Arc:
    case model::Curve::Conic:
    case model::Curve::None:
        e.exists = 1; // no path to move along: the point stays
        return;
    }
}

void axes(Element& e, const RecomputeContext& ctx) {
    auto& tail = e.axes();
    if (!present(e.parent1)) {
        e.exists = 0;
        if (tail.axisX) tail.axisX->exists = 0;
        if (tail.axisY) tail.axisY->exists = 0;
        return;
    }
    const Point o = p1(e);
    if (tail.axisX) setLine(*tail.axisX, o, o + Point{10.0, 0.0});
    if (tail.axisY) setLine(*tail.axisY, o, o + Point{0.0, 10.0});
    if (ctx.units.polar()) tail.unitY = tail.unitX;
    e.exists = 1;
}

void pointByCoordinates(Element& e, const RecomputeContext& ctx) {
    if (!presentNumber(e.parent1) || !presentNumber(e.parent2) || !present(e.parent3) ||
        e.parent3->kind != Kind::Axes) {
        e.exists = 0;
        return;
    }
    double u = e.parent1->x1;
    double v = e.parent2->x1;
    if (ctx.units.polar()) {
        const double r = u;
        const double theta = model::userAngleToRadians(v, ctx.units.angleUnit);
        u = r * std::cos(theta);
        v = r * std::sin(theta);
    }
    setPoint(e, fromAxes(axesFrameOf(*e.parent3), u, v));
}

// Kinds 60 and 62 follow their axes (or their grid's axes) in axis units.
void pointInAxisUnits(Element& e, const Element* axesElement) {
    if (!axesElement || !present(axesElement) || axesElement->kind != Kind::Axes) {
        e.exists = 0;
        return;
    }
    setPoint(e, fromAxes(axesFrameOf(*axesElement), e.x2, e.y2));
}

bool allPresent(const std::vector<Element*>& refs) {
    return std::all_of(refs.begin(), refs.end(), [](const Element* r) { return present(r); });
}

bool conicPointsPresent(const Element& e) {
    const auto& points = e.conic().points;
    return std::all_of(points.begin(), points.end(), [](const Element* r) { return present(r); });
}

} // namespace

void recomputeInRun(Element& e, const RecomputeContext& ctx) {
    if (!model::isValidKind(model::toInt(e.kind))) return; // unknown kinds are ignored
    // The parents the kind reads must exist; a few kinds have their own rule (the cases that
    // do not return here).
    switch (e.kind) {
    case Kind::FreePoint:
        e.exists = 1;
        return;
    case Kind::PointOnElement:
        if (!present(e.parent1)) break;
        pointOnElement(e, ctx);
        return;
    case Kind::Intersection:
        if (!parentsPresent(e, 2)) break;
        recomputeIntersection(e, ctx);
        return;
    case Kind::CentralSymmetry:
        if (!parentsPresent(e, 2)) break;
        setPoint(e, reflectThrough(p1(e), p2(e)));
        return;
    case Kind::Midpoint:
        if (!parentsPresent(e, 2)) break;
        setPoint(e, midpoint(p1(e), p2(e)));
        return;
    case Kind::LineThroughPoint:
    case Kind::RayFromPoint:
        if (!present(e.parent1)) break;
        lineKeepingDirection(e);
        return;
    case Kind::LineThroughTwoPoints:
    case Kind::RayThroughTwoPoints:
    case Kind::Segment:
        if (!parentsPresent(e, 2)) break;
        lineThroughTwoPoints(e);
        return;
    case Kind::ParallelLine:
        if (!parentsPresent(e, 2)) break;
        setLine(e, parallelThrough(e.parent1->point(), e.parent1->secondPoint(), p2(e)));
        return;
    case Kind::PerpendicularLine:
        if (!parentsPresent(e, 2)) break;
        setLine(e, perpendicularThrough(e.parent1->point(), e.parent1->secondPoint(), p2(e)));
        return;
    case Kind::AngleBisector:
        if (!parentsPresent(e, 3)) break;
        setLine(e, angleBisector(p1(e), p2(e), p3(e)));
        return;
    case Kind::PerpendicularBisector:
        if (!parentsPresent(e, 2)) break;
        setLine(e, perpendicularBisector(p1(e), p2(e)));
        return;
    case Kind::Polygon:
        polygon(e);
        return;
    case Kind::CircleByCentre:
        if (!present(e.parent1)) break;
        circleByCentre(e);
        return;
    case Kind::CircleByCentreAndPoint:
        if (!parentsPresent(e, 2) || p1(e) == p2(e)) break;
        setLine(e, p1(e), p2(e));
        return;
    case Kind::CircleByRadius:
        if (!parentsPresent(e, 3) || p2(e) == p3(e)) break;
        setLine(e, p1(e), {p1(e).x + dist(p2(e), p3(e)), p1(e).y});
        return;
    case Kind::ArcThreePoints:
        if (!parentsPresent(e, 3)) break;
        arc(e);
        return;
    case Kind::Angle:
        if (!parentsPresent(e, 3)) break;
        angle(e);
        return;
    case Kind::Locus:
        // Its own rules: the driving point's host must exist (the traced element may vanish
        // for some positions), families are not sampled, and some drags keep the samples.
        recomputeLocus(e, ctx);
        return;
    case Kind::AxialSymmetry:
        if (!parentsPresent(e, 2)) break;
        setPoint(e, reflectInLine(p1(e), lineOf(*e.parent2)));
        return;
    case Kind::Translation:
        if (!parentsPresent(e, 3)) break;
        setPoint(e, translate(p1(e), p2(e), p3(e)));
        return;
    case Kind::Rotation:
        if (!parentsPresent(e, 2) || !presentNumber(e.parent3)) break;
        setPoint(e, rotateAbout(p1(e), p2(e),
                                model::userAngleToRadians(e.parent3->x1, ctx.units.angleUnit)));
        return;
    case Kind::Homothety:
        if (!parentsPresent(e, 2) || !presentNumber(e.parent3)) break;
        setPoint(e, scaleAbout(p1(e), p2(e), e.parent3->x1));
        return;
    case Kind::Inversion: {
        if (!parentsPresent(e, 2)) break;
        const Circle c = circleOf(*e.parent1);
        setPoint(e, invertIn(p2(e), c.centre, c.radius));
        return;
    }
    case Kind::Displacement:
        if (!parentsPresent(e, 2) || !presentNumber(e.parent3)) break;
        displacement(e, ctx);
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
        recomputeMeasurement(e, ctx);
        return;
    case Kind::Calculation:
    case Kind::Function:
        if (!allPresent(e.expression().refs)) break;
        e.exists = 1;
        expr::recomputeCalculation(e, ctx.units.angleUnit);
        return;
    case Kind::Axes:
        axes(e, ctx);
        return;
    case Kind::Coordinates:
        recomputeCoordinates(e, ctx);
        return;
    case Kind::LineEquation:
        recomputeLineEquation(e);
        return;
    case Kind::CircleEquation:
        recomputeCircleEquation(e);
        return;
    case Kind::Name:
        recomputeName(e, ctx);
        return;
    case Kind::PointByCoordinates:
        pointByCoordinates(e, ctx);
        return;
    case Kind::ParallelChecker:
    case Kind::PerpendicularChecker:
    case Kind::MembershipChecker:
    case Kind::EquidistanceChecker:
    case Kind::CollinearityChecker:
        recomputeChecker(e);
        return;
    case Kind::Conic:
        if (!conicPointsPresent(e)) break;
        recomputeConic(e);
        return;
    case Kind::Slope:
        recomputeSlope(e);
        return;
    case Kind::ConicEquation:
        if (!parentsPresent(e, 2)) break;
        recomputeConicEquation(e, ctx);
        return;
    case Kind::RegularPolygonVertex:
        if (!parentsPresent(e, 2)) break;
        setPoint(e, regularPolygonVertex(p2(e), p1(e), e.y2));
        return;
    case Kind::PlottedPoint:
        pointInAxisUnits(e, e.parent1);
        return;
    case Kind::Grid:
        if (!present(e.parent1)) break;
        e.exists = 1;
        return;
    case Kind::GridPoint:
        if (!present(e.parent1)) break;
        pointInAxisUnits(e, e.parent1->parent1);
        return;
    case Kind::FunctionGraph:
        if (!parentsPresent(e, 2)) break;
        e.exists = 1;
        expr::sampleFunctionGraph(
            e, expr::GraphView{ctx.viewLeft, ctx.viewTop, ctx.viewRight, ctx.viewBottom},
            ctx.units.angleUnit);
        return;
    case Kind::Bitmap:
        // Anchored to a segment it spans the segment's ends; otherwise its picture sizes it,
        // from its own corner or from the point it hangs on.
        if (e.parent1 && !present(e.parent1)) break;
        if (e.parent1 && e.parent1->elementClass() == ElementClass::Segment) {
            setLine(e, e.parent1->point(), e.parent1->secondPoint());
            return;
        }
        if (e.parent1) {
            e.x1 = e.parent1->x1;
            e.y1 = e.parent1->y1;
        }
        pictureCorner(e, ctx.zoomFactor);
        e.exists = 1;
        return;
    case Kind::PolygonSide:
    case Kind::AxisX:
    case Kind::AxisY:
    case Kind::CoordinateX:
    case Kind::CoordinateY:
        return; // computed by their owner
    case Kind::Table:
    case Kind::Text:
    case Kind::IntersectionCandidate:
    case Kind::Parameter:
    case Kind::HideShowButton:
        return; // no geometry
    }
    e.exists = 0; // a required parent is missing, does not exist or is not a valid number
}

namespace {

// What a pass finishes once all its elements are up to date: parametric colours (a source may
// come after the element it colours) and the instances of locus families (they take those
// colours). Only elements with a colour source and loci are remembered.
class PassEnd {
  public:
    void note(Element& e) {
        if (e.colorSource || e.kind == Kind::Locus) pending_.push_back(&e);
    }
    void finish(const RecomputeContext& ctx) {
        for (Element* e : pending_)
            applyParametricColor(*e);
        for (Element* e : pending_)
            if (e->kind == Kind::Locus) refreshFamily(*e, ctx);
    }

  private:
    std::vector<Element*> pending_;
};

} // namespace

void recomputeElement(Element& e, const RecomputeContext& ctx) {
    recomputeInRun(e, ctx);
    PassEnd end;
    end.note(e);
    end.finish(ctx);
}

void recomputeAll(model::Construction& c, const RecomputeContext& ctx,
                  const model::Element* stopAt) {
    PassEnd end;
    for (Element* e = c.elements; e && e != stopAt; e = e->next) {
        recomputeInRun(*e, ctx);
        end.note(*e);
    }
    end.finish(ctx);
}

void recomputeElements(std::span<Element* const> elements, const RecomputeContext& ctx) {
    PassEnd end;
    for (Element* e : elements) {
        recomputeInRun(*e, ctx);
        end.note(*e);
    }
    end.finish(ctx);
}

} // namespace zeva::geometry
