#include "geometry/name_anchor.h"

#include "geometry/conics.h"
#include "geometry/parents.h"
#include "geometry/point_on_element.h"
#include "geometry/primitives.h"

#include <cmath>
#include <optional>

namespace zeva::geometry {

namespace {

using model::Element;
using model::ElementClass;

// The point of an angle's bisector at the marking's radius from the vertex. The angle runs
// counterclockwise from its first point, so half of it turned from the first arm bisects it.
std::optional<Point> angleAnchor(const Element& angle) {
    if (!angle.parent1 || !angle.parent2) return std::nullopt;
    const Point v = angle.parent2->point();
    const double phi = directionAngle(angle.parent1->point() - v) + angle.x1 / 2.0;
    return v + Point{std::cos(phi), std::sin(phi)} * angle.x2;
}

} // namespace

void recomputeName(Element& name, const RecomputeContext& ctx) {
    if (!present(name.parent1)) {
        name.exists = 0;
        return;
    }
    Element& named = *name.parent1;
    std::optional<Point> anchor;
    switch (named.elementClass()) {
    case ElementClass::Point:
        anchor = named.point();
        break;
    case ElementClass::Line:
    case ElementClass::Ray:
        anchor = pointTowards(named.point(), named.secondPoint(), name.y2);
        break;
    case ElementClass::Segment:
        anchor = pointTowards(named.point(), named.secondPoint(),
                              name.y2 * dist(named.point(), named.secondPoint()));
        break;
    case ElementClass::Polygon:
    case ElementClass::Arc:
    case ElementClass::Circle:
        anchor = pointAt(named, name.y2, ctx);
        break;
    case ElementClass::Angle:
        anchor = angleAnchor(named);
        if (anchor) {
            name.x1 = anchor->x;
            name.y1 = anchor->y;
        }
        break;
    case ElementClass::Locus:
        if (name.param1 == 0) { // a hidden name is not placed (sampling a locus is costly)
            name.exists = 1;
            return;
        }
        anchor = pointAt(named, name.y2, ctx);
        break;
    case ElementClass::Conic:
        anchor = pointAt(named, name.y2, ctx);
        break;
    case ElementClass::Text: // names of texts, numbers, buttons... have no anchor to follow
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
        name.exists = 1;
        return;
    }
    if (!anchor) {
        name.exists = 0;
        return;
    }
    auto& tail = name.name();
    tail.anchorX = anchor->x + tail.dx;
    tail.anchorY = anchor->y - tail.dy;
    name.exists = 1;
}

} // namespace zeva::geometry
