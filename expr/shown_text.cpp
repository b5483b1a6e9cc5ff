#include "expr/shown_text.h"

#include "expr/display_text.h"

namespace zeva::expr {

using model::ElementClass;

std::string coordinatesText(const model::Element& e) {
    const auto& parts = e.coordinates();
    std::string out = std::string(labelTextOf(e)) + "(";
    if (parts.xPart) out += signedNumberText(parts.xPart->x1, e.decimals);
    out += ";";
    if (parts.yPart) out += signedNumberText(parts.yPart->x1, e.decimals);
    return out + ")";
}

std::string shownText(const model::Element& e, model::LengthUnit lengthUnit,
                      model::AngleUnit angleUnit, const ValueTexts& texts) {
    switch (e.elementClass()) {
    case ElementClass::Name:
        return e.name().text;
    case ElementClass::Number:
        return valueText(e, lengthUnit, angleUnit, texts);
    case ElementClass::Function: {
        const std::string_view label = labelTextOf(e);
        return label.empty() ? expressionDisplayText(e) : std::string(label);
    }
    case ElementClass::Coordinates:
        return coordinatesText(e);
    case ElementClass::Equation:
        return e.equation().text;
    case ElementClass::Property:
        return std::string(checkerText(e));
    case ElementClass::Point:
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
    case ElementClass::Polygon:
    case ElementClass::Circle:
    case ElementClass::Arc:
    case ElementClass::Angle:
    case ElementClass::Locus:
    case ElementClass::Text:
    case ElementClass::Axes:
    case ElementClass::Table:
    case ElementClass::Conic:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        return {};
    }
    return {};
}

} // namespace zeva::expr
