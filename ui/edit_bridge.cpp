#include "ui/edit_bridge.h"

#include "document/undo.h"

namespace zeva::ui::bridge {

using model::Element;

Edit::Edit(document::Document& document, const geometry::RecomputeContext& context,
           UndoStep step)
    : document_(document), context_(context) {
    context_.construction = &document.construction;
    if (step == UndoStep::Checkpoint) document::checkpoint(document_);
}

Edit::~Edit() {
    if (!committed_) commit();
}

void Edit::created(Element& e) {
    changes_ = true;
    created_.push_back(&e);
}
void Edit::changed(Element& e) {
    changes_ = true;
    changed_.push_back(&e);
}
void Edit::changedGathered(std::span<Element* const> inOrder) {
    changes_ = true;
    gathered_.push_back(inOrder);
}
void Edit::recomputeAll() {
    changes_ = true;
    all_ = true;
}
void Edit::changedWithoutRecompute() {
    changes_ = true;
}

Redraw Edit::commit() {
    if (committed_) return Redraw::None;
    committed_ = true;
    if (!changes_) return Redraw::None;
    document_.modified = 1;
    model::Construction& c = document_.construction;
    if (all_) {
        geometry::recomputeAll(c, context_);
        return Redraw::Redraw;
    }
    for (std::span<Element* const> list : gathered_)
        geometry::recomputeElements(list, context_);
    for (Element* e : created_)
        geometry::recomputeElement(*e, context_);
    if (!changed_.empty()) geometry::recomputeElements(withDependents(c, changed_), context_);
    return Redraw::Redraw;
}

std::vector<Element*> withDependents(const model::Construction& c,
                                     std::span<Element* const> sources) {
    auto& list = const_cast<model::Construction&>(c);
    list.clearDeleteMarks();
    for (Element* e : sources)
        if (e) list.markDependents(e);
    for (Element* e : sources)
        if (e) model::ownerOf(e)->deleteMark = 1;
    std::vector<Element*> out = geometry::markedElements(c);
    list.clearDeleteMarks();
    return out;
}

bool dependsOn(const model::Construction& c, const Element& e, const Element& on) {
    auto& list = const_cast<model::Construction&>(c);
    list.clearDeleteMarks();
    list.markDependents(const_cast<Element*>(&on));
    const Element* owner = model::ownerOf(const_cast<Element*>(&e));
    const bool depends = e.deleteMark != 0 || (owner && owner->deleteMark != 0);
    list.clearDeleteMarks();
    return depends;
}

std::vector<Element*> movableAncestorsOfAll(const model::Construction& c,
                                            std::span<Element* const> elements) {
    auto& list = const_cast<model::Construction&>(c);
    list.clearSerials();
    for (Element* e : elements)
        if (e && e->serial == 0) list.markMovableAncestors(e);
    std::vector<Element*> out;
    for (Element* n : c) {
        if (n->serial != 0) out.push_back(n);
        for (Element* sub : model::subElementsOf(*n))
            if (sub->serial != 0) out.push_back(sub);
    }
    list.clearSerials();
    return out;
}

std::vector<Element*> movableAncestorsOf(const model::Construction& c, const Element& e) {
    Element* one = const_cast<Element*>(&e);
    std::vector<Element*> out = movableAncestorsOfAll(c, std::span<Element* const>(&one, 1));
    std::erase(out, &e);
    return out;
}

} // namespace zeva::ui::bridge
