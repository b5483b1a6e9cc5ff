#include "model/element.h"

namespace zeva::model {

void SampleTail::resize(int32_t newCapacity) {
    if (newCapacity < 0) newCapacity = 0;
    capacity = newCapacity;
    const auto n = static_cast<size_t>(newCapacity);
    samples.assign(n, Point{});
    samples2.assign(n, Point{});
    sampleParams.assign(n, 0.0);
    sampleColors.assign(n, 0);
    if (sampleCount > newCapacity) sampleCount = newCapacity;
}

namespace {

ElementTail emptyTailFor(Kind kind, int32_t sampleCapacity) {
    switch (kind) {
    case Kind::Polygon:
        return PolygonTail{};
    case Kind::Locus:
    case Kind::FunctionGraph: {
        SampleTail t;
        t.resize(kind == Kind::FunctionGraph ? kFunctionGraphCapacity : sampleCapacity);
        return t;
    }
    case Kind::Calculation:
    case Kind::Function:
        return ExpressionTail{};
    case Kind::Table:
        return TableTail{};
    case Kind::Axes:
        return AxesTail{};
    case Kind::Coordinates:
        return CoordinatesTail{};
    case Kind::LineEquation:
    case Kind::CircleEquation:
    case Kind::ConicEquation:
        return EquationTail{};
    case Kind::Text:
        return TextTail{};
    case Kind::Name:
        return NameTail{};
    case Kind::ParallelChecker:
    case Kind::PerpendicularChecker:
    case Kind::MembershipChecker:
    case Kind::EquidistanceChecker:
    case Kind::CollinearityChecker:
        return CheckerTail{};
    case Kind::Conic:
        return ConicTail{};
    case Kind::Parameter:
        return ParameterTail{};
    case Kind::HideShowButton:
        return ButtonTail{};
    case Kind::Bitmap:
        return BitmapTail{};
    default:
        return std::monostate{};
    }
}

}  // namespace

std::unique_ptr<Element> makeElement(Kind kind, int32_t sampleCapacity) {
    auto e = std::make_unique<Element>();
    e->kind = kind;
    e->tail = emptyTailFor(kind, sampleCapacity);
    return e;
}

std::vector<Element*> subElementsOf(const Element& e) {
    std::vector<Element*> out;
    switch (e.kind) {
    case Kind::Polygon:
        for (const auto& s : e.polygon().sides) out.push_back(s.get());
        break;
    case Kind::Axes:
        if (e.axes().axisX) out.push_back(e.axes().axisX.get());
        if (e.axes().axisY) out.push_back(e.axes().axisY.get());
        break;
    case Kind::Coordinates:
        if (e.coordinates().xPart) out.push_back(e.coordinates().xPart.get());
        if (e.coordinates().yPart) out.push_back(e.coordinates().yPart.get());
        break;
    default:
        break;
    }
    return out;
}

Element* ownerOf(Element* e) {
    if (!e) return nullptr;
    switch (e->kind) {
    case Kind::PolygonSide:
        return e->parent3 ? e->parent3 : e;
    case Kind::AxisX:
    case Kind::AxisY:
    case Kind::CoordinateX:
    case Kind::CoordinateY:
        return e->parent2 ? e->parent2 : e;
    default:
        return e;
    }
}

}  // namespace zeva::model
