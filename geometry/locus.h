#pragma once
// Loci (kind 21): the traced element sampled while its driving point runs along its host.

#include "geometry/recompute.h"
#include "model/element.h"

#include <functional>
#include <optional>
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

// Families of polygons, arcs, loci and conics are not stored: the driving point is run over the
// same parameters as the samples and each existing instance of the traced element is handed to
// the callback, right after the construction has been recomputed for it. The figure is left as
// it was. drawFamily visits every instance; hitFamily stops at the first for which the test
// answers true and answers whether there was one.
using FamilyVisitor = std::function<void(const model::Element& instance)>;
using FamilyHitTest = std::function<bool(const model::Element& instance)>;
void drawFamily(model::Element& locus, const RecomputeContext& ctx, const FamilyVisitor& draw);
bool hitFamily(model::Element& locus, const RecomputeContext& ctx, const FamilyHitTest& hit);

// True for traced elements drawn as families instead of samples: polygons, arcs, loci, conics.
bool isFamilyTraced(const model::Element& traced);

} // namespace zeva::geometry
