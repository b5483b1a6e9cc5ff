#include "geometry/primitives.h"
#include "tests/support/construction_builder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::geometry {
namespace {

using zeva::testing::near;

TEST(Primitives, PointTowardsCoincidentPointsGivesTheStart) {
    EXPECT_EQ(pointTowards({3, 4}, {3, 4}, 5), (Point{3, 4}));
    EXPECT_TRUE(near(pointTowards({0, 0}, {10, 0}, 2.5), {2.5, 0}));
    EXPECT_TRUE(near(pointTowards({0, 0}, {0, 10}, -1), {0, -1}));
}

TEST(Primitives, CoincidenceUsesTheTenThousandthTolerance) {
    EXPECT_TRUE(coincident({0, 0}, {0.00009, 0}));
    EXPECT_FALSE(coincident({0, 0}, {0.0001, 0}));
    EXPECT_FALSE(parallelThrough({0, 0}, {0.00005, 0}, {1, 1}));
    EXPECT_FALSE(perpendicularThrough({1, 1}, {1, 1.00005}, {1, 1}));
    EXPECT_FALSE(perpendicularBisector({2, 2}, {2, 2}));
}

TEST(Primitives, PerpendicularTurnsTheDirectionClockwiseKeepingItsLength) {
    const auto l = perpendicularThrough({0, 0}, {3, 4}, {1, 1});
    ASSERT_TRUE(l);
    EXPECT_TRUE(near(l->first, {1, 1}));
    EXPECT_TRUE(near(l->second - l->first, {4, -3}));
}

struct LineCase {
    const char* name;
    Line a;
    Line b;
    bool exists;
    Point at;
};

class LineIntersectionTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineIntersectionTest, FindsTheCrossingOrNone) {
    const LineCase& c = GetParam();
    const auto p = lineIntersection(c.a, c.b);
    ASSERT_EQ(p.has_value(), c.exists);
    if (p) {
        EXPECT_TRUE(near(*p, c.at, 1e-9));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Primitives, LineIntersectionTest,
    ::testing::Values(
        LineCase{"axes", {{-5, 0}, {5, 0}}, {{2, -3}, {2, 7}}, true, {2, 0}},
        LineCase{"parallel", {{0, 0}, {1, 1}}, {{0, 1}, {1, 2}}, false, {}},
        // Cross product of the directions is 1e-6 even though they are not parallel.
        LineCase{"nearlyParallel", {{0, 0}, {1, 0}}, {{0, 1}, {1, 1.000001}}, false, {}},
        // A tiny direction is stretched to length 1 before the determinant is taken.
        LineCase{"shortDirection", {{0, 0}, {0.001, 0}}, {{5, -1}, {5, 1}}, true, {5, 0}},
        LineCase{"longLines", {{0, 0}, {1000, 1000}}, {{0, 10}, {1000, 10}}, true, {10, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Primitives, FootDistanceAndSignedDistance) {
    const Line l{{0, 0}, {10, 0}};
    EXPECT_TRUE(near(*footOfPerpendicular(l, {3, 5}), {3, 0}));
    EXPECT_NEAR(*distanceToLine(l, {3, -5}), 5.0, 1e-12);
    EXPECT_FALSE(footOfPerpendicular(Line{{1, 1}, {1, 1}}, {0, 0}));
    EXPECT_DOUBLE_EQ(signedDistanceAlong({0, 0}, {10, 0}, {-3, 4}), -5.0);
    EXPECT_DOUBLE_EQ(signedDistanceAlong({0, 0}, {10, 0}, {3, 4}), 5.0);
}

TEST(Primitives, DirectionAndDirectedAngles) {
    EXPECT_DOUBLE_EQ(directionAngle({0, 2}), kPi / 2);
    EXPECT_DOUBLE_EQ(directionAngle({0, -2}), 3 * kPi / 2);
    EXPECT_NEAR(directionAngle({1, -1}), 7 * kPi / 4, 1e-12);
    EXPECT_NEAR(directionAngle({-1, 0}), kPi, 1e-12);
    // Counterclockwise from A to B around V, always in [0, 2π).
    EXPECT_NEAR(directedAngle({1, 0}, {0, 0}, {0, 1}), kPi / 2, 1e-12);
    EXPECT_NEAR(directedAngle({0, 1}, {0, 0}, {1, 0}), 3 * kPi / 2, 1e-12);
    // Differences below 1e-8 are zeroed instead of wrapping to almost 2π.
    EXPECT_EQ(directedAngle({1, 1e-9}, {0, 0}, {1, 0}), 0.0);
}

TEST(Primitives, AngleBetweenIsClampedAndUnsigned) {
    EXPECT_NEAR(angleBetween({1, 0}, {0, 0}, {0, -1}), kPi / 2, 1e-12);
    EXPECT_NEAR(angleBetween({3, 3}, {0, 0}, {7, 7}), 0.0, 1e-7); // clamped, never NaN
    EXPECT_NEAR(angleBetween({-3, 0}, {0, 0}, {5, 0}), kPi, 1e-12);
    EXPECT_EQ(angleBetween({0, 0}, {0, 0}, {5, 0}), 0.0); // no NaN for a zero vector
}

TEST(Primitives, Transformations) {
    // Rotation: a point on the centre stays put, a full turn comes back.
    EXPECT_EQ(rotateAbout({2, 3}, {2, 3.00005}, 1.0), (Point{2, 3}));
    EXPECT_TRUE(near(rotateAbout({5, 1}, {2, -3}, kTwoPi), {5, 1}, 1e-12));
    EXPECT_TRUE(near(rotateAbout({1, 0}, {0, 0}, kPi / 2), {0, 1}, 1e-12));
    EXPECT_TRUE(near(rotateAbout({1, -1}, {0, 0}, kPi / 4), {std::sqrt(2.0), 0}, 1e-12));
    // Homothety by -1 is the central symmetry.
    EXPECT_TRUE(near(scaleAbout({4, 7}, {1, 1}, -1), reflectThrough({4, 7}, {1, 1}), 1e-12));
    EXPECT_TRUE(near(scaleAbout({4, 7}, {1, 1}, 2), {7, 13}, 1e-12));
    // Inversion: the centre has no image, a point on the circle is its own image.
    EXPECT_FALSE(invertIn({1, 1}, {1, 1}, 5));
    EXPECT_TRUE(near(*invertIn({3, 4}, {0, 0}, 5), {3, 4}, 1e-12));
    EXPECT_TRUE(near(*invertIn({2, 0}, {0, 0}, 4), {8, 0}, 1e-12));
    // Axial symmetry: mirror image, a point on the axis is fixed, a degenerate axis fails.
    EXPECT_TRUE(near(*reflectInLine({3, 2}, {{0, 0}, {1, 1}}), {2, 3}, 1e-12));
    EXPECT_TRUE(near(*reflectInLine({4, 0}, {{0, 0}, {1, 0}}), {4, 0}, 1e-12));
    EXPECT_FALSE(reflectInLine({3, 2}, {{1, 1}, {1, 1}}));
    // Translation by a vector whose ends coincide leaves the point alone.
    EXPECT_EQ(translate({1, 2}, {5, 5}, {5, 5.00001}), (Point{1, 2}));
    EXPECT_TRUE(near(translate({1, 2}, {0, 0}, {3, -1}), {4, 1}));
}

TEST(Primitives, DisplacementsTowardsAlongLinesAndAlongCircles) {
    EXPECT_TRUE(near(*displaceTowards({0, 0}, {0, 10}, 40), {0, 40}));
    EXPECT_FALSE(displaceTowards({0, 0}, {0, 0.00001}, 40));
    EXPECT_TRUE(near(*displaceAlongLine({1, 1}, {{0, 0}, {0, -2}}, 3), {1, -2}));
    EXPECT_FALSE(displaceAlongLine({1, 1}, {{0, 0}, {0, 0}}, 3));
    // Along a circle of radius 10 by a quarter of its circumference: a quarter turn on the arc.
    const Point p = displaceAlongCircle({10, 0}, {0, 0}, 2 * kPi * 10 / 4);
    EXPECT_TRUE(near(p, {0, 10}, 1e-9));
    EXPECT_NEAR(dist(p, {0, 0}), 10.0, 1e-12);
}

TEST(Primitives, BisectorsAndCircumcentre) {
    const auto b = angleBisector({10, 0}, {0, 0}, {0, 10});
    ASSERT_TRUE(b);
    EXPECT_NEAR(directionAngle(b->second - b->first), kPi / 4, 1e-12);
    // A straight angle gives the perpendicular to VA at V.
    const auto straight = angleBisector({-5, 0}, {0, 0}, {7, 0});
    ASSERT_TRUE(straight);
    EXPECT_TRUE(near(straight->first, {0, 0}));
    EXPECT_NEAR(straight->second.x, 0.0, 1e-12);
    EXPECT_FALSE(angleBisector({0, 0}, {0, 0}, {1, 1}));

    const auto m = perpendicularBisector({0, 0}, {4, 0});
    ASSERT_TRUE(m);
    EXPECT_TRUE(near(m->first, {2, 0}));

    EXPECT_TRUE(near(*circumcentre({5, 0}, {0, 5}, {-5, 0}), {0, 0}, 1e-9));
    EXPECT_FALSE(circumcentre({0, 0}, {1, 1}, {2, 2}));
    EXPECT_FALSE(circumcentre({0, 0}, {0, 0.00001}, {2, 5}));
}

struct ArcCase {
    const char* name;
    Point p1, p2, p3;
    int turning;
    double sweep;
};

class ArcTest : public ::testing::TestWithParam<ArcCase> {};

// The arc always passes through its middle point: turning flag and sweep must agree.
TEST_P(ArcTest, TurningAndSweepContainTheMiddlePoint) {
    const ArcCase& c = GetParam();
    const Point o = *circumcentre(c.p1, c.p2, c.p3);
    const int turning = arcTurning(o, c.p1, c.p2, c.p3);
    EXPECT_EQ(turning, c.turning);
    const double sweep = arcSweep(o, c.p1, c.p3, turning);
    EXPECT_NEAR(sweep, c.sweep, 1e-9);
    // Angle from P1 to P2 in the arc's direction is within the sweep.
    const double toMiddle =
        turning == 1 ? directedAngle(c.p1, o, c.p2) : directedAngle(c.p2, o, c.p1);
    EXPECT_LT(toMiddle, sweep);
    EXPECT_TRUE(onArcSide(c.p2, c.p1, c.p2, c.p3));
}

INSTANTIATE_TEST_SUITE_P(
    Primitives, ArcTest,
    ::testing::Values(
        ArcCase{"upperCounterclockwise", {10, 0}, {0, 10}, {-10, 0}, 1, kPi},
        ArcCase{"upperClockwise", {-10, 0}, {0, 10}, {10, 0}, 0, kPi},
        ArcCase{"majorArc", {10, 0}, {0, -10}, {0, 10}, 0, 3 * kPi / 2},
        ArcCase{
            "minorArc", {10, 0}, {7.0710678118654755, 7.0710678118654755}, {0, 10}, 1, kPi / 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Primitives, ArcMembershipIsTheSideOfTheChord) {
    const Point p1{10, 0}, p2{0, 10}, p3{-10, 0};
    EXPECT_TRUE(onArcSide({0, 10}, p1, p2, p3));
    EXPECT_TRUE(onArcSide({8, 6}, p1, p2, p3));
    EXPECT_FALSE(onArcSide({0, -10}, p1, p2, p3));
    EXPECT_TRUE(onArcSide({10, -0.00005}, p1, p2, p3)); // within ε of an end
}

TEST(Primitives, Collinearity) {
    EXPECT_TRUE(collinear({0, 0}, {1, 1}, {2, 2}));
    EXPECT_TRUE(collinear({0, 0}, {5, 5}, {1, 1})); // angle 0 at B
    EXPECT_TRUE(collinear({0, 0}, {0, 0.00001}, {3, 9}));
    EXPECT_FALSE(collinear({0, 0}, {1, 1}, {2, 2.01}));
}

struct QuadraticCase {
    const char* name;
    double a, b, k;
    int count;
    double x0, x1;
};

class QuadraticTest : public ::testing::TestWithParam<QuadraticCase> {};

TEST_P(QuadraticTest, Roots) {
    const QuadraticCase& c = GetParam();
    const QuadraticRoots r = solveQuadratic(c.a, c.b, c.k);
    ASSERT_EQ(r.count, c.count);
    if (r.count > 0) {
        EXPECT_NEAR(r.x[0], c.x0, 1e-9);
    }
    if (r.count > 1) {
        EXPECT_NEAR(r.x[1], c.x1, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Primitives, QuadraticTest,
    ::testing::Values(QuadraticCase{"twoRootsPlusFirst", 1, -3, 2, 2, 2, 1},
                      QuadraticCase{"linear", 1e-9, 2, -4, 1, 2, 0},
                      QuadraticCase{"nothing", 1e-9, 0, 5, 0, 0, 0},
                      QuadraticCase{"doubleRoot", 1, -2, 1, 1, 1, 0},
                      QuadraticCase{"slightlyNegativeIsDouble", 1, 0, 1e-9, 1, 0, 0},
                      QuadraticCase{"negativeBelowThreshold", 1, 0, 0.001, 0, 0, 0},
                      QuadraticCase{"slightlyNegativeCountsPositive", 1, 0, 0.0002, 2,
                                    std::sqrt(0.0008) / 2, -std::sqrt(0.0008) / 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Primitives, MeasuresSlopeAndAxes) {
    const Point square[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    EXPECT_DOUBLE_EQ(polygonPerimeter(square), 16.0);
    EXPECT_DOUBLE_EQ(polygonArea(square), 16.0);
    const Point clockwise[] = {{0, 0}, {0, 3}, {4, 0}};
    EXPECT_DOUBLE_EQ(polygonArea(clockwise), 6.0);
    EXPECT_DOUBLE_EQ(circumference(1.0), 2 * kPi);
    EXPECT_DOUBLE_EQ(circleArea(2.0), 4 * kPi);
    EXPECT_DOUBLE_EQ(*slope({1, 1}, {3, 5}), 2.0);
    EXPECT_FALSE(slope({1, 1}, {1, 5}));

    const AxesFrame axes{{100, 50}, 40, 20};
    EXPECT_TRUE(near(toAxes(axes, {180, 10}), {2, -2}));
    EXPECT_TRUE(near(fromAxes(axes, 2, -2), {180, 10}));
}

} // namespace
} // namespace zeva::geometry
