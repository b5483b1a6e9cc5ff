#include "edit/delete.h"

#include "model/dependencies.h"

namespace zeva::edit {

namespace {

void deleteListed(Edit& edit, const std::vector<model::Element*>& doomed) {
    if (doomed.empty()) return;
    edit.removing(doomed);
    edit.construction().deleteElements(doomed);
    edit.changedWithoutRecompute();
}

} // namespace

void deleteWithDependents(Edit& edit, model::Element& e) {
    model::Element* source = &e;
    deleteListed(edit, model::withDependents(edit.construction(), {&source, 1}));
}

void deleteSelected(Edit& edit) {
    // The dependents of every selected element at once: the same elements as deleting the
    // first selected one with its dependents until none is left, in one walk.
    const std::vector<model::Element*> selected = edit.construction().selectedList();
    deleteListed(edit, model::withDependents(edit.construction(), selected));
}

void deleteAll(Edit& edit) {
    if (edit.construction().empty()) return;
    std::vector<model::Element*> all;
    for (model::Element* e : edit.construction())
        all.push_back(e);
    edit.removing(all);
    edit.construction().clear();
    edit.changedWithoutRecompute();
}

} // namespace zeva::edit
