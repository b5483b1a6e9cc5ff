#include "ui/animation_control.h"

#include "document/undo.h"
#include "edit/animation.h"
#include "ui/construction_steps.h"
#include "ui/hit_test.h"

namespace zeva::ui {

void animationToolStep(Session& s, model::Element& hit) {
    document::Document* d = s.document();
    if (!d || !edit::addOrRestartAnimation(d->construction, hit)) return;
    d->modified = 1;
    s.host.animationElementPicked(hit);
    s.view().redraw();
    s.host.repaint();
}

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
    s.view().redraw();
    hitTestAtCursor(s);
    s.host.repaint();
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
