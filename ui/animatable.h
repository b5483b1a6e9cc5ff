#pragma once
// Which elements the animation can set in motion: points that run along what they lie on,
// lines and rays that turn about their point, circles that grow about their centre, and
// parameters that sweep their range.

#include "model/element.h"

namespace zeva::ui {

bool canBeAnimated(const model::Element& e);

} // namespace zeva::ui
