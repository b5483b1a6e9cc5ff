#include "geometry/grid.h"
#include "geometry/point_on_element.h"
#include "geometry/primitives.h"
#include "tests/support/construction_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zeva::geometry {
namespace {

using model::Element;
using model::Kind;
using zeva::testing::Figure;
using zeva::testing::near;

TEST(PointOnElement, SegmentEndsAreExact) {
    Figure b;
    // 0.7 + (0.1 - 0.7)·1 is not 0.1 in floating point.
    Element* s = b.add(Kind::Segment, b.point(0.7, 3.3), b.point(0.1, 1.1));
    Element* atStart = b.add(Kind::PointOnElement, s);
    Element* atEnd = b.add(Kind::PointOnElement, s);
    atEnd->y2 = 1.0;
    b.recompute();
    EXPECT_EQ(atStart->point(), (Point{0.7, 3.3}));
    EXPECT_EQ(atEnd->point(), (Point{0.1, 1.1}));
}

TEST(PointOnElement, PolygonSideIndexIsClamped) {
    Figure b;
    Element* a = b.point(0, 0);
    Element* c = b.point(10, 0);
    Element* d = b.point(0, 10);
    Element* triangle = b.polygon({a, c, d});
    Element* last = b.add(Kind::PointOnElement, triangle);
    last->y2 = 3.5; // index 3 is clamped to the last side, fraction 0.5
    Element* second = b.add(Kind::PointOnElement, triangle);
    second->y2 = 1.25;
    b.recompute();
    EXPECT_TRUE(near(last->point(), {0, 5}));
    EXPECT_TRUE(near(second->point(), {7.5, 2.5}));

    Figure::move(d, 10, 0.00001); // side 1 degenerates: its first vertex is used
    b.recompute();
    EXPECT_EQ(second->point(), (Point{10, 0}));
}

TEST(PointOnElement, PointsKeepTheirParametersWhenTheHostChanges) {
    Figure b;
    Element* o = b.point(0, 0);
    Element* rim = b.point(10, 0);
    Element* circle = b.add(Kind::CircleByCentreAndPoint, o, rim);
    Element* onCircle = b.add(Kind::PointOnElement, circle);
    onCircle->y2 = kPi / 3;
    Element* a = b.point(0, 0);
    Element* c = b.point(10, 0);
    Element* line = b.add(Kind::LineThroughTwoPoints, a, c);
    Element* onLine = b.add(Kind::PointOnElement, line);
    onLine->y2 = 0.25;
    Element* parallel = b.add(Kind::ParallelLine, line, b.point(0, 5));
    Element* onParallel = b.add(Kind::PointOnElement, parallel);
    onParallel->y2 = 3;
    b.recompute();
    EXPECT_TRUE(near(onLine->point(), {2.5, 0}));
    EXPECT_TRUE(near(onParallel->point(), {3, 5}));

    Figure::move(rim, 0, 20);
    Figure::move(c, 40, 0);
    b.recompute();
    EXPECT_NEAR(directionAngle(onCircle->point()), kPi / 3, 1e-12);
    EXPECT_NEAR(dist(onCircle->point(), {0, 0}), 20, 1e-12);
    EXPECT_TRUE(near(onLine->point(), {10, 0}));    // a quarter of the way still
    EXPECT_TRUE(near(onParallel->point(), {3, 5})); // 3 world units from its first point
}

struct ArcCase {
    const char* name;
    Point p1, p2, p3;
};

class ArcParameterTest : public ::testing::TestWithParam<ArcCase> {};

// Parameters run from P1 (0) to P3 (1) through P2, in the direction of the arc's flag.
TEST_P(ArcParameterTest, PointAtAndParameterOfAgree) {
    const ArcCase& a = GetParam();
    Figure b;
    Element* arc = b.add(Kind::ArcThreePoints, b.point(a.p1.x, a.p1.y), b.point(a.p2.x, a.p2.y),
                         b.point(a.p3.x, a.p3.y));
    b.recompute();
    ASSERT_EQ(arc->exists, 1);
    EXPECT_TRUE(near(*pointAt(*arc, 0, b.ctx), a.p1, 1e-9));
    EXPECT_TRUE(near(*pointAt(*arc, 1, b.ctx), a.p3, 1e-9));
    const double tMiddle = parameterOf(*arc, a.p2, b.ctx);
    EXPECT_GT(tMiddle, 0.0);
    EXPECT_LT(tMiddle, 1.0);
    EXPECT_TRUE(near(*pointAt(*arc, tMiddle, b.ctx), a.p2, 1e-9));
    for (double t : {0.1, 0.5, 0.9})
        EXPECT_NEAR(parameterOf(*arc, *pointAt(*arc, t, b.ctx), b.ctx), t, 1e-9);
    // Clicks beyond the arc go to the nearer end.
    const Point centre = arc->point();
    const Point beyondP3 = rotateAbout(a.p3, centre, arc->param1 == 1 ? 0.05 : -0.05);
    EXPECT_DOUBLE_EQ(parameterOf(*arc, beyondP3, b.ctx), 1.0);
}

INSTANTIATE_TEST_SUITE_P(PointOnElement, ArcParameterTest,
                         ::testing::Values(ArcCase{"counterclockwise", {10, 0}, {0, 10}, {-10, 0}},
                                           ArcCase{"clockwise", {-10, 0}, {0, 10}, {10, 0}},
                                           ArcCase{"major", {10, 0}, {0, -10}, {0, 10}},
                                           ArcCase{"minor", {3, 4}, {0, 5}, {-3, 4}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LineClickCase {
    const char* name;
    Kind kind;
    Point first, second, click;
    double t;
};

class LineParameterTest : public ::testing::TestWithParam<LineClickCase> {};

// Clicks project vertically onto flat lines and horizontally onto steep ones.
TEST_P(LineParameterTest, ProjectsAlongTheNearerAxis) {
    const LineClickCase& c = GetParam();
    Figure b;
    Element* line = b.add(c.kind, b.point(c.first.x, c.first.y), b.point(c.second.x, c.second.y));
    if (c.kind == Kind::LineThroughPoint) {
        line->parent2 = nullptr;
        line->x2 = c.first.x + (c.second.x - c.first.x);
        line->y2 = c.first.y + (c.second.y - c.first.y);
    }
    b.recompute();
    EXPECT_NEAR(parameterOf(*line, c.click, b.ctx), c.t, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    PointOnElement, LineParameterTest,
    ::testing::Values(
        LineClickCase{"steepProjectsHorizontally",
                      Kind::LineThroughTwoPoints,
                      {0, 0},
                      {1, 100},
                      {5, 50},
                      0.5},
        LineClickCase{
            "flatProjectsVertically", Kind::LineThroughTwoPoints, {0, 0}, {100, 1}, {50, 7}, 0.5},
        LineClickCase{
            "behindTheFirstPoint", Kind::RayThroughTwoPoints, {0, 0}, {10, 0}, {-5, 3}, -0.5},
        LineClickCase{
            "ownDirectionInWorldUnits", Kind::LineThroughPoint, {0, 0}, {3, 4}, {6, 8}, 10},
        LineClickCase{"segmentClampedToItsEnd", Kind::Segment, {0, 0}, {10, 0}, {25, 1}, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PointOnElement, PolygonAndCircleParameters) {
    Figure b;
    Element* square =
        b.polygon({b.point(0, 0), b.point(100, 0), b.point(100, 100), b.point(0, 100)});
    Element* circle = b.add(Kind::CircleByCentreAndPoint, b.point(0, 0), b.point(10, 0));
    b.recompute();
    EXPECT_NEAR(parameterOf(*square, {103, 50}, b.ctx), 1.5, 1e-12);
    EXPECT_NEAR(parameterOf(*square, {25, -2}, b.ctx), 0.25, 1e-12);
    // Far from every side: the nearest side point.
    EXPECT_NEAR(parameterOf(*square, {50, 130}, b.ctx), 2.5, 1e-12);
    EXPECT_NEAR(parameterOf(*circle, {0, -7}, b.ctx), 3 * kPi / 2, 1e-12);
    EXPECT_FALSE(pointAt(*circle, std::numeric_limits<double>::quiet_NaN(), b.ctx));
}

TEST(PointOnElement, GridNodes) {
    EXPECT_DOUBLE_EQ(niceStepFactor(40), 1.0);
    EXPECT_DOUBLE_EQ(niceStepFactor(10), 5.0);
    EXPECT_DOUBLE_EQ(niceStepFactor(100), 0.5);
    EXPECT_DOUBLE_EQ(niceStepFactor(2), 20.0);

    Figure b;
    Element* axes = b.axes(b.point(10, 10), 40, 100);
    Element* grid = b.add(Kind::Grid, axes);
    b.recompute();
    const auto node = nearestGridNode(*grid, {75, -45}, b.ctx);
    ASSERT_TRUE(node);
    EXPECT_TRUE(near(*node, {2, -0.5}));
}

} // namespace
} // namespace zeva::geometry
