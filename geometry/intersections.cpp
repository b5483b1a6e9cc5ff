#include "geometry/intersections.h"

#include "geometry/intersection_families.h"
#include "geometry/intersection_solvers.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zeva::geometry {

using model::Element;
using model::ElementClass;

namespace {

constexpr auto kCurveCount = static_cast<size_t>(model::kCurveCount);

struct PairType {
    int code;
    bool swap; // the second class must become parent1
};

// Row: the curve of parent1's class, column: the curve of parent2's class (model::Curve order).
// A mixed pair is read with the line of a segment or ray first, the segment of a ray, the curve
// of a line-like element, the circle of an arc and the conic of a circle or arc.
constexpr std::array<std::array<PairType, kCurveCount>, kCurveCount> kPairTable{{
    //  line              ray               segment           circle            arc conic
    {{{0, false}, {2, false}, {1, false}, {6, true}, {14, true}, {24, true}}},        // line
    {{{2, true}, {5, false}, {4, true}, {10, true}, {18, true}, {28, true}}},         // ray
    {{{1, true}, {4, false}, {3, false}, {8, true}, {16, true}, {26, true}}},         // segment
    {{{6, false}, {10, false}, {8, false}, {12, false}, {22, false}, {34, true}}},    // circle
    {{{14, false}, {18, false}, {16, false}, {22, true}, {20, false}, {38, true}}},   // arc
    {{{24, false}, {28, false}, {26, false}, {34, false}, {38, false}, {30, false}}}, // conic
}};

} // namespace

int intersectionType(ElementClass first, ElementClass second, bool* swap) {
    if (swap) *swap = false;
    if (first == ElementClass::Locus || second == ElementClass::Locus) return kLocusCrossing;
    const model::Curve a = model::classInfo(first).curve;
    const model::Curve b = model::classInfo(second).curve;
    if (a == model::Curve::None || b == model::Curve::None) return kNoIntersection;
    const PairType t = kPairTable[static_cast<size_t>(a)][static_cast<size_t>(b)];
    if (swap) *swap = t.swap;
    return t.code;
}

int intersectionType(Element& point, int s) {
    if (!point.parent1 || !point.parent2) return kNoIntersection;
    bool swap = false;
    const int base =
        intersectionType(point.parent1->elementClass(), point.parent2->elementClass(), &swap);
    if (base == kNoIntersection) return kNoIntersection;
    if (swap) {
        std::swap(point.parent1, point.parent2);
        std::swap(point.parent1Index, point.parent2Index);
    }
    const int solutions = solutionCountOf(base);
    if (solutions <= 1) return base;
    return base + std::clamp(s, 0, solutions - 1);
}

int solutionCountOf(int code) {
    if (code >= kLineLine && code < kCircleLine) return 1;
    if (code >= kCircleLine && code < kConicConic) return 2;
    if (code >= kConicConic && code < kLocusCrossing) return 4;
    return 0;
}

int baseCodeOf(int code) {
    if (code >= kLineLine && code < kCircleLine) return code;
    if (code >= kCircleLine && code < kConicConic) return code - (code - kCircleLine) % 2;
    if (code >= kConicConic && code < kLocusCrossing) return code - (code - kConicConic) % 4;
    if (code == kLocusCrossing) return kLocusCrossing;
    return kNoIntersection;
}

void recomputeIntersection(Element& e, const RecomputeContext& ctx) {
    const Element* a = e.parent1;
    const Element* b = e.parent2;
    const int code = e.param1;
    if (code == kLocusCrossing) {
        recomputeLocusIntersection(e, ctx);
        return;
    }
    if (!a || !b || a->exists != 1 || b->exists != 1) {
        e.exists = 0;
        return;
    }
    // The parents are read by their classes, so a point whose stored order or code does not
    // fit its parents (a damaged file) simply does not exist.
    bool swap = false;
    const int base = intersectionType(classOfElement(*a), classOfElement(*b), &swap);
    if (base == kNoIntersection || base == kLocusCrossing || base != baseCodeOf(code)) {
        e.exists = 0;
        return;
    }
    if (swap) std::swap(a, b);
    switch (solutionCountOf(base)) {
    case 1:
        recomputeLineLikeIntersection(e, *a, *b, ctx);
        return;
    case 2:
        recomputeTwoSolutionIntersection(e, code, *a, *b, ctx);
        return;
    case 4:
        recomputeFourSolutionIntersection(e, code, *a, *b, ctx);
        return;
    default:
        e.exists = 0;
        return;
    }
}

} // namespace zeva::geometry
