#include "macro/initial_list.h"

#include <unordered_set>

namespace zeva::macro {

using model::Element;
using model::ElementClass;

namespace {

void appendBrought(std::vector<Element*>& out, Element& e) {
    switch (e.elementClass()) {
    case ElementClass::Segment:
        out.push_back(e.parent1);
        out.push_back(e.parent2);
        return;
    case ElementClass::Circle:
        out.push_back(e.parent1);
        return;
    case ElementClass::Arc:
        out.push_back(e.parent1);
        out.push_back(e.parent2);
        out.push_back(e.parent3);
        return;
    case ElementClass::Axes:
        out.push_back(e.parent1);
        if (e.kind == model::Kind::Axes) {
            out.push_back(e.axes().axisX.get());
            out.push_back(e.axes().axisY.get());
        } else {
            out.insert(out.end(), 2, nullptr);
        }
        return;
    case ElementClass::Conic:
        if (e.kind == model::Kind::Conic) {
            for (Element* p : e.conic().points)
                out.push_back(p);
        } else {
            out.insert(out.end(), 5, nullptr);
        }
        return;
    case ElementClass::Point:
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Polygon:
    case ElementClass::Angle:
    case ElementClass::Locus:
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        return;
    }
}

class DeterminedWalk {
  public:
    explicit DeterminedWalk(std::span<Element* const> extended) {
        known_.reserve(extended.size() * 2 + 64);
        for (Element* e : extended)
            if (e) known_.insert(e);
    }

    // Whether e is determined by what is known so far; if so it becomes known.
    bool step(Element& e) {
        if (known_.count(&e)) return false;
        bool any = false;
        bool all = true;
        model::forEachParentRef(e, [&](Element*& r) {
            any = true;
            all = all && (known_.count(r) || known_.count(model::ownerOf(r)));
        });
        if (!any || !all) return false;
        known_.insert(&e);
        return true;
    }

  private:
    std::unordered_set<const Element*> known_;
};

} // namespace

std::vector<Element*> extendInitialList(std::span<Element* const> initial) {
    std::vector<Element*> out(initial.begin(), initial.end());
    for (Element* e : initial)
        if (e) appendBrought(out, *e);
    return out;
}

std::vector<Element*> determinedElements(const model::Construction& c,
                                         std::span<Element* const> extended) {
    DeterminedWalk walk(extended);
    std::vector<Element*> out;
    for (Element* e : c)
        if (walk.step(*e)) out.push_back(e);
    return out;
}

bool isDetermined(const model::Construction& c, std::span<Element* const> extended,
                  const Element& e) {
    DeterminedWalk walk(extended);
    for (Element* x : c) {
        const bool determined = walk.step(*x);
        if (x == &e) return determined;
    }
    return false;
}

} // namespace zeva::macro
