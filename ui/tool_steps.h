#pragma once
// The construction tools: each press adds an input or makes the element, as the active tool's
// steps say; the inputs blink until the element is made. Tools that need a window (the text
// dialog, a font or picture dialog, the parametric colour) open it through the Host and finish
// when its answer comes.

#include "ui/input.h"
#include "ui/session.h"

#include <optional>

namespace zeva::ui {

// The step of the active tool for a press at a drawing-area position (world point `world`).
void runToolStep(Session& s, const MouseEvent& e, Point world);
// The edit tools (hide/show, delete, font, colour, fill, shapes) applied to the hit.
void editHit(Session& s);
// A double click: closes a polygon with three or more vertices.
void toolDoubleClick(Session& s);
// One tick of the blink timer: the pending inputs in the selection colour, then in their own.
void blinkTick(Session& s);

// Editing a text (the edit tool, or the right button with the move tool): one undo step, the
// text hidden while the text dialog shows its lines and font.
void openTextEditor(Session& s, model::Element& text);

// The parametric-colour tool chosen with `target` already picked as the element to colour (the
// element editor's parametric-colour button): the next pick is the value driving its colour.
void startParametricColourOn(Session& s, model::Element& target);

// Answers of the windows the tools opened.
void textDialogClosed(Session& s, const TextDialogAnswer& answer);
void fontDialogClosed(Session& s, const std::optional<model::ElementFont>& font);
void pictureDialogClosed(Session& s, const PictureAnswer& answer);
// The colour mode chosen in the parametric-colour window; none when it was cancelled.
void parametricColourClosed(Session& s, std::optional<int32_t> colorMode);

} // namespace zeva::ui
