#pragma once
// Parámetro elements (kind 63): the slider range of a new parameter and the mapping between the
// parameter dialog's track bar (0..1000) and the value.

#include "model/element.h"

#include <optional>

namespace zeva::expr {

inline constexpr int kTrackBarMax = 1000;

struct ParameterRange {
    double minimum = 0.0;
    double maximum = 0.0;
};

// The range a new parameter with this value gets: trunc(value - 10) .. trunc(value + 10), so
// 3.7 gives -6 .. 13.
ParameterRange parameterRangeFor(double value);

// Gives a new Parámetro its value, range and param1 100.
void initParameter(model::Element& parameter, double value);

// Track bar position for value in a .. b: trunc((value - a) / (b - a) * 1000) when
// a <= value <= b and a != b, 0 when a == b, none (leave the bar alone) otherwise.
std::optional<int> trackBarPosition(double value, double a, double b);

// The value at a track bar position: a + position / 1000 * (b - a).
double valueAtTrackBar(int position, double a, double b);

} // namespace zeva::expr
