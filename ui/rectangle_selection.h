#pragma once
// Selecting with the move tool: the rubber band, and toggling an element by a click. Selection
// is no change of the construction: it takes no undo step and leaves `modified` alone.

#include "ui/session.h"

namespace zeva::ui {

// A rectangle whose sides are shorter than this (world units) selects nothing and is not left
// on the drawing.
inline constexpr double kSmallestRectangle = 2.0;

// The rectangle is gone: neither dragged out nor left on the drawing.
void clearRectangle(Session& s);

// The end of the rubber band: a rectangle large enough is left on the drawing (normalised:
// start at its top-left, corner at its bottom-right) and, unless Ctrl is held, selects what it
// touches; the elements kept by Shift stay selected.
void finishRectangle(Session& s, bool ctrlHeld);

// A click's selection toggle; the element's name label, when not shown by itself, follows.
void toggleSelection(model::Element& e);

} // namespace zeva::ui
