#pragma once
// A construction read as the ordered list of its steps: what the step-by-step playback replays
// and the construction list shows, with the texts that describe each step.

#include "model/construction.h"
#include "settings/text_table.h"

#include <string>
#include <vector>

namespace zeva::ui {

// A step is an element that exists, is no name label and no macro placeholder, and is shown
// (or hidden ones are included).
bool isStep(const model::Element& e, bool includeHidden);

// The steps in construction order.
std::vector<model::Element*> stepsOf(const model::Construction& c, bool includeHidden);

// An element's name: its name label's text, "_" when it has none.
std::string nameOf(const model::Element* e);

// The kind's name, then, for a function graph, its function's expression, or else the
// element's name when it has one.
std::string stepFirstText(const model::Element& e, const settings::TextTable& texts);

// What the step was built from, by name: a polygon's vertices, the references of a calculation
// or function, a table's rows, a conic's five points, a button's elements, otherwise its
// parents; separated by ",". A text shows its first line, with "..." when more follow.
std::string stepSecondText(const model::Element& e);

// One line of the construction list. The number counts every element up to this one that
// exists and is no name label nor placeholder, hidden ones included even when not listed.
struct StepItem {
    model::Element* element = nullptr;
    int number = 0;
    bool hidden = false;
    std::string firstText;
    std::string secondText;
};

std::vector<StepItem> constructionList(const model::Construction& c, bool includeHidden,
                                       const settings::TextTable& texts);

// The list as one text: per item its number, ". ", the first text and, when there is one,
// ": " and the second text; one line each.
std::string constructionListText(const std::vector<StepItem>& items);

} // namespace zeva::ui
