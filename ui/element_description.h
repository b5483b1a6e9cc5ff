#pragma once
// How an element is named in menus and lists: its kind's display name, followed by its name
// (or, for the graph of a function, the function's expression).

#include "model/element.h"

#include <string>

namespace zeva::ui {

std::string elementDescription(const model::Element& e);

// The name label's text of an element, empty when it has none.
std::string nameOf(const model::Element& e);

} // namespace zeva::ui
