#pragma once
// How the move tool moves what it drags: each kind's own rule for a single drag, the
// attachments of name labels and value texts, and the plane they may not leave. The rules
// write the dragged elements only; the caller recomputes their dependents.

#include "geometry/recompute.h"
#include "model/element.h"
#include "model/point.h"
#include "ui/session.h"

#include <span>

namespace zeva::ui {

struct MotionContext {
    const geometry::RecomputeContext& recompute;
    double planeHalf = 1500.0; // free points stay within [-planeHalf, planeHalf] on both axes
    double nameDistance = 50.0; // world units a name may be dragged away from its element
    bool polar = false;         // the document shows polar coordinates
};

// p held within the plane square.
Point clampToPlane(Point p, double planeHalf);

// The displacement `wanted` shortened on each axis so that none of the points leaves the
// plane (points already outside do not restrict it): a rigid move stays rigid at the edge.
Point displacementWithinPlane(std::span<const Point> points, Point wanted, double planeHalf);

// The single drag of `drag.element` to the cursor's world point c: free and grid points,
// points on elements, lines and rays turning about their point, rigid moves of segments,
// lines, rays, circles, arcs and conics with free points, circles by their centre, angle
// marks, axes and their units, regular-polygon vertices, texts, pictures, name labels and the
// texts of values.
void moveByOwnRule(DragState& drag, Point c, const MotionContext& m);

// A group drag translates the free points, texts and pictures it gathered, and the labels of
// selected values that do not follow their objects (their position is (x2, y2)).
bool translatesInGroup(const model::Element& e);
Point groupPosition(const model::Element& e);
// Moves every element of drag.moved by one displacement that brings the reference element to
// the cursor c less the anchor, shortened so that no free point leaves the plane.
void translateGroup(DragState& drag, Point c, const MotionContext& m);

// Name labels (kind 48): the anchor on the named element nearest the text's new top-left
// corner p, and the offset from it, at most nameDistance long.
void moveNameLabel(model::Element& label, Point p, const MotionContext& m);

// A value, coordinate or equation text that follows its object (param2 100): its relative
// position along the object from the text's new top-left corner p.
void slideFollowingText(model::Element& e, Point p, const MotionContext& m);

} // namespace zeva::ui
