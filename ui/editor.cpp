#include "ui/editor.h"

#include "render/view_transform.h"
#include "ui/drag.h"
#include "ui/edit_bar.h"
#include "ui/hit_test.h"
#include "ui/navigation.h"
#include "ui/previews.h"
#include "ui/tool_selection.h"
#include "ui/tool_steps.h"

namespace zeva::ui {

namespace {

bool isHideShowButtonPressable(const model::Element& e) {
    return e.kind == model::Kind::HideShowButton && e.param1 != 0;
}

} // namespace

Editor::Editor(Host& host, document::DocumentSet& documents) : session_(host, documents) {}

Point Editor::worldOf(const MouseEvent& e) {
    return render::screenToWorld(session_.view().transform(), e.x, e.y);
}

void Editor::selectTool(ToolCode t) { ui::selectTool(session_, t); }

void Editor::mouseDown(const MouseEvent& e) {
    Session& s = session_;
    s.tool.lastPress = {e.x, e.y};
    s.tool.lastPressModifiers = e.modifiers;
    if (!s.document()) return;
    const ToolCode t = s.tool.active;
    if (t == tool::Move && s.drag.active) s.host.setCursor(cursor::Select);

    if (e.button == MouseButton::Right && !s.hover.single && !s.hover.ambiguous) {
        startScreenMove(s, e);
        return;
    }
    if (s.hover.ambiguous && (t == tool::Move || e.button == MouseButton::Left)) {
        openChooser(s, {e.x, e.y});
        return;
    }
    if (s.hover.single && !s.hover.hits.empty() &&
        ((t == tool::Move && e.button == MouseButton::Right) ||
         (t == tool::EditElement && e.button == MouseButton::Left))) {
        model::Element& hit = *s.hover.hits.front();
        if (hit.kind == model::Kind::Text)
            openTextEditor(s, hit);
        else
            s.host.openElementEditor(hit);
        s.drag.active = false;
        return;
    }
    const Point world = worldOf(e);
    if (t == tool::Move && e.button == MouseButton::Left && !s.hover.single &&
        !s.hover.ambiguous && !s.tool.doubleClicked) {
        startRectangle(s, world, e.modifiers.shift);
    }
    s.tool.doubleClicked = false;

    if (t == tool::Move && e.button == MouseButton::Left && s.hover.single &&
        !s.hover.hits.empty()) {
        model::Element& hit = *s.hover.hits.front();
        if (isHideShowButtonPressable(hit)) {
            pressHideShowButton(s, hit);
        } else {
            s.host.startTimer(TimerId::DragDelay, kDragDelayMs);
            startDrag(s, world);
        }
    }
    if (e.button != MouseButton::Left || t == tool::Move || s.hover.ambiguous) return;

    if (t > tool::InsertBitmap && t != tool::ParametricColour &&
        t != tool::ParametricFillColour) {
        if (s.hover.single) editHit(s);
        return;
    }
    if (t == tool::Zoom) {
        startZoom(s, world);
        return;
    }
    if (t == tool::Redefine) {
        redefineStep(s, world);
        refreshStatus(s);
        return;
    }
    if (t == tool::Trace) {
        traceStep(s);
        return;
    }
    runToolStep(s, e, world);
    refreshStatus(s);
}

void Editor::mouseMove(const MouseEvent& e) {
    Session& s = session_;
    if (!s.document()) return;
    if (s.navigation.movingScreen) {
        screenMoveStep(s, e);
        return;
    }
    const Point world = worldOf(e);
    if (s.tool.active == tool::Zoom && s.navigation.zoomStep == 1) {
        zoomStep(s, world);
        return;
    }
    if (s.drag.active && s.tool.active == tool::Move) {
        dragStep(s, e, world);
        return;
    }
    if (s.rectangle.active) {
        rectangleStep(s, world);
        return;
    }
    if (!e.modifiers.ctrl) {
        const int found = hitTest(s, world);
        if (found > 0)
            s.host.repaint();
        else if (s.host.statusText() != statusOf(s.tool))
            refreshStatus(s); // the tool's message again, with its step's prompt
    }
    updatePreview(s, world);
}

void Editor::mouseUp(const MouseEvent& e) {
    Session& s = session_;
    if (s.navigation.movingScreen) endScreenMove(s);
    if (s.tool.active == tool::Zoom) endZoom(s);
    if (!s.document()) return;
    if (s.tool.active == tool::Move) releaseMoveTool(s, e);
    s.host.setCursor(cursorOf(s.tool.active));
    s.drag.active = false;
    s.drag.bitmapFollow = false;
    s.drag.afterCreation = false;
    hitTestAtCursor(s);
    if (s.tool.active == tool::Move) s.view().redraw();
    s.host.repaint();
}

void Editor::doubleClick(const MouseEvent& e) {
    Session& s = session_;
    if (!s.document()) return;
    s.tool.doubleClicked = true;
    s.document()->construction.setSelectionAll(0);
    if (s.tool.active == tool::Polygon) {
        toolDoubleClick(s);
        return;
    }
    if (s.tool.active != tool::Move || !s.hover.single || s.hover.hits.empty()) return;
    model::Element& hit = *s.hover.hits.front();
    if (hit.kind == model::Kind::Calculation || hit.kind == model::Kind::Function) {
        const ToolCode t = hit.kind == model::Kind::Calculation ? tool::Calculate : tool::Function;
        ui::selectTool(s, t);
        s.host.openCalculator(t, &hit);
    } else if (hit.kind == model::Kind::Parameter) {
        s.host.openParameterWindow(hit);
    } else if (hit.kind == model::Kind::PlottedPoint) {
        s.host.openPointByCoordinates(&hit, hit.parent1);
    }
    (void)e;
}

void Editor::wheel(const WheelEvent& e) { scrollByWheel(session_, e); }

bool Editor::canUndo() const { return ui::canUndo(session_); }
void Editor::undo() { undoLastChange(session_); }
void Editor::turnTracesOff() { ui::turnTracesOff(session_); }

void Editor::keyDown(const KeyEvent& e) {
    // Ctrl hides what is under the cursor: a click then ignores it (a free point on a line).
    if (e.key == Key::Control) clearHover(session_);
    ui::keyDown(session_, e);
}
void Editor::keyUp(const KeyEvent& e) { ui::keyUp(session_, e); }

void Editor::timerFired(TimerId id) {
    Session& s = session_;
    switch (id) {
    case TimerId::Blink:
        blinkTick(s);
        break;
    case TimerId::DragDelay:
        s.host.stopTimer(TimerId::DragDelay);
        break;
    case TimerId::ColourPanel:
    case TimerId::ComparisonPanel:
    case TimerId::ShapePanel:
        s.host.stopTimer(id); // the window shows the panel it belongs to
        break;
    }
}

void Editor::chooserClosed(int index) {
    // With a construction tool the chosen candidate is taken as if the press had found it alone.
    if (const std::optional<MouseEvent> press = ui::chooserClosed(session_, index))
        mouseDown(*press);
}

void Editor::textDialogClosed(const TextDialogAnswer& answer) {
    ui::textDialogClosed(session_, answer);
}

void Editor::fontDialogClosed(const std::optional<model::ElementFont>& font) {
    if (selectionFontChosen(session_, font)) return;
    ui::fontDialogClosed(session_, font);
}

void Editor::pictureDialogClosed(const PictureAnswer& answer) {
    ui::pictureDialogClosed(session_, answer);
}

void Editor::parametricColourClosed(std::optional<int32_t> colorMode) {
    ui::parametricColourClosed(session_, colorMode);
}

} // namespace zeva::ui
