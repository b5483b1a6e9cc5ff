#include "ui/regular_polygon_sides.h"

#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zeva::ui {

namespace {

constexpr std::array<PolygonChoice, kStarPolygonCount> makeStarPolygons() {
    std::array<PolygonChoice, kStarPolygonCount> table{};
    size_t i = 0;
    for (int n = 5; n <= 30; ++n)
        for (int s = 2; 2 * s < n; ++s)
            if (std::gcd(n, s) == 1) {
                if (i < table.size()) table[i] = {n, s};
                ++i;
            }
    return table;
}

constexpr size_t countStarPolygons() {
    size_t i = 0;
    for (int n = 5; n <= 30; ++n)
        for (int s = 2; 2 * s < n; ++s)
            if (std::gcd(n, s) == 1) ++i;
    return i;
}

static_assert(countStarPolygons() == kStarPolygonCount);

} // namespace

const std::array<PolygonChoice, kStarPolygonCount> kStarPolygons = makeStarPolygons();

PolygonChoice regularPolygonFor(Point centre, Point firstVertex, Point cursor) {
    const double a = std::max(0.0001, geometry::directedAngle(firstVertex, centre, cursor));
    if (a < geometry::kPi) {
        const double n = std::trunc(geometry::kTwoPi / a);
        return {static_cast<int>(std::clamp(n, 3.0, 30.0)), 1};
    }
    const double wanted = geometry::kTwoPi - a;
    PolygonChoice best = kStarPolygons.front();
    double bestGap = INFINITY;
    for (const PolygonChoice& c : kStarPolygons) {
        const double gap = std::abs(geometry::kTwoPi * c.turns / c.sides - wanted);
        if (gap < bestGap) {
            bestGap = gap;
            best = c;
        }
    }
    return best;
}

} // namespace zeva::ui
