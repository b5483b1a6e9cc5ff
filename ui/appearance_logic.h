#pragma once
// The rules of "Aspecto de los elementos": nine groups of classes, each with a working colour and
// shape that the colour and shape buttons change; "OK" makes them the colours and shapes of new
// elements (the axes take the lines' colour), "Cancel" forgets them.

#include "model/kinds.h"
#include "settings/options.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace zeva::ui {

enum class ShapeFamily { Point, Line, Angle };

struct AppearanceGroup {
    model::ElementClass elementClass;
    ShapeFamily family;
};

// In the order of the dialog's list; the name of group i is message slot
// settings::kMsgAppearanceClasses + i ("puntos", "rectas,ejes", ...).
inline constexpr std::array<AppearanceGroup, 9> kAppearanceGroups = {{
    {model::ElementClass::Point, ShapeFamily::Point},
    {model::ElementClass::Line, ShapeFamily::Line}, // and the axes
    {model::ElementClass::Ray, ShapeFamily::Line},
    {model::ElementClass::Segment, ShapeFamily::Line},
    {model::ElementClass::Polygon, ShapeFamily::Line},
    {model::ElementClass::Circle, ShapeFamily::Line},
    {model::ElementClass::Arc, ShapeFamily::Line},
    {model::ElementClass::Angle, ShapeFamily::Angle},
    {model::ElementClass::Locus, ShapeFamily::Line},
}};

// The 16 colour buttons, 0x00BBGGRR: black, maroon, red, green, olive, orange, lime, yellow,
// grey, a sea blue, silver, blue, fuchsia, a light blue, aqua, white.
inline constexpr std::array<int32_t, 16> kAppearanceColours = {
    0,        128,      255,      0x008000, 0x008080, 0x0080FF, 0x00FF00, 0x00FFFF,
    0x808080, 0xC08000, 0xC0C0C0, 0xFF0000, 0xFF00FF, 0xFF8080, 0xFFFF00, 0xFFFFFF};

struct ShapeChoice {
    int32_t style;          // the element style it gives
    std::string_view glyph; // the button's picture (the shape panels' glyphs)
};

// The shape buttons of a family, in button order: points normal, big, bigger, cross; lines
// normal, thick, dotted, dash-dot; angles one, two and three arcs.
std::span<const ShapeChoice> shapesOf(ShapeFamily family);

class AppearanceSession {
  public:
    explicit AppearanceSession(const settings::Options& options);

    int group() const { return group_; }
    void selectGroup(int group); // out-of-range choices are ignored
    const AppearanceGroup& current() const { return kAppearanceGroups[size_t(group_)]; }
    int32_t colour() const { return colours_[size_t(group_)]; }
    int32_t style() const { return styles_[size_t(group_)]; }
    void setColour(int32_t colour) { colours_[size_t(group_)] = colour; }
    void setStyle(int32_t style);  // styles the group's family does not have are ignored

    // "OK": the working colours and shapes become the classes' (the axes colour follows lines).
    void accept(settings::Options& options) const;

  private:
    int group_ = 0;
    std::array<int32_t, kAppearanceGroups.size()> colours_{};
    std::array<int32_t, kAppearanceGroups.size()> styles_{};
};

} // namespace zeva::ui
