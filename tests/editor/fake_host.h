#pragma once
// A window for the interaction logic without widgets: a view on a recording canvas with a known
// transform, timers that tests fire by hand, and every request the logic makes recorded.

#include "document/document.h"
#include "document/document_set.h"
#include "render/recording_canvas.h"
#include "render/render_options.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/editor.h"
#include "ui/host.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zeva::ui::testing {

class FakeView : public View {
  public:
    render::ViewTransform transformValue;
    render::RenderContext ctx;
    render::RecordingCanvas base{render::CanvasRole::Main, 1024, 768};
    render::RecordingCanvas preview{render::CanvasRole::Main, 1024, 768};
    document::DocumentSet* documents = nullptr;
    int redraws = 0;
    int previews = 0;

    FakeView() {
        transformValue.screenWidth = transformValue.clientWidth = 1024;
        transformValue.screenHeight = transformValue.clientHeight = 768;
        // World origin at the centre of the drawing area; one world unit per pixel.
        transformValue.viewLeft = -512;
        transformValue.viewTop = 384;
        render::deriveViewFarEdges(transformValue);
        render::setPlaneSize(transformValue, settings::options().planeSize);
        render::syncViewEdges(transformValue);
        ctx.view = &transformValue;
        ctx.options = render::renderOptionsFrom(settings::options(), settings::texts());
    }

    const render::ViewTransform& transform() const override { return transformValue; }
    render::RenderContext& renderContext() override {
        ctx.document = documents ? documents->current() : nullptr;
        return ctx;
    }
    geometry::RecomputeContext recomputeContext() override {
        geometry::RecomputeContext rc = document::contextFor(*documents->current());
        rc.planeSize = transformValue.planeSize;
        return rc;
    }
    void redraw() override {
        ++redraws;
        base.clear();
    }
    render::Canvas& baseCanvas() override { return base; }
    render::Canvas& beginPreview() override {
        ++previews;
        preview.clear();
        return preview;
    }
    void setPlaneSize(double planeSize) override {
        render::setPlaneSize(transformValue, planeSize);
    }
    void scrollTo(double left, double top) override {
        transformValue.viewLeft = left;
        transformValue.viewTop = top;
        render::deriveViewFarEdges(transformValue);
        render::syncViewEdges(transformValue);
        if (documents && documents->current()) {
            documents->current()->viewLeft = left;
            documents->current()->viewTop = top;
        }
    }
};

class FakeHost : public Host {
  public:
    FakeView fakeView;
    std::string status;
    int cursorNumber = -1;
    CursorLabel label;
    std::map<TimerId, int> timers; // running timers and their intervals
    std::vector<std::pair<MessageIcon, std::string>> notices;
    int repaints = 0;
    std::optional<render::IPoint> cursor{render::IPoint{0, 0}};
    std::vector<std::string> chooserItems;
    std::vector<std::string> opened; // "text", "editor", "calculator 40", ...
    int toolShown = -1;

    View& view() override { return fakeView; }
    void setStatusText(const std::string& text) override { status = text; }
    const std::string& statusText() const override { return status; }
    void setCursor(int n) override { cursorNumber = n; }
    void showCursorLabel(const CursorLabel& l) override { label = l; }
    void startTimer(TimerId id, int ms) override { timers[id] = ms; }
    void stopTimer(TimerId id) override { timers.erase(id); }
    bool timerRunning(TimerId id) const override { return timers.count(id) != 0; }
    void notify(MessageIcon icon, const std::string& text) override {
        notices.emplace_back(icon, text);
    }
    void repaint() override { ++repaints; }
    bool mouseCaptured = false;
    int viewMoves = 0;
    void captureMouse(bool on) override { mouseCaptured = on; }
    void viewMoved() override { ++viewMoves; }
    std::optional<render::IPoint> cursorPosition() const override { return cursor; }
    bool windowActive() const override { return true; }
    void toolChanged(int t) override { toolShown = t; }
    void hideToolWindows(bool) override {}
    void openChooser(const std::vector<std::string>& items, render::IPoint) override {
        chooserItems = items;
    }
    std::optional<TextDialogRequest> textRequest;
    std::optional<model::ElementFont> fontRequest;
    std::vector<model::Element*> handedOver; // picks handed to the calculator, macros, animation
    int waitCursorOn = 0;                    // set on minus set off; positive while shown
    int waitCursorShown = 0;                 // times it was set on

    void openTextDialog(const TextDialogRequest& r) override {
        opened.push_back("text");
        textRequest = r;
    }
    void openFontDialog(const model::ElementFont& f) override {
        opened.push_back("font");
        fontRequest = f;
    }
    void openPictureDialog() override { opened.push_back("picture"); }
    void openParametricColour(model::Element&, model::Element&, bool fill) override {
        opened.push_back(fill ? "parametric fill" : "parametric colour");
    }
    void calculatorOperandPicked(model::Element& e) override { handedOver.push_back(&e); }
    // The macro window's part, when a test puts one in.
    std::function<void(model::Element*, Point)> onMacroInput;
    std::function<void(int, model::Element&)> onMacroPick;
    void macroInputClicked(model::Element* e, Point world) override {
        handedOver.push_back(e);
        if (onMacroInput) onMacroInput(e, world);
    }
    void macroElementPicked(int tool, model::Element& e) override {
        handedOver.push_back(&e);
        if (onMacroPick) onMacroPick(tool, e);
    }
    void animationElementPicked(model::Element& e) override { handedOver.push_back(&e); }
    void setWaitCursor(bool on) override {
        waitCursorOn += on ? 1 : -1;
        if (on) ++waitCursorShown;
    }
    void openElementEditor(model::Element&) override { opened.push_back("editor"); }
    void openCalculator(int tool, model::Element*) override {
        opened.push_back("calculator " + std::to_string(tool));
    }
    void openParameterWindow(model::Element&) override { opened.push_back("parameter"); }
    void openPointByCoordinates(model::Element*, model::Element*) override {
        opened.push_back("point by coordinates");
    }
};

// An editor on one new empty document, with the world origin at pixel (512, 384).
struct EditorFixture {
    document::DocumentSet documents;
    FakeHost host;
    Editor editor{host, documents};

    EditorFixture() {
        documents.environment.clientWidth = 1024;
        documents.environment.clientHeight = 768;
        documents.environment.screen = {1024, 768};
        documents.newDocument();
        host.fakeView.documents = &documents;
        editor.selectTool(tool::Move);
    }
    document::Document& doc() { return *documents.current(); }
    Session& session() { return editor.session(); }

    // Mouse events at world coordinates (x right, y up).
    MouseEvent at(double x, double y, MouseButton b = MouseButton::Left) const {
        MouseEvent e;
        e.x = static_cast<int>(x) + 512;
        e.y = 384 - static_cast<int>(y);
        e.button = b;
        return e;
    }
    void click(double x, double y) {
        MouseEvent e = at(x, y);
        host.cursor = render::IPoint{e.x, e.y};
        e.button = MouseButton::None;
        editor.mouseMove(e);
        e.button = MouseButton::Left;
        editor.mouseDown(e);
        editor.mouseUp(e);
    }
    void fire(TimerId id) {
        if (host.timerRunning(id)) editor.timerFired(id);
    }
};

} // namespace zeva::ui::testing
