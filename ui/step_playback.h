#pragma once
// Step-by-step playback of the current construction: the figure drawn up to a chosen step, the
// step blinking, and the construction cut back to that step when the user keeps it.

#include "ui/session.h"

#include <string>
#include <vector>

namespace zeva::ui {

class StepPlayback {
  public:
    explicit StepPlayback(Session& s) : s_(s) {}

    // Gathers the steps (hidden elements too while "Ver lo oculto" is on). With none, tells
    // "No hay elementos visibles" and answers false. Otherwise the tool goes back to "Mover,
    // editar" and the first step is shown.
    bool begin();

    int count() const { return static_cast<int>(steps_.size()); }
    int current() const { return current_; } // 0-based
    bool atFirst() const { return current_ == 0; }
    bool atLast() const { return current_ == count() - 1; }
    model::Element* currentStep() const;

    // Shows the step at `index` (held within the steps): the figure up to and including it
    // (the whole figure at the last step), the step blinking.
    void goTo(int index);
    void first() { goTo(0); }
    void last() { goTo(count() - 1); }
    void next() { goTo(current_ + 1); }
    void previous() { goTo(current_ - 1); }

    // The step's description: its kind's name, and its name or its function's expression.
    std::string stepText() const;
    // The window's caption: a blank, then at the first step a blank and "primer elemento", at
    // the last a blank and "último elemento".
    std::string caption() const;

    // Keeps the construction as it stands at the current step: every element after it goes,
    // with one undo snapshot. Nothing at the last step.
    void keepHere();

    // Blinking stops, the whole figure is drawn again.
    void end();

  private:
    Session& s_;
    std::vector<model::Element*> steps_;
    int current_ = 0;
};

} // namespace zeva::ui
