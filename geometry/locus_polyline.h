#pragma once
// The drawn polyline of a point locus or a function graph: which samples exist and which
// neighbours are joined. Crossings with loci and the hit test follow the curve as drawn.

#include "expr/function_graph.h"
#include "geometry/primitives.h"
#include "geometry/recompute.h"
#include "model/element.h"

#include <cmath>
#include <optional>

namespace zeva::geometry {

inline constexpr double kLocusJoinLimit =
    200.0;                                 // samples of a point locus this far apart are not joined
inline constexpr double kGraphLimit = 1e8; // a graph sample beyond this is not drawn

struct LocusPolyline {
    const model::Element* element = nullptr;
    const model::SampleTail* tail = nullptr;
    int count = 0;
    bool closed = false;
    std::optional<expr::PreparedGraph> graph; // a function graph, its function prepared once

    bool valid(int i) const {
        const Point p = tail->samples[i];
        if (tail->sampleColors[i] == model::kInvalidSample) return false;
        if (graph) return std::fabs(p.x) <= kGraphLimit && std::fabs(p.y) <= kGraphLimit;
        return true;
    }
    bool joined(int i, int j) const {
        if (!valid(i) || !valid(j)) return false;
        // A graph is broken where its function is (poles, gaps); a point locus where the
        // traced point jumps.
        if (graph) return j == i + 1 && expr::functionGraphJoins(*graph, i);
        return dist(tail->samples[i], tail->samples[j]) < kLocusJoinLimit;
    }
    // Calls f(from, to) for every drawn piece, in sampling order.
    template <class F> void forEachPiece(F&& f) const {
        for (int i = 0; i + 1 < count; ++i)
            if (joined(i, i + 1)) f(tail->samples[i], tail->samples[i + 1]);
        if (closed && count > 1 && joined(count - 1, 0))
            f(tail->samples[count - 1], tail->samples[0]);
    }
};

// The polyline of a point locus or a function graph; none for a family of lines or circles
// and for a locus driven on a grid (drawn as separate points).
std::optional<LocusPolyline> polylineOf(const model::Element& locus, const RecomputeContext& ctx);

} // namespace zeva::geometry
