#include "settings/options.h"

namespace zeva::settings {

std::array<int32_t, model::kClassCount> Options::defaultClassColors() {
    using C = model::ElementClass;
    std::array<int32_t, model::kClassCount> colors{};
    // Classes that take their colour from a font or set it themselves still get a visible
    // value, so an element drawn in its class colour never vanishes on the black background.
    colors.fill(0xC0C0C0);
    colors[toInt(C::Point)] = 255;
    colors[toInt(C::Line)] = 0x808080;
    colors[toInt(C::Ray)] = 0x808080;
    colors[toInt(C::Segment)] = 0xFF0000;
    colors[toInt(C::Polygon)] = 0xFF0000;
    colors[toInt(C::Circle)] = 0xFF0000;
    colors[toInt(C::Arc)] = 0x808080;
    colors[toInt(C::Angle)] = 0x00FFFF;
    colors[toInt(C::Locus)] = 0xC08000;
    colors[toInt(C::Axes)] = 0x808080;
    colors[toInt(C::Conic)] = 0xFF0000;
    colors[toInt(C::Intersection)] = 255;
    colors[toInt(C::Grid)] = 0xC08000; // RGB(0, 128, 192)
    colors[toInt(C::Name)] = 0x00FF00;
    colors[toInt(C::Button)] = 0;
    return colors;
}

std::array<int32_t, model::kClassCount> Options::defaultClassStyles() {
    std::array<int32_t, model::kClassCount> styles{};
    styles.fill(1);
    return styles;
}

Options& options() {
    static Options shared;
    return shared;
}

void loadOriginalOptions(Options& o, bool documentDefaultsToo) {
    Options fresh;
    fresh.languageFile = o.languageFile;
    if (!documentDefaultsToo) fresh.setDocumentDefaults(o.documentDefaults());
    fresh.currentColor = o.currentColor;
    fresh.useCurrentColor = o.useCurrentColor;
    o = fresh;
}

} // namespace zeva::settings
