#include "geometry/locus_polyline.h"

#include "model/construction.h"

#include <algorithm>

namespace zeva::geometry {

using model::Element;
using model::ElementClass;
using model::Kind;

std::optional<LocusPolyline> polylineOf(const Element& locus, const RecomputeContext& ctx) {
    const auto* tail = std::get_if<model::SampleTail>(&locus.tail);
    if (!tail) return std::nullopt;
    LocusPolyline p;
    p.element = &locus;
    p.tail = tail;
    p.count = std::clamp<int>(
        tail->sampleCount, 0,
        static_cast<int>(std::min(tail->samples.size(), tail->sampleColors.size())));
    if (locus.kind == Kind::FunctionGraph) {
        p.graph = expr::prepareGraph(locus, ctx.units.angleUnit);
        return p;
    }
    if (locus.kind != Kind::Locus || !locus.parent1 ||
        locus.parent1->elementClass() != ElementClass::Point)
        return std::nullopt;
    const Element* driver = model::drivingPointOf(&locus);
    if (driver && driver->kind == Kind::GridPoint) return std::nullopt;
    p.closed = locus.param1 == 1;
    return p;
}

} // namespace zeva::geometry
