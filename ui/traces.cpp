// Traces: the trace tool switches an element's trace on or off, and "Desactivar trazas"
// switches every trace off. What a traced element leaves behind is drawn by the renderer.
#include "edit/edit.h"
#include "model/dependencies.h"
#include "ui/hit_test.h"
#include "ui/navigation.h"

#include <algorithm>

namespace zeva::ui {

namespace {

// While the trace tool is active the traced elements blink.
void blinkTraced(Session& s) {
    const document::Document* d = s.document();
    s.tool.pendingInputs = d ? d->construction.traced : std::vector<model::Element*>{};
    if (s.tool.pendingInputs.empty())
        s.host.stopTimer(TimerId::Blink);
    else
        s.host.startTimer(TimerId::Blink, kBlinkMs);
}

} // namespace

void traceToolChosen(Session& s) {
    s.navigation.tracesChanged = false;
    blinkTraced(s);
}

void traceStep(Session& s) {
    document::Document* d = s.document();
    if (!d || !s.hover.single || s.hover.hits.empty()) return;
    model::Element* hit = s.hover.hits.front();
    std::vector<model::Element*>& traced = d->tracedElements();
    const auto found = std::find(traced.begin(), traced.end(), hit);
    if (found == traced.end() && static_cast<int>(traced.size()) >= model::kMaxTraced)
        return; // the list is full
    s.host.stopTimer(TimerId::Blink);
    {
        // One undo step for all the switches made while the tool stays chosen.
        edit::Edit edit(*d, s.view().recomputeContext(),
                          s.navigation.tracesChanged ? edit::UndoStep::Continue
                                                     : edit::UndoStep::Checkpoint);
        s.navigation.tracesChanged = true;
        if (found != traced.end())
            traced.erase(found);
        else
            traced.push_back(hit);
        edit.changedWithoutRecompute();
    }
    s.view().redraw();
    s.host.repaint();
    blinkTraced(s);
}

void turnTracesOff(Session& s) {
    document::Document* d = s.document();
    if (!d) return;
    if (!d->tracedElements().empty()) {
        edit::Edit edit(*d, s.view().recomputeContext(), edit::UndoStep::Checkpoint);
        d->tracedElements().clear();
        edit.changedWithoutRecompute();
    }
    if (s.tool.active == tool::Trace) s.tool.pendingInputs.clear();
    s.view().redraw();
    hitTestAtCursor(s);
    s.host.repaint();
    s.host.stopTimer(TimerId::Blink);
}

} // namespace zeva::ui
