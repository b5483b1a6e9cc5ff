#pragma once
// Moving the screen with the right button and the wheel, the zoom tool, traces, undo, and the
// keys the logic handles itself.

#include "ui/input.h"
#include "ui/session.h"

namespace zeva::ui {

// The right button on empty space moves the view with the mouse, never beyond the plane.
void startScreenMove(Session& s, const MouseEvent& e);
void screenMoveStep(Session& s, const MouseEvent& e);
void endScreenMove(Session& s);
// The wheel scrolls the view vertically (with Shift horizontally), never beyond the plane.
void scrollByWheel(Session& s, const WheelEvent& e);
// The view's top-left corner held so that the drawing area shows nothing beyond the plane.
Point viewCornerWithinPlane(const render::ViewTransform& v, Point corner);

// The zoom tool scales the free data about the pressed point by 1 + 0.003 d for a cursor move
// of d world units upwards; the view does not change.
void startZoom(Session& s, Point world);
void zoomStep(Session& s, Point world);
void endZoom(Session& s);

// The trace tool: chosen, the traced elements blink; a click traces an element or stops
// tracing it (at most model::kMaxTraced at once).
void traceToolChosen(Session& s);
void traceStep(Session& s);
// "Desactivar trazas": no element is traced any more.
void turnTracesOff(Session& s);

// "Deshacer": exchanges the construction with its undo snapshot (a second undo redoes). An
// abandoned construction's auxiliary points are undone instead, by leaving its tool.
bool canUndo(const Session& s);
void undoLastChange(Session& s);

void keyDown(Session& s, const KeyEvent& e);
void keyUp(Session& s, const KeyEvent& e);

} // namespace zeva::ui
