#pragma once
// What the interaction logic asks of the window. The logic never waits for the user: a request
// that needs an answer (the chooser menu, a dialog) is opened here and answered later through
// the matching Editor call, so no nested event loop runs inside the logic. Tests implement this
// with a recording fake; the Qt main window implements it with widgets.

#include "model/element.h"
#include "model/point.h"
#include "render/canvas.h"
#include "ui/view.h"

#include <optional>
#include <string>
#include <vector>

namespace zeva::ui {

// The window's timers. Blink repeats until stopped; the others fire once and stop.
enum class TimerId { Blink, DragDelay, ColourPanel, ComparisonPanel, ShapePanel };
inline constexpr int kBlinkMs = 180;
inline constexpr int kDragDelayMs = 50;
inline constexpr int kPanelHoldMs = 200;

enum class MessageIcon { Error, Warning, Question, Information };

// The label next to the cursor that names what the hit test found; empty text hides it.
struct CursorLabel {
    std::string text;
    render::IPoint position;          // top-left corner, drawing-area pixels
    render::Color color = 0;  // 0x00BBGGRR
};

// The text dialog: the memo's lines, its font (whose colour is the text's colour) and the
// document's background colour behind the memo, shown at a drawing-area position.
struct TextDialogRequest {
    std::vector<std::string> lines;
    model::ElementFont font;
    render::Color background = 0;
    render::IPoint at;
};
// Its answer: confirmed or not, and the lines and font it was confirmed with.
struct TextDialogAnswer {
    bool accepted = false;
    std::vector<std::string> lines;
    model::ElementFont font;
};

// The answer of the picture file dialog: nothing chosen, a file that did not load, or the
// picture (any image format the platform reads, held as the BMP image documents keep).
struct PictureAnswer {
    enum class Outcome { Cancelled, Unreadable, Loaded };
    Outcome outcome = Outcome::Cancelled;
    model::Picture picture;
};

class Host {
  public:
    virtual ~Host() = default;

    // The drawing of the current document (transform, surfaces, redraw, previews).
    virtual View& view() = 0;

    // Status bar panel 2 (messages). The logic compares it with the tool's message.
    virtual void setStatusText(const std::string& text) = 0;
    virtual const std::string& statusText() const = 0;

    // A cursor of the cursor table (cursor::...), shown over the drawing area.
    virtual void setCursor(int cursorNumber) = 0;
    virtual void showCursorLabel(const CursorLabel& label) = 0;

    virtual void startTimer(TimerId id, int milliseconds) = 0;
    virtual void stopTimer(TimerId id) = 0;
    virtual bool timerRunning(TimerId id) const = 0;

    // A notice in a box captioned "ZEVA"; the logic goes on at once.
    virtual void notify(MessageIcon icon, const std::string& text) = 0;

    // Copies the off-screen bitmap (or the preview over it) to the window.
    virtual void repaint() = 0;

    // While the right button moves the screen every mouse event goes to the drawing area, even
    // outside the window.
    virtual void captureMouse(bool on) = 0;
    // The view's corner moved (screen moving, the wheel): the scroll bars follow it.
    virtual void viewMoved() = 0;

    // The cursor's position in drawing-area pixels, none when it is outside the window.
    virtual std::optional<render::IPoint> cursorPosition() const = 0;
    virtual bool windowActive() const = 0;

    // The active tool changed: the window presses its button and lifts the others.
    virtual void toolChanged(int tool) = 0;
    // Hides the calculation window and, unless `keepAnimation`, stops and hides the animation
    // window (choosing a tool does this).
    virtual void hideToolWindows(bool keepAnimation) = 0;

    // The chooser menu at a drawing-area position: one item per text, a new column every 20
    // items. The window answers with Editor::chooserClosed(index), -1 when dismissed.
    virtual void openChooser(const std::vector<std::string>& items, render::IPoint at) = 0;

    // Windows of the editor. Each opens and returns at once; the window reports the outcome
    // through the Editor when it closes (see editor.h).
    // The text dialog; the window answers with Editor::textDialogClosed.
    virtual void openTextDialog(const TextDialogRequest& request) = 0;
    // A font dialog (with the font's colour) on `font`; answered by Editor::fontDialogClosed.
    virtual void openFontDialog(const model::ElementFont& font) = 0;
    // The picture file dialog; answered by Editor::pictureDialogClosed.
    virtual void openPictureDialog() = 0;
    // The parametric-colour window for `target` coloured by the value `source` (its fill
    // colour when `fill`); answered by Editor::parametricColourClosed.
    virtual void openParametricColour(model::Element& target, model::Element& source,
                                      bool fill) = 0;
    // The element edit dialog on `e`.
    virtual void openElementEditor(model::Element& e) = 0;
    // The calculation window for tool 40, 41 or 42, redefining `element` when given.
    virtual void openCalculator(int tool, model::Element* element) = 0;
    virtual void openParameterWindow(model::Element& parameter) = 0;
    // The point-by-coordinates window, editing `plotted` when given, on `axes` when given.
    virtual void openPointByCoordinates(model::Element* plotted, model::Element* axes) = 0;

    // Picks handed to the windows that use them.
    // An operand for the open calculation window (tools 40, 41, 42).
    virtual void calculatorOperandPicked(model::Element& operand) = 0;
    // A click of the macro tool (49): the element under the cursor (none on empty space) and
    // the world point; the macro being applied decides what the click gives.
    virtual void macroInputClicked(model::Element* hit, Point world) = 0;
    // A pick of the macro-element tools (50 initial, 51 final): toggles its membership.
    virtual void macroElementPicked(int tool, model::Element& e) = 0;
    // An element just added to (or already in) the animation list becomes the animation
    // window's current element.
    virtual void animationElementPicked(model::Element& e) = 0;

    // The wait cursor over the whole window while a long computation runs.
    virtual void setWaitCursor(bool on) = 0;
};

} // namespace zeva::ui
