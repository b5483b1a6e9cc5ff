#pragma once
// The redraw pass: the current document painted onto a canvas in passes (fills, lines, points,
// operand marks, the trace layer, the pending selection rectangle), every element by its class.
// It only reads the construction: run the recompute pass first.

#include "document/document.h"
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

// Fills the canvas with the background (the trace layer: white, or black on black; it is then
// unused again).
void clearSurface(RenderContext& ctx, Canvas& canvas);

// Draws the document's elements before stopAt (none = all) onto the canvas, as the last
// recompute pass left them.
void redrawAll(RenderContext& ctx, Canvas& canvas, const model::Element* stopAt = nullptr);

// The recompute context of the document with the view's plane and scale (for headless callers
// that have no document view).
geometry::RecomputeContext recomputeContextFor(document::Document& d, const ViewTransform& view);

// Draws one element by its class. `style` is a shape code or a halo code (for text classes
// the text background colour); `fill` 0 or more fills polygons and circles.
void drawElement(const RenderContext& ctx, Canvas& canvas, const model::Element& e, Color color,
                 int style, Color fill = -1);

// The name labels of the elements before `stop`, each in its own colour with its owner's style.
void drawLabelsUpTo(const RenderContext& ctx, Canvas& canvas, const model::Element* stop);

} // namespace zeva::render
