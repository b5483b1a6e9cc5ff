#include "render/axes_grid.h"
#include "render/view_transform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>

namespace zeva::render {
namespace {

struct RoundCase {
    double v;
    int awayFromZero;
    int halfUp;
};

class Rounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(Rounding, BothRules) {
    EXPECT_EQ(roundHalfAwayFromZero(GetParam().v), GetParam().awayFromZero) << GetParam().v;
    EXPECT_EQ(roundHalfUp(GetParam().v), GetParam().halfUp) << GetParam().v;
}

INSTANTIATE_TEST_SUITE_P(
    Values, Rounding,
    ::testing::Values(RoundCase{2.5, 3, 2}, RoundCase{-2.5, -3, -2}, RoundCase{-2.3, -2, -2},
                      RoundCase{-2.7, -3, -2}, RoundCase{2.4, 2, 2}, RoundCase{2.6, 3, 3},
                      RoundCase{0.0, 0, 0}, RoundCase{6.4, 6, 6},
                      // A negative whole number stays where it is.
                      RoundCase{-3.0, -3, -3}, RoundCase{3.0, 3, 3},
                      // Far beyond the device range the result saturates instead of wrapping.
                      RoundCase{1e12, INT_MAX, INT_MAX},
                      RoundCase{-1e12, INT_MIN + 1, INT_MIN + 1}));

ViewTransform viewAt(double left, double top) {
    ViewTransform v;
    v.viewLeft = left;
    v.viewTop = top;
    deriveViewFarEdges(v);
    syncViewEdges(v);
    setPlaneSize(v, 3000);
    return v;
}

TEST(WorldToScreen, RoundsAwayFromZeroAndFlipsY) {
    const ViewTransform v = viewAt(-100, 50);
    EXPECT_EQ(worldToScreen(v, -100 + 2.5, 50), (IPoint{3, 0}));
    EXPECT_EQ(worldToScreen(v, -100 - 2.5, 50), (IPoint{-3, 0}));
    EXPECT_EQ(worldToScreen(v, 0, 0), (IPoint{100, 50}));
    EXPECT_EQ(worldToScreen(v, 0, 60.5), (IPoint{100, -11}));
}

TEST(WorldToScreen, FarPointsGetTheSentinel) {
    const ViewTransform v = viewAt(0, 0);
    EXPECT_EQ(worldToScreen(v, 1e11, 0), kOffScreen);
    EXPECT_EQ(worldToScreen(v, 0, -1e11), kOffScreen);
    EXPECT_EQ(worldToScreen(v, NAN, 0), kOffScreen);
    EXPECT_NE(worldToScreen(v, 1e10, 0), kOffScreen);
}

TEST(WorldToScreen, DeviceCoordinatesAreHeldWithinTheDeviceRange) {
    // 1e10 from a view 1e10 the other way is 2e10 pixels: beyond int, held at the limit.
    EXPECT_EQ(worldToScreen(viewAt(-1e10, 1e10), 1e10, -1e10),
              (IPoint{kDeviceLimit, kDeviceLimit}));
    EXPECT_EQ(worldToScreen(viewAt(1e300, -1e300), 0, 0), (IPoint{-kDeviceLimit, -kDeviceLimit}));
    EXPECT_EQ(toDevice(NAN), 0);
    EXPECT_EQ(toDevice(-INFINITY), -kDeviceLimit);
    EXPECT_EQ(toDevice(2.5), 3);
    EXPECT_EQ(toDevice(-2.5), -3);
    EXPECT_EQ(niceStepFactor(NAN), 1);
    EXPECT_EQ(niceStepFactor(INFINITY), 1);
}

TEST(ScreenToWorld, InvertsAtAnyScale) {
    ViewTransform v = viewAt(-300, 200);
    v.drawScale = 0.25;
    const Point w = screenToWorld(v, 40, 80);
    EXPECT_DOUBLE_EQ(w.x, -300 + 160);
    EXPECT_DOUBLE_EQ(w.y, 200 - 320);
    EXPECT_EQ(worldToScreen(v, w), (IPoint{40, 80}));
}

TEST(PointInView, HasAOneUnitMargin) {
    const ViewTransform v = viewAt(-512, 384);
    EXPECT_FALSE(pointInView(v, -513, 0));
    EXPECT_TRUE(pointInView(v, -512.5, 0));
    EXPECT_TRUE(pointInView(v, 512.5, -384.5));
    EXPECT_FALSE(pointInView(v, 0, 385));
    EXPECT_TRUE(pointInPlane(v, 1500.5, -1500.5));
    EXPECT_FALSE(pointInPlane(v, 1501, 0));
}

TEST(ViewEdges, BottomTopLeftRightInOrder) {
    const ViewTransform v = viewAt(-10, 20);
    const Edges& e = clipEdgesFor(v, CanvasRole::Main);
    EXPECT_EQ(e[kBottomEdge].a, (Point{-10, 20 - 768}));
    EXPECT_EQ(e[kBottomEdge].b, (Point{-10 + 1024, 20 - 768}));
    EXPECT_EQ(e[kTopEdge].a, (Point{-10, 20}));
    EXPECT_EQ(e[kLeftEdge].b, (Point{-10, 20}));
    EXPECT_EQ(e[kRightEdge].a, (Point{1014, 20 - 768}));
    // The miniature clips to the whole plane.
    EXPECT_EQ(clipEdgesFor(v, CanvasRole::Miniature)[kBottomEdge].a, (Point{-1500, -1500}));
    EXPECT_EQ(clipEdgesFor(v, CanvasRole::Printer)[kTopEdge].a, (Point{-10, 20}));
}

TEST(ViewCircle, CentredOnTheDrawingAreaWithIntegerHalving) {
    ViewTransform v = viewAt(0, 0);
    v.clientWidth = 801;
    v.clientHeight = 600;
    v.leftInset = 33;
    v.topInset = 63;
    const ViewCircle c = viewCircle(v, CanvasRole::Main);
    EXPECT_DOUBLE_EQ(c.centre.x, 384);  // (801 - 33) / 2
    EXPECT_DOUBLE_EQ(c.centre.y, -268); // (600 - 63) / 2 = 268
    EXPECT_DOUBLE_EQ(c.radius, std::hypot(384, 768 - 268));
    const ViewCircle m = viewCircle(v, CanvasRole::Miniature);
    EXPECT_EQ(m.centre, (Point{0, 0}));
    EXPECT_DOUBLE_EQ(m.radius, std::hypot(1500, 1500));
}

TEST(View, NewDocumentCentresTheOriginAndResizeKeepsTheTopLeft) {
    ViewTransform v;
    v.screenWidth = 1280;
    v.screenHeight = 1024;
    centreViewOnOrigin(v, 800, 600);
    EXPECT_DOUBLE_EQ(v.viewLeft, -400);
    EXPECT_DOUBLE_EQ(v.viewTop, 300);
    EXPECT_DOUBLE_EQ(v.viewRight, 880); // from the surface, not the window
    EXPECT_DOUBLE_EQ(v.viewBottom, -724);
    v.screenWidth = 1920;
    v.screenHeight = 1080;
    deriveViewFarEdges(v);
    EXPECT_DOUBLE_EQ(v.viewLeft, -400);
    EXPECT_DOUBLE_EQ(v.viewTop, 300);
    EXPECT_DOUBLE_EQ(v.viewRight, 1520);
    EXPECT_DOUBLE_EQ(v.viewBottom, -780);
}

TEST(ScrollBars, MapBothWays) {
    ViewTransform v = viewAt(0, 0);
    v.clientWidth = 1000;
    v.clientHeight = 500;
    // h = 1500: left runs from -1500 to 500, top from 1500 down to -1000.
    EXPECT_DOUBLE_EQ(viewLeftFromScroll(v, 0), -1500);
    EXPECT_DOUBLE_EQ(viewLeftFromScroll(v, kScrollMax), 500);
    EXPECT_DOUBLE_EQ(viewTopFromScroll(v, kScrollMax / 2), 1500 - 2500 / 2.0);
    v.viewLeft = viewLeftFromScroll(v, 2500);
    v.viewTop = viewTopFromScroll(v, 7000);
    EXPECT_EQ(horizontalScrollPosition(v), 2500);
    EXPECT_EQ(verticalScrollPosition(v), 7000);
    // A plane no larger than the window leaves nothing to scroll.
    v.clientWidth = 3000;
    EXPECT_EQ(horizontalScrollPosition(v), 0);
}

struct StepCase {
    double unit;
    double factor;
};

class NiceStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(NiceStep, OneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_NEAR(niceStepFactor(GetParam().unit), GetParam().factor, 1e-12) << GetParam().unit;
    EXPECT_NEAR(niceStep(GetParam().unit), GetParam().factor * GetParam().unit, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Units, NiceStep,
                         ::testing::Values(StepCase{40, 1}, StepCase{10, 5}, StepCase{200, 0.2},
                                           StepCase{20, 2}, StepCase{6, 10}, StepCase{1, 50},
                                           StepCase{2000, 0.02}, StepCase{0, 1}, StepCase{-5, 1},
                                           // 60 / unit overflows: no power of ten to step by
                                           StepCase{5e-324, 1}));

TEST(AxisTicks, SpacedByTheNiceStepAndNeverOnTheOrigin) {
    AxesLayout axes;
    axes.origin = {0, 0};
    axes.xAxisSecond = {10, 0};
    axes.yAxisSecond = {0, 10};
    axes.unitX = 40;
    axes.unitY = 10; // factor 5: a tick every 50 units
    const ClipRect clip{-100, 100, 100, -100};
    const AxisTicks t = axisTicks(axes, clip);
    ASSERT_FALSE(t.xTicks.empty());
    EXPECT_DOUBLE_EQ(t.stepX, 40);
    EXPECT_DOUBLE_EQ(t.stepY, 50);
    EXPECT_DOUBLE_EQ(t.xTicks.front().x, -80);
    for (Point p : t.xTicks) {
        EXPECT_NE(p.x, 0);
        EXPECT_DOUBLE_EQ(std::fmod(p.x, 40), 0);
        EXPECT_DOUBLE_EQ(p.y, 0);
    }
    // i runs to trunc(200 / 40) + 1: -80 .. 160 without 0.
    EXPECT_EQ(t.xTicks.size(), 6u);
    EXPECT_DOUBLE_EQ(t.yTicks.front().y, -100);
    EXPECT_EQ(t.factorXAt, (Point{38, -4}));
    EXPECT_EQ(t.factorYAt, (Point{4, 58}));
}

TEST(AxisTicks, NoneForAnAxisOutsideTheRectangle) {
    AxesLayout axes;
    axes.origin = {0, 500};
    axes.xAxisSecond = {10, 500};
    axes.yAxisSecond = {0, 510};
    const AxisTicks t = axisTicks(axes, ClipRect{-100, 100, 100, -100});
    EXPECT_TRUE(t.xTicks.empty());
    EXPECT_FALSE(t.yTicks.empty());
}

TEST(AxisTicks, DegenerateUnitsAndOriginsEndTheirLoops) {
    // Tiny units, and an origin so far away that adding a step changes nothing: the loops
    // must end within their bound whatever the data.
    for (const auto& [unit, origin] : {std::pair{5e-324, Point{0, 0}}, {40.0, Point{1e300, 0}},
                                       {1e-300, Point{1e-300, 1e-300}}}) {
        AxesLayout axes;
        axes.origin = origin;
        axes.xAxisSecond = {origin.x + 10, origin.y};
        axes.yAxisSecond = {origin.x, origin.y + 10};
        axes.unitX = axes.unitY = unit;
        const AxisTicks t = axisTicks(axes, ClipRect{-100, 100, 100, -100});
        EXPECT_LE(t.xTicks.size() + t.yTicks.size(), 12u) << unit;
        std::vector<Point> pts;
        for (bool polar : {false, true}) {
            gridPoints(axes, ClipRect{-100, 100, 100, -100}, polar, false, 1.0, pts);
            // A step too fine to draw leaves the grid empty, rather than a blot of marks.
            if (unit < 1e-300) {
                EXPECT_TRUE(pts.empty()) << polar;
            }
            EXPECT_LE(pts.size(), 200000u);
        }
    }
}

TEST(Grid, RectangularLatticeAlignedOnTheOrigin) {
    AxesLayout axes;
    axes.origin = {5, 5};
    std::vector<Point> pts;
    gridPoints(axes, ClipRect{-100, 100, 100, -100}, false, false, 1.0, pts);
    // x from floor(-105 / 40) * 40 + 5 = -115 while x < 100: 6 columns, and 6 rows.
    ASSERT_EQ(pts.size(), 36u);
    EXPECT_EQ(pts.front(), (Point{-115, -115}));
    EXPECT_EQ(pts.back(), (Point{85, 85}));
}

TEST(Grid, PolarRingsHalveTheirAngleStepOutwards) {
    AxesLayout axes; // origin (0, 0) inside the rectangle: rings from radius 0
    std::vector<Point> pts;
    // Rings of radius 0, 40 and 80 (below d + H = 100), 13 points each at steps of pi/6.
    gridPoints(axes, ClipRect{-50, 50, 50, -50}, true, false, 1.0, pts);
    EXPECT_EQ(pts.size(), 39u);
    EXPECT_NEAR(pts[13].x, 40, 1e-9);
    // Further out: at radius 120, 120 * pi/6 > 60 halves the step (25 points), and the
    // halved step is kept until 240 halves it again (49 points).
    gridPoints(axes, ClipRect{-300, 300, 300, -300}, true, false, 1.0, pts);
    auto onRing = [&](double r) {
        return std::count_if(pts.begin(), pts.end(),
                             [&](Point p) { return std::fabs(std::hypot(p.x, p.y) - r) < 1e-6; });
    };
    EXPECT_EQ(onRing(80), 13);
    EXPECT_EQ(onRing(120), 25);
    EXPECT_EQ(onRing(200), 25);
    EXPECT_EQ(onRing(240), 49);
    // Unequal units stretch the rings into ellipses.
    axes.unitY = 10; // ticks every 50 units against 40 on x
    gridPoints(axes, ClipRect{-50, 50, 50, -50}, true, false, 1.0, pts);
    EXPECT_NEAR(pts[13 + 3].y, 50, 1e-9); // radius 40 at a quarter turn, times 50 / 40
}

} // namespace
} // namespace zeva::render
