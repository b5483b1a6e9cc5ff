#include "geometry/intersections.h"

namespace zeva::geometry {

int intersectionType(model::ElementClass, model::ElementClass, bool* swap) {
    if (swap) *swap = false;
    return -1;  // placeholder until intersections are built
}

int countLocusCrossings(const model::Element&, const model::Element&, const RecomputeContext&) {
    return 0;  // placeholder until intersections are built
}

void recomputeIntersection(model::Element& e, const RecomputeContext& ctx) {
    (void)ctx;
    e.exists = 0;  // placeholder until intersections are built
}

}  // namespace zeva::geometry
