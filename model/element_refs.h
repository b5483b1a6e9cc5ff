#pragma once
// Template body of forEachParentRef, kept apart so element.h stays a plain record.

namespace zeva::model {

template <class F>
void forEachParentRef(Element& e, F&& f) {
    switch (e.kind) {
    case Kind::Polygon:
        for (auto& side : e.polygon().sides)
            if (side->parent1) f(side->parent1);
        return;
    case Kind::Calculation:
    case Kind::Function:
        for (auto& r : e.expression().refs)
            if (r) f(r);
        return;
    case Kind::Table:
        for (auto& r : e.table().rows)
            if (r) f(r);
        return;
    case Kind::Conic:
        for (auto& r : e.conic().points)
            if (r) f(r);
        return;
    case Kind::HideShowButton:
        for (auto& r : e.button().targets)
            if (r) f(r);
        return;
    default:
        break;
    }
    if (e.parent1) f(e.parent1);
    if (e.parent2) f(e.parent2);
    if (e.parent3) f(e.parent3);
}

}  // namespace zeva::model

namespace zeva::model {

// Calls f(Element&) for each sub-element (polygon sides, the two axes, the two coordinate
// parts) in serial order. Allocation-free, for the hot marking walks.
template <class F>
void forEachSubElement(Element& e, F&& f) {
    switch (e.kind) {
    case Kind::Polygon:
        for (auto& s : std::get<PolygonTail>(e.tail).sides) f(*s);
        return;
    case Kind::Axes: {
        auto& t = std::get<AxesTail>(e.tail);
        if (t.axisX) f(*t.axisX);
        if (t.axisY) f(*t.axisY);
        return;
    }
    case Kind::Coordinates: {
        auto& t = std::get<CoordinatesTail>(e.tail);
        if (t.xPart) f(*t.xPart);
        if (t.yPart) f(*t.yPart);
        return;
    }
    default:
        return;
    }
}

}  // namespace zeva::model
