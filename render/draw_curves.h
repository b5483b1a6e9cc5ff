#pragma once
// Drawing of the figure's compound shapes: conics, loci and function graphs, coordinate axes,
// grids and pictures.

#include "model/element.h"
#include "render/canvas.h"
#include "render/render_context.h"

#include <functional>

namespace zeva::render {

// The pieces a conic is drawn as (shared by drawing and hit testing): `line` for each line of
// a line pair, `circle` for a conic whose equation is a circle, otherwise `chord` for each
// chord between its samples (chords far off screen or very long on it are left out).
struct ConicPieces {
    std::function<void(Point a, Point b)> line;
    std::function<void(Point centre, double radius)> circle;
    std::function<void(Point a, Point b)> chord;
};
void forEachConicPiece(const ViewTransform& view, const model::Element& conic,
                       const ConicPieces& f);

// A conic from its 120 samples; a line pair as its two lines, a circle as a circle.
void drawConic(const RenderContext& ctx, Canvas& canvas, const model::Element& conic, Color color,
               int style);

// A locus (kind 21) by the class of its traced element, or a function graph (kind 65).
void drawLocus(const RenderContext& ctx, Canvas& canvas, const model::Element& locus, Color color,
               int style);

// Both axes with their ticks and, except on the miniature, the first tick values.
void drawAxes(const RenderContext& ctx, Canvas& canvas, const model::Element& axes, Color color,
              int style);

// The points of a grid in the point shape `style`.
void drawGrid(const RenderContext& ctx, Canvas& canvas, const model::Element& grid, Color color,
              int style);

// A picture at its first corner or stretched between its corners; the halo code -2 draws the
// selection frame instead.
void drawPicture(const RenderContext& ctx, Canvas& canvas, const model::Element& bitmap,
                 Color color, int style);

} // namespace zeva::render
