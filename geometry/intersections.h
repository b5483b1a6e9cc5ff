#pragma once
// Intersection points (kind 2): which solution of which pair of elements, kept stable while
// the figure is dragged.

#include "geometry/recompute.h"
#include "model/element.h"

#include <vector>

namespace zeva::geometry {

// Intersection type codes: the base code of each pair of classes; a point adds its solution
// selector s to the base of a pair with several solutions.
inline constexpr int kNoIntersection = -1;
inline constexpr int kLineLine = 0;
inline constexpr int kSegmentLine = 1;
inline constexpr int kRayLine = 2;
inline constexpr int kSegmentSegment = 3;
inline constexpr int kRaySegment = 4;
inline constexpr int kRayRay = 5;
inline constexpr int kCircleLine = 6;
inline constexpr int kCircleSegment = 8;
inline constexpr int kCircleRay = 10;
inline constexpr int kCircleCircle = 12;
inline constexpr int kArcLine = 14;
inline constexpr int kArcSegment = 16;
inline constexpr int kArcRay = 18;
inline constexpr int kArcArc = 20;
inline constexpr int kArcCircle = 22;
inline constexpr int kConicLine = 24;
inline constexpr int kConicSegment = 26;
inline constexpr int kConicRay = 28;
inline constexpr int kConicConic = 30;
inline constexpr int kConicCircle = 34;
inline constexpr int kConicArc = 38;
inline constexpr int kLocusCrossing = 42;

// param2 of a hit-test candidate: it exists only when its own solution does.
inline constexpr int kStrictCandidate = 111;

// The base intersection type code of a pair of parent classes (solution 0), 42 when either is a
// locus, or -1 when they cannot intersect. *swap is set when the parents must be exchanged so
// the code's order holds (the line of a segment-line pair first, the curve of a curve-line
// pair first, ...).
int intersectionType(model::ElementClass first, model::ElementClass second, bool* swap);

// The code of solution s of the point's two parents, swapping parent1 and parent2 (and their
// serials) into the code's order. s is clamped to the pair's solutions; -1 when the parents are
// missing or cannot intersect. param1 is left to the caller.
int intersectionType(model::Element& point, int s);

// How many solutions a code's pair has: 1 for codes 0..5, 2 for 6..29, 4 for 30..41; 0 for 42
// (any number) and for codes outside the table.
int solutionCountOf(int code);

// The base code of the pair a code belongs to (6 and 7 give 6, 33 gives 30); -1 outside 0..42.
int baseCodeOf(int code);

// Already constructed points known to lie on both elements by construction: a defining point
// of one element that is a point on the other, an intersection point with it, one of its own
// defining points or one of its five conic points. Distinct points, counted up to 2; `first`
// is the first one found. No numeric test is involved.
struct KnownCommonPoints {
    int count = 0;
    const model::Element* first = nullptr;
};
KnownCommonPoints knownCommonPoints(const model::Element& a, const model::Element& b);

// Number of distinct known common points of the pair, up to 2 (what the intersection tool uses
// to decide how many points to make).
int countKnownCommonPoints(const model::Element& a, const model::Element& b);

// The crossings of `other` with the locus's sampled polyline, in sampling order (along each
// polyline piece in its direction). Empty when the locus is not drawn as a polyline (a family
// of lines or circles, a locus driven on a grid) or `other` is not a curve.
std::vector<Point> locusCrossings(const model::Element& locus, const model::Element& other,
                                  const RecomputeContext& ctx);

// Number of crossings of `other` with the locus (segment by segment along its samples).
int countLocusCrossings(const model::Element& locus, const model::Element& other,
                        const RecomputeContext& ctx);

// Recomputes a kind 2 point from its two parents and its intersection type (param1): sets
// `exists` and, when it exists, x1, y1. A point whose parents do not match its code does not
// exist. A code 42 point hands the crossings to every later code 42 point of the same pair and
// flags them (dimension 1) so that they are not computed again in the same pass.
void recomputeIntersection(model::Element& e, const RecomputeContext& ctx);

} // namespace zeva::geometry
