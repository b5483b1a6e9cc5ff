#pragma once
// Figures that move by themselves: the document's animation list and one step of motion.
// Points run along what they lie on, lines and rays through one point turn about it, circles
// given by their centre grow and shrink, parameters sweep their range. Every call runs on the
// window thread; the clock that paces the steps only asks for them.

#include "edit/edit.h"
#include "model/construction.h"
#include "model/element.h"

#include <cstdint>
#include <optional>

namespace zeva::edit {

// The speeds the animation window can set (the file reader refuses any other).
using model::kMaxAnimationSpeed;
using model::kMinAnimationSpeed;

// A speed typed or read from anywhere, held within 1..100.
int32_t clampedSpeed(int64_t speed);

// World units (or the element's own unit) one step moves by: (speed * 0.1)², negative while
// the entry runs backward. Speed 1 moves by 0.01, 15 by 2.25, 100 by 100.
double stepLength(const model::AnimationEntry& entry);

// Points on a line, ray, segment, polygon, circle, arc, locus or conic; lines and rays through
// one point; circles given by their centre; parameters.
bool canBeAnimated(const model::Element& e);

// Drops the entries whose element can no longer be animated (it was redefined, or its host
// changed). Answers whether any entry went.
bool dropUnanimatable(model::Construction& c);

// The entry of `e`, or none.
std::optional<size_t> animationIndexOf(const model::Construction& c, const model::Element& e);

// A pick with the animation tool: a new entry (e, playing, backward, speed 15) at the end of
// the list, or, when e already has one, that entry set playing again with its direction and
// speed kept. Answers the entry's index; none when the list already holds 100 entries or e
// cannot be animated (nothing changes then).
std::optional<size_t> addOrRestartAnimation(model::Construction& c, model::Element& e);

// Moves the element of one entry by one step of its rule, turning the entry round
// (`backward` flipped) where the motion bounces. Writes only the element's own parameter,
// direction point, radius or value; the caller recomputes it and its dependents. Answers
// false when the element cannot move now (a host of zero length, a missing parent).
bool moveAnimated(model::AnimationEntry& entry);

// One step of the clock, in the edit the window opens for it (UndoStep::Continue: a step is not
// undone on its own): nothing when the list is empty; otherwise the document is modified,
// every playing entry moves in list order, and the moved elements are reported changed, so the
// commit recomputes them and everything built on them in construction order. Answers whether
// anything moved (the figure then needs a redraw).
bool animationStep(Edit& edit);

} // namespace zeva::edit
