#pragma once
// Nombre elements (kind 48): where the name of an element sits.

#include "geometry/recompute.h"
#include "model/element.h"

namespace zeva::geometry {

// Kind 48: the anchor on the named element (parent1) by its class, plus the offset (dx, -dy),
// into anchorX, anchorY. y2 is the position along lines, segments, polygons, circles, arcs,
// loci and conics; an angle's anchor is also stored in x1, y1. Exists while the named element
// exists and its anchor can be found; classes without an anchor are left alone.
void recomputeName(model::Element& name, const RecomputeContext& ctx);

} // namespace zeva::geometry
