#pragma once
// Where the texts and pictures of the figure lie on the drawing surface, without drawing them:
// the boxes the hit test and the selection rectangle compare with the cursor.

#include "model/element.h"
#include "render/canvas.h"
#include "render/render_context.h"

#include <array>
#include <optional>

namespace zeva::render {

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

// The box an element's text occupies as last drawn on the main bitmap (free texts, shown name
// labels, values, formulas, coordinate pairs, equations, check results, tables, buttons),
// measured with the text extents of `measure`, whose font is the only thing that changes.
// Nothing is drawn and the element is not written. None for other classes.
std::optional<ScreenBox> textBoxOf(const RenderContext& ctx, Canvas& measure,
                                   const model::Element& e);

// The boxes of the two numbers of a coordinate pair (kind 42), each under its part of the text.
std::optional<std::array<ScreenBox, 2>>
coordinatePartBoxes(const RenderContext& ctx, Canvas& measure, const model::Element& coordinates);

// Whether the device pixel p lies in the element's text box. Elements whose text cannot reach
// p are turned down before any text is measured, so a walk over a large figure stays cheap.
bool textBoxContains(const RenderContext& ctx, Canvas& measure, const model::Element& e, IPoint p);

// The rectangle a picture (kind 67) covers: stretched between its corners when it hangs on a
// segment, otherwise its own size in pixels from its first corner (read from the stored BMP's
// header). None when the picture has no readable size.
std::optional<ScreenBox> pictureBoxOf(const RenderContext& ctx, const model::Element& bitmap);

} // namespace zeva::render
