#pragma once
// The edit bar: its buttons choose an edit tool (hide/show, delete, font, edit, colour, fill
// colour, the three shapes) without going through the main bar's tool selection, and an edit
// tool chosen while elements are selected acts on all of them at once, as one undo step, and
// hands over to the move tool.

#include "ui/session.h"

#include <optional>

namespace zeva::ui {

enum class EditBarButton {
    HideShow,    // B_vernover
    EditElement, // B_editelem
    Delete,      // B_elimelem
    Font,        // B_font
    Colour,      // B_color
    FillColour,  // B_color_relleno
    PointShape,  // B_edit_forma_punto
    LineShape,   // B_edit_forma_linea
    AngleShape,  // B_edit_forma_angulo
};

// The tool an edit-bar button chooses as things stand (the parametric colour button and the
// shapes chosen last decide for the colour and shape buttons).
ToolCode toolOfEditBarButton(const ToolState& state, EditBarButton b);

// A press of an edit-bar button (or its menu item): the construction in progress is reset, the
// button's tool becomes active with its message, cursor and acceptance row, and when elements
// are selected the tool acts on them all (applyToSelection).
void pressEditBarButton(Session& s, EditBarButton b);

// The edit tool `t` applied to every selected element: one undo snapshot, the document marked
// modified, then the move tool. Nothing happens for the edit and delete tools, when nothing is
// selected, or for the font tool when nothing selected shows text. The font tool asks for the
// font first and changes the elements when the answer comes (selectionFontChosen). True when
// the tool acted (or asked for the font).
bool applyToSelection(Session& s, ToolCode t);

// The answer of the font dialog opened for the selection: the elements it was opened for take
// the font (texts in their text, others in the font they show their value in) and its colour,
// in one undo step. Nothing changes on a cancel. False when no such dialog was waited for.
bool selectionFontChosen(Session& s, const std::optional<model::ElementFont>& font);

} // namespace zeva::ui
