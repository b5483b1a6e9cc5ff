// One animation step by the rule of each animated element, the turning back at the ends, and
// the animation list as the tool and the window change it.

#include "figure_maker.h"

#include "edit/animation.h"
#include "geometry/primitives.h"
#include "model/units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::edit::testing {
namespace {

class Animation : public ::testing::Test {
  protected:
    document::Document d;
    FigureMaker m{d};

    // Entries are held by reference while the list grows.
    void SetUp() override { d.construction.animations.reserve(model::kMaxAnimations); }

    // Animates `e` alone at `speed`, running forward unless asked otherwise.
    model::AnimationEntry& animate(Element* e, int speed, int backward = 0) {
        EXPECT_TRUE(addOrRestartAnimation(d.construction, *e));
        auto& entry = d.construction.animations.back();
        entry.speed = speed;
        entry.backward = backward;
        return entry;
    }
    // One step in an edit of its own, committed (and so recomputed) before it answers.
    bool step() {
        Edit change(d, m.ctx(), UndoStep::Continue);
        return animationStep(change);
    }
};

TEST_F(Animation, SpeedTenOnASegmentOfOneHundredAdvancesByAHundredthAndBouncesAtBothEnds) {
    Element* a = m.point(0, 0);
    Element* b = m.point(100, 0);
    Element* ab = m.make(Kind::Segment, a, b);
    Element* p = m.pointOn(ab, 0.5);
    Element* c = m.point(0, 50);
    Element* mid = m.make(Kind::Midpoint, p, c); // follows the moving point
    auto& entry = animate(p, 10);

    ASSERT_TRUE(step());
    EXPECT_NEAR(p->y2, 0.51, 1e-12);
    EXPECT_NEAR(p->x1, 51, 1e-9);
    EXPECT_NEAR(mid->x1, 25.5, 1e-9);
    EXPECT_EQ(d.modified, 1);

    // Past 1 it stops just inside the far end and turns round.
    p->y2 = 0.995;
    step();
    EXPECT_EQ(p->y2, 0.99999);
    EXPECT_EQ(entry.backward, 1);
    step();
    EXPECT_NEAR(p->y2, 0.98999, 1e-12);
    // Below 0 it stops just inside the first end and turns round again.
    p->y2 = 0.005;
    step();
    EXPECT_EQ(p->y2, 0.0001);
    EXPECT_EQ(entry.backward, 0);
    EXPECT_TRUE(geometry::coincident(p->point(), {0.01, 0}));
    step();
    EXPECT_NEAR(p->y2, 0.0101, 1e-12);
}

TEST_F(Animation, PointsOnACircleAndOnAPolygonKeepGoingRound) {
    Element* o = m.point(0, 0);
    Element* rim = m.point(50, 0);
    Element* circle = m.make(Kind::CircleByCentreAndPoint, o, rim);
    Element* onCircle = m.pointOn(circle, 0.0);
    Element* triangle = m.polygon({m.point(0, 0), m.point(30, 0), m.point(0, 40)}); // perimeter 120
    Element* onTriangle = m.pointOn(triangle, 0.0);
    auto& round = animate(onCircle, 50);       // 25 units a step: half a radian
    auto& perimeter = animate(onTriangle, 20); // 4 units a step: 30 steps a lap

    int sidesSeen = 0;
    int lastSide = 0;
    for (int i = 0; i < 95; ++i) {
        step();
        // Always on their hosts, never turned round.
        EXPECT_NEAR(geometry::dist(onCircle->point(), o->point()), 50, 1e-9);
        EXPECT_LE(std::fabs(onCircle->y2), geometry::kTwoPi);
        EXPECT_EQ(round.backward, 0);
        EXPECT_EQ(perimeter.backward, 0);
        const int side = static_cast<int>(onTriangle->y2);
        EXPECT_EQ(onTriangle->param1, side);
        if (side != lastSide) ++sidesSeen;
        lastSide = side;
    }
    // 95 steps of 4 units on a perimeter of 120 go round three times: every side change seen.
    EXPECT_GE(sidesSeen, 9);
    // Backward from the first side the point wraps to the end of the last one.
    perimeter.backward = 1;
    onTriangle->y2 = 0.05;
    step();
    EXPECT_NEAR(onTriangle->y2, 3 - 0.0001, 1e-12);
}

TEST_F(Animation, AParameterFromZeroTo999AtSpeedTenMovesByOneAndBouncesAtItsBounds) {
    Element* k = m.parameter(500, 0, 999);
    // A dependent: a point displaced by the parameter's value in centimetres (40 units each).
    Element* moved = m.make(Kind::Displacement, m.point(0, 0), m.point(10, 0), k);
    auto& entry = animate(k, 10);
    step();
    EXPECT_DOUBLE_EQ(k->x1, 501);
    EXPECT_NEAR(moved->x1, 501 * 40, 1e-9);
    k->x1 = 998.5;
    step();
    EXPECT_DOUBLE_EQ(k->x1, 999);
    EXPECT_EQ(entry.backward, 1);
    step();
    EXPECT_DOUBLE_EQ(k->x1, 998);
}

// The other rules, two steps each from a known position.
TEST_F(Animation, EveryOtherRuleMovesByItsOwnMeasure) {
    // A line through two points 50 apart: t counts that distance, so 1 unit is t += 0.02, and
    // it turns back at 999 units.
    Element* a = m.point(0, 0);
    Element* b = m.point(50, 0);
    Element* line = m.make(Kind::LineThroughTwoPoints, a, b);
    Element* onLine = m.pointOn(line, 19.95);
    // A ray through two points turns back at its origin.
    Element* ray = m.make(Kind::RayThroughTwoPoints, a, b);
    Element* onRay = m.pointOn(ray, 0.01);
    // A parallel keeps its own direction: t is in world units.
    Element* parallel = m.make(Kind::ParallelLine, line, m.point(0, 30));
    Element* onParallel = m.pointOn(parallel, -998.5);
    // A line through one point turns about it.
    m.r.x2 = 0;
    m.r.y2 = 7; // straight up, 7 units away
    Element* turning = m.make(Kind::LineThroughPoint, a);
    // A circle given by its centre grows.
    m.r.x1 = 0;
    m.r.y1 = 0;
    m.r.x2 = 0;
    m.r.y2 = 0.5;
    Element* growing = m.make(Kind::CircleByCentre, m.point(200, 200));
    // An arc of a half circle of radius 10 (length 10π).
    Element* arc =
        m.make(Kind::ArcThreePoints, m.point(-10, 100), m.point(0, 110), m.point(10, 100));
    Element* onArc = m.pointOn(arc, 0.5);
    // A conic: t counts its 120 samples.
    std::vector<Element*> five;
    for (int i = 0; i < 5; ++i)
        five.push_back(m.point(300 + 80 * std::cos(i * 1.2), 40 * std::sin(i * 1.2)));
    Element* conic = m.conic(five);
    Element* onConic = m.pointOn(conic, 118.95);

    auto& lineRun = animate(onLine, 10);  // 1 unit
    auto& rayRun = animate(onRay, 10, 1); // 1 unit back
    auto& parallelRun = animate(onParallel, 10, 1);
    animate(turning, 100);                  // 100 units: one radian
    auto& growth = animate(growing, 10, 1); // 1 unit smaller
    animate(onArc, 10);
    animate(onConic, 10); // 0.1 sample
    step();

    EXPECT_NEAR(onLine->y2, 19.97, 1e-12) << "t += 1 / 50";
    EXPECT_EQ(lineRun.backward, 0);
    step();
    EXPECT_NEAR(onLine->y2, 999.0 / 50, 1e-12) << "held at 999 units";
    EXPECT_EQ(lineRun.backward, 1);

    // Both turned round at the first step, then went forward.
    EXPECT_NEAR(onRay->y2, 0.02, 1e-12) << "a ray turns back at its origin";
    EXPECT_EQ(rayRun.backward, 0);
    EXPECT_EQ(onParallel->y2, -998.0) << "held at -999 units, then one forward";
    EXPECT_EQ(parallelRun.backward, 0);

    // The direction point went to 100 units, then turned by one radian, twice.
    const Point dir = turning->secondPoint() - turning->point();
    EXPECT_NEAR(std::hypot(dir.x, dir.y), 100, 1e-9);
    EXPECT_NEAR(geometry::directionAngle(dir), model::kPi / 2 + 2.0, 1e-9);

    EXPECT_EQ(growth.backward, 0) << "the radius stopped at 0 and turned round";
    // A circle of no radius is kept a ten-thousandth wide, then grew by one.
    EXPECT_NEAR(geometry::dist(growing->point(), growing->secondPoint()), 1.0001, 1e-9);

    EXPECT_NEAR(onArc->y2, 0.5 + 2 / (10 * model::kPi), 1e-9);
    EXPECT_NEAR(geometry::dist(onArc->point(), {0, 100}), 10, 1e-9);

    EXPECT_NEAR(onConic->y2, 0.1, 1e-9) << "past 119 the point started the conic again";
}

// A point on a locus runs by the rule of what the locus's driving point runs along; a point on
// a function graph by the graph's range on its axis.
TEST_F(Animation, LociAndGraphsRunByTheirDrivingHostAndTheirRange) {
    Element* a = m.point(0, 0);
    Element* b = m.point(200, 0);
    Element* ab = m.make(Kind::Segment, a, b);
    Element* driver = m.pointOn(ab, 0.5);
    Element* mid = m.make(Kind::Midpoint, driver, m.point(0, 100));
    Element* locus = m.make(Kind::Locus, mid, driver);
    Element* onLocus = m.pointOn(locus, 0.25);
    Element* axes = m.make(Kind::Axes, m.point(0, -200)); // 40 world units per axis unit
    Element* graph = m.graph("x*x/10", axes, -5, 5);      // 400 world units of variable
    ASSERT_NE(graph, nullptr);
    Element* onGraph = m.pointOn(graph, 0.9990);
    auto& graphRun = animate(onGraph, 20); // 4 units: t += 0.01
    animate(onLocus, 20);                  // 4 units along a segment of 200: t += 0.02
    step();
    EXPECT_NEAR(onLocus->y2, 0.27, 1e-12);
    EXPECT_NEAR(onLocus->x1, 0.5 * 0.27 * 200, 1e-6);
    EXPECT_EQ(onGraph->y2, 1.0);
    EXPECT_EQ(graphRun.backward, 1);
    step();
    EXPECT_NEAR(onGraph->y2, 0.99, 1e-12);
    EXPECT_NEAR(onGraph->x1, (-5 + 0.99 * 10) * 40, 1e-6) << "x = 4.9 axis units";
}

TEST_F(Animation, TheListHoldsAHundredEntriesAndTheStepOnlyMovesPlayingOnes) {
    Element* a = m.point(0, 0);
    Element* b = m.point(100, 0);
    Element* ab = m.make(Kind::Segment, a, b);
    EXPECT_FALSE(step()) << "an empty list does nothing";
    EXPECT_EQ(d.modified, 1) << "the factory marked it";
    d.modified = 0;
    EXPECT_FALSE(step());
    EXPECT_EQ(d.modified, 0);

    EXPECT_FALSE(addOrRestartAnimation(d.construction, *a)) << "a free point cannot move";
    Element* p = m.pointOn(ab, 0.5);
    ASSERT_EQ(addOrRestartAnimation(d.construction, *p), 0u);
    const auto fresh = d.construction.animations[0];
    EXPECT_EQ(fresh.playing, 1);
    EXPECT_EQ(fresh.backward, 1);
    EXPECT_EQ(fresh.speed, 15);

    // Stopped, it stands still, but the step still counts as a change of the document.
    d.construction.animations[0].playing = 0;
    d.construction.animations[0].speed = 40;
    EXPECT_FALSE(step());
    EXPECT_EQ(p->y2, 0.5);
    EXPECT_EQ(d.modified, 1);
    // Picked again, it plays again with its own direction and speed.
    EXPECT_EQ(addOrRestartAnimation(d.construction, *p), 0u);
    EXPECT_EQ(d.construction.animations[0].playing, 1);
    EXPECT_EQ(d.construction.animations[0].speed, 40);
    EXPECT_EQ(d.construction.animations.size(), 1u);

    for (int i = 1; i < model::kMaxAnimations; ++i)
        ASSERT_TRUE(addOrRestartAnimation(d.construction, *m.pointOn(ab, 0.01 * i)));
    EXPECT_FALSE(addOrRestartAnimation(d.construction, *m.pointOn(ab, 0.3)));
    EXPECT_EQ(d.construction.animations.size(), 100u);

    // Made free (as a redefinition would), the first point can no longer be animated.
    p->kind = Kind::FreePoint;
    p->parent1 = nullptr;
    EXPECT_TRUE(dropUnanimatable(d.construction));
    EXPECT_EQ(d.construction.animations.size(), 99u);
    EXPECT_FALSE(animationIndexOf(d.construction, *p));
    EXPECT_FALSE(dropUnanimatable(d.construction));
}

TEST(AnimationSpeed, StepLengthIsTheSquareOfATenthOfTheSpeed) {
    EXPECT_DOUBLE_EQ(stepLength({nullptr, 1, 0, 1}), 0.01);
    EXPECT_DOUBLE_EQ(stepLength({nullptr, 1, 1, 15}), -2.25);
    EXPECT_DOUBLE_EQ(stepLength({nullptr, 1, 0, 100}), 100);
    EXPECT_DOUBLE_EQ(stepLength({nullptr, 1, 0, 1000000}), 100);
    EXPECT_EQ(clampedSpeed(250), 100);
    EXPECT_EQ(clampedSpeed(0), 1);
    EXPECT_EQ(clampedSpeed(-5000000000LL), 1);
}

} // namespace
} // namespace zeva::edit::testing
