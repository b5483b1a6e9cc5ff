#include "ui/tool_buttons.h"

namespace zeva::ui {

bool buttonShowsTool(const ToolButtonEntry& b, ToolCode active) {
    switch (b.action) {
    case ButtonAction::Tool:
    case ButtonAction::EditBar:
        return b.tool == active;
    case ButtonAction::Held:
        switch (b.held) {
        case HeldButton::Colour:
            return active == tool::Colour || active == tool::ParametricColour;
        case HeldButton::FillColour:
            return active == tool::FillColour || active == tool::ParametricFillColour;
        case HeldButton::PointShape:
            return active >= tool::PointShapeNormal && active <= tool::PointShapeLast;
        case HeldButton::LineShape:
            return active >= tool::LineShapeNormal && active <= tool::LineShapeLast;
        case HeldButton::AngleShape:
            return active >= tool::AngleShapeOne && active <= tool::AngleShapeLast;
        case HeldButton::Comparison:
            return active >= tool::CheckParallel && active <= tool::CheckCollinearity;
        case HeldButton::None:
            return false;
        }
        return false;
    case ButtonAction::Command:
    case ButtonAction::Bevel:
    case ButtonAction::DocumentBox:
        return false;
    }
    return false;
}

} // namespace zeva::ui
