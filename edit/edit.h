#pragma once
// The one way to change a construction. Every change -- a tool's creation, a drag step, a
// deletion, attaching or merging a point, a redefinition, a button press, and later paste,
// macros and dialogs -- runs inside an Edit:
//
//     edit::Edit edit(document, context, edit::UndoStep::Checkpoint); // snapshot taken here
//     edit::createElement(edit, request);                             // or any edit/ function
//     if (edit.commit() == edit::Redraw::Redraw) window.redraw();
//
// The contract:
// - Constructing an Edit with UndoStep::Checkpoint takes the document's one undo snapshot at
//   once, before anything changes; UndoStep::Continue takes none, because the same user action
//   took it earlier (the second click after an auxiliary point, every step of a drag after its
//   start).
// - A function that changes the construction reports what it did: created(), changed(),
//   changedGathered(), recomputeAll() or changedWithoutRecompute(); one that refuses reports
//   nothing. Functions in edit/ do this themselves; code that writes elements directly (a drag
//   moving a point) reports it.
// - commit() marks the document modified when anything was reported, recomputes what the
//   reports call for, and answers what the window must do. Nothing is recomputed before
//   commit(): reads of coordinates in between see the old values (findOrCreateAxes is the one
//   function that recomputes what it made at once, because its callers place elements on the
//   axes right away).
// - An Edit that goes out of scope without commit() commits then, so a change is never left
//   unrecomputed or unmarked; call commit() to learn what to redraw. After commit() the Edit is
//   finished: later reports are ignored.
// - Selection, hover and blinking are not construction changes and never need an Edit.

#include "document/document.h"
#include "geometry/recompute.h"
#include "model/construction.h"

#include <span>
#include <vector>

namespace zeva::edit {

enum class UndoStep {
    Checkpoint, // take the undo snapshot now
    Continue,   // the snapshot was taken earlier by the same user action
};

// What the window must do after a commit.
enum class Redraw {
    None,   // nothing changed (the edit was refused or empty)
    Redraw, // draw the document again and repaint the window
};

class Edit {
  public:
    // `context` is the recompute context of `document` as the window has it (units, view,
    // plane, drag state); it is copied.
    Edit(document::Document& document, const geometry::RecomputeContext& context, UndoStep step);
    ~Edit();
    Edit(const Edit&) = delete;
    Edit& operator=(const Edit&) = delete;

    document::Document& document() { return document_; }
    model::Construction& construction() { return document_.construction; }
    const geometry::RecomputeContext& context() const { return context_; }

    // e was just appended: it is recomputed alone, in creation order (nothing can depend on a
    // new element yet).
    void created(model::Element& e);
    // e's own data changed: e and everything depending on it are recomputed, in construction
    // order (one walk at commit for all changed elements).
    void changed(model::Element& e);
    // Elements gathered earlier, in the order they must be recomputed: what a drag moves and
    // its dependents (model::withDependents once at the drag's start). No walk over the
    // construction; the list must outlive commit().
    void changedGathered(std::span<model::Element* const> inOrder);
    // The structure changed (elements moved in the list, references replaced): everything is
    // recomputed.
    void recomputeAll();
    // A change that needs no recompute (elements deleted, shown, hidden or recoloured).
    void changedWithoutRecompute();
    // The elements are about to be deleted: they are forgotten from what must be recomputed.
    // The deleting function reports the deletion itself.
    void removing(std::span<model::Element* const> doomed);

    bool hasChanges() const { return changes_; }

    // Marks the document modified when anything was reported, recomputes (everything; or the
    // gathered lists, then the created elements, then the changed elements with their
    // dependents) and answers what to redraw.
    Redraw commit();

  private:
    document::Document& document_;
    geometry::RecomputeContext context_;
    bool committed_ = false;
    bool changes_ = false;
    bool all_ = false;
    std::vector<model::Element*> created_;
    std::vector<model::Element*> changed_;
    std::vector<std::span<model::Element* const>> gathered_;
};

} // namespace zeva::edit
