// Intersections of a conic with a conic, a circle or an arc (codes 30..41): up to four
// crossings found chord by chord along the conic's samples, then refined onto both curves.

#include "geometry/conics.h"
#include "geometry/element_shapes.h"
#include "geometry/intersection_families.h"
#include "geometry/intersection_solvers.h"
#include "geometry/intersections.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace zeva::geometry {

using model::Element;
using model::ElementClass;
using model::kConicSampleCount;

namespace {

constexpr int kLastSample = kConicSampleCount - 1;
constexpr int kHalfSample = kConicSampleCount / 2; // the last sample of a hyperbola's first branch
constexpr double kChordStep = 3.0;                 // a chord spans more than 3 world units
constexpr double kRepeatTolerance = 0.001;         // solutions this close count as one
constexpr double kEquationTolerance = 0.001;       // the final check on the first conic

using Coefficients = ConicCoefficients;

Point conicGradient(const Coefficients& c, Point p) {
    return {2.0 * c[kCoefX2] * p.x + c[kCoefXY] * p.y + c[kCoefX],
            c[kCoefXY] * p.x + 2.0 * c[kCoefY2] * p.y + c[kCoefY]};
}

// The curve the conic is cut with: another conic or the circle of a circle or an arc.
struct OtherCurve {
    const Element* conic = nullptr;
    const Coefficients* coefficients = nullptr;
    Circle circle;
    std::optional<Arc> arc;

    CurveCrossings crossings(Line line) const {
        return conic ? lineConicCrossings(*conic, line) : lineCircleCrossings(line, circle);
    }
    double value(Point p) const {
        if (coefficients) return conicValue(*coefficients, p);
        const Point d = p - circle.centre;
        return d.x * d.x + d.y * d.y - circle.radius * circle.radius;
    }
    Point gradient(Point p) const {
        if (coefficients) return conicGradient(*coefficients, p);
        return (p - circle.centre) * 2.0;
    }
};

// The two conics have the same equation up to a common factor.
bool sameEquation(const Coefficients& a, const Coefficients& b) {
    int largest = 0;
    for (int i = 1; i < 6; ++i)
        if (std::fabs(a[i]) > std::fabs(a[largest])) largest = i;
    if (a[largest] == 0.0 || b[largest] == 0.0) return false;
    const double k = a[largest] / b[largest];
    for (int i = 0; i < 6; ++i) {
        const double scaled = k * b[i];
        if (std::fabs(a[i] - scaled) > 1e-7 * std::max(std::fabs(a[i]), std::fabs(scaled)) + 1e-10)
            return false;
    }
    return true;
}

// The first `wanted` distinct crossings, in chord order.
struct Found {
    int wanted = 0;
    int count = 0;
    std::array<Point, 4> points{};

    bool full() const { return count >= wanted; }
    void add(Point p) {
        if (full()) return;
        for (int i = 0; i < count; ++i)
            if (std::fabs(points[i].x - p.x) <= kRepeatTolerance &&
                std::fabs(points[i].y - p.y) <= kRepeatTolerance)
                return;
        points[count++] = p;
    }
};

// Crossings of the piece from p to q of the sampled curve, kept within its ends (plus a
// tolerance at the current zoom).
void cutChord(Point p, Point q, const OtherCurve& other, double tolerance, Found& found) {
    const CurveCrossings s = other.crossings({p, q});
    const double limit = dist(p, q) + tolerance;
    for (int i = 0; i < s.count; ++i)
        if (dist(s.points[i], p) <= limit && dist(s.points[i], q) <= limit) found.add(s.points[i]);
}

// A chord of a hyperbola that jumps from one branch to the other, or of a parabola that joins
// its two far ends, is not part of the curve.
bool chordOnCurve(int type, int from, int to) {
    if (type == kConicHyperbola || type == kConicParabola)
        return !(from <= kHalfSample && to > kHalfSample);
    return true;
}

void collectCrossings(const model::ConicTail& conic, const OtherCurve& other, double tolerance,
                      Found& found) {
    const auto& s = conic.samples;
    if (static_cast<int>(s.size()) < kConicSampleCount) return;
    if (conic.conicType == kConicCrossingLines || conic.conicType == kConicParallelLines) {
        // A line pair keeps its two lines in samples 0-1 and 2-3: cut each whole line.
        for (int line = 0; line < 2 && !found.full(); ++line) {
            const CurveCrossings c = other.crossings({s[2 * line], s[2 * line + 1]});
            for (int i = 0; i < c.count; ++i)
                found.add(c.points[i]);
        }
        return;
    }
    int start = 0;
    for (int j = 1; j <= kLastSample && !found.full(); ++j) {
        if (dist(s[start], s[j]) <= kChordStep && j < kLastSample) continue;
        // The last stretch up to sample 119 is a chord even when it is short.
        if (start != j && chordOnCurve(conic.conicType, start, j))
            cutChord(s[start], s[j], other, tolerance, found);
        start = j;
    }
    if (!found.full() && conic.conicType != kConicHyperbola)
        cutChord(s[kLastSample], s[0], other, tolerance, found);
}

// Newton steps onto the crossing of the two curves. Touching curves (a singular system) keep
// the point reached so far; a step that runs away from the chord solution is not taken.
Point refine(Point p, const Coefficients& conic, const OtherCurve& other) {
    const Point start = p;
    for (int iteration = 0; iteration < 20; ++iteration) {
        const double f = conicValue(conic, p);
        const double g = other.value(p);
        const Point gf = conicGradient(conic, p);
        const Point gg = other.gradient(p);
        const double det = gf.x * gg.y - gf.y * gg.x;
        const double scale = std::hypot(gf.x, gf.y) * std::hypot(gg.x, gg.y);
        if (scale == 0.0 || std::fabs(det) <= 1e-12 * scale) break;
        const Point step{(-f * gg.y + g * gf.y) / det, (-gf.x * g + gg.x * f) / det};
        const Point next = p + step;
        if (!std::isfinite(next.x) || !std::isfinite(next.y) ||
            dist(next, start) > 2.0 * kChordStep)
            break;
        p = next;
        if (std::hypot(step.x, step.y) <= 1e-12 * (1.0 + std::hypot(p.x, p.y))) break;
    }
    return p;
}

} // namespace

void recomputeFourSolutionIntersection(Element& e, int code, const Element& a, const Element& b,
                                       const RecomputeContext& ctx) {
    const auto* conic = std::get_if<model::ConicTail>(&a.tail);
    if (!conic) {
        e.exists = 0;
        return;
    }
    OtherCurve other;
    if (b.elementClass() == ElementClass::Conic) {
        const auto* second = std::get_if<model::ConicTail>(&b.tail);
        if (!second || &a == &b || sameEquation(conic->coefficients, second->coefficients)) {
            e.exists = 0; // a conic has no crossing points with itself
            return;
        }
        other.conic = &b;
        other.coefficients = &second->coefficients;
    } else {
        other.circle = circleOf(b);
        if (b.elementClass() == ElementClass::Arc) {
            other.arc = arcOf(b);
            if (!other.arc) {
                e.exists = 0;
                return;
            }
        }
    }

    Found found;
    found.wanted = code - baseCodeOf(code) + 1;
    collectCrossings(*conic, other, kRepeatTolerance * ctx.zoomFactor, found);
    if (!found.full()) {
        e.exists = 0;
        return;
    }
    Point p = found.points[found.wanted - 1];
    if (other.arc && !withinArc(p, *other.arc)) {
        e.exists = 0;
        return;
    }
    p = refine(p, conic->coefficients, other);
    if (std::fabs(conicValue(conic->coefficients, p)) >= kEquationTolerance) {
        e.exists = 0;
        return;
    }
    e.x1 = p.x;
    e.y1 = p.y;
    e.exists = 1;
}

} // namespace zeva::geometry
