#pragma once
// Who is built on whom: walks over a construction that answer with lists. No walk leaves
// anything in the elements for another function to read: each one stamps what it has seen with
// a number of its own (Element::walkStamp) and compares only with that number, so whatever runs
// between two calls (a blink, an animation step, a hit test) cannot change what they find.
//
// "Depends on" follows parents, tail references (calculation references, table rows, conic
// points, button targets, a polygon's vertices), sub-elements (whatever is built on a polygon
// side or an axis depends on what its owner depends on) and parametric colour sources (an
// element coloured by a dependent of e depends on e, even when it comes before its source).

#include "model/construction.h"

#include <span>
#include <vector>

namespace zeva::model {

// Every element that depends on e, directly or indirectly, in construction order. e itself is
// not in it, and neither are sub-elements (their owner stands for them). e may be a
// sub-element.
std::vector<Element*> dependentsOf(const Construction& c, const Element& e);

// The listed elements among `sources` and every element that depends on any of them, in
// construction order: what must be recomputed after the sources changed. One walk, however
// many sources.
std::vector<Element*> withDependents(const Construction& c, std::span<Element* const> sources);

// Whether e (or its owner, for a sub-element) depends on `on`.
bool dependsOn(const Construction& c, const Element& e, const Element& on);

// The dependents of e among the elements that follow it, in list order, through parents, tail
// references and sub-elements; colour sources are not followed. The walk ends after `last` or
// before `end` (none: the end of the list), whichever it meets first, and reads nothing else:
// cheap enough to run inside a recompute.
std::vector<Element*> laterDependentsOf(const Element& e, const Element* last, const Element* end);

// Every ancestor of e: parents, tail references and colour sources, recursively. In
// construction order, a sub-element (a side or an axis used as a parent) right after its owner's
// place; e itself is not in it.
std::vector<Element*> ancestorsOf(const Construction& c, const Element& e);

// The ancestors a drag of e can move: parents and tail references but not numbers (class
// número) nor what they are built on, and of a locus only its traced element; no colour
// sources. Order as ancestorsOf.
std::vector<Element*> movableAncestorsOf(const Construction& c, const Element& e);

// The same for several elements in one walk; none of `elements` is in the answer unless another
// of them is built on it.
std::vector<Element*> movableAncestorsOfAll(const Construction& c,
                                            std::span<Element* const> elements);

// The ancestors of e that are not in `list`, not walking through members of the list. Order as
// ancestorsOf.
std::vector<Element*> ancestorsOutside(const Construction& c, const Element& e,
                                       std::span<Element* const> list);

}  // namespace zeva::model
