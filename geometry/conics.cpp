// Recompute of conics and conic equations, the line-conic intersection, and points along a
// conic by parameter.

#include "geometry/conics.h"

#include "geometry/element_shapes.h"
#include "geometry/equation_text.h"
#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>

namespace zeva::geometry {

using model::Element;
using model::kConicSampleCount;

namespace {

// The positions of the five defining points, or none while one is missing.
std::optional<std::array<Point, 5>> definingPoints(const Element& conic) {
    const auto* tail = std::get_if<model::ConicTail>(&conic.tail);
    if (!tail) return std::nullopt;
    std::array<Point, 5> pts;
    for (int i = 0; i < 5; ++i) {
        const Element* p = tail->points[i];
        if (!p || p->exists != 1) return std::nullopt;
        pts[i] = p->point();
    }
    return pts;
}

bool isLinePair(int32_t type) {
    return type == kConicCrossingLines || type == kConicParallelLines;
}

// Chords that are not part of the drawn curve: the jumps between the two branches of a
// hyperbola and between the two far ends of a parabola; for a line pair only the two lines count.
bool chordIsCurve(int32_t type, int k) {
    switch (type) {
    case kConicHyperbola:
        return k != 60 && k != kConicSampleCount - 1;
    case kConicParabola:
        return k != 60;
    case kConicCrossingLines:
    case kConicParallelLines:
        return k == 0 || k == 2;
    default:
        return true;
    }
}

} // namespace

LineConicCrossings lineConicIntersection(const ConicCoefficients& c, Point first, Point second) {
    LineConicCrossings out;
    const double len = dist(first, second);
    if (len < 1e-12) return out;
    // The line as first + s·u with u of unit length, so the roots come out ordered along it.
    const double ux = (second.x - first.x) / len, uy = (second.y - first.y) / len;
    const double x0 = first.x, y0 = first.y;
    const double a = c[kCoefX2] * ux * ux + c[kCoefXY] * ux * uy + c[kCoefY2] * uy * uy;
    const double b = 2.0 * c[kCoefX2] * x0 * ux + c[kCoefXY] * (x0 * uy + y0 * ux) +
                     2.0 * c[kCoefY2] * y0 * uy + c[kCoefX] * ux + c[kCoefY] * uy;
    const double k = conicValue(c, first);
    QuadraticRoots roots = solveQuadratic(a, b, k);
    if (roots.count == 2 && roots.x[1] < roots.x[0]) std::swap(roots.x[0], roots.x[1]);
    for (int i = 0; i < roots.count; ++i) {
        if (!std::isfinite(roots.x[i])) continue;
        out.points[out.count++] = {x0 + roots.x[i] * ux, y0 + roots.x[i] * uy};
    }
    return out;
}

void recomputeConic(Element& conic) {
    const std::optional<std::array<Point, 5>> pts = definingPoints(conic);
    if (!pts) {
        conic.exists = 0;
        return;
    }
    const std::optional<ConicCoefficients> coef = fitConic(*pts);
    if (!coef) {
        conic.exists = 0;
        return;
    }
    int type = classifyConic(*coef, &*pts);
    std::array<Point, kConicSampleCount> samples;
    if (isLinePair(type)) {
        const std::optional<std::array<Point, 4>> lines = conicLinePair(*pts);
        if (!lines) {
            conic.exists = 0;
            return;
        }
        samples.fill({kConicFarSample, kConicFarSample});
        std::copy(lines->begin(), lines->end(), samples.begin());
    } else {
        const CanonicalConic canonical = canonicalForm(type, *coef);
        const auto sampled = sampleCanonical(canonical);
        if (!sampled) {
            conic.exists = 0;
            return;
        }
        type = canonical.type;
        samples = *sampled;
    }
    model::ConicTail& tail = conic.conic();
    tail.coefficients = *coef;
    tail.conicType = type;
    tail.samples.assign(samples.begin(), samples.end());
    conic.exists = 1;
}

std::optional<ConicCoefficients> conicEquationCoefficients(const Element& equation) {
    const Element* conic = equation.parent1;
    const Element* axes = equation.parent2;
    if (!conic || !axes || conic->exists != 1 || axes->exists != 1) return std::nullopt;
    if (conic->kind != model::Kind::Conic || axes->kind != model::Kind::Axes) return std::nullopt;
    std::optional<std::array<Point, 5>> pts = definingPoints(*conic);
    if (!pts) return std::nullopt;
    const AxesFrame frame = axesFrameOf(*axes);
    for (Point& p : *pts)
        p = toAxes(frame, p);
    return fitConic(*pts);
}

void recomputeConicEquation(Element& equation, const RecomputeContext&) {
    const auto coefficients = conicEquationCoefficients(equation);
    equation.exists = coefficients ? 1 : 0;
    auto* tail = std::get_if<model::EquationTail>(&equation.tail);
    if (coefficients && tail) tail->text = conicEquationText(*coefficients, equation.decimals);
}

std::optional<Point> conicPointAt(const Element& conic, double t) {
    const auto* tail = std::get_if<model::ConicTail>(&conic.tail);
    if (!tail || tail->samples.size() != size_t(kConicSampleCount) || !std::isfinite(t))
        return std::nullopt;
    if (isLinePair(tail->conicType) && t > 3.0) t = 2.5;
    t = std::fmod(t, double(kConicSampleCount));
    if (t < 0.0) t += kConicSampleCount;
    const int k = std::min(int(t), kConicSampleCount - 1);
    const double f = t - k;
    const Point a = tail->samples[k];
    if (f == 0.0) return a;
    const Point b = tail->samples[(k + 1) % kConicSampleCount];
    const Point q = a + (b - a) * f;
    // the conic point on the perpendicular to the chord through q, the nearer of two
    const Point normal{-(b.y - a.y), b.x - a.x};
    const LineConicCrossings hits = lineConicIntersection(tail->coefficients, q, q + normal);
    if (hits.count == 0) return q;
    if (hits.count == 2 && dist(hits.points[1], q) < dist(hits.points[0], q)) return hits.points[1];
    return hits.points[0];
}

double conicParameterOf(const Element& conic, Point p) {
    const auto* tail = std::get_if<model::ConicTail>(&conic.tail);
    if (!tail || tail->samples.size() != size_t(kConicSampleCount)) return 0.0;
    double best = INFINITY;
    double bestT = 0.0;
    for (int k = 0; k < kConicSampleCount; ++k) {
        if (!chordIsCurve(tail->conicType, k)) continue;
        const Point a = tail->samples[k];
        const Point b = tail->samples[(k + 1) % kConicSampleCount];
        const Point ab = b - a;
        const double len2 = ab.x * ab.x + ab.y * ab.y;
        double f = 0.0;
        if (len2 > 0.0) f = std::clamp(((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / len2, 0.0, 1.0);
        const double d = dist(p, a + ab * f);
        if (d < best) {
            best = d;
            bestT = k + f;
        }
    }
    return bestT >= kConicSampleCount ? bestT - kConicSampleCount : bestT;
}

} // namespace zeva::geometry
