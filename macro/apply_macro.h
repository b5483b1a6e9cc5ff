#pragma once
// Applying a macro: its body built again on new initial elements of the same classes.

#include "document/macro.h"
#include "edit/edit.h"
#include "model/construction.h"
#include "model/point.h"

#include <span>
#include <vector>

namespace zeva::macro {

enum class ApplyProblem {
    None,
    WrongInputs, // not as many picked elements as the macro asks, or one of another class
    Damaged,     // the body refers to what neither it nor the picked elements hold
};

struct Applied {
    ApplyProblem problem = ApplyProblem::None;
    std::vector<model::Element*> created; // the new elements in construction order
};

// Builds m's body on `picked` (elements of the edited construction, in the order and classes
// the macro asks for): the picked list is extended (not for a version 100 macro), every body
// element is copied with its references resolved (a serial inside the initial list names the
// picked element at that position, any other the new copy holding it), and the copies are
// appended and reported to the Edit. Shown copies of the classes that show text are placed at
// `lastClick`. With `hideIntermediate` off every copy is shown; with it on, the copies keep the
// macro's visibility and intermediate elements stay never-drawn. New copies have no name.
// A problem leaves the construction untouched.
Applied applyMacro(edit::Edit& edit, const document::Macro& m,
                   std::span<model::Element* const> picked, Point lastClick,
                   bool hideIntermediate);

} // namespace zeva::macro
