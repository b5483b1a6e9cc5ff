// Intersections with one or two solutions: line-like pairs with their segment and ray rules,
// lines and circles, two circles, arcs and conics with a line, and the choice between the two
// solutions while the figure moves.

#include "geometry/primitives.h"
#include "tests/support/construction_builder.h"

#include <cmath>
#include <random>

namespace zeva::geometry {
namespace {

using namespace zeva::testing;

constexpr Kind kLine = Kind::LineThroughTwoPoints;
constexpr Kind kRay = Kind::RayThroughTwoPoints;
constexpr Kind kSegment = Kind::Segment;
constexpr Kind kCircle = Kind::CircleByCentreAndPoint;

struct LineLikeRow {
    const char* name;
    Kind kindA;
    Point a1, a2;
    Kind kindB;
    Point b1, b2;
    bool exists;
    Point at;
    double zoom = 1.0;
};

class LineLikeTest : public ::testing::TestWithParam<LineLikeRow> {};

TEST_P(LineLikeTest, CrossingOnEverySegmentAndRay) {
    const LineLikeRow& row = GetParam();
    Figure f;
    f.ctx.zoomFactor = row.zoom;
    Element* x = f.intersection(f.through(row.kindA, row.a1, row.a2),
                                f.through(row.kindB, row.b1, row.b2), 0);
    f.recompute();
    if (row.exists)
        EXPECT_TRUE(sitsOn(*x, row.at));
    else
        EXPECT_EQ(x->exists, 0);
}

const Point O{0, 0};
const Point kUp{5, 5};
const Point kDown{5, -5};
INSTANTIATE_TEST_SUITE_P(
    Rows, LineLikeTest,
    ::testing::Values(
        LineLikeRow{"LinesCross", kLine, O, {10, 0}, kLine, kDown, kUp, true, {5, 0}},
        LineLikeRow{"SegmentStopsShort", kSegment, O, {4, 0}, kLine, kDown, kUp, false, {}},
        LineLikeRow{"SegmentEndWithinTolerance",
                    kSegment,
                    O,
                    {4.99995, 0},
                    kLine,
                    kDown,
                    kUp,
                    true,
                    {5, 0}},
        LineLikeRow{
            "SegmentEndBeyondTolerance", kSegment, O, {4.9998, 0}, kLine, kDown, kUp, false, {}},
        LineLikeRow{"ToleranceGrowsWithZoom",
                    kSegment,
                    O,
                    {4.9998, 0},
                    kLine,
                    kDown,
                    kUp,
                    true,
                    {5, 0},
                    4.0},
        LineLikeRow{"RayBehindOrigin", kRay, {6, 0}, {10, 0}, kLine, kDown, kUp, false, {}},
        LineLikeRow{"RayAtItsOrigin", kRay, {5, 0}, {10, 0}, kLine, kDown, kUp, true, {5, 0}},
        LineLikeRow{
            "SegmentsMiss", kSegment, {-5, -5}, {-1, -1}, kSegment, {-5, 5}, {5, -5}, false, {}},
        LineLikeRow{"RaysFacingAway", kRay, O, {-1, 1}, kRay, {10, 0}, {11, 1}, false, {}},
        LineLikeRow{"RaysMeeting", kRay, O, {1, 1}, kRay, {10, 0}, {9, 1}, true, {5, 5}},
        LineLikeRow{
            "NearlyParallel", kLine, O, {10, 0}, kLine, {0, 1}, {10, 1.0000001}, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineLikeIntersection, ParallelLinesComeBackWhenTheyTurn) {
    Figure f;
    Element* turning = f.point(10, 5);
    Element* x =
        f.intersection(f.through(kLine, {0, 0}, {10, 0}), f.line(f.point(0, 5), turning), 0);
    f.recompute();
    EXPECT_EQ(x->exists, 0);
    Figure::move(turning, 10, 7);
    f.recompute();
    EXPECT_TRUE(sitsOn(*x, {-25, 0}));
    Figure::move(turning, 10, 5);
    f.recompute();
    EXPECT_EQ(x->exists, 0);
    EXPECT_DOUBLE_EQ(x->x1, -25); // the last position is kept
}

// The crossing of the line AB with the circle other than A.
Point otherCrossing(Point a, Point b, Point centre, double r) {
    const Point u = (b - a) * (1.0 / dist(a, b));
    const Point foot = a + u * ((centre.x - a.x) * u.x + (centre.y - a.y) * u.y);
    const double h = std::sqrt(std::max(0.0, r * r - std::pow(dist(foot, centre), 2)));
    const Point s1 = foot - u * h;
    const Point s2 = foot + u * h;
    return dist(s1, a) > dist(s2, a) ? s1 : s2;
}

TEST(TwoSolutions, LineThroughAPointOfTheCircleKeepsTheOtherCrossingWhileDragged) {
    for (bool pointFirst : {true, false}) {
        Figure f;
        Element* centre = f.point(0, 0);
        Element* rim = f.point(100, 0);
        Element* circle = f.circle(centre, rim);
        Element* a = f.pointOn(circle, 1.0);
        Element* p = f.point(300, 50);
        Element* line = pointFirst ? f.line(a, p) : f.line(p, a);
        Element* first = f.intersection(line, circle, 0);
        Element* second = f.intersection(line, circle, 1);
        std::mt19937 rng(7);
        std::uniform_real_distribution<double> coord(-250, 250);
        for (int step = 0; step < 200; ++step) {
            f.recompute();
            const Point expected = otherCrossing(a->point(), p->point(), centre->point(),
                                                 dist(centre->point(), rim->point()));
            ASSERT_TRUE(sitsOn(*first, expected, 1e-6)) << "step " << step;
            ASSERT_TRUE(sitsOn(*second, expected, 1e-6)) << "step " << step;
            Figure::move(p, coord(rng), coord(rng));
            Figure::move(centre, coord(rng) / 5, coord(rng) / 5);
            Figure::move(rim, centre->x1 + 40 + std::fabs(coord(rng)) / 2, centre->y1);
            a->y2 = (coord(rng) + 250) / 80; // any angle
        }
    }
}

TEST(TwoSolutions, APointSharedByBothCurvesCountsOnce) {
    // Each circle passes through X as its own defining point: X is one known point, not two,
    // so both codes give the other crossing.
    Figure f;
    Element* x = f.point(0, 0);
    Element* c1 = f.circle(f.point(-30, 40), x);
    Element* c2 = f.circle(f.point(30, 40), x);
    Element* first = f.intersection(c1, c2, 0);
    Element* second = f.intersection(c1, c2, 1);
    f.recompute();
    EXPECT_EQ(countKnownCommonPoints(*c1, *c2), 1);
    EXPECT_TRUE(sitsOn(*first, {0, 80}));
    EXPECT_TRUE(sitsOn(*second, {0, 80}));
    EXPECT_EQ(countKnownCommonPoints(*f.line(x, f.point(50, -10)), *c1), 1);
}

TEST(TwoSolutions, KnownCommonPointsComeFromConstructionNotFromPositions) {
    Figure f;
    Element* circle = f.circle(f.point(0, 0), f.point(50, 0));
    Element* onCircle = f.pointOn(circle, 1.0);
    Element* onCircle2 = f.pointOn(circle, 2.5);
    Element* free = f.point(200, 200);
    Element* crossing = f.intersection(circle, f.through(kCircle, {80, 0}, {80, 60}), 0);
    EXPECT_EQ(countKnownCommonPoints(*circle, *f.line(free, onCircle)), 1);
    EXPECT_EQ(countKnownCommonPoints(*circle, *f.line(crossing, free)), 1);
    Element* base = f.line(free, f.point(0, 300));
    EXPECT_EQ(countKnownCommonPoints(*circle, *f.add(Kind::ParallelLine, base, onCircle)), 1);
    EXPECT_EQ(countKnownCommonPoints(*circle, *f.line(f.point(50, 0), free)), 0);
    // With two known points each code keeps its own solution.
    Element* chord = f.line(onCircle, onCircle2);
    EXPECT_EQ(countKnownCommonPoints(*circle, *chord), 2);
    Element* first = f.intersection(chord, circle, 0);
    Element* second = f.intersection(chord, circle, 1);
    f.recompute();
    EXPECT_TRUE(sitsOn(*first, onCircle->point()));
    EXPECT_TRUE(sitsOn(*second, onCircle2->point()));
}

struct OneCrossingRow {
    const char* name;
    int s;
    int param2;
    bool exists;
};

class SegmentWithOneCrossing : public ::testing::TestWithParam<OneCrossingRow> {};

TEST_P(SegmentWithOneCrossing, UserPointsMoveStrictCandidatesDoNot) {
    const OneCrossingRow& row = GetParam();
    Figure f;
    Element* circle = f.through(kCircle, {0, 0}, {50, 0});
    // From inside the circle to outside: only the second crossing along it, (50, 0), is on it.
    Element* segment = f.through(kSegment, {-20, 0}, {80, 0});
    Element* x = f.intersection(segment, circle, row.s, row.param2);
    f.recompute();
    if (row.exists)
        EXPECT_TRUE(sitsOn(*x, {50, 0}));
    else
        EXPECT_EQ(x->exists, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, SegmentWithOneCrossing,
                         ::testing::Values(OneCrossingRow{"OwnSolution", 1, 0, true},
                                           OneCrossingRow{"OtherCodeMoves", 0, 0, true},
                                           OneCrossingRow{"StrictOwn", 1, kStrictCandidate, true},
                                           OneCrossingRow{"StrictOther", 0, kStrictCandidate,
                                                          false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TouchRow {
    const char* name;
    Kind kindA;
    Point a1, a2;
    Point contact;
    bool secondExists;
};

class Touching : public ::testing::TestWithParam<TouchRow> {};

TEST_P(Touching, TheContactPointBelongsToTheFirstCode) {
    const TouchRow& row = GetParam();
    Figure f;
    Element* circle = f.through(kCircle, {0, 0}, {0, -50});
    Element* a = f.through(row.kindA, row.a1, row.a2);
    Element* first = f.intersection(a, circle, 0);
    Element* second = f.intersection(a, circle, 1);
    Element* strictSecond = f.intersection(a, circle, 1, kStrictCandidate);
    f.recompute();
    EXPECT_TRUE(sitsOn(*first, row.contact));
    if (row.secondExists)
        EXPECT_TRUE(sitsOn(*second, row.contact));
    else
        EXPECT_EQ(second->exists, 0);
    EXPECT_EQ(strictSecond->exists, 0);
}

// Two circles that touch keep the point for the first code only; a tangent line gives it to
// the second code too, unless that is a strict candidate.
INSTANTIATE_TEST_SUITE_P(
    Rows, Touching,
    ::testing::Values(TouchRow{"CirclesOutside", kCircle, {100, 0}, {100, 50}, {50, 0}, false},
                      TouchRow{"LargerCircleAround", kCircle, {-50, 0}, {-150, 0}, {50, 0}, false},
                      TouchRow{"SmallerCircleInside", kCircle, {25, 0}, {25, 25}, {50, 0}, false},
                      TouchRow{"TangentLine", kLine, {-100, 50}, {100, 50}, {0, 50}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TwoSolutions, SolutionsAreOrderedAlongTheLineAndTheCommonChord) {
    Figure f;
    Element* circle = f.through(kCircle, {0, 0}, {50, 0});
    Element* forward = f.intersection(f.through(kLine, {-100, 0}, {100, 0}), circle, 0);
    Element* backward = f.intersection(f.through(kLine, {100, 0}, {-100, 0}), circle, 0);
    Element* downwards = f.intersection(f.through(kLine, {0, 10}, {0.0005, -10}), circle, 0);
    Element* other = f.through(kCircle, {60, 0}, {110, 0});
    Element* chord0 = f.intersection(circle, other, 0);
    Element* chord1 = f.intersection(circle, other, 1);
    f.recompute();
    EXPECT_TRUE(sitsOn(*forward, {-50, 0}));
    EXPECT_TRUE(sitsOn(*backward, {50, 0}));
    EXPECT_TRUE(sitsOn(*downwards, {0, 50}, 0.01));
    // The chord runs along the line of centres turned by -90°, that is downwards here.
    EXPECT_TRUE(sitsOn(*chord0, {30, 40}));
    EXPECT_TRUE(sitsOn(*chord1, {30, -40}));
}

TEST(TwoSolutions, ArcTakesWhicheverSolutionLiesOnIt) {
    Figure f;
    Element* arc = f.arc(f.point(-100, 0), f.point(0, 100), f.point(100, 0)); // upper half
    Element* up = f.through(kLine, {60, -200}, {60, 200}); // (60, -80) first, then (60, 80)
    Element* own = f.intersection(arc, up, 1);
    Element* strictMoved = f.intersection(arc, up, 0, kStrictCandidate);
    Element* below = f.through(kSegment, {-200, -50}, {200, -50});
    Element* none = f.intersection(arc, below, 0);
    f.recompute();
    EXPECT_TRUE(sitsOn(*own, {60, 80}));
    // Its own solution is off the arc, so even a candidate moves to the other one.
    EXPECT_TRUE(sitsOn(*strictMoved, {60, 80}));
    EXPECT_EQ(none->exists, 0);
}

TEST(TwoSolutions, ConicAndLine) {
    Figure f;
    Element* p0 = f.point(100, 0);
    // x²/100² + y²/50² = 1.
    Element* conic =
        f.conic({p0, f.point(-100, 0), f.point(0, 50), f.point(0, -50), f.point(60, 40)});
    // Through the conic's own point (100, 0): both codes take the other crossing, (60, 40).
    Element* secant = f.line(p0, f.point(0, 100));
    Element* first = f.intersection(secant, conic, 0);
    Element* second = f.intersection(conic, secant, 1);
    Element* chord = f.through(kLine, {-200, 30}, {200, 30});
    Element* c0 = f.intersection(conic, chord, 0);
    Element* c1 = f.intersection(conic, chord, 1);
    f.recompute();
    EXPECT_TRUE(sitsOn(*first, {60, 40}, 1e-6));
    EXPECT_TRUE(sitsOn(*second, {60, 40}, 1e-6));
    EXPECT_TRUE(sitsOn(*c0, {-80, 30}, 1e-6));
    EXPECT_TRUE(sitsOn(*c1, {80, 30}, 1e-6));
}

TEST(TwoSolutions, ParentsAreReadByClassAndMustFitTheCode) {
    Figure f;
    Element* circle = f.through(kCircle, {0, 0}, {50, 0});
    Element* segment = f.through(kSegment, {-20, 0}, {80, 0});
    Element* line = f.through(kLine, {0, -80}, {0, 80});
    auto stored = [&](Element* a, Element* b, int code) {
        Element* x = f.add(Kind::Intersection, a, b);
        x->param1 = code;
        return x;
    };
    Element* reversed = stored(segment, circle, kCircleSegment + 1);
    Element* wrongCode = stored(line, segment, kCircleLine);
    Element* outOfTable = stored(line, segment, 77);
    Element* missingParent = stored(line, nullptr, kLineLine);
    f.recompute();
    EXPECT_TRUE(sitsOn(*reversed, {50, 0}));
    EXPECT_EQ(wrongCode->exists, 0);
    EXPECT_EQ(outOfTable->exists, 0);
    EXPECT_EQ(missingParent->exists, 0);
}

} // namespace
} // namespace zeva::geometry
