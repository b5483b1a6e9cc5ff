#pragma once
// The scratch numbers of the model's own walks (dependencies, deletion, reordering). A walk
// takes a fresh number, stamps the elements it has seen with it and compares only with it, so
// nothing has to be cleared afterwards and nothing is left for anyone else to read. Only the
// model's walk functions use Element::walkStamp.

#include "model/element.h"

#include <cstdint>

namespace zeva::model {

// A number no earlier walk has used.
uint64_t freshWalkStamp();

// Stamps e and its sub-elements (a walk that reaches an owner reaches its sides and axes).
inline void stampWithSubs(const Element& e, uint64_t stamp) {
    e.walkStamp = stamp;
    forEachSubElement(const_cast<Element&>(e), [stamp](Element& s) { s.walkStamp = stamp; });
}

}  // namespace zeva::model
