#pragma once
// Whether an element touches the selection rectangle, by its class: a point lies inside it;
// a line, ray, segment, polygon, circle, arc, angle mark, locus or conic has a part inside or
// crosses an edge; a text, value, table, button or name label has its box on screen overlap
// it; a picture its rectangle. Axes, grids and intersection candidates never do.

#include "geometry/recompute.h"
#include "model/element.h"
#include "render/canvas.h"
#include "render/render_context.h"

namespace zeva::ui {

// A rectangle of the world, edges included.
struct WorldBox {
    double left = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    double top = 0.0;

    // The box between two opposite corners in any order.
    static WorldBox between(Point a, Point b);
    bool contains(Point p) const {
        return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
    }
};

struct TouchContext {
    render::RenderContext& render;         // the view and the options texts are measured with
    render::Canvas& measure;               // text extents (only its font is set)
    geometry::RecomputeContext recompute;  // families of loci run their construction again
};

bool touchesRectangle(model::Element& e, const WorldBox& box, TouchContext& ctx);

} // namespace zeva::ui
