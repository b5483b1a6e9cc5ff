#include "geometry/point_on_element.h"

namespace zeva::geometry {

// Placeholders until points on elements are built.
std::optional<Point> pointAt(model::Element&, double, const RecomputeContext&) {
    return std::nullopt;
}
double parameterOf(model::Element&, Point, const RecomputeContext&) { return 0.0; }

}  // namespace zeva::geometry
