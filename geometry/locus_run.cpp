#include "geometry/locus_run.h"

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

bool skippedInRun(const Element& e, const Element& locus, RunScope scope) {
    if (&e == locus.parent1 && scope == RunScope::Family) return false;
    if (e.elementClass() == ElementClass::Locus || e.kind == Kind::Name) return true;
    return e.kind == Kind::Intersection && (e.parent1 == &locus || e.parent2 == &locus);
}

void setMark(Element& e, int32_t value) {
    e.serial = value;
    model::forEachSubElement(e, [value](Element& sub) { sub.serial = value; });
}

// The dependents of the driving point from it up to the traced element, found by one walk over
// that stretch only: an exact point on a locus is asked for in every recompute, so it must not
// cost a walk over the whole construction. A parametric colour cannot move the traced element,
// so colour sources are not followed.
void collectUpToTraced(Element& driving, const Element& locus, std::vector<Element*>& work) {
    setMark(driving, 1);
    Element* last = &driving;
    for (Element* e = driving.next; e && e != &locus; e = e->next) {
        last = e;
        bool depends = false;
        model::forEachParentRef(*e, [&depends](Element*& r) { depends = depends || r->serial; });
        setMark(*e, depends ? 1 : 0);
        if (depends && !skippedInRun(*e, locus, RunScope::Exact)) work.push_back(e);
        if (e == locus.parent1) break;
    }
    for (Element* e = &driving;; e = e->next) {
        setMark(*e, 0);
        if (e == last) break;
    }
}

} // namespace

LocusRun::LocusRun(Element& locus, const RecomputeContext& ctx, RunScope scope)
    : ctx_(ctx), chain_(drivingChainOf(locus)) {
    Element* driving = chain_.effective();
    if (!driving || !ctx.construction) return;
    if (scope == RunScope::Exact) {
        work_.push_back(driving);
        collectUpToTraced(*driving, locus, work_);
        return;
    }
    model::Construction& c = *ctx.construction;
    c.clearSerials();
    c.markDependentsAlt(driving);
    // With a parametric colour the traced element may take its colour from an element after
    // the locus, so the run then goes to the end of the list.
    const bool toEnd = locus.parent1 && locus.parent1->colorSource;
    work_.push_back(driving);
    for (Element* e = driving->next; e; e = e->next) {
        if (e == &locus && !toEnd) break;
        if (e->serial != 0 && !skippedInRun(*e, locus, scope)) work_.push_back(e);
    }
    c.clearSerials();
}

void LocusRun::recomputeWork() {
    for (Element* e : work_)
        recomputeInRun(*e, ctx_);
}

void LocusRun::stepTo(double t) {
    for (Element* p : chain_.points)
        p->y2 = t;
    recomputeWork();
}

void LocusRun::stepToNode(Point node) {
    for (Element* p : chain_.points) {
        p->x2 = node.x;
        p->y2 = node.y;
    }
    recomputeWork();
}

void LocusRun::restore() {
    for (size_t i = 0; i < chain_.points.size(); ++i) {
        chain_.points[i]->x2 = chain_.saved[i].x;
        chain_.points[i]->y2 = chain_.saved[i].y;
    }
    recomputeWork();
}

} // namespace zeva::geometry
