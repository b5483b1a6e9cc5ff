#include "expr/parameter.h"

#include <algorithm>
#include <cmath>

namespace zeva::expr {

ParameterRange parameterRangeFor(double value) {
    return {std::trunc(value - 10.0), std::trunc(value + 10.0)};
}

void initParameter(model::Element& parameter, double value) {
    parameter.x1 = value;
    parameter.param1 = 100;
    if (auto* tail = std::get_if<model::ParameterTail>(&parameter.tail)) {
        const ParameterRange r = parameterRangeFor(value);
        tail->minimum = r.minimum;
        tail->maximum = r.maximum;
    }
}

std::optional<int> trackBarPosition(double value, double a, double b) {
    if (a == b) return 0;
    if (!(a <= value && value <= b)) return std::nullopt;
    const double p = std::trunc((value - a) / (b - a) * kTrackBarMax);
    if (!std::isfinite(p)) return std::nullopt; // bounds read from a damaged file
    return static_cast<int>(std::clamp(p, 0.0, static_cast<double>(kTrackBarMax)));
}

double valueAtTrackBar(int position, double a, double b) {
    return a + static_cast<double>(position) / kTrackBarMax * (b - a);
}

} // namespace zeva::expr
