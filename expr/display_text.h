#pragma once
// Texts shown for expression elements and checkers: the expression display text (operand
// letters replaced by their names), a Función's label and description, and the text a
// property checker shows for its result.

#include "model/element.h"

#include <string>
#include <string_view>

namespace zeva::expr {

// The typed expression of a Cálculo or Función without spaces, where every operand letter that
// stands alone (at either end or next to "+-*/^()", in either case) is replaced by its
// operand's name label text when it has one, and every "*" becomes the middle dot "·".
std::string expressionDisplayText(const model::Element& e);

// "f(x)=" + the display text for a Función of type 1 ("f(y)=", "f(w)=", "f(r)=" for 2..4):
// the text of the name label a new or redefined Función gets.
std::string functionLabelText(const model::Element& function);

// "y = ", "x = ", "r = " or "w = " by the function type (nothing for a Cálculo) followed by the
// display text: how lists and dialogs describe a Función or Cálculo.
std::string expressionDescription(const model::Element& e);

// A property checker's shown text: its first text when the result (param1) is 1, otherwise the
// second.
std::string_view checkerText(const model::Element& checker);

} // namespace zeva::expr
