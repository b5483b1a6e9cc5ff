#include "edit/edit.h"

#include "document/undo.h"
#include "model/dependencies.h"

#include <algorithm>
#include <unordered_set>

namespace zeva::edit {

Edit::Edit(document::Document& document, const geometry::RecomputeContext& context,
           UndoStep step)
    : document_(document), context_(context) {
    if (step == UndoStep::Checkpoint) document::checkpoint(document_);
}

Edit::~Edit() {
    if (!committed_) commit();
}

void Edit::created(model::Element& e) {
    if (committed_) return;
    changes_ = true;
    created_.push_back(&e);
}

void Edit::changed(model::Element& e) {
    if (committed_) return;
    changes_ = true;
    changed_.push_back(&e);
}

void Edit::changedGathered(std::span<model::Element* const> inOrder) {
    if (committed_) return;
    changes_ = true;
    gathered_.push_back(inOrder);
}

void Edit::recomputeAll() {
    if (committed_) return;
    changes_ = true;
    all_ = true;
}

void Edit::changedWithoutRecompute() {
    if (committed_) return;
    changes_ = true;
}

void Edit::removing(std::span<model::Element* const> doomed) {
    if (created_.empty() && changed_.empty()) return;
    const std::unordered_set<const model::Element*> gone(doomed.begin(), doomed.end());
    const auto isGone = [&](const model::Element* e) { return gone.count(e) != 0; };
    created_.erase(std::remove_if(created_.begin(), created_.end(), isGone), created_.end());
    changed_.erase(std::remove_if(changed_.begin(), changed_.end(), isGone), changed_.end());
}

Redraw Edit::commit() {
    if (committed_) return Redraw::None;
    committed_ = true;
    if (!changes_) return Redraw::None;
    document::markModified(document_);
    if (all_) {
        geometry::recomputeAll(construction(), context_);
        return Redraw::Redraw;
    }
    // Gathered lists and new elements first: whatever depends on a changed element is
    // recomputed after them, in construction order, by the last step.
    for (const auto& list : gathered_)
        geometry::recomputeElements(list, context_);
    geometry::recomputeElements(created_, context_);
    if (!changed_.empty())
        geometry::recomputeElements(model::withDependents(construction(), changed_), context_);
    return Redraw::Redraw;
}

} // namespace zeva::edit
