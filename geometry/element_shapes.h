#pragma once
// The shapes of elements as the primitives see them: an element's line, circle, arc or axes
// frame read from its coordinates (and, for arcs, from its three points).

#include "geometry/primitives.h"
#include "model/element.h"

#include <optional>

namespace zeva::geometry {

// An arc through three points: its circle, its three points and its turning flag (param1).
struct Arc {
    Point centre;
    double radius = 0.0;
    Point first;  // P1 (parent1)
    Point middle; // P2 (parent2, also kept in x2, y2)
    Point third;  // P3 (parent3)
    int turning = 0;
};

// The carrier line of a line, ray, segment or axis: (x1, y1) to (x2, y2).
inline Line lineOf(const model::Element& e) {
    return {e.point(), e.secondPoint()};
}

// The circle of a circle or an arc: centre (x1, y1), radius the distance to (x2, y2).
inline Circle circleOf(const model::Element& e) {
    return {e.point(), dist(e.point(), e.secondPoint())};
}

// The arc of a kind 19 element; none when one of its three points is missing.
std::optional<Arc> arcOf(const model::Element& arc);

// The frame of an Ejes de coordenadas element (origin = its parent1's point).
AxesFrame axesFrameOf(const model::Element& axes);

// The frame of the axes an Eje x or Eje y belongs to (its parent2), or of the axes themselves.
std::optional<AxesFrame> axesFrameOfAxisOrAxes(const model::Element& e);

} // namespace zeva::geometry
