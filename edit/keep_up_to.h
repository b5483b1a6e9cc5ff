#pragma once
// Cutting a construction back to one of its elements, as accepting a position of the
// step-by-step playback does.

#include "edit/edit.h"
#include "model/element.h"

namespace zeva::document {
struct Document;
}

namespace zeva::edit {

// Inside `edit` (which took the undo snapshot): deletes every element after `last`
// (steps or not: hidden elements and name labels too), which becomes the last element. The
// trace and animation lists lose what was deleted; an element kept whose parametric colour
// came from a deleted one keeps its present colour. Nothing happens when `last` is already the
// last element or is not in the construction.
void keepUpTo(Edit& edit, model::Element& last);

} // namespace zeva::edit
