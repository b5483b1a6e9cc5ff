#pragma once
// Grids (kind 61) and their nodes: the spacing rule shared with axis ticks, and the node a
// grid point (kind 62) snaps to.

#include "geometry/primitives.h"
#include "geometry/recompute.h"
#include "model/element.h"

#include <optional>

namespace zeva::geometry {

// The tick (and grid) step in axis units for an axis of `unit` world units per axis unit:
// 1, 2 or 5 times a power of ten, so that steps are about 60 pixels apart or closer.
double niceStepFactor(double unit);

// The axis coordinates of the grid node nearest to the world point p: rectangular nodes at
// multiples of the steps, or polar rings of nodes (the view decides the angular step of each
// ring). None when the grid has no axes.
std::optional<Point> nearestGridNode(const model::Element& grid, Point p,
                                     const RecomputeContext& ctx);

} // namespace zeva::geometry
