#pragma once
// The initial list of a macro and the elements it determines.

#include "model/construction.h"

#include <span>
#include <vector>

namespace zeva::macro {

// The initial elements followed by what each brings with it, in order: a segment its two end
// points, a circle its centre, an arc its three points, axes their origin and then their two
// axes, a conic its five points. Every element gets exactly the number of entries its class
// brings (an empty one where a reference is missing), so positions in the list are the same
// for any elements of the same classes. Elements may appear more than once.
std::vector<model::Element*> extendInitialList(std::span<model::Element* const> initial);

// The elements of c determined by the extended initial list, in construction order: an element
// is determined when it is not in the list, is built on at least one element, and every element
// it is built on is in the list or determined before it. A polygon side or axis counts as its
// owner unless it is itself in the list.
std::vector<model::Element*> determinedElements(const model::Construction& c,
                                                std::span<model::Element* const> extended);

// Whether e is among the determined elements of c (the rule a final element must meet).
bool isDetermined(const model::Construction& c, std::span<model::Element* const> extended,
                  const model::Element& e);

} // namespace zeva::macro
