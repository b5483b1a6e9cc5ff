#include "geometry/element_shapes.h"

namespace zeva::geometry {

std::optional<Arc> arcOf(const model::Element& arc) {
    if (!arc.parent1 || !arc.parent2 || !arc.parent3) return std::nullopt;
    Arc a;
    a.centre = arc.point();
    a.first = arc.parent1->point();
    a.middle = arc.parent2->point();
    a.third = arc.parent3->point();
    a.radius = dist(a.centre, arc.secondPoint());
    a.turning = arc.param1 == 1 ? 1 : 0;
    return a;
}

AxesFrame axesFrameOf(const model::Element& axes) {
    AxesFrame f;
    if (axes.parent1) {
        f.origin = axes.parent1->point();
    } else if (const auto* tail = std::get_if<model::AxesTail>(&axes.tail); tail && tail->axisX) {
        f.origin = tail->axisX->point();
    }
    if (const auto* tail = std::get_if<model::AxesTail>(&axes.tail)) {
        f.unitX = tail->unitX;
        f.unitY = tail->unitY;
    }
    return f;
}

std::optional<AxesFrame> axesFrameOfAxisOrAxes(const model::Element& e) {
    if (e.kind == model::Kind::Axes) return axesFrameOf(e);
    if ((e.kind == model::Kind::AxisX || e.kind == model::Kind::AxisY) && e.parent2 &&
        e.parent2->kind == model::Kind::Axes)
        return axesFrameOf(*e.parent2);
    return std::nullopt;
}

} // namespace zeva::geometry
