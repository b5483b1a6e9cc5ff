// Tools whose picks go to a window: the calculation window (40..42), the animation window (46),
// the macro dialog (49..51) and the parametric-colour window (61, 62).
#include "ui/animation_control.h"
#include "ui/construction_change.h"
#include "ui/tool_selection.h"
#include "ui/tool_steps.h"
#include "ui/tool_steps_common.h"

namespace zeva::ui::steps {

// The element to colour, then the value that drives its colour; the window gives the mode.
void parametricColourStep(Session& s, Element& hit) {
    ToolState& t = s.tool;
    if (t.step == 0) {
        takeSnapshot(s);
        t.request.parent1 = &hit;
        t.pendingInputs.assign(1, &hit);
        startBlinking(s);
        acceptOnly(s, {ElementClass::Number, ElementClass::Coordinates});
        t.step = 1;
        return;
    }
    t.request.parent2 = &hit;
    t.awaiting = {AwaitedAnswer::Window::ParametricColour, t.request.parent1, &hit, {}, t.active};
    s.host.openParametricColour(*t.request.parent1, hit, t.active == tool::ParametricFillColour);
}

void handoverStep(Session& s, Point world) {
    Element* hit = pickedElement(s);
    const ToolCode code = s.tool.active;
    if (code == tool::ApplyMacro) {
        s.host.macroInputClicked(hit, world);
        return;
    }
    if (!hit) return;
    switch (code) {
    case tool::Calculate:
    case tool::Parameter:
    case tool::Function:
        s.host.calculatorOperandPicked(*hit);
        redrawAndRepaint(s);
        return;
    case tool::Animation:
        return animationToolStep(s, *hit);
    case tool::MacroInitial:
    case tool::MacroFinal:
        s.host.macroElementPicked(code, *hit);
        return;
    case tool::ParametricColour:
    case tool::ParametricFillColour:
        return parametricColourStep(s, *hit);
    }
}

} // namespace zeva::ui::steps

namespace zeva::ui {

void startParametricColourOn(Session& s, model::Element& target) {
    selectTool(s, tool::ParametricColour);
    steps::parametricColourStep(s, target);
    refreshStatus(s);
}

void parametricColourClosed(Session& s, std::optional<int32_t> colorMode) {
    AwaitedAnswer asked = s.tool.awaiting;
    if (asked.window != AwaitedAnswer::Window::ParametricColour) return;
    s.tool.awaiting = {};
    if (colorMode && isInDocument(s, asked.target) && isInDocument(s, asked.source)) {
        markModified(s);
        asked.target->colorSource = asked.source;
        asked.target->colorMode =
            asked.tool == tool::ParametricFillColour ? -*colorMode : *colorMode;
    }
    steps::resetAfterCreation(s);
}

} // namespace zeva::ui
