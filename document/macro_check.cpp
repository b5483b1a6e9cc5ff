#include "document/macro_check.h"

#include "document/document_file.h"

#include <unordered_map>

namespace zeva::document {

using model::Element;
using model::Kind;

int32_t initialListLength(const Macro& m) {
    return m.version <= 100 ? m.initialCount() : extendedInitialCount(m.initialClasses);
}

namespace {

class BodyCheck {
  public:
    explicit BodyCheck(const Macro& m) : m_(m), initial_(initialListLength(m)) {}

    bool run() {
        if (m_.body.empty()) return false;
        int position = 0;
        for (Element* e : m_.body) {
            if (model::isSubElementKind(e->kind) || e->kind == Kind::IntersectionCandidate)
                return false;
            if (!number(e->serial, position)) return false;
            bool numbered = true;
            model::forEachSubElement(
                *e, [&](Element& s) { numbered = numbered && number(s.serial, position); });
            if (!numbered) return false;
            ++position;
        }
        position = 0;
        for (Element* e : m_.body) {
            if (!referencesSound(*e, position)) return false;
            ++position;
        }
        return true;
    }

  private:
    bool number(int32_t serial, int position) {
        if (serial < initial_) return false;
        return positions_.emplace(serial, position).second;
    }

    // A stored serial of the element at `position`: empty only when optional, otherwise an
    // initial position or a body element before it (any body element when `anywhere`).
    bool names(int32_t serial, int position, bool required, bool anywhere) const {
        if (serial == -1) return !required;
        if (serial >= 0 && serial < initial_) return true;
        const auto it = positions_.find(serial);
        if (it == positions_.end()) return false;
        return anywhere || it->second < position;
    }

    bool parentsSound(const Element& e, int position) const {
        const int required = model::requiredParentCountOf(e.kind);
        const int owner = model::kindInfo(e.kind).ownerParent;
        const int32_t stored[3] = {e.parent1Index, e.parent2Index, e.parent3Index};
        for (int i = 1; i <= 3; ++i) {
            if (i == owner) continue; // a sub-element hangs off its owner whatever it stores
            if (!names(stored[i - 1], position, i <= required, false)) return false;
        }
        return true;
    }

    bool referencesSound(Element& e, int position) const {
        if (!parentsSound(e, position)) return false;
        if (!names(e.colorSourceIndex, position, false, true)) return false;
        bool sound = true;
        model::forEachReferenceList(e, [&](const auto&, const auto& serials) {
            for (int32_t s : serials)
                sound = sound && names(s, position, true, false);
        });
        model::forEachSubElement(e, [&](Element& s) { sound = sound && parentsSound(s, position); });
        return sound;
    }

    const Macro& m_;
    const int32_t initial_;
    std::unordered_map<int32_t, int> positions_; // serial -> position of its body element
};

} // namespace

bool bodyReferencesSound(const Macro& m) {
    return BodyCheck(m).run();
}

} // namespace zeva::document
