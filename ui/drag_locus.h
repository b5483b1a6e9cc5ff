#pragma once
// The drag of a constructed point traced by a locus.

#include "geometry/recompute.h"
#include "ui/session.h"

namespace zeva::ui {

// Runs the locus's driving point between the samples around the one nearest the cursor c, in
// steps of 1% of their distance, and leaves it at the parameter where the traced point
// (drag.element) exists and comes nearest to c. drag.dependents must hold the driving point's
// dependents in construction order; the caller recomputes them afterwards.
void moveTracedPoint(DragState& drag, Point c, const geometry::RecomputeContext& ctx);

} // namespace zeva::ui
