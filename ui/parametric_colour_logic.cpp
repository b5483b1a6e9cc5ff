#include "ui/parametric_colour_logic.h"

#include "geometry/parametric_color.h"

#include <algorithm>

namespace zeva::ui {

std::vector<int32_t> colourStrip(int mode, int width) {
    std::vector<int32_t> out;
    if (width <= 0) return out;
    for (int x = 0; x < width; x += kStripStep)
        out.push_back(geometry::parametricColor(static_cast<double>(x) / width, true, mode));
    return out;
}

void ParametricColourChoice::chooseScale(int scale) {
    if (scale >= 1 && scale <= 3) scale_ = scale;
}

void ParametricColourChoice::setHueMode(int mode) {
    hueMode_ = std::clamp(mode, kFirstHueMode, kLastHueMode);
    scale_ = 3;
}

} // namespace zeva::ui
