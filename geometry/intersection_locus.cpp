// Crossings with a locus (code 42): the sampled polyline of the locus, piece by piece, against
// the other element; and the shared computation that hands the crossings to every point of
// the same pair in one pass.

#include "geometry/element_shapes.h"
#include "geometry/intersection_families.h"
#include "geometry/intersection_solvers.h"
#include "geometry/intersections.h"
#include "geometry/locus_polyline.h"
#include "model/construction.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zeva::geometry {

using model::Element;
using model::ElementClass;
using model::Kind;

namespace {

constexpr double kPieceSlack = 1e-9; // parameter slack at the ends of a piece

double cross(Point u, Point v) {
    return u.x * v.y - u.y * v.x;
}
double dot(Point u, Point v) {
    return u.x * v.x + u.y * v.y;
}

// Crossings of one piece with the other element, with their parameters along the piece.
struct PieceCrossings {
    std::vector<std::pair<double, Point>> hits;

    void add(double u, Point p) { hits.emplace_back(u, p); }
};

// The parameter of p along the piece, or none when p lies beyond its ends.
std::optional<double> alongPiece(Point p, Point from, Point to) {
    const Point d = to - from;
    const double u = dot(p - from, d) / dot(d, d);
    if (u < -kPieceSlack || u > 1.0 + kPieceSlack) return std::nullopt;
    return u;
}

void addCurveCrossings(const CurveCrossings& c, Point from, Point to, const Arc* arc,
                       PieceCrossings& out) {
    for (int i = 0; i < c.count; ++i) {
        const auto u = alongPiece(c.points[i], from, to);
        if (u && (!arc || withinArc(c.points[i], *arc))) out.add(*u, c.points[i]);
    }
}

// The crossing of the piece with a line-like element, kept on its segment or ray.
void addLineCrossing(Point from, Point to, const Element& line, double segmentTol,
                     PieceCrossings& out) {
    const Line l = lineOf(line);
    const Point d1 = to - from;
    const Point d2 = l.second - l.first;
    const double den = cross(d1, d2);
    if (std::fabs(den) <= 1e-12 * std::sqrt(dot(d1, d1) * dot(d2, d2))) return;
    const double u = cross(l.first - from, d2) / den;
    if (u < -kPieceSlack || u > 1.0 + kPieceSlack) return;
    const Point p = from + d1 * u;
    const ElementClass cls = line.elementClass();
    if (cls == ElementClass::Segment && !withinSegment(p, l, segmentTol)) return;
    if (cls == ElementClass::Ray && !withinRay(p, l)) return;
    out.add(u, p);
}

void addPolylineCrossings(Point from, Point to, const LocusPolyline& other, PieceCrossings& out) {
    const Point d1 = to - from;
    other.forEachPiece([&](Point a, Point b) {
        const Point d2 = b - a;
        const double den = cross(d1, d2);
        if (std::fabs(den) <= 1e-12 * std::sqrt(dot(d1, d1) * dot(d2, d2))) return;
        const double u = cross(a - from, d2) / den;
        const double v = cross(a - from, d1) / den;
        if (u < -kPieceSlack || u > 1.0 + kPieceSlack || v < -kPieceSlack || v > 1.0 + kPieceSlack)
            return;
        out.add(u, from + d1 * u);
    });
}

// Collects the crossings of one piece with `other`, whatever its class.
void crossPiece(Point from, Point to, const Element& other, const std::optional<Arc>& arc,
                const std::optional<LocusPolyline>& otherPolyline, double segmentTol,
                PieceCrossings& out) {
    const ElementClass cls = other.elementClass();
    if (cls == ElementClass::Polygon) {
        if (const auto* sides = std::get_if<model::PolygonTail>(&other.tail))
            for (const auto& side : sides->sides)
                if (side->exists == 1) addLineCrossing(from, to, *side, segmentTol, out);
        return;
    }
    if (cls == ElementClass::Locus) {
        if (otherPolyline) addPolylineCrossings(from, to, *otherPolyline, out);
        return;
    }
    switch (model::classInfo(cls).curve) {
    case model::Curve::Line:
    case model::Curve::Ray:
    case model::Curve::Segment:
        addLineCrossing(from, to, other, segmentTol, out);
        return;
    case model::Curve::Circle:
        addCurveCrossings(lineCircleCrossings({from, to}, circleOf(other)), from, to, nullptr, out);
        return;
    case model::Curve::Arc:
        if (arc)
            addCurveCrossings(lineCircleCrossings({from, to}, circleOf(other)), from, to, &*arc,
                              out);
        return;
    case model::Curve::Conic:
        addCurveCrossings(lineConicCrossings(other, {from, to}), from, to, nullptr, out);
        return;
    case model::Curve::None:
        return;
    }
}

} // namespace

std::vector<Point> locusCrossings(const Element& locus, const Element& other,
                                  const RecomputeContext& ctx) {
    std::vector<Point> found;
    const std::optional<LocusPolyline> polyline = polylineOf(locus, ctx);
    if (!polyline) return found;
    std::optional<Arc> arc;
    if (other.elementClass() == ElementClass::Arc) arc = arcOf(other);
    std::optional<LocusPolyline> otherPolyline;
    if (other.elementClass() == ElementClass::Locus) otherPolyline = polylineOf(other, ctx);
    const double segmentTol = kEpsilon * ctx.zoomFactor;

    PieceCrossings piece; // reused from piece to piece
    polyline->forEachPiece([&](Point from, Point to) {
        if (dist(from, to) < 1e-12) return;
        piece.hits.clear();
        crossPiece(from, to, other, arc, otherPolyline, segmentTol, piece);
        std::sort(piece.hits.begin(), piece.hits.end(),
                  [](const auto& x, const auto& y) { return x.first < y.first; });
        for (const auto& hit : piece.hits) {
            const Point p = hit.second;
            // A crossing at a shared sample is found by both pieces; the closing piece may
            // meet the first crossing again.
            if (!found.empty() && (coincident(p, found.back()) || coincident(p, found.front())))
                continue;
            found.push_back(p);
        }
    });
    return found;
}

int countLocusCrossings(const Element& locus, const Element& other, const RecomputeContext& ctx) {
    return static_cast<int>(locusCrossings(locus, other, ctx).size());
}

void recomputeLocusIntersection(Element& e, const RecomputeContext& ctx) {
    if (e.dimension != 0) {
        e.dimension = 0; // already given its crossing earlier in this pass
        return;
    }
    const Element* a = e.parent1;
    const Element* b = e.parent2;
    if (!a || !b || a->exists != 1 || b->exists != 1) {
        e.exists = 0;
        return;
    }
    const bool firstIsLocus = a->elementClass() == ElementClass::Locus;
    if (!firstIsLocus && b->elementClass() != ElementClass::Locus) {
        e.exists = 0;
        return;
    }
    const std::vector<Point> crossings =
        firstIsLocus ? locusCrossings(*a, *b, ctx) : locusCrossings(*b, *a, ctx);
    const auto n = static_cast<int32_t>(crossings.size());
    for (Element* q = &e; q; q = q->next) {
        if (q->kind != Kind::Intersection || q->param1 != kLocusCrossing) continue;
        if (!((q->parent1 == a && q->parent2 == b) || (q->parent1 == b && q->parent2 == a)))
            continue;
        if (q->param2 >= 0 && q->param2 < n) {
            q->x1 = crossings[q->param2].x;
            q->y1 = crossings[q->param2].y;
            q->exists = 1;
        } else {
            q->exists = 0;
        }
        if (q != &e) q->dimension = 1;
    }
}

} // namespace zeva::geometry
