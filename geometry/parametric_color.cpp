#include "geometry/parametric_color.h"

#include <algorithm>
#include <cmath>

namespace zeva::geometry {

namespace {

using model::Element;
using model::ElementClass;

int32_t hsvToColor(double hue, double saturation, double value) {
    hue = std::fmod(hue, 360.0);
    if (hue < 0) hue += 360.0;
    const double h = hue / 60.0;
    const int sector = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double p = value * (1 - saturation);
    const double q = value * (1 - saturation * f);
    const double t = value * (1 - saturation * (1 - f));
    // The six sectors of the hue circle, red to red.
    const double rgb[6][3] = {{value, t, p}, {q, value, p}, {p, value, t},
                              {p, q, value}, {t, p, value}, {value, p, q}};
    auto channel = [](double c) { return std::clamp(static_cast<int>(c * 255), 0, 255); };
    const double* c = rgb[sector];
    return channel(c[0]) | (channel(c[1]) << 8) | (channel(c[2]) << 16);
}

bool showsText(const Element& e) {
    return e.font != nullptr || e.kind == model::Kind::Text;
}

} // namespace

int32_t parametricColor(double value, bool valid, int mode) {
    const double v = valid && std::isfinite(value) ? value : 0.0;
    double t = std::fabs(v - std::trunc(v));
    if (t < 0.0001) t = std::fmod(std::fabs(std::trunc(v)), 2.0) == 0 ? 0.0 : 1.0;
    // In doubles: a mode read from a file may be any int, INT_MIN included.
    const double m = std::fabs(static_cast<double>(mode));
    if (m == 1) return hsvToColor(360 * t * 0.84, 1, 1);
    if (m == 2) return hsvToColor(0, 0, 1 - t);
    // The slider position picks one hue; a negative mode (the fill) takes the same hue.
    return hsvToColor(360 * 0.84 * std::fabs(m - 3) / 97.0, t, 1);
}

int32_t currentParametricColor(const Element& e) {
    const Element* src = e.colorSource;
    if (!src || e.colorMode < 0) return e.color;
    const bool valid = src->exists == 1 && model::isValidNumber(*src);
    return parametricColor(src->x1, valid, e.colorMode);
}

void applyParametricColor(Element& e) {
    const Element* src = e.colorSource;
    if (!src) return;
    const bool valid = src->exists == 1 && model::isValidNumber(*src);
    const int32_t c = parametricColor(src->x1, valid, e.colorMode);
    if (e.colorMode >= 0) {
        e.color = c;
        return;
    }
    const ElementClass cls = e.elementClass();
    if (cls == ElementClass::Polygon || cls == ElementClass::Circle)
        e.param1 = c;
    else if (showsText(e))
        e.style = c; // the text background
}

} // namespace zeva::geometry
