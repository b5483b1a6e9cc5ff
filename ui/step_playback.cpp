#include "ui/step_playback.h"

#include "edit/keep_up_to.h"
#include "render/renderer.h"
#include "settings/text_table.h"
#include "ui/construction_steps.h"
#include "ui/hit_test.h"
#include "ui/tool_selection.h"

#include <algorithm>

namespace zeva::ui {

bool StepPlayback::begin() {
    document::Document* d = s_.document();
    steps_ = d ? stepsOf(d->construction, s_.showHidden) : std::vector<model::Element*>{};
    if (steps_.empty()) {
        s_.host.notify(MessageIcon::Information,
                       settings::texts().message(settings::kMsgNoVisibleElements));
        return false;
    }
    selectTool(s_, tool::Move);
    goTo(0);
    return true;
}

model::Element* StepPlayback::currentStep() const {
    return steps_.empty() ? nullptr : steps_[static_cast<size_t>(current_)];
}

void StepPlayback::goTo(int index) {
    if (steps_.empty()) return;
    current_ = std::clamp(index, 0, count() - 1);
    model::Element* step = currentStep();
    View& view = s_.view();
    if (atLast()) {
        view.redraw();
    } else {
        render::Canvas& canvas = view.baseCanvas();
        render::redrawAll(view.renderContext(), canvas, step->next);
        canvas.flush();
    }
    s_.tool.pendingInputs.assign(1, step);
    if (!s_.host.timerRunning(TimerId::Blink)) s_.host.startTimer(TimerId::Blink, kBlinkMs);
    s_.host.repaint();
}

std::string StepPlayback::stepText() const {
    const model::Element* step = currentStep();
    return step ? stepFirstText(*step, settings::texts()) : std::string();
}

std::string StepPlayback::caption() const {
    std::string text = " ";
    if (atFirst())
        text += " " + settings::texts().message(settings::kMsgFirstElement);
    else if (atLast())
        text += " " + settings::texts().message(settings::kMsgLastElement);
    return text;
}

void StepPlayback::keepHere() {
    document::Document* d = s_.document();
    model::Element* step = currentStep();
    if (!d || !step || atLast()) return;
    s_.tool.pendingInputs.clear();
    clearHover(s_);
    edit::Edit edit(*d, s_.view().recomputeContext(), edit::UndoStep::Checkpoint);
    edit::keepUpTo(edit, *step);
    edit.commit();
    steps_.resize(static_cast<size_t>(current_) + 1);
}

void StepPlayback::end() {
    s_.tool.pendingInputs.clear();
    s_.host.stopTimer(TimerId::Blink);
    if (!s_.document()) return;
    s_.view().redraw();
    s_.host.repaint();
}

} // namespace zeva::ui
