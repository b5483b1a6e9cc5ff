#include "ui/construction_change.h"

#include "document/undo.h"
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
    if (document::Document* d = s.document()) document::checkpoint(*d); // EDIT: edit::Edit
}

void markModified(Session& s) {
    if (document::Document* d = s.document()) d->modified = 1; // EDIT: edit::Edit
}

model::Element* createElement(Session& s, edit::CreationRequest& request,
                              const edit::CreationInputs& inputs) {
    edit::CreationInputs in = inputs;
    in.activeTool = s.tool.active;
    return edit::createElement(*s.document(), request, in, creationOptions(s));
}

void createTransformedFigure(Session& s, edit::CreationRequest& request, model::Kind pointKind) {
    edit::createTransformedFigure(*s.document(), request, pointKind, creationOptions(s));
}

void createRegularPolygon(Session& s, edit::CreationRequest& request) {
    edit::createRegularPolygon(*s.document(), request, creationOptions(s));
}

void createCurveIntersections(Session& s, edit::CreationRequest& request) {
    edit::createCurveIntersections(*s.document(), request, creationOptions(s));
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
