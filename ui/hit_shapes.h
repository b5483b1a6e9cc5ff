#pragma once
// How near a world point is to what an element draws: the distance tests of the hit test, one
// per kind of shape, in world units against a reach (the detection distance in world units).
// They read the positions of the last recompute (a family locus: the instances it kept).

#include "geometry/recompute.h"
#include "model/element.h"
#include "model/point.h"
#include "render/view_transform.h"

namespace zeva::ui {

// The cursor as the distance tests see it.
struct Reach {
    Point at;            // world point of the cursor
    double within = 8.0; // world units: nearer than this counts (strictly)
};

bool nearPoint(Point q, const Reach& r);
// A line, ray or segment (also a polygon side or an axis line) by its class, from (x1, y1)
// through (x2, y2).
bool nearStraight(const model::Element& e, const Reach& r);
// The first side of the polygon the cursor is near, -1 when none is.
int nearPolygonSide(const model::Element& polygon, const Reach& r);
bool nearCircle(const model::Element& circle, const Reach& r);
bool nearArc(const model::Element& arc, const Reach& r);
// The mark of an angle element, as drawn (not drawn for very short arms or a null angle).
bool nearAngleMark(const model::Element& angle, const Reach& r);
bool nearConic(const model::Element& conic, const Reach& r, const render::ViewTransform& view);
// A locus as drawn (its polyline, its points, its family of elements) or a function graph.
bool nearLocus(const model::Element& locus, const Reach& r, const geometry::RecomputeContext& ctx,
               const render::ViewTransform& view);
// The grid node nearest the cursor.
bool nearGridNode(const model::Element& grid, const Reach& r,
                  const geometry::RecomputeContext& ctx);

// Any element whose class draws a curve or a point (an instance of a family locus).
bool nearCurve(const model::Element& e, const Reach& r, const geometry::RecomputeContext& ctx,
               const render::ViewTransform& view);

} // namespace zeva::ui
