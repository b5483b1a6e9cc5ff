#include "macro/apply_macro.h"

#include "document/macro_check.h"
#include "macro/initial_list.h"

#include <memory>
#include <unordered_map>

namespace zeva::macro {

using model::Element;

namespace {

// Turns the stored serials of the copies into references.
class Resolver {
  public:
    Resolver(std::span<Element* const> initial, std::vector<std::unique_ptr<Element>>& copies)
        : initial_(initial) {
        for (auto& c : copies) {
            bySerial_.emplace(c->serial, c.get());
            model::forEachSubElement(*c, [&](Element& s) { bySerial_.emplace(s.serial, &s); });
        }
    }

    // Resolves every reference of c; false when one it cannot do without names nothing.
    bool resolve(Element& c) const {
        bool complete = parents(c);
        c.colorSource = find(c.colorSourceIndex);
        if (!c.colorSource) c.colorMode = 0;
        c.label = nullptr;
        model::forEachReferenceList(c, [&](auto& refs, const auto& serials) {
            if constexpr (requires { refs.resize(serials.size()); }) refs.resize(serials.size());
            for (size_t i = 0; i < serials.size(); ++i) {
                refs[i] = find(serials[i]);
                complete = complete && refs[i] && refs[i] != &c;
            }
        });
        model::forEachSubElement(c, [&](Element& s) {
            complete = parents(s) && complete;
            switch (model::kindInfo(s.kind).ownerParent) {
            case 2:
                s.parent2 = &c;
                break;
            case 3:
                s.parent3 = &c;
                break;
            }
            s.colorSource = nullptr;
            s.label = nullptr;
        });
        return complete;
    }

  private:
    Element* find(int32_t serial) const {
        if (serial < 0) return nullptr;
        if (static_cast<size_t>(serial) < initial_.size())
            return initial_[static_cast<size_t>(serial)];
        const auto it = bySerial_.find(serial);
        return it == bySerial_.end() ? nullptr : it->second;
    }

    bool parents(Element& e) const {
        e.parent1 = find(e.parent1Index);
        e.parent2 = find(e.parent2Index);
        e.parent3 = find(e.parent3Index);
        const int required = model::requiredParentCountOf(e.kind);
        const int owner = model::kindInfo(e.kind).ownerParent;
        for (int i = 1; i <= required; ++i) {
            const Element* p = model::parentAt(e, i);
            if (i != owner && (!p || p == &e)) return false;
        }
        return true;
    }

    std::span<Element* const> initial_;
    std::unordered_map<int32_t, Element*> bySerial_;
};

bool picksFit(const document::Macro& m, std::span<Element* const> picked) {
    if (picked.size() != m.initialClasses.size()) return false;
    for (size_t i = 0; i < picked.size(); ++i)
        if (!picked[i] || static_cast<int16_t>(picked[i]->elementClass()) != m.initialClasses[i])
            return false;
    return true;
}

} // namespace

Applied applyMacro(edit::Edit& edit, const document::Macro& m, std::span<Element* const> picked,
                   Point lastClick, bool hideIntermediate) {
    if (!picksFit(m, picked)) return {ApplyProblem::WrongInputs, {}};
    if (!document::bodyReferencesSound(m)) return {ApplyProblem::Damaged, {}};
    const std::vector<Element*> initial = m.version <= 100
                                              ? std::vector<Element*>(picked.begin(), picked.end())
                                              : extendInitialList(picked);
    if (static_cast<int32_t>(initial.size()) != document::initialListLength(m))
        return {ApplyProblem::Damaged, {}};

    // Everything is built and resolved aside; the construction only sees complete copies.
    std::vector<std::unique_ptr<Element>> copies;
    copies.reserve(static_cast<size_t>(m.body.countOf()));
    for (const Element* b : m.body)
        copies.push_back(model::copyElement(*b));
    const Resolver resolver(initial, copies);
    bool coloured = false;
    for (auto& c : copies) {
        if (!resolver.resolve(*c)) return {ApplyProblem::Damaged, {}};
        coloured = coloured || c->colorSource;
        if (c->visible == 1 && model::showsText(c->elementClass())) {
            c->x2 = lastClick.x;
            c->y2 = lastClick.y;
        }
        if (!hideIntermediate) c->visible = 1;
    }

    Applied out;
    out.created.reserve(copies.size());
    model::Construction& construction = edit.construction();
    for (auto& c : copies) {
        Element* e = construction.append(std::move(c));
        // A name copied with what it names labels it, as a new name does.
        if (e->kind == model::Kind::Name && e->parent1 && !e->parent1->label) e->parent1->label = e;
        out.created.push_back(e);
    }
    // A colour source may come after the element it colours: then everything is recomputed.
    if (coloured) {
        edit.recomputeAll();
    } else {
        for (Element* e : out.created)
            edit.created(*e);
    }
    return out;
}

} // namespace zeva::macro
