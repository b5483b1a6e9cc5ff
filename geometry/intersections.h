#pragma once
// Intersection points (kind 2): which solution of which pair of elements, kept stable while
// the figure is dragged.

#include "geometry/recompute.h"
#include "model/element.h"

namespace zeva::geometry {

// The intersection type code (0..42) of a pair of parent classes, or -1 when they cannot
// intersect. *swap is set when the parents must be exchanged so the code's order holds.
int intersectionType(model::ElementClass first, model::ElementClass second, bool* swap);

// Number of crossings of `other` with the locus (segment by segment along its samples).
int countLocusCrossings(const model::Element& locus, const model::Element& other,
                        const RecomputeContext& ctx);

// Recomputes a kind 2 point from its two parents and its intersection type (param1).
void recomputeIntersection(model::Element& e, const RecomputeContext& ctx);

}  // namespace zeva::geometry
