#include "geometry/locus.h"

namespace zeva::geometry {

// Placeholders until loci are built.
void recomputeLocus(model::Element& locus, const RecomputeContext&) { locus.exists = 0; }
std::optional<Point> locusPointAt(model::Element&, double, const RecomputeContext&) {
    return std::nullopt;
}
double locusParameterOf(model::Element&, Point, const RecomputeContext&) { return 0.0; }

}  // namespace zeva::geometry
