// The motion of one animated element per step, by its kind and, for a point on an element, by
// the class of what it runs along.
#include "edit/animation.h"

#include "geometry/element_shapes.h"
#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>

namespace zeva::edit {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

constexpr double kLineReach = 999.0; // a point on a line turns back this far from its origin
constexpr double kSegmentEndHigh = 0.99999;
constexpr double kSegmentEndLow = 0.0001;
constexpr double kLastConicSample = model::kConicSampleCount - 1; // 119
constexpr double kDirectionPointDistance = 100.0;
constexpr double kTurnPerUnit = 0.01; // radians a line turns per unit of step
constexpr double kMaxRadius = 999.0;
constexpr double kParameterSteps = 999.0; // a parameter crosses its range in 999 unit steps

// The parameter of one moving thing and the direction it runs in.
struct Run {
    double& t;
    int32_t& backward;

    // Past `high` the run stops at `high` and turns round; below `low` likewise.
    void bounceWithin(double low, double high) {
        if (t > high) {
            t = high;
            backward = 1 - backward;
        } else if (t < low) {
            t = low;
            backward = 1 - backward;
        }
    }
};

// Run along a segment or an arc of `length` world units: t is a fraction from 0 to 1, and
// the ends are held just inside, so the point never sits exactly on an end point.
bool runAlongFraction(Run run, double s, double length) {
    if (!(length > 0.0) || !std::isfinite(length)) return false;
    run.t += s / length;
    if (run.t > 1.0) {
        run.t = kSegmentEndHigh;
        run.backward = 1 - run.backward;
    } else if (run.t < 0.0) {
        run.t = kSegmentEndLow;
        run.backward = 1 - run.backward;
    }
    return true;
}

bool runAlongLine(Run run, const Element& line, double s, double lowReach) {
    if (line.kind == Kind::LineThroughTwoPoints || line.kind == Kind::RayThroughTwoPoints) {
        // t is a multiple of the vector between the two defining points.
        const double length = geometry::dist(line.point(), line.secondPoint());
        if (!(length > 0.0)) return false;
        run.t += s / length;
        run.bounceWithin(lowReach / length, kLineReach / length);
        return true;
    }
    run.t += s;
    run.bounceWithin(lowReach, kLineReach);
    return true;
}

// Round the perimeter side by side, with no turning back: t's whole part is the side.
bool runAroundPolygon(Run run, const Element& polygon, double s) {
    const auto& sides = polygon.polygon().sides;
    const int n = static_cast<int>(sides.size());
    if (n == 0 || !std::isfinite(run.t)) return false;
    const int i = static_cast<int>(std::clamp(std::trunc(run.t), 0.0, double(n - 1)));
    const Element& side = *sides[static_cast<size_t>(i)];
    const double length = geometry::dist(side.point(), side.secondPoint());
    if (side.exists == 1 && length > 0.0) {
        run.t += s / length;
    } else {
        // A side of no length would hold the point for ever: step onto the next side instead.
        run.t = s > 0.0 ? i + 1.0 : i - kSegmentEndLow;
    }
    if (run.t > n) run.t = kSegmentEndLow;
    if (run.t < 0.0) run.t = n - kSegmentEndLow;
    return true;
}

bool runAroundCircle(Run run, const Element& circle, double s) {
    const double radius = geometry::circleOf(circle).radius;
    if (!(radius > 0.0)) return false;
    run.t += s / radius;
    if (std::fabs(run.t) > geometry::kTwoPi) run.t = kSegmentEndLow;
    return true;
}

bool runAlongArc(Run run, const Element& arcElement, double s) {
    const auto arc = geometry::arcOf(arcElement);
    if (!arc) return false;
    const double sweep = geometry::arcSweep(arc->centre, arc->first, arc->third, arc->turning);
    return runAlongFraction(run, s, arc->radius * sweep);
}

// A function graph: t runs from 0 to 1 over the graph's variable range, measured in world
// units along the axis of its variable.
bool runAlongGraph(Run run, const Element& graph, double s) {
    const Element* function = graph.parent1;
    const Element* axes = graph.parent2;
    if (!function || !axes || axes->kind != Kind::Axes) return false;
    const auto& units = axes->axes();
    const bool variableIsY = function->param1 == 2; // x = f(y)
    const double unit = variableIsY ? units.unitY : units.unitX;
    const double span = std::fabs((graph.x2 - graph.y1) * unit);
    if (!(span > 0.0) || !std::isfinite(span)) return false;
    run.t += s / span;
    run.bounceWithin(0.0, 1.0);
    return true;
}

bool runAlongConic(Run run, double s) {
    run.t += s * 0.1;
    if (run.t > kLastConicSample) run.t = 0.0;
    if (run.t < 0.0) run.t = kLastConicSample;
    return true;
}

// What a point on `host` runs along: the host itself, or for a locus the element along which
// the locus's driving point runs (through nested loci).
const Element* ruleHostOf(const Element& host) {
    if (host.kind != Kind::Locus) return &host;
    const Element* driver = model::drivingPointOf(&host);
    if (!driver || driver->kind != Kind::PointOnElement || !driver->parent1) return nullptr;
    if (driver->parent1->kind == Kind::Locus) return nullptr; // loci that loop (a damaged file)
    return driver->parent1;
}

bool movePointOnElement(Element& point, int32_t& backward, double s) {
    const Element* host = point.parent1;
    if (!host || host->exists != 1) return false;
    const Element* rule = ruleHostOf(*host);
    if (!rule || rule->exists != 1) return false;
    Run run{point.y2, backward};
    switch (rule->elementClass()) {
    case ElementClass::Line:
        return runAlongLine(run, *rule, s, -kLineReach);
    case ElementClass::Ray:
        return runAlongLine(run, *rule, s, 0.0);
    case ElementClass::Segment:
        return runAlongFraction(run, s, geometry::dist(rule->point(), rule->secondPoint()));
    case ElementClass::Polygon:
        if (!runAroundPolygon(run, *rule, s)) return false;
        if (rule == host) point.param1 = static_cast<int32_t>(std::trunc(point.y2));
        return true;
    case ElementClass::Circle:
        return runAroundCircle(run, *rule, s);
    case ElementClass::Arc:
        return runAlongArc(run, *rule, s);
    case ElementClass::Locus:
        return rule->kind == Kind::FunctionGraph && runAlongGraph(run, *rule, s);
    case ElementClass::Conic:
        return runAlongConic(run, s);
    case ElementClass::Point:
    case ElementClass::Angle:
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Axes:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        return false;
    }
    return false;
}

// Lines and rays through one point keep a direction point: it is put 100 units from the point
// along the present direction, then turned about the point.
bool turnLine(Element& line, double s) {
    if (!line.parent1 || line.exists != 1) return false;
    const Point at = line.point();
    Point d = line.secondPoint() - at;
    const double length = std::hypot(d.x, d.y);
    d = length > 0.0 ? d * (1.0 / length) : Point{1.0, 0.0};
    const Point direction = at + d * kDirectionPointDistance;
    const Point turned = geometry::rotateAbout(direction, at, s * kTurnPerUnit);
    line.x2 = turned.x;
    line.y2 = turned.y;
    return true;
}

// A circle given by its centre keeps a point on itself: the radius changes and the point
// stays in its direction from the centre.
bool growCircle(Element& circle, int32_t& backward, double s) {
    if (!circle.parent1 || circle.exists != 1) return false;
    const Point centre = circle.point();
    Point d = circle.secondPoint() - centre;
    double radius = std::hypot(d.x, d.y);
    d = radius > 0.0 ? d * (1.0 / radius) : Point{0.0, 1.0};
    Run run{radius, backward};
    run.t += s;
    run.bounceWithin(0.0, kMaxRadius);
    const Point onCircle = centre + d * radius;
    circle.x2 = onCircle.x;
    circle.y2 = onCircle.y;
    return true;
}

bool sweepParameter(Element& parameter, int32_t& backward, double s) {
    const double a = parameter.parameter().minimum;
    const double b = parameter.parameter().maximum;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(parameter.x1)) return false;
    Run run{parameter.x1, backward};
    run.t += s * std::fabs(b - a) / kParameterSteps;
    run.bounceWithin(std::min(a, b), std::max(a, b));
    return true;
}

} // namespace

bool moveAnimated(model::AnimationEntry& entry) {
    Element* e = entry.element;
    if (!e) return false;
    const double s = stepLength(entry);
    if (e->kind == Kind::PointOnElement) return movePointOnElement(*e, entry.backward, s);
    if (e->kind == Kind::LineThroughPoint || e->kind == Kind::RayFromPoint) return turnLine(*e, s);
    if (e->kind == Kind::CircleByCentre) return growCircle(*e, entry.backward, s);
    if (e->kind == Kind::Parameter) return sweepParameter(*e, entry.backward, s);
    return false; // nothing else moves by itself
}

} // namespace zeva::edit
