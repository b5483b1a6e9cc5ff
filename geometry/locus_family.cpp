// Families of polygons, arcs, loci and conics: run again instance by instance for drawing and
// hit testing instead of being stored.

#include "geometry/locus.h"
#include "geometry/locus_run.h"

namespace zeva::geometry {

using model::Element;

namespace {

// Visits each existing instance until `visit` answers true; answers whether one did.
bool runFamily(Element& locus, const RecomputeContext& ctx,
               const std::function<bool(const Element&)>& visit) {
    Element* traced = locus.parent1;
    if (!traced || !ctx.construction || locus.exists != 1) return false;
    // A traced locus is resampled for every instance, whatever a drag in progress would
    // otherwise keep.
    RecomputeContext runCtx = ctx;
    runCtx.dragInProgress = false;
    runCtx.draggedElement = nullptr;
    const DrivingParameters params = drivingParameters(locus, runCtx);
    LocusRun run(locus, runCtx, RunScope::Family);
    if (!run.valid()) return false;
    const size_t steps = params.onGrid ? params.gridNodes.size() : params.t.size();
    bool found = false;
    for (size_t i = 0; i < steps && !found; ++i) {
        const bool stepped =
            params.onGrid ? run.stepToNode(params.gridNodes[i]) : run.stepTo(params.t[i]);
        if (!stepped) break; // the allowance is used up
        found = traced->exists == 1 && visit(*traced);
    }
    run.restore();
    return found;
}

} // namespace

void drawFamily(Element& locus, const RecomputeContext& ctx, const FamilyVisitor& draw) {
    runFamily(locus, ctx, [&](const Element& instance) {
        draw(instance);
        return false;
    });
}

bool hitFamily(Element& locus, const RecomputeContext& ctx, const FamilyHitTest& hit) {
    return runFamily(locus, ctx, hit);
}

} // namespace zeva::geometry
