#pragma once
// What the user is told about the hit test's result: the label next to the cursor, the status
// text "[ … ]" and the cursor shape.

#include "ui/session.h"

namespace zeva::ui {

// Brings the label, the status text, the cursor and the hover flags in line with
// s.hover.hits for the cursor at `pixel` (drawing-area pixels).
void showHoverFeedback(Session& s, render::IPoint pixel);

// Hides the label (the window repaints) and forgets the element it named.
void hideCursorLabel(Session& s);

// The label text for one element: " punto A ", " unidad ", " Representación … ".
std::string cursorLabelText(const Session& s, const model::Element& e);
// The status text for one element: "[ Punto Libre ]", "[ Cálculo: a+b ]".
std::string hoverStatusText(const model::Element& e);

} // namespace zeva::ui
