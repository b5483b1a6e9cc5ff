// Intersections with one or two solutions: line-like pairs with their segment and ray rules,
// lines and circles, two circles, arcs and conics with a line, and the choice between the two
// solutions while the figure moves.

#include "intersection_fixture.h"

#include <cmath>
#include <random>

namespace zeva::geometry::testing {
namespace {

// ---- line-like pairs ----------------------------------------------------------------------

enum class Shape { Line, Ray, Segment };

struct LineLikeRow {
    const char* name;
    Shape shapeA;
    Point a1, a2;
    Shape shapeB;
    Point b1, b2;
    bool exists;
    Point at;
    double zoom = 1.0;
};

class LineLikeTest : public ::testing::TestWithParam<LineLikeRow> {};

Element* make(Figure& f, Shape s, Point p, Point q) {
    Element* a = f.point(p.x, p.y);
    Element* b = f.point(q.x, q.y);
    switch (s) {
    case Shape::Line:
        return f.line(a, b);
    case Shape::Ray:
        return f.ray(a, b);
    case Shape::Segment:
        return f.segment(a, b);
    }
    return nullptr;
}

TEST_P(LineLikeTest, CrossingOnEverySegmentAndRay) {
    const LineLikeRow& row = GetParam();
    Figure f;
    f.ctx.zoomFactor = row.zoom;
    Element* a = make(f, row.shapeA, row.a1, row.a2);
    Element* b = make(f, row.shapeB, row.b1, row.b2);
    Element* x = f.intersection(a, b, 0);
    f.update();
    if (row.exists)
        EXPECT_TRUE(sitsOn(*x, row.at));
    else
        EXPECT_EQ(x->exists, 0);
}

const Point O{0, 0};
INSTANTIATE_TEST_SUITE_P(
    Rows, LineLikeTest,
    ::testing::Values(
        LineLikeRow{
            "LinesCross", Shape::Line, O, {10, 0}, Shape::Line, {5, -5}, {5, 5}, true, {5, 0}},
        LineLikeRow{"SegmentStopsShort",
                    Shape::Segment,
                    O,
                    {4, 0},
                    Shape::Line,
                    {5, -5},
                    {5, 5},
                    false,
                    {}},
        LineLikeRow{"SegmentEndOnLine",
                    Shape::Segment,
                    O,
                    {5, 0},
                    Shape::Line,
                    {5, -5},
                    {5, 5},
                    true,
                    {5, 0}},
        LineLikeRow{"SegmentEndWithinTolerance",
                    Shape::Segment,
                    O,
                    {4.99995, 0},
                    Shape::Line,
                    {5, -5},
                    {5, 5},
                    true,
                    {5, 0}},
        LineLikeRow{"SegmentEndBeyondTolerance",
                    Shape::Segment,
                    O,
                    {4.9998, 0},
                    Shape::Line,
                    {5, -5},
                    {5, 5},
                    false,
                    {}},
        LineLikeRow{"ToleranceGrowsWithZoom",
                    Shape::Segment,
                    O,
                    {4.9998, 0},
                    Shape::Line,
                    {5, -5},
                    {5, 5},
                    true,
                    {5, 0},
                    4.0},
        LineLikeRow{"RayAhead", Shape::Ray, O, {10, 0}, Shape::Line, {3, -5}, {3, 5}, true, {3, 0}},
        LineLikeRow{
            "RayBehindOrigin", Shape::Ray, O, {10, 0}, Shape::Line, {-1, -5}, {-1, 5}, false, {}},
        LineLikeRow{
            "RayAtItsOrigin", Shape::Ray, O, {10, 0}, Shape::Line, {0, -5}, {0, 5}, true, {0, 0}},
        LineLikeRow{"SegmentsCross",
                    Shape::Segment,
                    {-5, -5},
                    {5, 5},
                    Shape::Segment,
                    {-5, 5},
                    {5, -5},
                    true,
                    {0, 0}},
        LineLikeRow{"SegmentsMiss",
                    Shape::Segment,
                    {-5, -5},
                    {-1, -1},
                    Shape::Segment,
                    {-5, 5},
                    {5, -5},
                    false,
                    {}},
        LineLikeRow{
            "RaysFacingAway", Shape::Ray, O, {-1, 1}, Shape::Ray, {10, 0}, {11, 1}, false, {}},
        LineLikeRow{
            "RaysMeeting", Shape::Ray, O, {1, 1}, Shape::Ray, {10, 0}, {9, 1}, true, {5, 5}},
        LineLikeRow{"RayAndSegment",
                    Shape::Ray,
                    {0, -10},
                    {0, -5},
                    Shape::Segment,
                    {-5, 3},
                    {5, 3},
                    true,
                    {0, 3}},
        LineLikeRow{"NearlyParallel",
                    Shape::Line,
                    O,
                    {10, 0},
                    Shape::Line,
                    {0, 1},
                    {10, 1.0000001},
                    false,
                    {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineLikeIntersection, ParallelLinesComeBackWhenTheyTurn) {
    Figure f;
    Element* p = f.point(0, 0);
    Element* q = f.point(10, 0);
    Element* r = f.point(0, 5);
    Element* s = f.point(10, 5);
    Element* x = f.intersection(f.line(p, q), f.line(r, s), 0);
    f.update();
    EXPECT_EQ(x->exists, 0);
    Figure::move(s, 10, 7);
    f.update();
    EXPECT_TRUE(sitsOn(*x, {-25, 0}));
    Figure::move(s, 10, 5);
    f.update();
    EXPECT_EQ(x->exists, 0);
    EXPECT_DOUBLE_EQ(x->x1, -25); // the last position is kept
}

// ---- two solutions --------------------------------------------------------------------------

// The crossing of the line and the circle other than `known`.
Point otherCrossing(Point a, Point b, Point centre, double r, Point known) {
    const Point u = (b - a) * (1.0 / dist(a, b));
    const double t0 = (centre.x - a.x) * u.x + (centre.y - a.y) * u.y;
    const Point foot = a + u * t0;
    const double h = std::sqrt(std::max(0.0, r * r - dist(foot, centre) * dist(foot, centre)));
    const Point s1 = foot - u * h;
    const Point s2 = foot + u * h;
    return dist(s1, known) > dist(s2, known) ? s1 : s2;
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
        EXPECT_EQ(countKnownCommonPoints(*circle, *line), 1);

        std::mt19937 rng(7);
        std::uniform_real_distribution<double> coord(-250, 250);
        std::uniform_real_distribution<double> angle(0, 6.28);
        for (int step = 0; step < 200; ++step) {
            f.update();
            const double r = dist(centre->point(), rim->point());
            const Point expected =
                otherCrossing(a->point(), p->point(), centre->point(), r, a->point());
            ASSERT_TRUE(sitsOn(*first, expected, 1e-6)) << "step " << step;
            ASSERT_TRUE(sitsOn(*second, expected, 1e-6)) << "step " << step;
            Figure::move(p, coord(rng), coord(rng));
            Figure::move(centre, coord(rng) / 5, coord(rng) / 5);
            Figure::move(rim, centre->x1 + 40 + std::fabs(coord(rng)) / 2, centre->y1);
            a->y2 = angle(rng);
        }
    }
}

TEST(TwoSolutions, TwoCirclesThroughOneCommonPointGiveTheOtherCrossing) {
    Figure f;
    Element* x = f.point(0, 0);
    Element* c1 = f.circle(f.point(-30, 40), x);
    Element* c2 = f.circle(f.point(30, 40), x);
    Element* first = f.intersection(c1, c2, 0);
    Element* second = f.intersection(c1, c2, 1);
    // The shared point is one known common point, not one per circle.
    EXPECT_EQ(countKnownCommonPoints(*c1, *c2), 1);
    f.update();
    EXPECT_TRUE(sitsOn(*first, {0, 80}));
    EXPECT_TRUE(sitsOn(*second, {0, 80}));

    // A line through that point and the first circle also share exactly one point.
    Element* line = f.line(x, f.point(50, -10));
    EXPECT_EQ(countKnownCommonPoints(*line, *c1), 1);
    EXPECT_EQ(countKnownCommonPoints(*c1, *line), 1);
}

TEST(TwoSolutions, TwoKnownCommonPointsLeaveEachCodeOnItsOwnSolution) {
    Figure f;
    Element* circle = f.circle(f.point(0, 0), f.point(50, 0));
    Element* a = f.pointOn(circle, 0.5);
    Element* b = f.pointOn(circle, 2.5);
    Element* line = f.line(a, b);
    EXPECT_EQ(countKnownCommonPoints(*circle, *line), 2);
    Element* first = f.intersection(line, circle, 0);
    Element* second = f.intersection(line, circle, 1);
    f.update();
    EXPECT_TRUE(sitsOn(*first, a->point()));
    EXPECT_TRUE(sitsOn(*second, b->point()));
}

TEST(TwoSolutions, KnownCommonPointsByConstruction) {
    Figure f;
    Element* circle = f.circle(f.point(0, 0), f.point(50, 0));
    Element* onCircle = f.pointOn(circle, 1.0);
    Element* free = f.point(200, 200);
    Element* other = f.circle(f.point(80, 0), f.point(80, 60));
    Element* crossing = f.intersection(circle, other, 0);
    EXPECT_EQ(countKnownCommonPoints(*circle, *f.line(free, f.point(0, 300))), 0);
    EXPECT_EQ(countKnownCommonPoints(*circle, *f.line(free, onCircle)), 1);
    EXPECT_EQ(countKnownCommonPoints(*circle, *f.line(crossing, free)), 1);
    EXPECT_EQ(countKnownCommonPoints(*circle, *f.ray(onCircle, crossing)), 2);
    // A parallel through a point on the circle: only the point counts, not the direction line.
    Element* base = f.line(free, f.point(0, 300));
    EXPECT_EQ(countKnownCommonPoints(*circle, *f.add(Kind::ParallelLine, base, onCircle)), 1);
    // A point merely lying on the circle numerically is not known.
    EXPECT_EQ(countKnownCommonPoints(*circle, *f.line(f.point(50, 0), free)), 0);
}

struct SegmentRow {
    const char* name;
    int s;
    int param2;
    bool exists;
};

class SegmentWithOneCrossing : public ::testing::TestWithParam<SegmentRow> {};

TEST_P(SegmentWithOneCrossing, UserPointsMoveStrictCandidatesDoNot) {
    const SegmentRow& row = GetParam();
    Figure f;
    Element* circle = f.circle(f.point(0, 0), f.point(50, 0));
    // From inside the circle to outside: only the crossing at (50, 0) is on the segment, and it
    // is the second along the segment's direction.
    Element* segment = f.segment(f.point(-20, 0), f.point(80, 0));
    Element* x = f.intersection(segment, circle, row.s, row.param2);
    f.update();
    if (row.exists)
        EXPECT_TRUE(sitsOn(*x, {50, 0}));
    else
        EXPECT_EQ(x->exists, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, SegmentWithOneCrossing,
                         ::testing::Values(SegmentRow{"OwnSolution", 1, 0, true},
                                           SegmentRow{"OtherCodeMoves", 0, 0, true},
                                           SegmentRow{"StrictOwn", 1, kStrictCandidate, true},
                                           SegmentRow{"StrictOther", 0, kStrictCandidate, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TouchRow {
    const char* name;
    Point c1;
    double r1;
    Point c2;
    double r2;
    Point contact;
};

class TouchingCircles : public ::testing::TestWithParam<TouchRow> {};

TEST_P(TouchingCircles, OnlyTheFirstCodeKeepsTheContactPoint) {
    const TouchRow& row = GetParam();
    Figure f;
    Element* a = f.circle(f.point(row.c1.x, row.c1.y), f.point(row.c1.x, row.c1.y + row.r1));
    Element* b = f.circle(f.point(row.c2.x, row.c2.y), f.point(row.c2.x, row.c2.y - row.r2));
    Element* first = f.intersection(a, b, 0);
    Element* second = f.intersection(a, b, 1);
    f.update();
    EXPECT_TRUE(sitsOn(*first, row.contact));
    EXPECT_EQ(second->exists, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TouchingCircles,
    ::testing::Values(TouchRow{"Outside", {0, 0}, 50, {100, 0}, 50, {50, 0}},
                      TouchRow{"InsideLargerFirst", {0, 0}, 100, {50, 0}, 50, {100, 0}},
                      TouchRow{"InsideSmallerFirst", {0, 30}, 30, {0, 0}, 60, {0, 60}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TwoSolutions, LineTouchingACircleGivesBothUserCodesTheContactPoint) {
    Figure f;
    Element* circle = f.circle(f.point(0, 0), f.point(50, 0));
    Element* tangent = f.line(f.point(-100, 50), f.point(100, 50));
    Element* first = f.intersection(tangent, circle, 0);
    Element* second = f.intersection(tangent, circle, 1);
    Element* strictSecond = f.intersection(tangent, circle, 1, kStrictCandidate);
    f.update();
    EXPECT_TRUE(sitsOn(*first, {0, 50}));
    EXPECT_TRUE(sitsOn(*second, {0, 50}));
    EXPECT_EQ(strictSecond->exists, 0);
}

TEST(TwoSolutions, SolutionsAreOrderedAlongTheLineAndTheCommonChord) {
    Figure f;
    Element* circle = f.circle(f.point(0, 0), f.point(50, 0));
    Element* left = f.point(-100, 0);
    Element* right = f.point(100, 0);
    Element* forward = f.line(left, right);
    Element* backward = f.line(right, left);
    Element* vertical = f.line(f.point(0, 10), f.point(0.0005, -10)); // nearly vertical, downwards
    Element* forward0 = f.intersection(forward, circle, 0);
    Element* backward0 = f.intersection(backward, circle, 0);
    Element* vertical0 = f.intersection(vertical, circle, 0);
    Element* other = f.circle(f.point(60, 0), f.point(110, 0));
    Element* chord0 = f.intersection(circle, other, 0);
    Element* chord1 = f.intersection(circle, other, 1);
    f.update();
    EXPECT_TRUE(sitsOn(*forward0, {-50, 0}));
    EXPECT_TRUE(sitsOn(*backward0, {50, 0}));
    EXPECT_TRUE(sitsOn(*vertical0, {0, 50}, 0.01));
    // The chord runs along the line of centres turned by -90°, that is downwards here.
    EXPECT_TRUE(sitsOn(*chord0, {30, 40}));
    EXPECT_TRUE(sitsOn(*chord1, {30, -40}));
}

TEST(TwoSolutions, ArcTakesWhicheverSolutionLiesOnIt) {
    Figure f;
    // The upper half of the circle of radius 100 about the origin.
    Element* arc = f.arc(f.point(-100, 0), f.point(0, 100), f.point(100, 0));
    Element* up = f.line(f.point(60, -200), f.point(60, 200)); // (60, -80) first, then (60, 80)
    Element* own = f.intersection(arc, up, 1);
    Element* moved = f.intersection(arc, up, 0);
    Element* strictMoved = f.intersection(arc, up, 0, kStrictCandidate);
    Element* below = f.line(f.point(-200, -50), f.point(200, -50));
    Element* none0 = f.intersection(arc, below, 0);
    Element* none1 = f.intersection(arc, below, 1);
    f.update();
    ASSERT_EQ(arc->exists, 1);
    EXPECT_TRUE(sitsOn(*own, {60, 80}));
    EXPECT_TRUE(sitsOn(*moved, {60, 80}));
    EXPECT_TRUE(sitsOn(*strictMoved, {60, 80}));
    EXPECT_EQ(none0->exists, 0);
    EXPECT_EQ(none1->exists, 0);
}

TEST(TwoSolutions, ArcAndSegmentBothBoundTheStrictCandidate) {
    Figure f;
    Element* arc = f.arc(f.point(-100, 0), f.point(0, 100), f.point(100, 0));
    // The segment reaches (60, 80) on the arc but stops before (60, -80) below it.
    Element* segment = f.segment(f.point(60, -50), f.point(60, 200));
    Element* strictOwnOffBoth = f.intersection(arc, segment, 0, kStrictCandidate);
    Element* userOwnOffBoth = f.intersection(arc, segment, 0);
    f.update();
    // The own solution is off the arc, so even the candidate moves to the other one.
    EXPECT_TRUE(sitsOn(*strictOwnOffBoth, {60, 80}));
    EXPECT_TRUE(sitsOn(*userOwnOffBoth, {60, 80}));
}

TEST(TwoSolutions, ConicAndALineThroughOneOfItsPoints) {
    Figure f;
    Element* p0 = f.point(100, 0);
    Element* conic =
        f.conic({p0, f.point(-100, 0), f.point(0, 50), f.point(0, -50), f.point(60, 40)});
    Element* line = f.line(p0, f.point(0, 100));
    Element* first = f.intersection(line, conic, 0);
    Element* second = f.intersection(conic, line, 1);
    EXPECT_EQ(countKnownCommonPoints(*conic, *line), 1);
    f.update();
    ASSERT_EQ(conic->exists, 1);
    // x²/100² + y²/50² = 1 and y = 100 - x meet at (100, 0) and (60, 40).
    EXPECT_TRUE(sitsOn(*first, {60, 40}, 1e-6));
    EXPECT_TRUE(sitsOn(*second, {60, 40}, 1e-6));

    Element* chord = f.line(f.point(-200, 30), f.point(200, 30));
    Element* c0 = f.intersection(conic, chord, 0);
    Element* c1 = f.intersection(conic, chord, 1);
    f.update();
    const double x = 100 * std::sqrt(1 - 0.36);
    EXPECT_TRUE(sitsOn(*c0, {-x, 30}, 1e-6));
    EXPECT_TRUE(sitsOn(*c1, {x, 30}, 1e-6));
}

TEST(TwoSolutions, ParentsThatDoNotFitTheCodeGiveNoPoint) {
    Figure f;
    Element* circle = f.circle(f.point(0, 0), f.point(50, 0));
    Element* segment = f.segment(f.point(-20, 0), f.point(80, 0));
    Element* line = f.line(f.point(0, -80), f.point(0, 80));
    // Stored in the wrong order: the parents are read by class.
    Element* reversed = f.add(Kind::Intersection, segment, circle);
    reversed->param1 = kCircleSegment + 1;
    // A code from another pair of classes.
    Element* wrongCode = f.add(Kind::Intersection, line, segment);
    wrongCode->param1 = kCircleLine;
    Element* outOfTable = f.add(Kind::Intersection, line, segment);
    outOfTable->param1 = 77;
    Element* missingParent = f.add(Kind::Intersection, line, nullptr);
    missingParent->param1 = kLineLine;
    f.update();
    EXPECT_TRUE(sitsOn(*reversed, {50, 0}));
    EXPECT_EQ(wrongCode->exists, 0);
    EXPECT_EQ(outOfTable->exists, 0);
    EXPECT_EQ(missingParent->exists, 0);
}

TEST(TwoSolutions, APointOfAMissingParentDoesNotExist) {
    Figure f;
    Element* p = f.point(0, 0);
    Element* q = f.point(0, 0); // the line through p and q does not exist
    Element* circle = f.circle(f.point(0, 0), f.point(50, 0));
    Element* x = f.intersection(f.line(p, q), circle, 0);
    f.update();
    EXPECT_EQ(x->exists, 0);
}

} // namespace
} // namespace zeva::geometry::testing
