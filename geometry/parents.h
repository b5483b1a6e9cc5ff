#pragma once
// The existence rules shared by every kind: a parent counts only when it is there and exists,
// and a number parent must also be valid.

#include "model/element.h"

namespace zeva::geometry {

// The parent is given and exists.
inline bool present(const model::Element* p) {
    return p != nullptr && p->exists != 0;
}

// The parent is given, exists and, being a number, is valid (param1 not -100).
inline bool presentNumber(const model::Element* p) {
    return present(p) && model::isValidNumber(*p);
}

// parent1..parent<count> are all present.
inline bool parentsPresent(const model::Element& e, int count) {
    return (count < 1 || present(e.parent1)) && (count < 2 || present(e.parent2)) &&
           (count < 3 || present(e.parent3));
}

} // namespace zeva::geometry
