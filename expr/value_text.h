#pragma once
// How numbers become text: the value text of a número element (value, unit, name label or
// "no existente") and the number formats used by equations, coordinates and tables.

#include "model/element.h"
#include "model/units.h"

#include <array>
#include <string>
#include <string_view>

namespace zeva::expr {

// Interface texts the value text uses; the defaults are the built-in Spanish ones. A language
// file may replace them through the text table, which passes its own copy in.
struct ValueTexts {
    std::string_view noValue = "no existente";
    std::array<std::string_view, 4> lengthUnits{"mm", "cm", "m", "km"}; // by lengthUnit
    std::array<std::string_view, 4> areaUnits{"mm²", "cm²", "m²", "km²"};
    std::array<std::string_view, 3> angleUnits{"rd", "°", "gr"}; // by angleUnit
};

// Values whose magnitude is above this are shown without decimals.
inline constexpr double kNoDecimalsAbove = 10000000.0;

// Fixed-point text of v with `decimals` digits after the point (clamped to 0..18), after
// rounding v to 15 significant digits; halves round away from zero. A value that rounds to
// zero is written without a sign ("0.00" for -0.001). Non-finite values give "".
std::string fixedText(double v, int decimals);

// fixedText, but without decimals when abs(v) > 10,000,000 (the number part of a value text).
std::string numberText(double v, int decimals);

// fixedText with a leading "-" for every negative value, also when it rounds to zero
// ("-0.00" for -0.001). Used by equation texts.
std::string signedText(double v, int decimals);

// numberText with the same forced sign. Used by coordinate pairs.
std::string signedNumberText(double v, int decimals);

// Unit shown after a value of the given dimension (1 length, 2 area, 3 angle; "" for 0 and
// for anything else); the unit texts are indexed by the units' stored numbers.
std::string_view unitText(int dimension, model::LengthUnit lengthUnit, model::AngleUnit angleUnit,
                          const ValueTexts& texts = {});

// The decimals a número element is shown with: its own, except for the two coordinate
// numbers (kinds 43, 44), which show those of their coordinates element (parent2).
int decimalsOf(const model::Element& e);

// The text of the element's name label (kind 48), or "" when it has none.
std::string_view labelTextOf(const model::Element& e);

// Value text of a número element: "no existente" when param1 is -100 (or x1 is not finite);
// otherwise the name
// label's text, the number (x1) with the element's decimals, and for dimensions 1..3 a blank
// and the unit (never for kinds 43, 44).
std::string valueText(const model::Element& e, model::LengthUnit lengthUnit,
                      model::AngleUnit angleUnit, const ValueTexts& texts = {});

} // namespace zeva::expr
