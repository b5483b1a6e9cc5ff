#pragma once
// The redraw pass: the current document painted onto a canvas in passes (fills, lines, points,
// operand marks, the trace layer, the pending selection rectangle), every element by its class.

#include "geometry/recompute.h"
#include "model/element.h"
#include "render/canvas.h"
#include "render/render_context.h"

namespace zeva::render {

// An element is drawn when it exists, is no macro placeholder, and is shown (or hidden ones
// are shown).
bool isDrawable(const RenderContext& ctx, const model::Element& e);
// Its colour: its own, or the hidden colour while it is hidden.
Color displayColor(const RenderContext& ctx, const model::Element& e);

// Fills the canvas with the background (the trace layer: white, or black on black).
void clearSurface(RenderContext& ctx, Canvas& canvas);

// Draws the document's elements before stopAt (none = all) onto the canvas.
void redrawAll(RenderContext& ctx, Canvas& canvas, const model::Element* stopAt = nullptr);

// The recompute context of the document with the view's plane and scale and the renderer's
// parametric colour rule, so loci record each sample's colour.
geometry::RecomputeContext recomputeContextFor(const RenderContext& ctx);

// The colour an element with a parametric colour takes now (its own colour for negative modes,
// which colour its fill or text background instead).
Color currentParametricColor(const model::Element& e);

// Recomputes the elements before stopAt, then redraws.
void recomputeAndRedraw(RenderContext& ctx, Canvas& canvas, const model::Element* stopAt = nullptr);

// Draws one element by its class. `style` is a shape code or a halo code (for text classes
// the text background colour); `fill` 0 or more fills polygons and circles.
void drawElement(RenderContext& ctx, Canvas& canvas, model::Element& e, Color color, int style,
                 Color fill = -1);

// The name labels of the elements before `stop`, each in its own colour with its owner's style.
void drawLabelsUpTo(RenderContext& ctx, Canvas& canvas, const model::Element* stop);

// Turns a parametric colour mode and a source value into a colour (HSV, see colour modes).
Color parametricColor(double value, bool valid, int mode);
// Applies an element's parametric colour (to its colour, or to its fill or text background
// for negative modes).
void updateParametricColor(model::Element& e);

} // namespace zeva::render
