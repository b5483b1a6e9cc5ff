#pragma once
// The move tool: dragging free elements (everything built on them follows), clicks that
// select, the selection rectangle, and redefining a point.

#include "ui/input.h"
#include "ui/session.h"

namespace zeva::ui {

// A press on the hit with the move tool: decides between a single drag (the hit moves by its
// own rule) and a group drag (the free elements it is built on are translated), and gathers
// what moves and its dependents once. Nothing changes yet: the first step that moves takes
// the undo snapshot (none when s.drag.afterCreation is set: the press made what is dragged),
// so a click that only selects keeps the previous undo step.
void startDrag(Session& s, Point world);
// A press on a hide/show button that can be pressed: flips it (one undo step) and redraws.
void pressHideShowButton(Session& s, model::Element& button);
// A mouse move while the drag flag is set: nothing while the drag-delay timer runs or Shift
// is held; otherwise the drag moves to the cursor, the gathered dependents are recomputed and
// the figure redrawn.
void dragStep(Session& s, const MouseEvent& e, Point world);

// Ends a drag at once (its tool was left): what the drag kept as it was is brought up to date.
void endDrag(Session& s);

// A press on empty space: the rubber band starts; without Shift the selection is cleared.
void startRectangle(Session& s, Point world, bool keepSelection);
void rectangleStep(Session& s, Point world);

// The release of the move tool: ends the rectangle (selecting what it touches unless Ctrl is
// held), turns a press that moved nothing into a selection toggle, and brings everything a
// drag left as it was during the drag (loci it kept) up to date.
void releaseMoveTool(Session& s, const MouseEvent& e);

// The redefinition tool's clicks: first the point, then what it becomes (a point on the
// clicked element, the clicked point it merges into, or a free point on empty space).
void redefineStep(Session& s, Point world);

} // namespace zeva::ui
