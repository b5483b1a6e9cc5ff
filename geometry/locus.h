#pragma once
// Loci (kind 21): the traced element sampled while its driving point runs along its host.

#include "geometry/recompute.h"
#include "model/element.h"

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace zeva::geometry {

// Kind 21: exists while the driving point (parent2) is a point on an element or on a grid and
// its host exists. Samples the traced element (parent1) unless it is a polygon, arc, locus or
// conic (those are drawn as families) or a drag leaves the locus as it is. Writes param1 (the
// closed flag), the sample tail and exists; the figure is left as it was.
void recomputeLocus(model::Element& locus, const RecomputeContext& ctx);

// Runs the driving point over its host, recording one sample per driving parameter (for a
// traced point also the missing ones, as invalid samples). Needs ctx.construction.
void sampleLocus(model::Element& locus, const RecomputeContext& ctx);

// The driving parameters of the samples, in order: one per sample for points on elements; for a
// driving point on a grid the axis coordinates of every grid node (row by row) as pairs.
struct DrivingParameters {
    bool onGrid = false;
    std::vector<double> t;        // points on elements
    std::vector<Point> gridNodes; // points on grids, in axis units
};
DrivingParameters drivingParameters(const model::Element& locus, const RecomputeContext& ctx);

// Whether a locus of `traced` driven by `driving` can be made: the driving point is a point on
// an element or on a grid and the traced element depends on it; with a grid point the traced
// element must be a point, line, ray, segment or circle.
bool acceptLocus(model::Construction& c, model::Element& traced, model::Element& driving);

// Changes the number of points of a locus: the four sample arrays take the new capacity and
// the locus is sampled again.
void setLocusPointCount(model::Element& locus, int32_t count, const RecomputeContext& ctx);

// The point of a locus at parameter t (an exact re-run of the construction with the driving
// point at t, not interpolation); none when the traced element does not exist there. The
// figure is left as it was.
std::optional<Point> locusPointAt(model::Element& locus, double t, const RecomputeContext& ctx);

// The driving parameter of the valid sample nearest p (0 when there is none).
double locusParameterOf(model::Element& locus, Point p, const RecomputeContext& ctx);

// Families of polygons, arcs, loci and conics are not sampled: the pass keeps the traced
// element itself at each driving parameter (the same parameters as the samples) in the locus's
// tail, so that drawing and hit testing only read it. refreshFamily runs the driving point over
// its host, copies every existing instance of the traced element (a traced locus of a family
// with its own instances at that step) and leaves the figure as it was; a locus that does not
// exist, or traces another class, keeps none. The pass calls it once every element of the pass
// is up to date, so instances take the colours their sources have then.
void refreshFamily(model::Element& locus, const RecomputeContext& ctx);

// The kept instances of a locus family, in driving order (none for other elements).
std::span<const model::FamilyInstance> familyInstances(const model::Element& locus);

// Whether the test answers true for one of the kept instances (it stops at the first).
using FamilyHitTest = std::function<bool(const model::Element& instance)>;
bool hitFamily(const model::Element& locus, const FamilyHitTest& hit);

// True for traced elements drawn as families instead of samples: polygons, arcs, loci, conics.
bool isFamilyTraced(const model::Element& traced);

} // namespace zeva::geometry
