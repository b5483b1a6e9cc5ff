#include "ui/main_menu_table.h"

#include <array>

namespace zeva::ui {

namespace {

constexpr MenuItem command(int key, Command c, std::string_view shortcut = {},
                           EditRule rule = EditRule::Always, bool checkable = false) {
    return {MenuItemKind::Command, key, c, -1, shortcut, rule, checkable};
}
constexpr MenuItem toggle(int key, Command c, std::string_view shortcut = {}) {
    return command(key, c, shortcut, EditRule::Always, true);
}
constexpr MenuItem toolItem(ToolCode t, std::string_view shortcut = {},
                            EditRule rule = EditRule::Always) {
    return {MenuItemKind::Tool, -1, Command::New, t, shortcut, rule, false};
}
constexpr MenuItem special(MenuItemKind kind, int key = -1) {
    return {kind, key, Command::New, -1, {}, EditRule::Always, false};
}
constexpr MenuItem separator() {
    return special(MenuItemKind::Separator);
}
constexpr MenuItem submenu(int key) {
    return special(MenuItemKind::SubmenuBegin, key);
}
constexpr MenuItem submenuEnd() {
    return special(MenuItemKind::SubmenuEnd);
}

constexpr std::array kFile = {
    command(556, Command::New, "Ctrl+N"),
    command(557, Command::Open, "Ctrl+O"),
    special(MenuItemKind::RecentFiles, 606),
    command(558, Command::Save, "Ctrl+S"),
    command(559, Command::SaveAs),
    command(601, Command::ExportDrawing),
    separator(),
    command(608, Command::Close, "Ctrl+F4"),
    command(609, Command::CloseAll),
    separator(),
    command(560, Command::Print, "Ctrl+P"),
    command(610, Command::PrintSetup),
    separator(),
    submenu(windowText::Options),
    command(561, Command::GeneralOptions),
    command(562, Command::Appearance),
    command(563, Command::Fonts),
    command(564, Command::Language),
    separator(),
    command(565, Command::LoadOriginalOptions),
    command(566, Command::SaveOptions),
    separator(),
    command(windowText::ClearRecentFiles, Command::ClearRecentFiles),
    submenuEnd(),
    separator(),
    command(567, Command::Exit, "Alt+F4"),
};

constexpr std::array kView = {
    toggle(545, Command::ShowHidden),
    command(windowText::StepByStep, Command::StepByStep, "F2"),
    command(604, Command::ConstructionList, "F3"),
    command(windowText::MoveScreen, Command::MoveScreen, "Shift+M"),
    toggle(windowText::FullScreen, Command::FullScreen),
    toolItem(tool::Zoom),
    toolItem(tool::Animation, "Shift+A"),
    separator(),
    toggle(568, Command::ShowMainButtons),
    toggle(569, Command::ShowEditButtons),
    toggle(570, Command::ShowStatusBar),
};

constexpr std::array kEdit = {
    command(540, Command::Undo, "Ctrl+Z", EditRule::Undo),
    separator(),
    command(611, Command::Cut, "Ctrl+X", EditRule::Selection),
    command(612, Command::Copy, "Ctrl+C", EditRule::Selection),
    command(613, Command::Paste, "Ctrl+V", EditRule::Figure),
    command(614, Command::DeleteSelection, "Del", EditRule::Selection),
    command(615, Command::SelectAll, "Ctrl+A", EditRule::Elements),
    separator(),
    command(1096, Command::CopyPicture),
    command(windowText::PastePicture, Command::PastePicture, {}, EditRule::Picture),
    separator(),
    toolItem(tool::Move, "Esc"),
    toolItem(tool::EditElement, "Ctrl+E", EditRule::Elements),
    toolItem(tool::DeleteElement, {}, EditRule::Elements),
    toolItem(tool::HideShow, {}, EditRule::Elements),
    command(539, Command::DeleteAll, {}, EditRule::Elements),
    toolItem(tool::Redefine, {}, EditRule::Elements),
    toolItem(tool::InsertBitmap, "Ctrl+B"),
    toolItem(tool::Text, "Ctrl+T"),
    toolItem(tool::Table, {}, EditRule::Elements),
    toolItem(tool::HideShowButton, {}, EditRule::Elements),
    toolItem(tool::Trace, {}, EditRule::Elements),
    command(windowText::TracesOff, Command::TracesOff, {}, EditRule::Traces),
    separator(),
    command(windowText::Redraw, Command::Redraw, "Ctrl+R"),
};

constexpr std::array kConstruct = {
    toolItem(tool::Point),
    toolItem(tool::Intersection),
    toolItem(tool::Midpoint),
    separator(),
    toolItem(tool::Segment),
    toolItem(tool::Polygon),
    toolItem(tool::RegularPolygon),
    toolItem(tool::Line),
    toolItem(tool::Ray),
    toolItem(tool::Parallel),
    toolItem(tool::Perpendicular),
    toolItem(tool::AngleBisector),
    toolItem(tool::PerpendicularBisector),
    separator(),
    toolItem(tool::Conic),
    toolItem(tool::Circle),
    toolItem(tool::CircleByRadius),
    toolItem(tool::Arc),
    toolItem(tool::Angle),
    separator(),
    toolItem(tool::Locus, "Ctrl+L"),
};

constexpr std::array kMeasure = {
    toolItem(tool::LengthDistance),
    toolItem(tool::Area),
    toolItem(tool::MeasureAngle),
    toolItem(tool::Slope),
    separator(),
    toolItem(tool::Axes),
    toolItem(tool::Grid),
    toolItem(tool::EquationCoordinates),
    toolItem(tool::PointByCoordinates),
    toolItem(tool::PlotPoints),
    separator(),
    toolItem(tool::Calculate, "Shift+Ctrl+C"),
    toolItem(tool::Parameter, "Shift+Ctrl+P"),
    toolItem(tool::Function, "Shift+Ctrl+F"),
    toolItem(tool::PlotFunction),
};

constexpr std::array kTransform = {
    toolItem(tool::Displacement),
    toolItem(tool::CentralSymmetry),
    toolItem(tool::AxialSymmetry),
    toolItem(tool::Translation),
    toolItem(tool::Rotation),
    toolItem(tool::Homothety),
    toolItem(tool::Inversion),
    separator(),
    toolItem(tool::CheckParallel),
    toolItem(tool::CheckPerpendicular),
    toolItem(tool::CheckMembership),
    toolItem(tool::CheckCollinearity),
    toolItem(tool::CheckEquidistance),
};

constexpr std::array kMacros = {
    command(windowText::Macros, Command::Macros, "Ctrl+M"),
};

// "Cerrar" and "Cerrar todo" carry their shortcut in "&Archivo" only: one key, one action.
constexpr std::array kDocument = {
    command(578, Command::NextDocument, "Ctrl+Tab"),
    command(579, Command::PreviousDocument, "Ctrl+Shift+Tab"),
    separator(),
    command(608, Command::Close),
    command(609, Command::CloseAll),
    separator(),
    command(windowText::DocumentsList, Command::DocumentsList, "F11"),
    separator(),
    special(MenuItemKind::Documents),
};

constexpr std::array kHelp = {
    command(571, Command::HelpContents),
    command(572, Command::HelpCurrentPage, "F1"),
    command(573, Command::WhatsNew),
    separator(),
    command(576, Command::About),
};

const std::array<Menu, 9> kMenus = {{
    {550, kFile},
    {551, kView},
    {552, kEdit},
    {553, kConstruct},
    {544, kMeasure},
    {599, kTransform},
    {554, kMacros},
    {577, kDocument},
    {555, kHelp},
}};

} // namespace

std::span<const Menu> mainMenus() {
    return kMenus;
}

bool editRuleAllows(EditRule rule, const document::Document* d, bool clipboardHolds) {
    switch (rule) {
    case EditRule::Always:
        return true;
    case EditRule::Picture:
    case EditRule::Figure:
        return d && clipboardHolds;
    case EditRule::Elements:
        return d && d->construction.countOf() > 0;
    case EditRule::Undo:
        return d && d->undoAvailable != 0;
    case EditRule::Selection:
        return d && d->construction.firstSelected() != nullptr;
    case EditRule::Traces:
        return d && !d->construction.traced.empty();
    }
    return false;
}

} // namespace zeva::ui
