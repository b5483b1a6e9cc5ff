#pragma once
// Parametric colours: an element whose colour source (a number) is set takes its colour from
// that number's value, in one of the colour modes. The recompute pass applies it once every
// source of the pass is up to date.

#include "model/element.h"

#include <cstdint>

namespace zeva::geometry {

// The colour (0x00BBGGRR) of a value in a colour mode: |mode| 1 a rainbow from red to violet,
// 2 white to black, 3..100 one hue (picked by the mode) from white to full colour. Only the
// fractional part of the value counts; a whole number gives 0 when even and 1 when odd, so the
// colour cycles smoothly. A value that is not valid (or not finite) counts as 0.
int32_t parametricColor(double value, bool valid, int mode);

// The colour an element with a parametric colour takes at its source's present value; its own
// colour when it has no source or a negative mode (which colours its fill or text background).
int32_t currentParametricColor(const model::Element& e);

// Writes an element's parametric colour where its mode puts it: `color` for a positive mode;
// for a negative one the fill (param1) of a polygon or circle, or the text background (style)
// of an element that shows text. Nothing without a colour source.
void applyParametricColor(model::Element& e);

} // namespace zeva::geometry
