#pragma once
// Redefining a point: attaching it to an element, making it free, or merging it into another
// point. Each keeps every element after its parents in the list.

#include "edit/edit.h"
#include "model/element.h"
#include "model/point.h"

namespace zeva::edit {

// Attaches an existing point to `host` at the position p clicked on it: the point becomes a
// point on the element (kind 1; kind 62 on a grid) with parent1 = host and the parameter of p
// (a polygon's side index in param1), it moves in the list to right after the host together
// with its dependents that come before the host, points on loci that depend on it restart at
// parameter 0, and everything is recomputed. Refused (false, nothing changed, nothing
// reported) when the host depends on the point, is the point itself, or carries no points.
bool attachPoint(Edit& edit, model::Element& point, model::Element& host, Point p);

// The point becomes a free point (kind 0, no parents) at p; what is built on it follows.
void detachPoint(Edit& edit, model::Element& point, Point p);

// Merges `point` into `target`: every element that used the point now uses the target (those
// before the target move to right after it, in their order), the point's name label passes to
// the target when the target has none (otherwise it goes with the point), and the point is
// deleted. Refused (false, nothing changed, nothing reported) when the target is the point or
// depends on it.
bool mergePoint(Edit& edit, model::Element& point, model::Element& target);

} // namespace zeva::edit
