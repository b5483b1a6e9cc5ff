#pragma once
// Whether the move tool drags an element by its own rule (a single drag) or has to move the
// free elements it is built on (a group drag). It also picks the move tool's cursor over an
// element and which of several points under the cursor the move tool takes.

#include "model/element.h"
#include "ui/session.h"

namespace zeva::ui {

// Texts, values and buttons, free points and points on elements, lines, rays and circles that
// turn or grow about their point, angles, name labels, and elements whose defining points are
// all free (segments, lines, rays and circles through two points, arcs, conics, polygons), axes
// with a free origin or grabbed by a tick (as `hover` records it), pictures hanging on nothing
// or on a point, and a constructed point traced by a locus that is not driven on a grid.
bool isDraggable(const model::Element& e, const HoverState& hover);

} // namespace zeva::ui
