#include "ui/construction_change.h"

#include "edit/delete.h"
#include "edit/edit.h"
#include "geometry/recompute.h"
#include "ui/hit_test.h"

namespace zeva::ui {

namespace {

settings::Options creationOptions(const Session& s) {
    settings::Options o = settings::options();
    o.currentColor = s.tool.currentColor;
    o.useCurrentColor = s.tool.useCurrentColor ? 1 : 0;
    return o;
}

} // namespace

void takeSnapshot(Session& s) {
    if (s.tool.snapshotTaken) return;
    takeEditSnapshot(s);
    s.tool.snapshotTaken = true;
}

void takeEditSnapshot(Session& s) {
    // EDIT: the tools still take the snapshot apart from the change; an edit that reports
    // nothing takes it and changes nothing.
    if (document::Document* d = s.document())
        edit::Edit(*d, s.view().recomputeContext(), edit::UndoStep::Checkpoint).commit();
}

void markModified(Session& s) {
    if (document::Document* d = s.document()) document::markModified(*d); // EDIT: edit::Edit
}

// EDIT: one edit per factory call for now, after the tool's own snapshot; each commit marks
// the document modified and recomputes what it made.
model::Element* createElement(Session& s, edit::CreationRequest& request,
                              const edit::CreationInputs& inputs) {
    edit::CreationInputs in = inputs;
    in.activeTool = s.tool.active;
    edit::Edit change(*s.document(), s.view().recomputeContext(), edit::UndoStep::Continue);
    return edit::createElement(change, request, in, creationOptions(s));
}

void createTransformedFigure(Session& s, edit::CreationRequest& request, model::Kind pointKind) {
    edit::Edit change(*s.document(), s.view().recomputeContext(), edit::UndoStep::Continue);
    edit::createTransformedFigure(change, request, pointKind, creationOptions(s));
}

void createRegularPolygon(Session& s, edit::CreationRequest& request) {
    edit::Edit change(*s.document(), s.view().recomputeContext(), edit::UndoStep::Continue);
    edit::createRegularPolygon(change, request, creationOptions(s));
}

void createCurveIntersections(Session& s, edit::CreationRequest& request) {
    edit::Edit change(*s.document(), s.view().recomputeContext(), edit::UndoStep::Continue);
    edit::createCurveIntersections(change, request, creationOptions(s));
}

void deleteWithDependents(Session& s, model::Element& e) {
    edit::Edit change(*s.document(), s.view().recomputeContext(), edit::UndoStep::Continue);
    edit::deleteWithDependents(change, e);
}

void recomputeAll(Session& s) {
    if (document::Document* d = s.document())
        geometry::recomputeAll(d->construction, s.view().recomputeContext());
}

void redrawAndRepaint(Session& s) {
    if (!s.document()) return;
    s.view().redraw();
    s.tool.previewShown = false;
    hitTestAtCursor(s); // what is under the cursor may have changed
    s.host.repaint();
}

void recomputeRedrawRepaint(Session& s) {
    recomputeAll(s);
    redrawAndRepaint(s);
}

bool isInDocument(const Session& s, const model::Element* e) {
    const document::Document* d = s.document();
    if (!d || !e) return false;
    for (model::Element* x : d->construction) {
        if (x == e) return true;
        for (model::Element* sub : model::subElementsOf(*x))
            if (sub == e) return true;
    }
    return false;
}

} // namespace zeva::ui
