#pragma once
// Whether a macro's body can be applied: every reference it holds names an initial position or
// a body element, as its numbering says. Files are checked with it when read, and every macro
// again right before it is applied, so a damaged body is refused before anything is built.

#include "document/macro.h"

#include <cstdint>

namespace zeva::document {

// How many serials the initial list takes before the body's own: the extended initial list,
// or, for a macro of version 100, the initial elements as picked.
int32_t initialListLength(const Macro& m);

// True when the body is not empty, holds no element that only exists inside another (a side,
// an axis, a coordinate part) or only while the cursor hovers (an intersection candidate), its
// elements and sub-elements carry distinct serials after the initial list, and every reference
// a body element stores names an initial position or a body element (or sub-element) before
// it; a colour source may name any of them, and only optional references may be empty.
bool bodyReferencesSound(const Macro& m);

} // namespace zeva::document
