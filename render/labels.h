#pragma once
// Everything of the figure that is text: name labels, values, formulas, coordinate pairs,
// equations, check results, free texts, tables and the hide/show push button, plus the
// operand marks of the calculation dialog. The texts and their places come from the recompute
// pass; these only draw them.

#include "model/element.h"
#include "render/canvas.h"
#include "render/render_context.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeva::render {

// The canvas font for an element's font: the name cut to 31 characters and the size rescaled
// so the text keeps its pixel size on a screen of any resolution.
FontSpec canvasFont(const RenderContext& ctx, const model::ElementFont& font, Color color);

// Single-line text with its top-left corner at a world position: transparent when
// `background` is negative or `transparent` is set, otherwise on that colour. On the miniature
// a box of the text's scaled extent stands for it.
void outputText(const RenderContext& ctx, Canvas& canvas, const model::ElementFont& font,
                Color color, Color background, bool transparent, Point at, std::string_view text);

// The single-line text an element shows (número, función, coordenadas, ecuación, propiedad,
// nombre) with the renderer's interface texts; empty for other classes.
std::string displayedText(const RenderContext& ctx, const model::Element& e);

// Where a table's rules, headers and cells go: columns as wide as the widest text, rows of the
// font's height, headers above the cells (swapped: left of them). Sets the table's font on the
// canvas to measure.
struct TableLayout {
    std::vector<std::string> headers; // one per tabulated element
    bool swapped = false;             // rows and columns exchanged
    int values = 0;                   // recorded values
    int columns = 0;
    int rows = 0;
    double cellW = 0.0; // world units
    double rowH = 0.0;
    Point corner; // top-left corner of the cells
    double width = 0.0;
    double height = 0.0;
};
TableLayout tableLayout(const RenderContext& ctx, Canvas& canvas, const model::Element& table,
                        Color textColor);

// The caption a hide/show button shows, blanks around it.
std::string buttonCaption(const RenderContext& ctx, const model::Element& button);

// Where the two numbers of a coordinate pair start, in world units: under their parts of the
// drawn text, so that each coordinate can be picked on its own. Sets the element's font on the
// canvas to measure.
std::pair<Point, Point> coordinatePartPositions(const RenderContext& ctx, Canvas& canvas,
                                                const model::Element& coordinates);

// Draws an element of a text class (texto, nombre, número, función, tabla, ecuación,
// coordenadas, propiedad, botón). For these classes `style` is the text background colour.
void drawTextElement(const RenderContext& ctx, Canvas& canvas, const model::Element& e, Color color,
                     int style);

// The letters and boxes that mark the operands picked in the calculation dialog.
void drawOperandLabels(const RenderContext& ctx, Canvas& canvas);

} // namespace zeva::render
