#pragma once
// Running the driving point of a locus over its host: shared by sampling, exact points on a
// locus and families. Internal to the locus files.

#include "geometry/recompute.h"
#include "model/element.h"

#include <vector>

namespace zeva::geometry {

// One element recomputed inside a run: recomputeElement without the steps that wait for the
// end of a pass (parametric colour, family instances), so a run leaves them as they were.
void recomputeInRun(model::Element& e, const RecomputeContext& ctx);

// The driving points of a locus, from its own (parent2) down to the effective one whose host
// is not a locus. All of them take the same parameter: a point on a locus sits where the
// traced element is when the locus's driving point has that parameter.
struct DrivingChain {
    std::vector<model::Element*> points; // front: parent2; back: the effective driving point
    std::vector<Point> saved;            // each point's (x2, y2) before the run

    model::Element* effective() const { return points.empty() ? nullptr : points.back(); }
};
DrivingChain drivingChainOf(const model::Element& locus);

// Which elements one step of a run recomputes.
enum class RunScope {
    Sample, // dependents of the driving point before the locus, except loci, names and the
            // locus's own crossings
    Family, // the same, but the traced element is recomputed even when it is a locus
    Exact,  // as Sample, but only up to the traced element: a point on the locus recomputed
            // on the way would otherwise run the locus again, without end
};

// Runs nest: a step may recompute a point on another locus (an exact run) or a traced locus
// (a sample run). A locus never runs inside its own run, and runs nest at most this deep; a run
// refused for either reason is not valid, so the point it was asked for does not exist and the
// locus keeps its samples. Whatever the construction, the stack stays shallow and no run
// starts itself again. The outermost run also sets the allowance of element recomputes
// (RecomputeContext::locusRunAllowance) that it and the runs inside it share: once it is used
// up, steps are refused and runs stop with what they have, so even loci of loci of large
// sizes end in bounded time.
inline constexpr int kMaxNestedLocusRuns = 8;

// One run of a locus: remembers the driving parameters, collects once the elements each step
// recomputes (the effective driving point first, then its dependents in list order), and puts
// everything back on restore().
class LocusRun {
  public:
    LocusRun(model::Element& locus, const RecomputeContext& ctx, RunScope scope);
    ~LocusRun();
    LocusRun(const LocusRun&) = delete;
    LocusRun& operator=(const LocusRun&) = delete;

    bool valid() const { return locus_ != nullptr; }
    model::Element& driving() const { return *chain_.effective(); }

    // Sets every driving point of the chain to parameter t (points on elements) or to the
    // grid node (u, v) in axis units, and recomputes the collected elements. False, with
    // nothing done, when the allowance is used up: the run must stop.
    [[nodiscard]] bool stepTo(double t);
    [[nodiscard]] bool stepToNode(Point node);

    // Puts the driving parameters back and recomputes the collected elements once more (also
    // when the allowance is used up: the figure must be left as it was).
    void restore();

    // What a step changes: the driving points of the chain and the collected elements.
    const DrivingChain& chain() const { return chain_; }
    const std::vector<model::Element*>& work() const { return work_; }

  private:
    void recomputeWork();

    const RecomputeContext& ctx_;
    const model::Element* locus_ = nullptr; // set while this run counts as in progress
    DrivingChain chain_;
    std::vector<model::Element*> work_;
};

} // namespace zeva::geometry
