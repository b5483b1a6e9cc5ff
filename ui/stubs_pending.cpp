// Interaction modules not built yet: each answers as if nothing were under the cursor and the
// tool had nothing to do. They are replaced module by module.
#include "ui/drag.h"
#include "ui/navigation.h"

namespace zeva::ui {

void startDrag(Session&, Point) {}
void pressHideShowButton(Session&, model::Element&) {}
void dragStep(Session&, const MouseEvent&, Point) {}
void startRectangle(Session&, Point, bool) {}
void rectangleStep(Session&, Point) {}
void releaseMoveTool(Session&, const MouseEvent&) {}
void redefineStep(Session&, Point) {}

void startScreenMove(Session&, const MouseEvent&) {}
void screenMoveStep(Session&, const MouseEvent&) {}
void endScreenMove(Session&) {}
void startZoom(Session&, Point) {}
void zoomStep(Session&, Point) {}
void endZoom(Session&) {}
void keyDown(Session&, const KeyEvent&) {}
void keyUp(Session&, const KeyEvent&) {}

} // namespace zeva::ui
