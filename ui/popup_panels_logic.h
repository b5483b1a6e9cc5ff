#pragma once
// The press-and-hold panels of the colour, shape and comparison buttons, without widgets. A
// press starts the button's 200 ms timer; when it fires while the button is still held the panel
// opens beside it, and moving over the panel presses the panel button under the cursor. The
// release closes the panel and acts: the colour or shape chosen, then the edit bar's logic for
// the held button; the comparison chosen, then that checker as the tool. A release before the
// timer fires never opens the panel: the button acts with what was chosen before.

#include "ui/edit_bar.h"
#include "ui/session.h"

#include <array>
#include <optional>
#include <string_view>

namespace zeva::ui {

enum class HeldButton { None, Colour, FillColour, PointShape, LineShape, AngleShape, Comparison };
enum class PanelKind { Colour, PointShapes, LineShapes, AngleShapes, Comparison };

// The colour panel: 16 colours (0x00BBGGRR) in this order, then the RGB button and the
// parametric colour button.
struct PanelColour {
    std::string_view control;
    render::Color value;
};
inline constexpr std::array<PanelColour, 16> kPanelColours = {{
    {"B_rojo", 0x0000FF},    {"B_verde", 0x00FF00},   {"B_azul", 0xFFFF00},
    {"B_amar", 0x00FFFF},    {"B_gris", 0xC0C0C0},    {"B_blanco", 0xFFFFFF},
    {"B_rojo2", 0x000080},   {"B_verde2", 0x008000},  {"B_azul2", 0xFF0000},
    {"B_amar2", 0x008080},   {"B_gris2", 0x808080},   {"B_negro", 0x000000},
    {"B_violeta", 0xFF8080}, {"B_azmarino", 0xC08000}, {"B_naranja", 0x0080FF},
    {"B_rosado", 0xFF00FF},
}};
inline constexpr int kRgbButton = 16;
inline constexpr int kParametricButton = 17;
inline constexpr int kColourPanelButtons = 18;

// The glyph (control name of glyphs.h) of a shape tool 63..73 or of a checker 25..29.
std::string_view glyphOfShapeTool(ToolCode t);
std::string_view glyphOfComparisonTool(ToolCode t);
// The tools of a panel's buttons in panel order: shapes 63.., 67.., 71..; checkers in the order
// parallel, perpendicular, membership, equidistance, collinearity.
int panelButtonCount(PanelKind k);
ToolCode toolOfPanelButton(PanelKind k, int index);

class PopupPanels {
  public:
    explicit PopupPanels(Session& s) : s_(s) {}

    // The left button went down on a held button: its timer starts (the colour buttons also
    // reset the construction in progress).
    void press(HeldButton b);
    // A timer of the host fired: the panel to show beside the held button, none when the timer
    // is not one of the panels' or nothing is held any more.
    std::optional<PanelKind> timerFired(TimerId id);
    // While held with the panel open: the panel button under the cursor (-1: none) is pressed.
    void hover(int index);
    // The button was released: the panel (if open) closes and the choice acts. True when the
    // window must now ask for a colour (the RGB button): rgbAnswered follows.
    bool release();
    // The colour dialog's answer: the colour chosen (B_color shows its swatch), or on a cancel
    // red again; then the held button acts.
    void rgbAnswered(std::optional<render::Color> colour);

    HeldButton held() const { return held_; }
    std::optional<PanelKind> openPanel() const { return open_; }
    // The pressed button of a panel, -1 when none.
    int pressedIndex(PanelKind k) const;
    // The colour panel button down (a colour 0..15, RGB 16 or parametric 17).
    int colourDown() const { return colourDown_; }

  private:
    void act(HeldButton b);
    EditBarButton editBarButtonOf(HeldButton b) const;

    Session& s_;
    HeldButton held_ = HeldButton::None;
    HeldButton awaitingRgb_ = HeldButton::None;
    std::optional<PanelKind> open_;
    int colourDown_ = 0; // red at start
    int hovered_ = -1;
};

} // namespace zeva::ui
