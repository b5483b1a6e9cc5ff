#pragma once
// Changing a test document the way a tool does: one Edit (without an undo snapshot) per
// change, committed at once, so every new element is recomputed as soon as it exists.

#include "document/document.h"
#include "edit/edit.h"
#include "edit/factory.h"

#include <utility>

namespace zeva::testing {

// Runs f(edit) inside one committed Edit of d and answers what f answers.
template <class F>
auto inEdit(document::Document& d, F&& f) {
    edit::Edit e(d, document::contextFor(d), edit::UndoStep::Continue);
    return std::forward<F>(f)(e);
}

inline model::Element* create(document::Document& d, edit::CreationRequest& r,
                              const edit::CreationInputs& in = {},
                              const settings::Options& o = settings::options()) {
    return inEdit(d, [&](edit::Edit& e) { return edit::createElement(e, r, in, o); });
}

} // namespace zeva::testing
