#include "ui/animation_control.h"

#include "edit/animation.h"
#include "ui/construction_change.h"
#include "ui/construction_steps.h"

namespace zeva::ui {

void openAnimation(Session& s) {
    document::Document* d = s.document();
    if (!d) return;
    edit::Edit edit(*d, s.view().recomputeContext(), edit::UndoStep::Checkpoint);
    if (edit::dropUnanimatable(d->construction)) edit.changedWithoutRecompute();
}

bool animationTick(Session& s) {
    document::Document* d = s.document();
    if (!d) return false;
    edit::Edit edit(*d, s.view().recomputeContext(), edit::UndoStep::Continue);
    if (!edit::animationStep(edit)) return false;
    edit.commit();
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
