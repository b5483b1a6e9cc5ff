#pragma once
// How the tools change the current document: the undo snapshot, the element factory with the
// tool's colour, the recompute pass and the redraw. Every change the tools make goes through
// these few calls, so that the edit layer's transaction replaces them in one place.
// EDIT: the snapshot and the modified flag are still taken apart from the change; each factory
// call and deletion runs in an edit::Edit of its own.

#include "edit/factory.h"
#include "ui/session.h"

namespace zeva::ui {

// The undo snapshot of the construction in progress, taken at most once per construction
// (a later call does nothing until the construction finishes or is abandoned).
void takeSnapshot(Session& s);
// The snapshot of a change that is not a construction of the tool (an edit tool, a table row,
// the hide/show button tool): always taken.
void takeEditSnapshot(Session& s);
void markModified(Session& s);

// The factory, with the colour the tools give new elements (the colour panel's colour while
// useCurrentColor is set).
model::Element* createElement(Session& s, edit::CreationRequest& request,
                              const edit::CreationInputs& inputs = {});
void createTransformedFigure(Session& s, edit::CreationRequest& request, model::Kind pointKind);
void createRegularPolygon(Session& s, edit::CreationRequest& request);
void createCurveIntersections(Session& s, edit::CreationRequest& request);
// The element with everything built on it.
void deleteWithDependents(Session& s, model::Element& e);

// The whole construction recomputed (no redraw).
void recomputeAll(Session& s);
// The off-screen bitmap drawn again, the hit test run again at the cursor, and the bitmap
// copied to the window.
void redrawAndRepaint(Session& s);
void recomputeRedrawRepaint(Session& s);

// True when `e` is an element (or sub-element) of the current document: answers of windows
// check what they were opened for before they touch it.
bool isInDocument(const Session& s, const model::Element* e);

} // namespace zeva::ui
