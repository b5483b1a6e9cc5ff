#pragma once
// The construction tools: each press adds an input or makes the element, as the active tool's
// steps say; the inputs blink until the element is made.

#include "ui/input.h"
#include "ui/session.h"

namespace zeva::ui {

// The step of the active tool for a press at a drawing-area position (world point `world`).
void runToolStep(Session& s, const MouseEvent& e, Point world);
// The edit tools (hide/show, delete, font, colour, fill, shapes) applied to the hit.
void editHit(Session& s);
// A double click: closes a polygon with three or more vertices.
void toolDoubleClick(Session& s);
// One tick of the blink timer: the pending inputs in the selection colour, then in their own.
void blinkTick(Session& s);

} // namespace zeva::ui
