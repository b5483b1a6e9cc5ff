#pragma once
// The pictures of the window's tool buttons, pop-up panels and cursors. Every picture is an SVG
// resource drawn for this program and rendered at the size and device pixel ratio it is shown
// at, so it stays sharp on any screen. The tables map control names and cursor numbers to
// resources; the window builds its buttons from them.

#include <QCursor>
#include <QIcon>

#include <array>
#include <string_view>

namespace zeva::ui {

struct GlyphEntry {
    std::string_view control;  // button name, e.g. "B_Punto"
    std::string_view resource; // Qt resource path of its SVG
};

// Every button that shows a drawn glyph. Buttons whose glyph changes at run time start with the
// glyph listed here: B_comp_1 with the first checker, the three shape buttons with their first
// shape. B_color starts with a colour swatch (colorSwatchIcon) and takes its own glyph back
// when parametric colour is chosen; B_doc_sig is half a button wide (a 12 x 24 picture).
// The 16 colour buttons of the colour panel have no file: their swatches are painted from the
// colour.
inline constexpr std::array kGlyphTable = {
    // Main bar, first row.
    GlyphEntry{"B_MuePan", ":/glyphs/B_MuePan.svg"},
    GlyphEntry{"B_zoom", ":/glyphs/B_zoom.svg"},
    GlyphEntry{"B_pancom", ":/glyphs/B_pancom.svg"},
    GlyphEntry{"B_todoelem", ":/glyphs/B_todoelem.svg"},
    GlyphEntry{"B_pasopaso", ":/glyphs/B_pasopaso.svg"},
    GlyphEntry{"B_lista", ":/glyphs/B_lista.svg"},
    GlyphEntry{"B_op_gen", ":/glyphs/B_op_gen.svg"},
    GlyphEntry{"B_copia_port", ":/glyphs/B_copia_port.svg"},
    GlyphEntry{"B_anim", ":/glyphs/B_anim.svg"},
    GlyphEntry{"B_traza", ":/glyphs/B_traza.svg"},
    GlyphEntry{"B_redefpun", ":/glyphs/B_redefpun.svg"},
    GlyphEntry{"B_MacCon", ":/glyphs/B_MacCon.svg"},
    GlyphEntry{"B_N_longdist", ":/glyphs/B_N_longdist.svg"},
    GlyphEntry{"B_N_area", ":/glyphs/B_N_area.svg"},
    GlyphEntry{"B_N_angulo", ":/glyphs/B_N_angulo.svg"},
    GlyphEntry{"B_N_pend", ":/glyphs/B_N_pend.svg"},
    GlyphEntry{"B_N_calcular", ":/glyphs/B_N_calcular.svg"},
    GlyphEntry{"B_N_ejes", ":/glyphs/B_N_ejes.svg"},
    GlyphEntry{"B_N_ecoord", ":/glyphs/B_N_ecoord.svg"},
    GlyphEntry{"B_puncoord", ":/glyphs/B_puncoord.svg"},
    GlyphEntry{"B_rep_pun", ":/glyphs/B_rep_pun.svg"},
    GlyphEntry{"B_N_cuadricula", ":/glyphs/B_N_cuadricula.svg"},
    GlyphEntry{"B_N_parametro", ":/glyphs/B_N_parametro.svg"},
    GlyphEntry{"B_N_funcion", ":/glyphs/B_N_funcion.svg"},
    GlyphEntry{"B_N_rep_fun", ":/glyphs/B_N_rep_fun.svg"},
    GlyphEntry{"B_doc_nuevo", ":/glyphs/B_doc_nuevo.svg"},
    GlyphEntry{"B_doc_abrir", ":/glyphs/B_doc_abrir.svg"},
    GlyphEntry{"B_doc_guardar", ":/glyphs/B_doc_guardar.svg"},
    GlyphEntry{"B_doc_print", ":/glyphs/B_doc_print.svg"},
    GlyphEntry{"B_doc_ant", ":/glyphs/B_doc_ant.svg"},
    GlyphEntry{"B_doc_sig", ":/glyphs/B_doc_sig.svg"},
    GlyphEntry{"B_doc_cerrar", ":/glyphs/B_doc_cerrar.svg"},
    // Main bar, second row.
    GlyphEntry{"Sel", ":/glyphs/Sel.svg"},
    GlyphEntry{"B_Punto", ":/glyphs/B_Punto.svg"},
    GlyphEntry{"B_Punto_Inter", ":/glyphs/B_Punto_Inter.svg"},
    GlyphEntry{"B_Segmento", ":/glyphs/B_Segmento.svg"},
    GlyphEntry{"B_Poligono", ":/glyphs/B_Poligono.svg"},
    GlyphEntry{"B_Polireg", ":/glyphs/B_Polireg.svg"},
    GlyphEntry{"B_Recta", ":/glyphs/B_Recta.svg"},
    GlyphEntry{"B_Rayo", ":/glyphs/B_Rayo.svg"},
    GlyphEntry{"B_Conica_5p", ":/glyphs/B_Conica_5p.svg"},
    GlyphEntry{"B_Circunf", ":/glyphs/B_Circunf.svg"},
    GlyphEntry{"B_Circ2pr", ":/glyphs/B_Circ2pr.svg"},
    GlyphEntry{"B_arco3p", ":/glyphs/B_arco3p.svg"},
    GlyphEntry{"B_Angulo", ":/glyphs/B_Angulo.svg"},
    GlyphEntry{"B_Recta_Para", ":/glyphs/B_Recta_Para.svg"},
    GlyphEntry{"B_Recta_Perp", ":/glyphs/B_Recta_Perp.svg"},
    GlyphEntry{"B_2_Sectriz", ":/glyphs/B_2_Sectriz.svg"},
    GlyphEntry{"B_2_div_seg", ":/glyphs/B_2_div_seg.svg"},
    GlyphEntry{"B_Mediatriz", ":/glyphs/B_Mediatriz.svg"},
    GlyphEntry{"B_Lugar_G", ":/glyphs/B_Lugar_G.svg"},
    GlyphEntry{"B_punto_desp", ":/glyphs/B_punto_desp.svg"},
    GlyphEntry{"B_Punto_Sim", ":/glyphs/B_Punto_Sim.svg"},
    GlyphEntry{"B_sim_ax", ":/glyphs/B_sim_ax.svg"},
    GlyphEntry{"B_traslac", ":/glyphs/B_traslac.svg"},
    GlyphEntry{"B_giro", ":/glyphs/B_giro.svg"},
    GlyphEntry{"B_homotec", ":/glyphs/B_homotec.svg"},
    GlyphEntry{"B_inversion", ":/glyphs/B_inversion.svg"},
    GlyphEntry{"B_comp_1", ":/glyphs/B_comp_par.svg"},
    // Edit bar.
    GlyphEntry{"B_elimelem", ":/glyphs/B_elimelem.svg"},
    GlyphEntry{"B_vernover", ":/glyphs/B_vernover.svg"},
    GlyphEntry{"B_color", ":/glyphs/B_color.svg"},
    GlyphEntry{"B_color_relleno", ":/glyphs/B_color_relleno.svg"},
    GlyphEntry{"B_edit_forma_punto", ":/glyphs/B_edit_pnor.svg"},
    GlyphEntry{"B_edit_forma_linea", ":/glyphs/B_edit_linor.svg"},
    GlyphEntry{"B_edit_forma_angulo", ":/glyphs/B_edit_ang1.svg"},
    GlyphEntry{"B_font", ":/glyphs/B_font.svg"},
    GlyphEntry{"B_inbitmap", ":/glyphs/B_inbitmap.svg"},
    GlyphEntry{"B_Texto", ":/glyphs/B_Texto.svg"},
    GlyphEntry{"B_N_tabla", ":/glyphs/B_N_tabla.svg"},
    GlyphEntry{"B_vernoverbot", ":/glyphs/B_vernoverbot.svg"},
    GlyphEntry{"B_editelem", ":/glyphs/B_editelem.svg"},
    // Comparison panel.
    GlyphEntry{"B_comp_par", ":/glyphs/B_comp_par.svg"},
    GlyphEntry{"B_comp_per", ":/glyphs/B_comp_per.svg"},
    GlyphEntry{"B_comp_pert", ":/glyphs/B_comp_pert.svg"},
    GlyphEntry{"B_comp_eq", ":/glyphs/B_comp_eq.svg"},
    GlyphEntry{"B_comp_3pa", ":/glyphs/B_comp_3pa.svg"},
    // Colour panel (besides the 16 swatches).
    GlyphEntry{"B_rgb", ":/glyphs/B_rgb.svg"},
    GlyphEntry{"B_colorpar", ":/glyphs/B_colorpar.svg"},
    // Shape panels: points, lines, angle marks.
    GlyphEntry{"B_edit_pnor", ":/glyphs/B_edit_pnor.svg"},
    GlyphEntry{"B_edit_pcruz", ":/glyphs/B_edit_pcruz.svg"},
    GlyphEntry{"B_edit_pgran", ":/glyphs/B_edit_pgran.svg"},
    GlyphEntry{"B_edit_pgran2", ":/glyphs/B_edit_pgran2.svg"},
    GlyphEntry{"B_edit_linor", ":/glyphs/B_edit_linor.svg"},
    GlyphEntry{"B_edit_lipun", ":/glyphs/B_edit_lipun.svg"},
    GlyphEntry{"B_edit_lipray", ":/glyphs/B_edit_lipray.svg"},
    GlyphEntry{"B_edit_ligran", ":/glyphs/B_edit_ligran.svg"},
    GlyphEntry{"B_edit_ang1", ":/glyphs/B_edit_ang1.svg"},
    GlyphEntry{"B_edit_ang2", ":/glyphs/B_edit_ang2.svg"},
    GlyphEntry{"B_edit_ang3", ":/glyphs/B_edit_ang3.svg"},
};

// The glyph of a button by its name; a null icon for a name without a glyph.
QIcon glyphIcon(std::string_view controlName);

// The program's own icon (window and desktop).
QIcon applicationIcon();
inline constexpr std::string_view kApplicationIconResource = ":/glyphs/zeva.svg";

// A colour-panel swatch: a black square of `size` logical pixels with the colour (0x00BBGGRR)
// filling it inset by an eighth of the size (2 of 18, 3 of 23), as B_color shows the chosen
// colour.
QIcon colorSwatchIcon(int colorRef, int size);

struct CursorEntry {
    int number;                // the tool table's cursor number, 1..24
    std::string_view resource; // Qt resource path of its SVG, drawn on a 32 x 32 grid
    int hotX;                  // hot spot on the 32 grid
    int hotY;
};

inline constexpr int kCursorGrid = 32;

inline constexpr std::array kCursorTable = {
    CursorEntry{1, ":/cursors/CON.svg", 16, 16},     // constructing
    CursorEntry{2, ":/cursors/ARRCON.svg", 16, 16},  // dragging
    CursorEntry{3, ":/cursors/ARR.svg", 16, 16},     // moving the screen
    CursorEntry{4, ":/cursors/SELEC.svg", 1, 1},     // move/edit tool
    CursorEntry{5, ":/cursors/INTERR.svg", 1, 1},    // several elements under the cursor
    CursorEntry{6, ":/cursors/COLFOR.svg", 2, 30},   // colour and shape
    CursorEntry{7, ":/cursors/VERNOVER.svg", 16, 16}, // hide/show
    CursorEntry{8, ":/cursors/TXT.svg", 12, 16},     // text
    CursorEntry{9, ":/cursors/EDIT.svg", 1, 1},      // edit element
    CursorEntry{10, ":/cursors/SELARR.svg", 1, 1},   // over something draggable
    CursorEntry{11, ":/cursors/ELIM.svg", 1, 1},     // delete
    CursorEntry{12, ":/cursors/MANOI.svg", 12, 1},   // over a hide/show button
    CursorEntry{13, ":/cursors/ANIM.svg", 1, 1},     // animation
    CursorEntry{14, ":/cursors/ZOOM.svg", 12, 12},   // zoom
    CursorEntry{15, ":/cursors/BOTON.svg", 1, 1},    // hide/show button tool
    CursorEntry{16, ":/cursors/TABLA.svg", 1, 1},    // table
    CursorEntry{17, ":/cursors/BITMAP.svg", 1, 1},   // insert picture
    CursorEntry{18, ":/cursors/TRAZA.svg", 1, 1},    // trace
    CursorEntry{19, ":/cursors/REDEF.svg", 1, 1},    // redefine point
    CursorEntry{20, ":/cursors/COMPROB.svg", 1, 1},  // checkers
    CursorEntry{21, ":/cursors/RELLENO.svg", 3, 26}, // fill colour
    CursorEntry{22, ":/cursors/FUENTE.svg", 1, 1},   // font
    CursorEntry{23, ":/cursors/MACINI.svg", 1, 1},   // macro initial elements
    CursorEntry{24, ":/cursors/MACFIN.svg", 1, 1},   // macro final elements
};

// The cursor of a tool by its number (1..24), rendered for the primary screen's device pixel
// ratio with the hot spot scaled to match; the standard arrow for any other number.
QCursor toolCursor(int number);

// The same at an explicit device pixel ratio (for screens other than the primary one).
QCursor toolCursor(int number, qreal devicePixelRatio);

} // namespace zeva::ui
