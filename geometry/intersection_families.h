#pragma once
// The intersection families the kind 2 recompute dispatches to. The parents are given in the
// order of their code (already checked and, where needed, exchanged); each routine sets `exists`
// and, when the point exists, x1, y1.

#include "geometry/recompute.h"
#include "model/element.h"

namespace zeva::geometry {

// Codes 0..5: the crossing of two carrier lines, kept only on every segment and ray involved.
void recomputeLineLikeIntersection(model::Element& e, const model::Element& a,
                                   const model::Element& b, const RecomputeContext& ctx);

// Codes 6..29: one of the two crossings of a circle, arc or conic (a) with a line-like element,
// or of two circles or arcs.
void recomputeTwoSolutionIntersection(model::Element& e, int code, const model::Element& a,
                                      const model::Element& b, const RecomputeContext& ctx);

// Codes 30..41: one of up to four crossings of a conic (a) with a conic, circle or arc (b).
void recomputeFourSolutionIntersection(model::Element& e, int code, const model::Element& a,
                                       const model::Element& b, const RecomputeContext& ctx);

// Code 42: the crossing param2 of a locus with another element, shared with the later points
// of the same pair.
void recomputeLocusIntersection(model::Element& e, const RecomputeContext& ctx);

} // namespace zeva::geometry
