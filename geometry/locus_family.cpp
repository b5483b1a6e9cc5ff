// Families of polygons, arcs, loci and conics: run instance by instance by the recompute pass,
// which keeps a detached copy of every instance for drawing and hit testing.

#include "geometry/locus.h"
#include "geometry/locus_run.h"
#include "geometry/parametric_color.h"
#include "model/construction.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zeva::geometry {

using model::Element;
using model::FamilyInstance;

namespace {

using Family = std::vector<FamilyInstance>;
using Moving = std::unordered_set<const Element*>;

std::shared_ptr<const Family> captureFamily(Element& locus, const RecomputeContext& ctx,
                                            const Moving& outer);

// A reference to a sub-element stands for its owner, which is what a run recomputes.
Element* unitOf(Element* r) {
    return model::isSubElementKind(r->kind) ? model::ownerOf(r) : r;
}

// The traced element and those of its ancestors that move during the run; the others keep their
// place in every instance and are read where they are. An element that does not move has no
// moving ancestor, so the walk stops there.
std::vector<Element*> movingPartOf(Element& traced, const Moving& moving) {
    std::vector<Element*> out{&traced};
    std::unordered_set<const Element*> seen{&traced};
    for (size_t i = 0; i < out.size(); ++i) {
        model::forEachParentRef(*out[i], [&](Element*& r) {
            Element* unit = unitOf(r);
            if (moving.count(unit) && seen.insert(unit).second) out.push_back(unit);
        });
    }
    return out;
}

// Copies of the moving part at the present step, referring to each other.
FamilyInstance snapshot(Element& traced, const std::vector<Element*>& part,
                        const RecomputeContext& ctx, const Moving& moving) {
    FamilyInstance instance;
    instance.color = traced.colorSource ? currentParametricColor(traced) : traced.color;
    std::unordered_map<const Element*, Element*> copyOf;
    for (Element* e : part) {
        std::unique_ptr<Element> c = model::copyElement(*e);
        copyOf[e] = c.get();
        const std::vector<Element*> from = model::subElementsOf(*e);
        const std::vector<Element*> to = model::subElementsOf(*c);
        for (size_t i = 0; i < from.size() && i < to.size(); ++i)
            copyOf[from[i]] = to[i];
        instance.copies.push_back(std::move(c));
    }
    for (auto& c : instance.copies)
        model::remapReferences(*c, [&](Element* r) {
            const auto it = copyOf.find(r);
            return it == copyOf.end() ? r : it->second;
        });
    // A traced locus of a family is drawn with its own instances at this step.
    Element& tracedCopy = *instance.copies.front();
    if (tracedCopy.kind == model::Kind::Locus && traced.exists == 1 && traced.parent1 &&
        isFamilyTraced(*traced.parent1))
        tracedCopy.samples().family = captureFamily(traced, ctx, moving);
    return instance;
}

std::shared_ptr<const Family> captureFamily(Element& locus, const RecomputeContext& ctx,
                                            const Moving& outer) {
    Element* traced = locus.parent1;
    if (!traced || !ctx.construction || locus.exists != 1) return nullptr;
    // A traced locus is resampled for every instance, whatever a drag in progress would
    // otherwise keep.
    RecomputeContext runCtx = ctx;
    runCtx.dragInProgress = false;
    runCtx.draggedElement = nullptr;
    const DrivingParameters params = drivingParameters(locus, runCtx);
    LocusRun run(locus, runCtx, RunScope::Family);
    if (!run.valid()) return nullptr;
    Moving moving = outer;
    moving.insert(run.work().begin(), run.work().end());
    moving.insert(run.chain().points.begin(), run.chain().points.end());
    const std::vector<Element*> part = movingPartOf(*traced, moving);

    auto family = std::make_shared<Family>();
    const size_t steps = params.onGrid ? params.gridNodes.size() : params.t.size();
    for (size_t i = 0; i < steps; ++i) {
        const bool stepped =
            params.onGrid ? run.stepToNode(params.gridNodes[i]) : run.stepTo(params.t[i]);
        if (!stepped) break; // the allowance is used up
        if (traced->exists == 1) family->push_back(snapshot(*traced, part, runCtx, moving));
    }
    run.restore();
    return family;
}

} // namespace

void refreshFamily(Element& locus, const RecomputeContext& ctx) {
    auto* tail = std::get_if<model::SampleTail>(&locus.tail);
    if (!tail || locus.kind != model::Kind::Locus) return;
    if (locus.exists == 1 && locus.parent1 && isFamilyTraced(*locus.parent1))
        tail->family = captureFamily(locus, ctx, {});
    else
        tail->family.reset();
}

std::span<const FamilyInstance> familyInstances(const Element& locus) {
    const auto* tail = std::get_if<model::SampleTail>(&locus.tail);
    if (!tail || !tail->family) return {};
    return *tail->family;
}

bool hitFamily(const Element& locus, const FamilyHitTest& hit) {
    for (const FamilyInstance& instance : familyInstances(locus))
        if (hit(instance.traced())) return true;
    return false;
}

} // namespace zeva::geometry
