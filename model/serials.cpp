#include "model/serials.h"

#include <cstddef>

namespace zeva::model {

// ---- the index ------------------------------------------------------------------------------

SerialIndex::SerialIndex(const Construction& c) {
    for (Element* e : c) {
        add(e);
        forEachSubElement(*e, [&](Element& s) { add(&s); });
    }
}

Element* SerialIndex::find(int32_t serial) const {
    if (serial <= 0) return nullptr;
    if (inOrder_)
        return static_cast<size_t>(serial) <= order_.size() ? order_[serial - 1] : nullptr;
    auto it = map_.find(serial);
    return it == map_.end() ? nullptr : it->second;
}

Element* SerialIndex::resolve(int32_t& serial) const {
    Element* e = find(serial);
    if (!e) serial = -1;
    return e;
}

void SerialIndex::add(Element* e) {
    if (inOrder_ && e->serial == static_cast<int32_t>(order_.size()) + 1) {
        order_.push_back(e);
        return;
    }
    if (inOrder_) {
        inOrder_ = false;
        for (size_t i = 0; i < order_.size(); ++i)
            map_.emplace(static_cast<int32_t>(i + 1), order_[i]);
        order_.clear();
    }
    if (e->serial > 0) map_.emplace(e->serial, e);
}

// ---- refreshing -----------------------------------------------------------------------------

namespace {

int32_t serialOf(const Element* e) {
    return e ? e->serial : -1;
}

void refreshParentIndices(Element& e) {
    e.parent1Index = serialOf(e.parent1);
    e.parent2Index = serialOf(e.parent2);
    e.parent3Index = serialOf(e.parent3);
    e.colorSourceIndex = serialOf(e.colorSource);
}

void resolveParents(const SerialIndex& index, Element& e) {
    e.parent1 = index.resolve(e.parent1Index);
    e.parent2 = index.resolve(e.parent2Index);
    e.parent3 = index.resolve(e.parent3Index);
}

// The parents the kind cannot do without are there, and none of them is the element itself.
bool parentsComplete(const Element& e) {
    const int required = requiredParentCountOf(e.kind);
    for (int i = 1; i <= 3; ++i) {
        const Element* p = parentAt(e, i);
        if (p == &e || (i <= required && !p)) return false;
    }
    return true;
}

} // namespace

void refreshStoredSerials(Element& e) {
    refreshParentIndices(e);
    forEachSubElement(e, [](Element& s) { refreshParentIndices(s); });
    forEachReferenceList(e, [](const auto& refs, auto& serials) {
        if constexpr (requires { serials.resize(refs.size()); }) serials.resize(refs.size());
        for (size_t i = 0; i < refs.size(); ++i)
            serials[i] = serialOf(refs[i]);
    });
}

// ---- resolving ------------------------------------------------------------------------------

bool resolveStoredSerials(const SerialIndex& index, Element& e) {
    resolveParents(index, e);
    e.colorSource = index.resolve(e.colorSourceIndex);
    bool complete = parentsComplete(e);
    forEachSubElement(e, [&](Element& s) {
        resolveParents(index, s);
        // A sub-element hangs off its owner whatever its stored serial says.
        switch (kindInfo(s.kind).ownerParent) {
        case 2:
            s.parent2 = &e;
            s.parent2Index = e.serial;
            break;
        case 3:
            s.parent3 = &e;
            s.parent3Index = e.serial;
            break;
        }
        s.colorSource = nullptr;
        s.label = nullptr;
        complete = complete && parentsComplete(s);
    });
    forEachReferenceList(e, [&](auto& refs, auto& serials) {
        if constexpr (requires { refs.resize(serials.size()); }) refs.resize(serials.size());
        for (size_t i = 0; i < serials.size(); ++i) {
            refs[i] = index.resolve(serials[i]);
            complete = complete && refs[i] && refs[i] != &e;
        }
    });
    return complete;
}

} // namespace zeva::model
