#include "ui/popup_panels_logic.h"

#include "ui/tool_selection.h"

namespace zeva::ui {

namespace {

constexpr std::string_view kShapeGlyphs[] = {
    "B_edit_pnor",  "B_edit_pcruz", "B_edit_pgran", "B_edit_pgran2", // 63..66
    "B_edit_linor", "B_edit_lipun", "B_edit_lipray", "B_edit_ligran", // 67..70
    "B_edit_ang1",  "B_edit_ang2",  "B_edit_ang3",                    // 71..73
};
constexpr ToolCode kComparisonOrder[] = {tool::CheckParallel, tool::CheckPerpendicular,
                                         tool::CheckMembership, tool::CheckEquidistance,
                                         tool::CheckCollinearity};

TimerId timerOf(HeldButton b) {
    switch (b) {
    case HeldButton::Colour:
    case HeldButton::FillColour:
        return TimerId::ColourPanel;
    case HeldButton::Comparison:
        return TimerId::ComparisonPanel;
    case HeldButton::None:
    case HeldButton::PointShape:
    case HeldButton::LineShape:
    case HeldButton::AngleShape:
        return TimerId::ShapePanel;
    }
    return TimerId::ShapePanel;
}

PanelKind panelOf(HeldButton b) {
    switch (b) {
    case HeldButton::Colour:
    case HeldButton::FillColour:
    case HeldButton::None:
        return PanelKind::Colour;
    case HeldButton::PointShape:
        return PanelKind::PointShapes;
    case HeldButton::LineShape:
        return PanelKind::LineShapes;
    case HeldButton::AngleShape:
        return PanelKind::AngleShapes;
    case HeldButton::Comparison:
        return PanelKind::Comparison;
    }
    return PanelKind::Colour;
}

ToolCode firstToolOf(PanelKind k) {
    switch (k) {
    case PanelKind::PointShapes:
        return tool::PointShapeNormal;
    case PanelKind::LineShapes:
        return tool::LineShapeNormal;
    case PanelKind::AngleShapes:
        return tool::AngleShapeOne;
    case PanelKind::Colour:
    case PanelKind::Comparison:
        break;
    }
    return tool::Move;
}

} // namespace

std::string_view glyphOfShapeTool(ToolCode t) {
    if (t < tool::PointShapeNormal || t > tool::AngleShapeLast) return {};
    return kShapeGlyphs[t - tool::PointShapeNormal];
}

std::string_view glyphOfComparisonTool(ToolCode t) {
    switch (t) {
    case tool::CheckParallel:
        return "B_comp_par";
    case tool::CheckPerpendicular:
        return "B_comp_per";
    case tool::CheckMembership:
        return "B_comp_pert";
    case tool::CheckEquidistance:
        return "B_comp_eq";
    case tool::CheckCollinearity:
        return "B_comp_3pa";
    default:
        return {};
    }
}

int panelButtonCount(PanelKind k) {
    switch (k) {
    case PanelKind::Colour:
        return kColourPanelButtons;
    case PanelKind::PointShapes:
    case PanelKind::LineShapes:
        return 4;
    case PanelKind::AngleShapes:
        return 3;
    case PanelKind::Comparison:
        return 5;
    }
    return 0;
}

ToolCode toolOfPanelButton(PanelKind k, int index) {
    if (index < 0 || index >= panelButtonCount(k) || k == PanelKind::Colour) return -1;
    if (k == PanelKind::Comparison) return kComparisonOrder[index];
    return firstToolOf(k) + index;
}

int PopupPanels::pressedIndex(PanelKind k) const {
    const ToolState& t = s_.tool;
    switch (k) {
    case PanelKind::Colour:
        return colourDown_;
    case PanelKind::PointShapes:
        return t.pointShapeCode - tool::PointShapeNormal;
    case PanelKind::LineShapes:
        return t.lineShapeCode - tool::LineShapeNormal;
    case PanelKind::AngleShapes:
        return t.angleShapeCode - tool::AngleShapeOne;
    case PanelKind::Comparison:
        for (int i = 0; i < 5; ++i)
            if (kComparisonOrder[i] == t.lastComparisonTool) return i;
        return -1;
    }
    return -1;
}

void PopupPanels::press(HeldButton b) {
    if (b == HeldButton::None) return;
    held_ = b;
    open_.reset();
    hovered_ = -1;
    if (b == HeldButton::Colour || b == HeldButton::FillColour) resetConstruction(s_);
    s_.host.startTimer(timerOf(b), kPanelHoldMs);
}

std::optional<PanelKind> PopupPanels::timerFired(TimerId id) {
    if (id != TimerId::ColourPanel && id != TimerId::ComparisonPanel && id != TimerId::ShapePanel)
        return std::nullopt;
    s_.host.stopTimer(id);
    if (held_ == HeldButton::None || timerOf(held_) != id) return std::nullopt;
    open_ = panelOf(held_);
    return open_;
}

void PopupPanels::hover(int index) {
    if (!open_ || index < 0 || index >= panelButtonCount(*open_)) return;
    hovered_ = index;
    ToolState& t = s_.tool;
    switch (*open_) {
    case PanelKind::Colour:
        colourDown_ = index;
        return;
    case PanelKind::PointShapes:
        t.pointShapeCode = toolOfPanelButton(*open_, index);
        return;
    case PanelKind::LineShapes:
        t.lineShapeCode = toolOfPanelButton(*open_, index);
        return;
    case PanelKind::AngleShapes:
        t.angleShapeCode = toolOfPanelButton(*open_, index);
        return;
    case PanelKind::Comparison:
        return; // chosen on release
    }
}

bool PopupPanels::release() {
    const HeldButton b = held_;
    if (b == HeldButton::None) return false;
    held_ = HeldButton::None;
    s_.host.stopTimer(timerOf(b));
    const std::optional<PanelKind> panel = open_;
    open_.reset();
    if (panel == PanelKind::Colour) {
        ToolState& t = s_.tool;
        t.parametricColourDown = colourDown_ == kParametricButton;
        if (colourDown_ == kRgbButton && hovered_ == kRgbButton) {
            awaitingRgb_ = b;
            return true;
        }
        if (colourDown_ < kRgbButton) t.currentColor = kPanelColours[size_t(colourDown_)].value;
    }
    if (panel == PanelKind::Comparison && hovered_ >= 0)
        s_.tool.lastComparisonTool = kComparisonOrder[hovered_];
    act(b);
    return false;
}

void PopupPanels::rgbAnswered(std::optional<render::Color> colour) {
    const HeldButton b = awaitingRgb_;
    awaitingRgb_ = HeldButton::None;
    if (b == HeldButton::None) return;
    if (colour) {
        s_.tool.currentColor = *colour;
    } else {
        colourDown_ = 0;
        s_.tool.currentColor = kPanelColours[0].value;
    }
    act(b);
}

EditBarButton PopupPanels::editBarButtonOf(HeldButton b) const {
    switch (b) {
    case HeldButton::FillColour:
        return EditBarButton::FillColour;
    case HeldButton::PointShape:
        return EditBarButton::PointShape;
    case HeldButton::LineShape:
        return EditBarButton::LineShape;
    case HeldButton::AngleShape:
        return EditBarButton::AngleShape;
    case HeldButton::Colour:
    case HeldButton::Comparison:
    case HeldButton::None:
        break;
    }
    return EditBarButton::Colour;
}

void PopupPanels::act(HeldButton b) {
    if (b == HeldButton::Comparison) {
        selectTool(s_, s_.tool.lastComparisonTool);
        return;
    }
    pressEditBarButton(s_, editBarButtonOf(b));
}

} // namespace zeva::ui
