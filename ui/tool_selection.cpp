#include "ui/tool_selection.h"

#include "document/undo.h"
#include "geometry/recompute.h"
#include "settings/text_table.h"
#include "ui/drag.h"
#include "ui/hit_test.h"
#include "ui/navigation.h"

namespace zeva::ui {

void setAcceptCounts(Session& s, const AcceptRow& row) {
    s.tool.acceptCounts = row;
    s.tool.selectableMask = selectableMaskOf(row);
}

std::string statusOf(const ToolState& t) {
    const std::string& prompt = settings::texts().stepPrompt(t.active, t.step);
    return prompt.empty() ? t.toolMessage : t.toolMessage + " - " + prompt;
}

void refreshStatus(Session& s) {
    s.tool.stepPrompt = settings::texts().stepPrompt(s.tool.active, s.tool.step);
    s.host.setStatusText(statusOf(s.tool));
}

void retranslateStatus(Session& s) {
    ToolState& t = s.tool;
    // The macro tool's prompt names the macro's next input; it is made again at the next step.
    if (t.active != tool::ApplyMacro) {
        const settings::TextTable& texts = settings::texts();
        t.toolMessage = t.toolMessageSlot >= 0 ? texts.message(t.toolMessageSlot)
                                               : texts.toolText(t.active);
    }
    refreshStatus(s);
}

void resetConstruction(Session& s) {
    ToolState& t = s.tool;
    t.request.reset();
    t.request.x1 = t.request.y1 = t.request.x2 = t.request.y2 = 0.0;
    t.step = 0;
    t.pendingInputs.clear();
    t.auxiliaryPointMade = false;
    t.snapshotTaken = false;
    t.regularSides = 30;
    t.regularTurns = 1;
    t.previewShown = false;
    setAcceptCounts(s, acceptRowOf(t.active));
    t.stepPrompt = settings::texts().stepPrompt(t.active, 0);
    if (!t.stepPrompt.empty()) refreshStatus(s);
    s.host.stopTimer(TimerId::Blink);
    clearHover(s);
    endDrag(s);
    if (s.document()) {
        s.view().redraw();
        s.host.repaint();
    }
}

void selectTool(Session& s, ToolCode t) {
    if (!isValidTool(t)) return;
    document::Document* d = s.document();
    // Plotting points needs axes to choose from: with fewer than two the window opens at once
    // on no axes, and the tool is not chosen.
    if (t == tool::PlotPoints && d && d->construction.findAxes().count < 2) {
        s.host.openPointByCoordinates(nullptr, nullptr);
        return;
    }
    if (d && t != tool::HideShowButton) d->construction.setSelectionAll(0);
    s.host.hideToolWindows(t == tool::Animation);

    ToolState& state = s.tool;
    // A colour chosen on the colour panel applies to the next tool chosen, and only that one.
    state.useCurrentColor = state.active == tool::Colour && !state.useCurrentColor;
    state.previous = state.active;
    state.active = t;
    s.host.toolChanged(t);
    s.host.setCursor(d ? cursorOf(t) : cursor::Arrow);

    const std::string& message = settings::texts().toolText(t);
    if (s.host.statusText() != message) {
        state.toolMessage = message;
        state.toolMessageSlot = -1;
        s.host.setStatusText(message);
    }
    s.rectangle = SelectionRectangle{};

    // The points an abandoned construction made from clicks disappear with it.
    if (d && state.auxiliaryPointMade && d->undoAvailable) {
        document::undo(*d);
        geometry::recomputeAll(d->construction, s.view().recomputeContext());
    }
    resetConstruction(s);
    if (t == tool::Trace && d) traceToolChosen(s);
}

} // namespace zeva::ui
