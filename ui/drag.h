#pragma once
// The move tool: dragging free elements (everything built on them follows), clicks that
// select, the selection rectangle, and redefining a point.

#include "ui/input.h"
#include "ui/session.h"

namespace zeva::ui {

// A press on the hit with the move tool: takes the undo snapshot (none when
// s.drag.afterCreation is set), gathers what moves and the dependents once, and starts the drag
// (the drag-delay timer runs first).
void startDrag(Session& s, Point world);
// A press on a hide/show button that can be pressed: flips it (one undo step) and redraws.
void pressHideShowButton(Session& s, model::Element& button);
void dragStep(Session& s, const MouseEvent& e, Point world);

void startRectangle(Session& s, Point world, bool keepSelection);
void rectangleStep(Session& s, Point world);

// The release of the move tool: ends the rectangle (selecting what it touches) and turns a
// press that moved nothing into a selection toggle.
void releaseMoveTool(Session& s, const MouseEvent& e);

// The redefinition tool's clicks.
void redefineStep(Session& s, Point world);

} // namespace zeva::ui
