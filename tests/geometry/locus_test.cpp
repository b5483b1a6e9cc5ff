#include "geometry/conics.h"
#include "geometry/locus.h"
#include "geometry/locus_run.h"
#include "geometry/parametric_color.h"
#include "geometry/primitives.h"
#include "tests/support/construction_builder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::geometry {
namespace {

using model::Element;
using model::Kind;

using zeva::testing::near;

// A construction with a driving point D on a circle of radius 100 about the origin, and
// helpers to add what the loci trace.
struct LocusFixture : ::testing::Test {
    model::Construction c;
    RecomputeContext ctx;
    Element* centre = nullptr;
    Element* rim = nullptr;
    Element* circle = nullptr;
    Element* d = nullptr;

    LocusFixture() {
        ctx.construction = &c;
        centre = point(0, 0);
        rim = point(100, 0);
        circle = add(Kind::CircleByCentreAndPoint, centre, rim);
        d = add(Kind::PointOnElement, circle);
        d->y2 = 0.3;
    }

    Element* add(Kind kind, Element* a = nullptr, Element* b = nullptr, Element* e = nullptr) {
        return zeva::testing::add(c, kind, a, b, e);
    }
    Element* point(double x, double y) { return zeva::testing::addPoint(c, x, y); }
    Element* locus(Element* traced, Element* driving, int32_t capacity) {
        Element* l = add(Kind::Locus, traced, driving);
        l->samples().resize(capacity);
        return l;
    }
    void recompute() { recomputeAll(c, ctx); }

    static Point onCircle(double t) { return {100 * std::cos(t), 100 * std::sin(t)}; }
};

TEST_F(LocusFixture, PointDrivenOnACircleIsClosedAndSampledAtEqualAngles) {
    Element* far = point(200, 40);
    Element* m = add(Kind::Midpoint, d, far);
    Element* l = locus(m, d, 40);
    recompute();
    ASSERT_EQ(l->exists, 1);
    EXPECT_EQ(l->param1, 1);
    const auto& s = l->samples();
    ASSERT_EQ(s.sampleCount, 40);
    for (int i = 0; i < 40; ++i) {
        const double t = i * 2 * kPi / 40;
        EXPECT_NEAR(s.sampleParams[i], t, 1e-12) << i;
        EXPECT_TRUE(near(s.samples[i], midpoint(onCircle(t), {200, 40}), 1e-9)) << i;
        EXPECT_NE(s.sampleColors[i], model::kInvalidSample);
    }
    // the figure is as before
    EXPECT_EQ(d->y2, 0.3);
    EXPECT_TRUE(near(d->point(), onCircle(0.3)));
    EXPECT_TRUE(near(m->point(), midpoint(onCircle(0.3), {200, 40})));
}

TEST_F(LocusFixture, SampleColoursFollowAParametricColourSourcedAfterTheLocus) {
    Element* far = point(200, 40);
    Element* m = add(Kind::Midpoint, d, far);
    Element* l = locus(m, d, 12);
    // the colour's source comes after the locus: each sample must still see it updated
    Element* length = add(Kind::DistancePointPoint, d, far);
    m->colorSource = length;
    m->colorMode = 1;
    recompute();
    const auto& s = l->samples();
    ASSERT_EQ(s.sampleCount, 12);
    for (int i = 0; i < 12; ++i) {
        const double world = dist(onCircle(i * 2 * kPi / 12), {200, 40});
        EXPECT_EQ(s.sampleColors[i], parametricColor(world / 40, true, 1)) << i;
    }
    EXPECT_NEAR(length->x1, dist(onCircle(0.3), {200, 40}) / 40, 1e-12);
    // the pass ends with the colour of the source's final value, though it comes later
    EXPECT_EQ(m->color, parametricColor(length->x1, true, 1));
    // a point on that locus is recomputed in every sample's run, and runs the locus itself
    Element* on = add(Kind::PointOnElement, l);
    on->y2 = 0.5;
    recompute();
    EXPECT_TRUE(near(on->point(), midpoint(onCircle(0.5), {200, 40})));
    EXPECT_EQ(s.sampleCount, 12);
}

TEST_F(LocusFixture, ClosedOnlyForClosedHosts) {
    Element* a = point(-50, 0);
    Element* b = point(50, 10);
    Element* segment = add(Kind::Segment, a, b);
    Element* onSegment = add(Kind::PointOnElement, segment);
    Element* m = add(Kind::Midpoint, onSegment, rim);
    Element* open = locus(m, onSegment, 11);
    Element* closed = locus(add(Kind::Midpoint, d, rim), d, 11);
    recompute();
    EXPECT_EQ(open->param1, 0);
    EXPECT_EQ(closed->param1, 1);
    // segments run from end to end inclusive
    EXPECT_EQ(open->samples().sampleParams[0], 0.0);
    EXPECT_EQ(open->samples().sampleParams[10], 1.0);
    EXPECT_TRUE(near(open->samples().samples[10], midpoint({50, 10}, {100, 0})));
}

TEST_F(LocusFixture, DrivingParametersByHostClass) {
    Element* a = point(0, 0);
    Element* b = point(10, 0);
    struct Case {
        Element* host;
        double first, second, last; // t of samples 0, 1 and 9 with n = 10
    };
    Element* line2 = add(Kind::LineThroughTwoPoints, a, b); // k = 3000 / 10 = 300
    Element* ray2 = add(Kind::RayThroughTwoPoints, a, b);   // k = 1500 / 10 = 150
    Element* ownLine = add(Kind::ParallelLine, line2, a);
    recomputeElement(*line2, ctx);
    recomputeElement(*ray2, ctx);
    Element* poly = add(Kind::Polygon);
    for (int i = 0; i < 4; ++i)
        poly->polygon().sides.push_back(model::makeElement(Kind::PolygonSide));
    Element* conic = add(Kind::Conic);
    const std::vector<Case> cases{
        {line2, -150, -120, 120},      {ray2, 0, 15, 135},
        {ownLine, -1500, -1200, 1200}, {circle, 0, 2 * kPi / 10, 9 * 2 * kPi / 10},
        {conic, 0, 12, 108},           {poly, 0, 0.4, 3.6},
    };
    for (const Case& k : cases) {
        Element* p = add(Kind::PointOnElement, k.host);
        Element* l = locus(p, p, 10);
        const DrivingParameters params = drivingParameters(*l, ctx);
        ASSERT_EQ(params.t.size(), 10u);
        EXPECT_NEAR(params.t[0], k.first, 1e-9) << model::kindName(k.host->kind);
        EXPECT_NEAR(params.t[1], k.second, 1e-9) << model::kindName(k.host->kind);
        EXPECT_NEAR(params.t[9], k.last, 1e-9) << model::kindName(k.host->kind);
    }
}

TEST_F(LocusFixture, PointLocusMarksTheSamplesWhereTheTracedPointIsMissing) {
    // The traced point exists only while the driving point is away from the far point F: a
    // line through D and F at parameter 2 vanishes when D lands on F.
    Element* f = add(Kind::PointOnElement, circle);
    f->y2 = 2 * kPi * 3 / 12; // on sample 3 of 12
    Element* line = add(Kind::LineThroughTwoPoints, d, f);
    Element* traced = add(Kind::PointOnElement, line);
    traced->y2 = 2;
    Element* l = locus(traced, d, 12);
    recompute();
    const auto& s = l->samples();
    ASSERT_EQ(s.sampleCount, 12);
    for (int i = 0; i < 12; ++i) {
        if (i == 3) {
            EXPECT_EQ(s.sampleColors[i], model::kInvalidSample);
            EXPECT_EQ(s.samples[i], (Point{0, 0}));
        } else {
            EXPECT_NE(s.sampleColors[i], model::kInvalidSample) << i;
        }
    }
    EXPECT_EQ(traced->exists, 1);
}

TEST_F(LocusFixture, LocusOfLinesStoresBothPointsAndSkipsMissingInstances) {
    Element* q = point(100, 0); // D's position at t = 0: the line does not exist there
    Element* line = add(Kind::LineThroughTwoPoints, d, q);
    Element* l = locus(line, d, 50);
    recompute();
    const auto& s = l->samples();
    ASSERT_EQ(s.sampleCount, 49);
    for (int k = 0; k < 49; ++k) {
        const double t = (k + 1) * 2 * kPi / 50;
        EXPECT_NEAR(s.sampleParams[k], t, 1e-12);
        EXPECT_TRUE(near(s.samples[k], onCircle(t), 1e-9)) << k;
        EXPECT_TRUE(near(s.samples2[k], {100, 0})) << k;
    }
}

TEST_F(LocusFixture, MovingTheDrivingPointByHandLeavesTheLocusAsItWas) {
    Element* m = add(Kind::Midpoint, d, point(-30, 70));
    Element* l = locus(m, d, 25);
    recompute();
    const model::SampleTail before = l->samples();
    d->y2 = 1.7;
    recompute();
    EXPECT_EQ(l->samples().samples, before.samples);
    EXPECT_EQ(l->samples().sampleParams, before.sampleParams);
    EXPECT_EQ(d->y2, 1.7);
    EXPECT_TRUE(near(d->point(), onCircle(1.7)));
}

TEST_F(LocusFixture, DragOfTheDrivingPointKeepsTheSamples) {
    Element* m = add(Kind::Midpoint, d, point(-30, 70));
    Element* l = locus(m, d, 25);
    recompute();
    l->samples().samples[0] = {1234, 5678};
    RecomputeContext drag = ctx;
    drag.dragInProgress = true;
    drag.draggedElement = d;
    recomputeLocus(*l, drag);
    EXPECT_EQ(l->samples().samples[0], (Point{1234, 5678}));
    drag.dragOfMultipleSelection = true; // part of a group: sampled as usual
    recomputeLocus(*l, drag);
    EXPECT_NE(l->samples().samples[0], (Point{1234, 5678}));
}

TEST_F(LocusFixture, ExactPointOnALocusAndTheParameterOfAPosition) {
    Element* far = point(200, 40);
    Element* m = add(Kind::Midpoint, d, far);
    Element* l = locus(m, d, 8); // coarse: interpolation would be far off
    recompute();
    const auto p = locusPointAt(*l, 0.5, ctx);
    ASSERT_TRUE(p);
    EXPECT_TRUE(near(*p, midpoint(onCircle(0.5), {200, 40})));
    EXPECT_EQ(d->y2, 0.3);
    EXPECT_TRUE(near(m->point(), midpoint(onCircle(0.3), {200, 40})));
    // reached through a polygon's side, a sub-element
    Element* triangle = add(Kind::Polygon);
    for (Element* v : {m, far, rim}) {
        auto side = model::makeElement(Kind::PolygonSide);
        side->parent1 = v;
        side->parent3 = triangle;
        triangle->polygon().sides.push_back(std::move(side));
    }
    for (size_t i = 0; i < 3; ++i)
        triangle->polygon().sides[i]->parent2 = triangle->polygon().sides[(i + 1) % 3]->parent1;
    Element* onSide = add(Kind::PointOnElement, triangle->polygon().sides[0].get());
    onSide->y2 = 0.5;
    Element* l2 = locus(onSide, d, 8);
    recompute();
    EXPECT_TRUE(near(*locusPointAt(*l2, 2.0, ctx),
                     midpoint(midpoint(onCircle(2.0), {200, 40}), {200, 40})));
    // the nearest valid sample gives the parameter
    EXPECT_NEAR(locusParameterOf(*l, l->samples().samples[5], ctx), 5 * 2 * kPi / 8, 1e-12);
    l->samples().sampleColors[5] = model::kInvalidSample;
    EXPECT_NE(locusParameterOf(*l, l->samples().samples[5], ctx), 5 * 2 * kPi / 8);
}

TEST_F(LocusFixture, PointOnALocusDrivesALocusOfItsOwn) {
    Element* far = point(200, 40);
    Element* m = add(Kind::Midpoint, d, far);
    Element* inner = locus(m, d, 20);
    Element* onInner = add(Kind::PointOnElement, inner);
    onInner->y2 = 1.0;
    Element* n = add(Kind::Midpoint, onInner, point(0, -100));
    Element* outer = locus(n, onInner, 16);
    recompute();
    ASSERT_EQ(outer->exists, 1);
    EXPECT_EQ(outer->param1, 1); // its host, the inner locus, is closed
    const auto& s = outer->samples();
    ASSERT_EQ(s.sampleCount, 16);
    for (int i = 0; i < 16; ++i) {
        const double t = i * 2 * kPi / 16; // the circle's parameters run both loci
        EXPECT_TRUE(near(s.samples[i], midpoint(midpoint(onCircle(t), {200, 40}), {0, -100}), 1e-9))
            << i;
    }
    EXPECT_EQ(onInner->y2, 1.0);
    EXPECT_EQ(d->y2, 0.3);
    EXPECT_TRUE(near(onInner->point(), midpoint(onCircle(1.0), {200, 40})));
}

TEST_F(LocusFixture, AcceptsOnlyDependentsOfAPointOnAnElementOrGrid) {
    Element* far = point(200, 40);
    Element* m = add(Kind::Midpoint, d, far);
    EXPECT_TRUE(acceptLocus(c, *m, *d));
    EXPECT_FALSE(acceptLocus(c, *far, *d));
    EXPECT_FALSE(acceptLocus(c, *m, *far)); // a free point drives nothing
    EXPECT_FALSE(acceptLocus(c, *d, *d));
    Element* axes = zeva::testing::addAxes(c, centre);
    Element* grid = add(Kind::Grid, axes);
    Element* g = add(Kind::GridPoint, grid);
    Element* triangle = add(Kind::Polygon);
    for (Element* v : {g, far, rim}) {
        auto side = model::makeElement(Kind::PolygonSide);
        side->parent1 = v;
        triangle->polygon().sides.push_back(std::move(side));
    }
    EXPECT_TRUE(acceptLocus(c, *add(Kind::Midpoint, g, far), *g));
    EXPECT_FALSE(acceptLocus(c, *triangle, *g)); // only points, lines and circles on a grid
    for (Element* e : c)
        EXPECT_EQ(e->serial, 0);
}

TEST_F(LocusFixture, OneSamplePerGridNodeInsideThePlane) {
    Element* axes = zeva::testing::addAxes(c, centre); // 40 world units per axis unit: nodes every 40
    Element* grid = add(Kind::Grid, axes);
    Element* g = add(Kind::GridPoint, grid);
    g->x2 = 1;
    g->y2 = 1;
    Element* traced = add(Kind::Midpoint, g, point(0, 0));
    Element* l = locus(traced, g, 80);
    ctx.viewLeft = -100;
    ctx.viewRight = 100;
    ctx.viewBottom = -100;
    ctx.viewTop = 100;
    recompute();
    // x and y in -120, -80, ..., 80: six columns and six rows
    auto& s = l->samples();
    EXPECT_EQ(s.capacity, 36);
    ASSERT_EQ(s.sampleCount, 36);
    EXPECT_TRUE(near(s.samples[0], {-60, -60}));
    EXPECT_TRUE(near(s.samples[1], {-40, -60})); // row by row
    EXPECT_TRUE(near(s.samples[35], {40, 40}));
    EXPECT_TRUE(near(g->point(), {40, 40})); // back on its own node
    EXPECT_EQ(l->param1, 0);
    ctx.planeSize = 100; // only -40, 0 and 40 lie inside
    recompute();
    EXPECT_EQ(s.sampleCount, 9);
    EXPECT_TRUE(near(s.samples[0], {-20, -20}));
}

TEST_F(LocusFixture, ChangingTheNumberOfPointsResamples) {
    Element* m = add(Kind::Midpoint, d, rim);
    Element* l = locus(m, d, 30);
    recompute();
    setLocusPointCount(*l, 17, ctx);
    EXPECT_EQ(l->samples().capacity, 17);
    EXPECT_EQ(l->samples().samples.size(), 17u);
    EXPECT_EQ(l->samples().sampleCount, 17);
    EXPECT_NEAR(l->samples().sampleParams[1], 2 * kPi / 17, 1e-12);
    setLocusPointCount(*l, -5, ctx); // the - key pressed too often
    EXPECT_EQ(l->samples().capacity, 2);
    EXPECT_EQ(l->samples().sampleCount, 2);
}

TEST_F(LocusFixture, FamiliesAreKeptInstanceByInstanceAndLeaveTheFigureAlone) {
    // a family of conics through D and four fixed points
    // none on the circle, so no instance loses a point to a coincidence
    const std::array<Element*, 5> through{d, point(-150, 0), point(0, -130), point(30, 150),
                                          point(-80, 90)};
    Element* conic = add(Kind::Conic);
    conic->conic().points = through;
    conic->color = 0x123456;
    Element* l = locus(conic, d, 30);
    recompute();
    const auto samplesBefore = conic->conic().samples;
    const auto family = familyInstances(*l);
    ASSERT_EQ(family.size(), 30u);
    for (size_t i = 0; i < family.size(); ++i) {
        const Element& instance = family[i].traced();
        EXPECT_NE(&instance, conic); // a copy that stays as it was at its step
        EXPECT_EQ(instance.kind, Kind::Conic);
        EXPECT_EQ(family[i].color, 0x123456);
        // the moving driving point is copied with it; the fixed points are the figure's own
        const auto& points = instance.conic().points;
        EXPECT_TRUE(near(points[0]->point(), onCircle(i * 2 * kPi / 30), 1e-9)) << i;
        EXPECT_NE(points[0], d);
        EXPECT_EQ(points[1], through[1]);
    }
    EXPECT_NE(family[7].traced().conic().samples, samplesBefore);
    EXPECT_EQ(conic->conic().samples, samplesBefore);
    EXPECT_TRUE(near(d->point(), onCircle(0.3)));
    int tested = 0;
    EXPECT_TRUE(hitFamily(*l, [&](const Element&) { return ++tested == 4; }));
    EXPECT_EQ(tested, 4);
    EXPECT_FALSE(hitFamily(*l, [](const Element&) { return false; }));
    // a locus that ceases to exist keeps no instances
    d->parent1->exists = 0;
    recomputeElement(*l, ctx);
    EXPECT_TRUE(familyInstances(*l).empty());
}

TEST_F(LocusFixture, ALocusNeverRunsInsideItsOwnRun) {
    // A point on a locus that is also the locus's driving point: running the locus moves the
    // point, which asks the locus for its position, which runs the locus... A file cannot say
    // this (references must point back), but nothing else may loop on it either.
    Element* far = point(200, 40);
    Element* onItself = add(Kind::PointOnElement);
    Element* m = add(Kind::Midpoint, onItself, far);
    Element* l = locus(m, onItself, 20);
    onItself->parent1 = l;
    recompute();
    EXPECT_EQ(onItself->exists, 0);
    EXPECT_FALSE(locusPointAt(*l, 0.5, ctx));
}

TEST_F(LocusFixture, PointsOnLociNestBoundedly) {
    // Each point on a locus drives the next locus: evaluating the last one runs every locus
    // below it, each inside the one above. Beyond the nesting limit the innermost runs are
    // refused, so the work stays bounded; the shallow ones are exact.
    Element* driving = d;
    std::vector<Element*> points;
    for (int level = 0; level <= kMaxNestedLocusRuns; ++level) {
        Element* m = add(Kind::Midpoint, driving, point(200, 40 + level));
        Element* l = locus(m, driving, 2);
        driving = add(Kind::PointOnElement, l);
        driving->y2 = 0.5;
        points.push_back(driving);
    }
    recompute();
    EXPECT_TRUE(near(points[0]->point(), midpoint(onCircle(0.5), {200, 40})));
    EXPECT_TRUE(near(points[1]->point(), midpoint(points[0]->point(), {200, 41})));
    EXPECT_EQ(d->y2, 0.3);
}

TEST_F(LocusFixture, LociOfLociStopWhenTheirAllowanceIsUsedUpAndLeaveTheFigureAsItWas) {
    // A family of loci: every instance of the outer locus samples the inner one again, so the
    // work is the product of their sizes. A small allowance stands for the real one.
    Element* hub = point(0, 300);
    Element* e = add(Kind::PointOnElement, add(Kind::CircleByCentreAndPoint, hub, point(50, 300)));
    e->y2 = 0.2;
    Element* inner = locus(add(Kind::Midpoint, d, e), d, 1000);
    Element* outer = locus(inner, e, 1000);
    recompute();
    const std::vector<Point> before(inner->samples().samples.begin(),
                                    inner->samples().samples.end());
    ctx.locusRunAllowance = 20000;
    recomputeElement(*outer, ctx);
    const size_t instances = familyInstances(*outer).size();
    EXPECT_GT(instances, 0u);
    EXPECT_LT(instances, 1000u);
    EXPECT_EQ(e->y2, 0.2);
    EXPECT_EQ(d->y2, 0.3);
    ASSERT_EQ(inner->samples().sampleCount, 1000);
    for (size_t i = 0; i < before.size(); ++i)
        ASSERT_TRUE(near(inner->samples().samples[i], before[i])) << i;
}

TEST_F(LocusFixture, AGridOfADegenerateUnitEndsItsRun) {
    // A unit so small that no power of ten steps it, and an origin far outside the plane: the
    // node loops must end although the nodes never advance or never fall inside the plane.
    for (const auto& [unit, origin] : {std::pair{1e-310, Point{0, 0}}, {40.0, Point{1e300, 0}}}) {
        Element* o = point(origin.x, origin.y);
        Element* axes = zeva::testing::addAxes(c, o, unit, unit);
        Element* g = add(Kind::GridPoint, add(Kind::Grid, axes));
        Element* l = locus(add(Kind::Midpoint, g, rim), g, 10);
        recompute();
        EXPECT_EQ(l->samples().sampleCount, 0) << unit;
    }
}

TEST_F(LocusFixture, NoLocusWithoutAPointOnAnElementToDriveIt) {
    Element* free = point(5, 5);
    Element* m = add(Kind::Midpoint, free, rim);
    Element* l = locus(m, free, 10);
    recompute();
    EXPECT_EQ(l->exists, 0);
    Element* l2 = locus(add(Kind::Midpoint, d, rim), d, 10);
    rim->x1 = 0; // the circle shrinks to nothing: its centre and point coincide
    recompute();
    EXPECT_EQ(l2->exists, 0);
}

} // namespace
} // namespace zeva::geometry
