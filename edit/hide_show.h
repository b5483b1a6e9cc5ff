#pragma once
// Botón Ocultar/Ver: showing and hiding its targets.

#include "edit/edit.h"
#include "model/element.h"

namespace zeva::edit {

// Shows or hides the targets of a Botón Ocultar/Ver by its state: with `param2` 1 (up) every
// target is hidden; with 0 (down) every target is shown except those that were hidden when the
// button was made. A target's name label follows its target.
void applyHideShowButton(Edit& edit, model::Element& button);

// A press on the button with the move tool: flips its state (`param2`) and applies it.
void pressHideShowButton(Edit& edit, model::Element& button);

} // namespace zeva::edit
