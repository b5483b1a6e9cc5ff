#pragma once
// Deleting elements with everything built on them.

#include "edit/edit.h"
#include "model/element.h"

namespace zeva::edit {

// Deletes e and every element that depends on it (model::dependentsOf: parents, tail
// references, sub-elements and parametric colour sources), in one step. e must be listed.
void deleteWithDependents(Edit& edit, model::Element& e);

// "Borrar": every selected element with everything that depends on any of them. Nothing is
// reported when nothing is selected.
void deleteSelected(Edit& edit);

// "Eliminar Todo": every element, and with them the trace and animation lists. Callers check
// first that the construction is not empty (then there is nothing to undo either).
void deleteAll(Edit& edit);

} // namespace zeva::edit
