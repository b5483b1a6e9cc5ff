#pragma once
// Moving the screen with the right button, the zoom tool, traces, and the keys the logic
// handles itself.

#include "ui/input.h"
#include "ui/session.h"

namespace zeva::ui {

void startScreenMove(Session& s, const MouseEvent& e);
void screenMoveStep(Session& s, const MouseEvent& e);
void endScreenMove(Session& s);

void startZoom(Session& s, Point world);
void zoomStep(Session& s, Point world);
void endZoom(Session& s);

void keyDown(Session& s, const KeyEvent& e);
void keyUp(Session& s, const KeyEvent& e);

} // namespace zeva::ui
