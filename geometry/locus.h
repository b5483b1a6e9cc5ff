#pragma once
// Loci (kind 21): the traced element sampled while its driving point runs along its host.

#include "geometry/recompute.h"
#include "model/element.h"

#include <optional>

namespace zeva::geometry {

// Kind 21: samples the locus (except in the drag cases where it keeps its samples).
void recomputeLocus(model::Element& locus, const RecomputeContext& ctx);

// The point of a point locus at parameter t (an exact re-run, not interpolation), and the
// parameter of the locus point nearest p.
std::optional<Point> locusPointAt(model::Element& locus, double t, const RecomputeContext& ctx);
double locusParameterOf(model::Element& locus, Point p, const RecomputeContext& ctx);

}  // namespace zeva::geometry
