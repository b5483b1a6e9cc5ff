#pragma once
// Everything of the figure that is text: name labels, values, formulas, coordinate pairs,
// equations, check results, free texts, tables and the hide/show push button, plus the
// operand marks of the calculation dialog.

#include "model/element.h"
#include "render/canvas.h"
#include "render/render_context.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zeva::render {

// The canvas font for an element's font: the name cut to 31 characters and the size rescaled
// so the text keeps its pixel size on a screen of any resolution.
FontSpec canvasFont(const RenderContext& ctx, const model::ElementFont& font, Color color);

// Single-line text with its top-left corner at a world position: transparent when
// `background` is negative or `transparent` is set, otherwise on that colour. On the miniature
// a box of the text's scaled extent stands for it.
void outputText(RenderContext& ctx, Canvas& canvas, const model::ElementFont& font, Color color,
                Color background, bool transparent, Point at, std::string_view text);

// Moves a value, coordinate or equation text that follows its object (param2 100) to its
// place on the object, from the stored relative position.
void placeFollowingLabel(RenderContext& ctx, model::Element& e);

// The single-line text an element shows (número, función, coordenadas, ecuación, propiedad,
// nombre); empty for other classes. Equation texts are rebuilt first.
std::string displayedText(RenderContext& ctx, model::Element& e);

// Draws an element of a text class (texto, nombre, número, función, tabla, ecuación,
// coordenadas, propiedad, botón). For these classes `style` is the text background colour.
void drawTextElement(RenderContext& ctx, Canvas& canvas, model::Element& e, Color color, int style);

// A rectangle of device pixels: left and top included, right and bottom excluded.
struct ScreenBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(IPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
};

// The box an element's text occupies on the main bitmap as last drawn (free texts, shown name
// labels, values, formulas, coordinate pairs, equations, check results, tables, buttons),
// measured with the text extents of `measure`, whose font is the only thing that changes.
// Nothing is drawn and the element is not written. None for other classes.
std::optional<ScreenBox> textBoxOf(RenderContext& ctx, Canvas& measure, const model::Element& e);

// The boxes of the two numbers of a coordinate pair (kind 42), each under its part of the text.
std::optional<std::array<ScreenBox, 2>> coordinatePartBoxes(RenderContext& ctx, Canvas& measure,
                                                            const model::Element& coordinates);

// Whether the device pixel p lies in the element's text box; elements whose text cannot reach
// p are turned down before any text is measured.
bool textBoxContains(RenderContext& ctx, Canvas& measure, const model::Element& e, IPoint p);

// The letters and boxes that mark the operands picked in the calculation dialog.
void drawOperandLabels(RenderContext& ctx, Canvas& canvas);

} // namespace zeva::render
