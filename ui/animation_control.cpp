#include "ui/animation_control.h"

#include "document/undo.h"
#include "edit/animation.h"
#include "ui/construction_change.h"
#include "ui/construction_steps.h"

namespace zeva::ui {

void openAnimation(Session& s) {
    document::Document* d = s.document();
    if (!d) return;
    document::checkpoint(*d); // EDIT: becomes the edit transaction
    edit::dropUnanimatable(d->construction);
}

bool animationTick(Session& s) {
    document::Document* d = s.document();
    if (!d) return false;
    if (!edit::animationStep(*d, s.view().recomputeContext())) return false;
    redrawAndRepaint(s);
    return true;
}

std::string animationEntryText(const model::AnimationEntry& entry,
                               const settings::TextTable& texts) {
    const model::Element* e = entry.element;
    if (!e) return {};
    std::string text =
        e->kind == model::Kind::Parameter ? texts.kindName(e->kind) : texts.kindWord(e->kind);
    if (e->label) text += " " + nameOf(e);
    return text;
}

} // namespace zeva::ui
