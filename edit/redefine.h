#pragma once
// Redefining a Cálculo or Función with a new expression.

#include "edit/edit.h"
#include "expr/calculator.h"
#include "model/element.h"

namespace zeva::edit {

// Replaces the Cálculo or Función `old` by a new element of the same kind holding `compiled`:
// the new one keeps old's label position, visibility, colours, colour source and mode, name
// label, decimals, dimension and font, and is appended to the construction; the elements that
// depended on old move behind it in their order and refer to it instead; old is deleted. A
// Cálculo's dimension and that of every later Cálculo is inferred again; a Función's name label
// reads "f(x)=" + its display text. Everything is recomputed at commit. Refused (none, nothing
// changed, nothing reported) when the expression would refer to old or to one of its
// dependents, or when the function type does not fit the kind.
model::Element* redefineExpressionElement(Edit& edit, model::Element& old,
                                          const expr::CompiledExpression& compiled);

} // namespace zeva::edit
