#pragma once
// The animation as the editor drives it: the animation tool's pick, opening the animation
// window, and the step the clock asks for, with its redraw.

#include "model/construction.h"
#include "settings/text_table.h"
#include "ui/session.h"

#include <string>

namespace zeva::ui {

// The animation tool (46) picked `hit`, an element the hit test offered as animatable: it
// joins the document's animation list, or its entry plays again; the document is modified, the
// animation window makes it its current element, and the figure is redrawn. Nothing happens
// when the list is full.
void animationToolStep(Session& s, model::Element& hit);

// Opening the animation window: the undo snapshot, then the entries that can no longer move
// are dropped.
void openAnimation(Session& s);

// One step of the clock on the current document: every playing entry moves, what depends on
// it is recomputed, the figure is redrawn, the hit test follows the cursor and the window is
// repainted. Answers whether anything moved.
bool animationTick(Session& s);

// The line of an entry in the animation window: the element's kind word ("punto",
// "circunferencia", ...; a parameter's kind name), then its name when it has one.
std::string animationEntryText(const model::AnimationEntry& entry,
                               const settings::TextTable& texts);

} // namespace zeva::ui
