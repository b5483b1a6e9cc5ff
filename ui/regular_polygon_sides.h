#pragma once
// The regular polygon the cursor chooses: moving the cursor around the centre from the first
// vertex sets the side count (a convex polygon for angles below a half turn, a star polygon
// beyond).

#include "model/point.h"

#include <array>

namespace zeva::ui {

struct PolygonChoice {
    int sides = 30;
    int turns = 1;
    friend bool operator==(PolygonChoice, PolygonChoice) = default;
};

// The star polygons offered: every (n, s) with 5 <= n <= 30, 2 <= s, 2s < n and n, s coprime,
// in order of n and then s.
inline constexpr int kStarPolygonCount = 110;
extern const std::array<PolygonChoice, kStarPolygonCount> kStarPolygons;

// The polygon for the cursor at `cursor` (world), about `centre` from `firstVertex`: for an
// angle a below pi (counterclockwise from the first vertex), one turn and 2pi / a sides
// (3..30); beyond, the star polygon whose turn 2pi s / n is nearest to 2pi - a.
PolygonChoice regularPolygonFor(Point centre, Point firstVertex, Point cursor);

} // namespace zeva::ui
