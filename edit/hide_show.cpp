#include "edit/hide_show.h"

namespace zeva::edit {

void applyHideShowButton(Edit& edit, model::Element& button) {
    model::ButtonTail& t = button.button();
    for (size_t i = 0; i < t.targets.size(); ++i) {
        model::Element* target = t.targets[i];
        if (!target) continue;
        const bool hiddenWhenMade = i < t.targetStates.size() && t.targetStates[i] == 1;
        target->visible = button.param2 == 1 || hiddenWhenMade ? 0 : 1;
        if (target->label) target->label->visible = target->visible;
    }
    edit.changedWithoutRecompute();
}

void pressHideShowButton(Edit& edit, model::Element& button) {
    button.param2 = button.param2 == 1 ? 0 : 1;
    applyHideShowButton(edit, button);
}

} // namespace zeva::edit
