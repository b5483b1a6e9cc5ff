#include "edit/keep_up_to.h"

#include "document/document.h"

#include <algorithm>
#include <unordered_set>

namespace zeva::edit {

void keepUpTo(Edit& edit, model::Element& last) {
    document::Document& d = edit.document();
    model::Construction& c = d.construction;
    if (!last.next) return;
    bool found = false;
    for (const model::Element* e : c)
        if (e == &last) {
            found = true;
            break;
        }
    if (!found) return;

    edit.changedWithoutRecompute(); // what stays is computed; what goes is not drawn again

    // What goes is one run at the end of the list: moved out whole and freed together, so the
    // cut costs one walk however long the run.
    model::Construction going;
    going.elements = last.next;
    going.lastElement = c.lastElement;
    last.next = nullptr;
    c.lastElement = &last;
    std::unordered_set<const model::Element*> gone;
    for (const model::Element* e : going)
        gone.insert(e);
    const auto isGone = [&](model::Element* e) { return e && gone.count(model::ownerOf(e)) != 0; };

    c.traced.erase(std::remove_if(c.traced.begin(), c.traced.end(), isGone), c.traced.end());
    c.animations.erase(
        std::remove_if(c.animations.begin(), c.animations.end(),
                       [&](const model::AnimationEntry& a) { return isGone(a.element); }),
        c.animations.end());
    // Parents come before their dependents, so what stays rests on nothing that goes, except a
    // name label, which follows its element, and a parametric colour, whose source may come
    // later (the element then keeps its present colour).
    for (model::Element* e : c) {
        if (e->label && gone.count(e->label)) e->label = nullptr;
        if (e->colorSource && gone.count(e->colorSource)) {
            e->colorSource = nullptr;
            e->colorMode = 0;
        }
    }
    going.clear();
}

} // namespace zeva::edit
