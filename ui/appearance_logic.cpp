#include "ui/appearance_logic.h"

#include <algorithm>

namespace zeva::ui {

namespace {

constexpr ShapeChoice kPointShapes[] = {
    {1, "B_edit_pnor"}, {2, "B_edit_pgran"}, {3, "B_edit_pgran2"}, {4, "B_edit_pcruz"}};
constexpr ShapeChoice kLineShapes[] = {
    {1, "B_edit_linor"}, {2, "B_edit_ligran"}, {3, "B_edit_lipun"}, {4, "B_edit_lipray"}};
constexpr ShapeChoice kAngleShapes[] = {
    {1, "B_edit_ang1"}, {2, "B_edit_ang2"}, {3, "B_edit_ang3"}};

} // namespace

std::span<const ShapeChoice> shapesOf(ShapeFamily family) {
    switch (family) {
    case ShapeFamily::Point:
        return kPointShapes;
    case ShapeFamily::Line:
        return kLineShapes;
    case ShapeFamily::Angle:
        return kAngleShapes;
    }
    return kLineShapes;
}

AppearanceSession::AppearanceSession(const settings::Options& options) {
    for (size_t g = 0; g < kAppearanceGroups.size(); ++g) {
        colours_[g] = options.colorOf(kAppearanceGroups[g].elementClass);
        styles_[g] = options.styleOf(kAppearanceGroups[g].elementClass);
    }
}

void AppearanceSession::selectGroup(int group) {
    if (group >= 0 && group < int(kAppearanceGroups.size())) group_ = group;
}

void AppearanceSession::setStyle(int32_t style) {
    const auto shapes = shapesOf(current().family);
    if (std::any_of(shapes.begin(), shapes.end(),
                    [style](const ShapeChoice& s) { return s.style == style; }))
        styles_[size_t(group_)] = style;
}

void AppearanceSession::accept(settings::Options& options) const {
    for (size_t g = 0; g < kAppearanceGroups.size(); ++g) {
        const int c = model::toInt(kAppearanceGroups[g].elementClass);
        options.classColor[c] = colours_[g];
        options.classStyle[c] = styles_[g];
    }
    options.classColor[model::toInt(model::ElementClass::Axes)] =
        options.colorOf(model::ElementClass::Line);
}

} // namespace zeva::ui
