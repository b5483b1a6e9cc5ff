#pragma once
// Value, coordinate and equation texts that follow the object they measure (param2 100): their
// text goes to a point of that object given by a stored relative position. Like the rest of
// the text layout this happens right before a redraw (the view does it), so the recompute pass
// and the file keep the position last shown.

#include "geometry/recompute.h"
#include "model/element.h"

namespace zeva::geometry {

// Moves the text position (x2, y2) of an existing element whose label follows its object:
// measures (28..36), coordinates (42), slopes (56) and equations (45, 46, 58). The relative
// position is y1 (the equation's label parameter for equations): a fraction along distances
// and segments, a parameter on circles, arcs, polygons, lines and conics, an angle around the
// point for coordinates. Other elements, and positions that cannot be found, are left alone.
void placeFollowingLabel(model::Element& e, const RecomputeContext& ctx);

} // namespace zeva::geometry
