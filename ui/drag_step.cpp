// The steps of a drag of the move tool, its release, and the press of a hide/show button.
#include "edit/factory.h"
#include "settings/options.h"
#include "ui/drag.h"
#include "ui/drag_locus.h"
#include "ui/drag_motion.h"
#include "edit/edit.h"
#include "edit/hide_show.h"
#include "model/dependencies.h"
#include "ui/rectangle_selection.h"
#include "ui/tool_table.h"

namespace zeva::ui {

namespace {

using model::Element;

// The recompute context of a drag step: it says what is dragged, so that the point loci a drag
// does not change are not sampled again on every step.
geometry::RecomputeContext dragContext(Session& s) {
    geometry::RecomputeContext rc = s.view().recomputeContext();
    const DragState& drag = s.drag;
    rc.dragInProgress = true;
    rc.dragOfMultipleSelection = !drag.single;
    rc.draggedElement = drag.bitmapFollow && drag.element ? drag.element->parent1 : drag.element;
    return rc;
}

MotionContext motionContext(Session& s, const geometry::RecomputeContext& rc) {
    const render::ViewTransform& v = s.view().transform();
    const double scale = v.drawScale > 0.0 ? v.drawScale : 1.0;
    const document::Document* d = s.document();
    return MotionContext{rc, v.planeSize / 2.0, settings::options().nameDistance / scale,
                         d && d->units.polar()};
}

} // namespace

// Brings what the drag kept as it was during the drag (point loci of the dragged point) up to
// date, and leaves the drag state.
void endDrag(Session& s) {
    DragState& drag = s.drag;
    document::Document* d = s.document();
    if (d && drag.moving) {
        edit::Edit edit(*d, s.view().recomputeContext(), edit::UndoStep::Continue);
        edit.changedGathered(drag.dependents);
        edit.commit();
    }
    s.view().renderContext().state.dragInProgress = false;
    s.drag = DragState{};
}

void dragStep(Session& s, const MouseEvent& e, Point world) {
    DragState& drag = s.drag;
    document::Document* d = s.document();
    if (!d || !drag.active) return;
    if (s.host.timerRunning(TimerId::DragDelay) || e.modifiers.shift) return;
    if (s.hover.hits.empty()) { // the hover was cleared (Ctrl): the drag ends
        endDrag(s);
        s.host.setCursor(cursorOf(s.tool.active));
        return;
    }
    // An element built on no free point has nothing to move.
    if (!drag.single && drag.moved.empty()) return;

    const geometry::RecomputeContext rc = dragContext(s);
    // The first step that moves takes the undo snapshot: a click that only selects keeps the
    // previous one. What the press itself made took it already.
    edit::Edit edit(*d, rc, drag.moving || drag.afterCreation ? edit::UndoStep::Continue
                                                                : edit::UndoStep::Checkpoint);
    drag.moving = true;
    s.view().renderContext().state.dragInProgress = true;
    const MotionContext m = motionContext(s, rc);
    if (!drag.single)
        translateGroup(drag, world, m);
    else if (drag.tracingLocus)
        moveTracedPoint(drag, world, rc);
    else
        moveByOwnRule(drag, world, m);
    edit.changedGathered(drag.dependents);
    if (edit.commit() == edit::Redraw::Redraw) {
        s.view().redraw();
        s.host.repaint();
    }
}

void releaseMoveTool(Session& s, const MouseEvent& e) {
    if (s.rectangle.active) finishRectangle(s, e.modifiers.ctrl);
    // A press on an element that moved nothing selects or deselects it.
    if (s.drag.active && !s.drag.moving && s.hover.single && !s.hover.hits.empty() &&
        s.hover.hits.front() == s.drag.element)
        toggleSelection(*s.drag.element);
    endDrag(s);
}

void pressHideShowButton(Session& s, Element& button) {
    document::Document* d = s.document();
    if (!d) return;
    edit::Edit edit(*d, s.view().recomputeContext(), edit::UndoStep::Checkpoint);
    edit::pressHideShowButton(edit, button);
    if (edit.commit() == edit::Redraw::Redraw) {
        s.view().redraw();
        s.host.repaint();
    }
}

} // namespace zeva::ui
