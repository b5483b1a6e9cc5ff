#include "document/undo.h"

#include <utility>

namespace zeva::document {

void checkpoint(Document& d) {
    d.undoAvailable = 1;
    d.undoModified = d.modified;
    d.undoList.clear();
    if (d.construction.empty()) return;
    d.undoList = d.construction.copyList(true);
    // A snapshot restores the selection too, while copies start unselected.
    model::Element* copy = d.undoList.elements;
    for (model::Element* live : d.construction) {
        if (!copy) break;
        copy->selected = live->selected;
        const auto liveSubs = model::subElementsOf(*live);
        const auto copySubs = model::subElementsOf(*copy);
        for (size_t i = 0; i < liveSubs.size() && i < copySubs.size(); ++i)
            copySubs[i]->selected = liveSubs[i]->selected;
        copy = copy->next;
    }
}

bool undo(Document& d) {
    if (!d.undoAvailable) return false;
    std::swap(d.modified, d.undoModified);
    std::swap(d.construction, d.undoList);
    return true;
}

void clearHistory(Document& d) {
    d.undoList.clear();
    d.undoAvailable = 0;
    d.undoModified = 0;
}

} // namespace zeva::document
