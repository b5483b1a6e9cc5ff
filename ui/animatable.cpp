#include "ui/animatable.h"

namespace zeva::ui {

namespace {

using model::ElementClass;

// The hosts a point on an element can run along.
bool carriesMotion(ElementClass c) {
    switch (c) {
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
    case ElementClass::Polygon:
    case ElementClass::Circle:
    case ElementClass::Arc:
    case ElementClass::Locus:
    case ElementClass::Conic:
        return true;
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

} // namespace

bool canBeAnimated(const model::Element& e) {
    using model::Kind;
    if (e.kind == Kind::PointOnElement)
        return e.parent1 && carriesMotion(e.parent1->elementClass());
    return e.kind == Kind::LineThroughPoint || e.kind == Kind::RayFromPoint ||
           e.kind == Kind::CircleByCentre || e.kind == Kind::Parameter;
}

} // namespace zeva::ui
