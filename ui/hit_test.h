#pragma once
// What is under the cursor: the elements within the detection distance that the active tool
// accepts, ranked, with the label next to the cursor, the status text and the cursor shape.

#include "ui/input.h"
#include "ui/session.h"

#include <optional>

namespace zeva::ui {

// Fills s.hover.hits for a world point and updates the feedback; answers the number of hits.
int hitTest(Session& s, Point world);
// The same at the cursor's present position (after redraws, blink ticks and releases).
int hitTestAtCursor(Session& s);
// Both hover flags cleared, the label hidden, the tool's cursor back.
void clearHover(Session& s);

// A press while several candidates are under the cursor: the chooser menu of their
// descriptions at `at` (drawing-area pixels).
void openChooser(Session& s, render::IPoint at);
// The chooser's answer (-1: dismissed). The chosen candidate becomes the single hit; with the
// move tool its selection flips, with any other tool the answer is the press to replay.
std::optional<MouseEvent> chooserClosed(Session& s, int index);

} // namespace zeva::ui
