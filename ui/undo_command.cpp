// "Deshacer": the one step of history, exchanged with the construction.
#include "document/undo.h"
#include "geometry/recompute.h"
#include "ui/hit_test.h"
#include "ui/navigation.h"
#include "ui/tool_selection.h"

namespace zeva::ui {

bool canUndo(const Session& s) {
    const document::Document* d = s.document();
    return d && d->undoAvailable != 0;
}

void undoLastChange(Session& s) {
    document::Document* d = s.document();
    if (!d || !d->undoAvailable) return;
    // Leaving a construction that made auxiliary points undoes them already: that is the undo
    // the user asked for, and a second exchange would bring them back.
    const bool leavingUndoes = s.tool.auxiliaryPointMade;
    selectTool(s, tool::Move);
    if (!leavingUndoes) document::undo(*d);
    geometry::recomputeAll(d->construction, s.view().recomputeContext());
    s.view().redraw();
    hitTestAtCursor(s);
    s.host.repaint();
}

} // namespace zeva::ui
