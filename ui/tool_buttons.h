#pragma once
// The buttons of the two tool bars, in their order: the main bar's two rows (with their bevels
// and the open-documents box at the end of the second row) and the edit bar from top to bottom.
// Each button chooses a tool, runs a command, opens a press-and-hold panel, or presses an edit
// bar button; its hint is the tool's text or a text-table key.

#include "ui/edit_bar.h"
#include "ui/popup_panels_logic.h"
#include "ui/tool_codes.h"
#include "ui/window_commands.h"

#include <array>
#include <string_view>

namespace zeva::ui {

enum class ButtonAction {
    Tool,    // chooses `tool`
    Command, // runs `command`
    Held,    // press and hold: `held` (a short click acts as the button)
    EditBar, // an edit-bar button: `editBar`
    Bevel,   // a separating groove, no button
    DocumentBox, // CB_doc
};

enum class ButtonWidth { Normal, Wide, Half };

struct ToolButtonEntry {
    std::string_view control; // the glyph's name (glyphs.h)
    ButtonAction action = ButtonAction::Tool;
    ToolCode tool = -1;
    Command command = Command::New;
    HeldButton held = HeldButton::None;
    EditBarButton editBar = EditBarButton::HideShow;
    int hintKey = -1; // -1: the hint is the tool's text
    ButtonWidth width = ButtonWidth::Normal;
    bool toggle = false; // stays down while its option is on ("Ver lo oculto")
};

constexpr ToolButtonEntry toolButton(std::string_view name, ToolCode t) {
    return {name, ButtonAction::Tool, t};
}
constexpr ToolButtonEntry commandButton(std::string_view name, Command c, int hintKey,
                                        bool toggle = false,
                                        ButtonWidth w = ButtonWidth::Normal) {
    return {name, ButtonAction::Command, -1, c, HeldButton::None, EditBarButton::HideShow,
            hintKey, w, toggle};
}
constexpr ToolButtonEntry heldButton(std::string_view name, HeldButton h, int hintKey) {
    return {name, ButtonAction::Held, -1, Command::New, h, EditBarButton::HideShow, hintKey};
}
constexpr ToolButtonEntry editBarButton(std::string_view name, EditBarButton b, ToolCode t) {
    return {name, ButtonAction::EditBar, t, Command::New, HeldButton::None, b};
}
constexpr ToolButtonEntry bevel() {
    return {"", ButtonAction::Bevel};
}

// Hint keys of the buttons that are not tools.
namespace hint {
inline constexpr int Colour = 541;
inline constexpr int FillColour = 600;
inline constexpr int Shape = 602;
inline constexpr int StepByStep = 542;
inline constexpr int FullScreen = 543;
inline constexpr int ShowHidden = 545;
inline constexpr int MoveScreen = 546;
inline constexpr int NewDocument = 616;
inline constexpr int OpenDocument = 617;
inline constexpr int SaveDocument = 618;
inline constexpr int PrintDocument = 619;
inline constexpr int PreviousDocument = 620;
inline constexpr int NextDocument = 621;
inline constexpr int CloseDocument = 622;
inline constexpr int ConstructionList = 604;
inline constexpr int GeneralOptions = 561;
inline constexpr int CopyPicture = 1096;
inline constexpr int Macros = 2008;
} // namespace hint

inline constexpr std::array kMainRow1 = {
    commandButton("B_MuePan", Command::MoveScreen, hint::MoveScreen),
    toolButton("B_zoom", tool::Zoom),
    commandButton("B_pancom", Command::FullScreen, hint::FullScreen, true),
    commandButton("B_todoelem", Command::ShowHidden, hint::ShowHidden, true),
    commandButton("B_pasopaso", Command::StepByStep, hint::StepByStep),
    commandButton("B_lista", Command::ConstructionList, hint::ConstructionList),
    commandButton("B_op_gen", Command::GeneralOptions, hint::GeneralOptions),
    commandButton("B_copia_port", Command::CopyPicture, hint::CopyPicture),
    toolButton("B_anim", tool::Animation),
    toolButton("B_traza", tool::Trace),
    toolButton("B_redefpun", tool::Redefine),
    commandButton("B_MacCon", Command::Macros, hint::Macros),
    bevel(),
    toolButton("B_N_longdist", tool::LengthDistance),
    toolButton("B_N_area", tool::Area),
    toolButton("B_N_angulo", tool::MeasureAngle),
    toolButton("B_N_pend", tool::Slope),
    toolButton("B_N_calcular", tool::Calculate),
    toolButton("B_N_ejes", tool::Axes),
    toolButton("B_N_ecoord", tool::EquationCoordinates),
    toolButton("B_puncoord", tool::PointByCoordinates),
    toolButton("B_rep_pun", tool::PlotPoints),
    toolButton("B_N_cuadricula", tool::Grid),
    toolButton("B_N_parametro", tool::Parameter),
    toolButton("B_N_funcion", tool::Function),
    toolButton("B_N_rep_fun", tool::PlotFunction),
    bevel(),
    commandButton("B_doc_nuevo", Command::New, hint::NewDocument),
    commandButton("B_doc_abrir", Command::Open, hint::OpenDocument),
    commandButton("B_doc_guardar", Command::Save, hint::SaveDocument),
    commandButton("B_doc_print", Command::Print, hint::PrintDocument),
    commandButton("B_doc_ant", Command::PreviousDocument, hint::PreviousDocument),
    commandButton("B_doc_sig", Command::NextDocument, hint::NextDocument, false,
                  ButtonWidth::Half),
    commandButton("B_doc_cerrar", Command::Close, hint::CloseDocument),
};

inline constexpr std::array kMainRow2 = {
    ToolButtonEntry{"Sel", ButtonAction::Tool, tool::Move, Command::New, HeldButton::None,
                    EditBarButton::HideShow, -1, ButtonWidth::Wide},
    toolButton("B_Punto", tool::Point),
    toolButton("B_Punto_Inter", tool::Intersection),
    toolButton("B_Segmento", tool::Segment),
    toolButton("B_Poligono", tool::Polygon),
    toolButton("B_Polireg", tool::RegularPolygon),
    toolButton("B_Recta", tool::Line),
    toolButton("B_Rayo", tool::Ray),
    toolButton("B_Conica_5p", tool::Conic),
    toolButton("B_Circunf", tool::Circle),
    toolButton("B_Circ2pr", tool::CircleByRadius),
    toolButton("B_arco3p", tool::Arc),
    toolButton("B_Angulo", tool::Angle),
    toolButton("B_Recta_Para", tool::Parallel),
    toolButton("B_Recta_Perp", tool::Perpendicular),
    toolButton("B_2_Sectriz", tool::AngleBisector),
    toolButton("B_2_div_seg", tool::Midpoint),
    toolButton("B_Mediatriz", tool::PerpendicularBisector),
    toolButton("B_Lugar_G", tool::Locus),
    toolButton("B_punto_desp", tool::Displacement),
    toolButton("B_Punto_Sim", tool::CentralSymmetry),
    toolButton("B_sim_ax", tool::AxialSymmetry),
    toolButton("B_traslac", tool::Translation),
    toolButton("B_giro", tool::Rotation),
    toolButton("B_homotec", tool::Homothety),
    toolButton("B_inversion", tool::Inversion),
    heldButton("B_comp_1", HeldButton::Comparison, -1),
    ToolButtonEntry{"CB_doc", ButtonAction::DocumentBox},
};

inline constexpr std::array kEditBar = {
    editBarButton("B_elimelem", EditBarButton::Delete, tool::DeleteElement),
    editBarButton("B_vernover", EditBarButton::HideShow, tool::HideShow),
    heldButton("B_color", HeldButton::Colour, hint::Colour),
    heldButton("B_color_relleno", HeldButton::FillColour, hint::FillColour),
    heldButton("B_edit_forma_punto", HeldButton::PointShape, hint::Shape),
    heldButton("B_edit_forma_linea", HeldButton::LineShape, hint::Shape),
    heldButton("B_edit_forma_angulo", HeldButton::AngleShape, hint::Shape),
    editBarButton("B_font", EditBarButton::Font, tool::Font),
    toolButton("B_inbitmap", tool::InsertBitmap),
    toolButton("B_Texto", tool::Text),
    toolButton("B_N_tabla", tool::Table),
    toolButton("B_vernoverbot", tool::HideShowButton),
    editBarButton("B_editelem", EditBarButton::EditElement, tool::EditElement),
};

// Whether a button shows as pressed while `active` is the tool: a tool button for its tool, the
// colour buttons for their tools (plain or parametric), the shape buttons for their shapes, the
// comparison button for any checker.
bool buttonShowsTool(const ToolButtonEntry& b, ToolCode active);

} // namespace zeva::ui
