#pragma once
// Template bodies of the walks over an element's references and sub-elements, kept apart so
// element.h stays a plain record. Both dispatch on the kind's tail (the kind table's fact, read
// from the kind field the dependency walks already touch), and list every tail: a new tail
// must say here whether it holds references or sub-elements.

namespace zeva::model {

// Calls f(Element&) for each sub-element (polygon sides, the two axes, the two coordinate
// parts) in serial order. Allocation-free, for the hot dependency walks.
template <class F>
void forEachSubElement(Element& e, F&& f) {
    switch (tailOf(e.kind)) {
    case TailKind::Polygon:
        for (auto& s : std::get<PolygonTail>(e.tail).sides) f(*s);
        return;
    case TailKind::Axes: {
        auto& t = std::get<AxesTail>(e.tail);
        if (t.axisX) f(*t.axisX);
        if (t.axisY) f(*t.axisY);
        return;
    }
    case TailKind::Coordinates: {
        auto& t = std::get<CoordinatesTail>(e.tail);
        if (t.xPart) f(*t.xPart);
        if (t.yPart) f(*t.yPart);
        return;
    }
    case TailKind::None:
    case TailKind::Samples:
    case TailKind::Expression:
    case TailKind::Table:
    case TailKind::Equation:
    case TailKind::Text:
    case TailKind::Name:
    case TailKind::Checker:
    case TailKind::Conic:
    case TailKind::Parameter:
    case TailKind::Button:
    case TailKind::Bitmap:
        return;
    }
}

// Calls f(refs, serials) for the tail's list of references and the serials stored for them
// (a calculation's or function's references, a table's rows, a conic's five points, a
// button's targets); nothing for the other tails.
template <class F>
void forEachReferenceList(Element& e, F&& f) {
    switch (tailOf(e.kind)) {
    case TailKind::Expression: {
        auto& t = std::get<ExpressionTail>(e.tail);
        f(t.refs, t.refIndices);
        return;
    }
    case TailKind::Table: {
        auto& t = std::get<TableTail>(e.tail);
        f(t.rows, t.rowIndices);
        return;
    }
    case TailKind::Conic: {
        auto& t = std::get<ConicTail>(e.tail);
        f(t.points, t.pointIndices);
        return;
    }
    case TailKind::Button: {
        auto& t = std::get<ButtonTail>(e.tail);
        f(t.targets, t.targetIndices);
        return;
    }
    case TailKind::None:
    case TailKind::Polygon:
    case TailKind::Samples:
    case TailKind::Axes:
    case TailKind::Coordinates:
    case TailKind::Equation:
    case TailKind::Text:
    case TailKind::Name:
    case TailKind::Checker:
    case TailKind::Parameter:
    case TailKind::Bitmap:
        return;
    }
}

template <class F>
void forEachParentRef(Element& e, F&& f) {
    if (e.kind == Kind::Polygon) { // its references are its sides' first vertices
        for (auto& side : std::get<PolygonTail>(e.tail).sides)
            if (side->parent1) f(side->parent1);
        return;
    }
    bool listed = false;
    forEachReferenceList(e, [&](auto& refs, auto&) {
        listed = true;
        for (auto& r : refs)
            if (r) f(r);
    });
    if (listed) return;
    if (e.parent1) f(e.parent1);
    if (e.parent2) f(e.parent2);
    if (e.parent3) f(e.parent3);
}

// Sub-elements have no colour or style of their own in a file: they show their owner's. A
// change of look made on an owner or on one of its sub-elements is given to all of them, so
// the document shows what saving it keeps.
inline void shareLookWithSubElements(Element& owner) {
    forEachSubElement(owner, [&](Element& s) {
        s.color = owner.color;
        s.style = owner.style;
    });
}

}  // namespace zeva::model
