#include "geometry/locus_run.h"

#include <algorithm>

#include "model/dependencies.h"

namespace zeva::geometry {

using model::Element;
using model::ElementClass;
using model::Kind;

DrivingChain drivingChainOf(const Element& locus) {
    DrivingChain chain;
    const Element* current = &locus;
    Element* point = locus.parent2;
    // Bounded: a well-formed construction cannot nest loci more deeply than it has elements,
    // and a malformed one must not loop.
    for (int depth = 0; point && depth < 10000; ++depth) {
        chain.points.push_back(point);
        chain.saved.push_back(point->secondPoint());
        Element* host = point->parent1;
        if (!host || host->kind != Kind::Locus || host == current) break;
        current = host;
        point = host->parent2;
    }
    return chain;
}

namespace {

// The loci whose runs are in progress on this thread, outermost first, and what is left of the
// outermost run's allowance of element recomputes.
thread_local std::vector<const Element*> runsInProgress;
thread_local int64_t recomputesLeft = 0;

bool mayStartRun(const Element& locus, const RecomputeContext& ctx) {
    if (runsInProgress.empty()) recomputesLeft = ctx.locusRunAllowance;
    return recomputesLeft > 0 && static_cast<int>(runsInProgress.size()) < kMaxNestedLocusRuns &&
           std::find(runsInProgress.begin(), runsInProgress.end(), &locus) ==
               runsInProgress.end();
}

bool skippedInRun(const Element& e, const Element& locus, RunScope scope) {
    if (&e == locus.parent1 && scope == RunScope::Family) return false;
    if (e.elementClass() == ElementClass::Locus || e.kind == Kind::Name) return true;
    return e.kind == Kind::Intersection && (e.parent1 == &locus || e.parent2 == &locus);
}

} // namespace

LocusRun::LocusRun(Element& locus, const RecomputeContext& ctx, RunScope scope) : ctx_(ctx) {
    if (!ctx.construction || !mayStartRun(locus, ctx)) return;
    chain_ = drivingChainOf(locus);
    Element* driving = chain_.effective();
    if (!driving) return;
    locus_ = &locus;
    runsInProgress.push_back(locus_);
    work_.push_back(driving);
    if (scope == RunScope::Exact) {
        // Only the stretch from the driving point up to the traced element: an exact point on a
        // locus is asked for in every recompute, so it must not cost a walk over the whole
        // construction. A parametric colour cannot move the traced element, so colour sources
        // are not followed.
        for (Element* e : model::laterDependentsOf(*driving, locus.parent1, &locus))
            if (!skippedInRun(*e, locus, scope)) work_.push_back(e);
        return;
    }
    // With a parametric colour the traced element may take its colour from an element after
    // the locus, so the run then goes to the end of the list.
    const bool toEnd = locus.parent1 && locus.parent1->colorSource;
    const std::vector<Element*> dependents = model::dependentsOf(*ctx.construction, *driving);
    // The dependents after the driving point, up to the locus: those before it (reached
    // through colour sources) are not run.
    auto d = dependents.begin();
    bool afterDriving = false;
    for (Element* e = ctx.construction->elements; e && d != dependents.end(); e = e->next) {
        if (afterDriving && e == &locus && !toEnd) break;
        const bool dependent = *d == e;
        if (dependent) ++d;
        if (afterDriving && dependent && !skippedInRun(*e, locus, scope)) work_.push_back(e);
        if (e == driving) afterDriving = true;
    }
    // The walk above, which a nested run repeats at every step.
    recomputesLeft -= ctx.construction->countOf();
}

LocusRun::~LocusRun() {
    if (locus_) runsInProgress.pop_back();
}

void LocusRun::recomputeWork() {
    recomputesLeft -= static_cast<int64_t>(work_.size());
    for (Element* e : work_)
        recomputeInRun(*e, ctx_);
}

bool LocusRun::stepTo(double t) {
    if (recomputesLeft <= 0) return false;
    for (Element* p : chain_.points)
        p->y2 = t;
    recomputeWork();
    return true;
}

bool LocusRun::stepToNode(Point node) {
    if (recomputesLeft <= 0) return false;
    for (Element* p : chain_.points) {
        p->x2 = node.x;
        p->y2 = node.y;
    }
    recomputeWork();
    return true;
}

void LocusRun::restore() {
    // The outermost run puts its elements back with an allowance of its own, so that a traced
    // locus among them is sampled again as it was even when the steps used everything up.
    if (runsInProgress.size() == 1) recomputesLeft = ctx_.locusRunAllowance;
    for (size_t i = 0; i < chain_.points.size(); ++i) {
        chain_.points[i]->x2 = chain_.saved[i].x;
        chain_.points[i]->y2 = chain_.saved[i].y;
    }
    recomputeWork();
}

} // namespace zeva::geometry
