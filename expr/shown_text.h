#pragma once
// The one-line text an element of a text class shows, as the figure draws it and the dump
// prints it: one home, so the two cannot disagree.

#include "expr/value_text.h"
#include "model/element.h"
#include "model/units.h"

#include <string>

namespace zeva::expr {

// The coordinate pair of a coordinates element (kind 42): its name label's text, then
// "(" x ";" y ")" with both numbers in its decimals and a forced sign.
std::string coordinatesText(const model::Element& coordinates);

// What a name (nombre), value (número), formula (función), coordinate pair (coordenadas),
// equation (ecuación) or check result (propiedad) shows: its name text, value text, name label
// or expression display text, coordinate pair, stored equation text or checker text. Empty for
// every other class.
std::string shownText(const model::Element& e, model::LengthUnit lengthUnit,
                      model::AngleUnit angleUnit, const ValueTexts& texts = {});

} // namespace zeva::expr
