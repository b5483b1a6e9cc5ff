// Crossings with a locus: the sampled polyline against lines, circles, arcs, polygons, conics and
// other loci, and the one computation per pass that serves every crossing point of a pair.

#include "expr/calculation.h"
#include "expr/tokens.h"
#include "geometry/primitives.h"
#include "tests/support/construction_builder.h"
#include "tests/expr/expression_fixture.h"

#include <vector>

namespace zeva::geometry {
namespace {

using namespace zeva::testing;

// A point locus with the given samples (the sampler is not run: only kind 2 points are
// recomputed in these tests).
Element* locus(Figure& f, const std::vector<Point>& samples, bool closed = false) {
    Element* traced = f.point(0, 0);
    Element* driver = f.add(Kind::PointOnElement, f.point(0, 0));
    Element* l = f.add(Kind::Locus, traced, driver);
    auto& tail = l->samples();
    tail.resize(static_cast<int32_t>(samples.size()));
    for (size_t i = 0; i < samples.size(); ++i)
        tail.samples[i] = samples[i];
    tail.sampleCount = static_cast<int32_t>(samples.size());
    l->param1 = closed ? 1 : 0;
    return l;
}

// A segment whose ends are placed by hand (no pass computes it here).
Element* fixedSegment(Figure& f, Point a, Point b, Kind kind = Kind::Segment) {
    Element* s = f.add(kind);
    s->x1 = a.x;
    s->y1 = a.y;
    s->x2 = b.x;
    s->y2 = b.y;
    return s;
}

Element* crossingPoint(Figure& f, Element* l, Element* other, int index) {
    Element* x = f.add(Kind::Intersection, l, other);
    x->param1 = kLocusCrossing;
    x->param2 = index;
    return x;
}

// One pass over the list, recomputing the intersection points only.
void pass(Figure& f) {
    for (Element* e : f.c)
        if (e->kind == Kind::Intersection) recomputeIntersection(*e, f.ctx);
}

// Crosses y = 15 three times, the third at x = 10/3, and y = 0 four times.
const std::vector<Point> kZigzag{{-50, 50}, {-25, -50}, {0, 25}, {25, -50}, {50, 10}};
const Point kCrossing2{10.0 / 3.0, 15};

TEST(LocusCrossings, FirstPointOfAPairServesTheOthersInOnePass) {
    Figure f;
    Element* l = locus(f, kZigzag);
    Element* seg = fixedSegment(f, {-100, 15}, {10, 15});
    Element* otherSeg = fixedSegment(f, {-200, 0}, {200, 0});
    Element* first = crossingPoint(f, l, seg, 0);
    Element* elsewhere = crossingPoint(f, l, otherSeg, 1);
    Element* reversed = f.add(Kind::Intersection, seg, l); // parents in the other order
    reversed->param1 = kLocusCrossing;
    reversed->param2 = 2;
    Element* beyond = crossingPoint(f, l, seg, 5);
    elsewhere->x1 = 1234;

    recomputeIntersection(*first, f.ctx);
    // The later points of the pair already hold their crossings and are flagged as done;
    // a point of another pair is left alone.
    EXPECT_TRUE(sitsOn(*reversed, kCrossing2));
    EXPECT_EQ(reversed->dimension, 1);
    EXPECT_EQ(beyond->exists, 0);
    EXPECT_EQ(beyond->dimension, 1);
    EXPECT_EQ(elsewhere->x1, 1234);
    EXPECT_EQ(elsewhere->dimension, 0);
    EXPECT_EQ(first->dimension, 0);

    // Reaching a flagged point only clears its flag.
    seg->x2 = 0;
    recomputeIntersection(*reversed, f.ctx);
    EXPECT_EQ(reversed->dimension, 0);
    EXPECT_EQ(reversed->exists, 1);
    // The next pass computes it again.
    pass(f);
    EXPECT_EQ(reversed->exists, 0);
    EXPECT_EQ(elsewhere->exists, 1);
}

struct PolylineRow {
    const char* name;
    std::vector<Point> samples;
    std::vector<int> invalid; // samples marked invalid
    bool closed;
    int expected; // crossings with the line y = 0
};

class LocusPolyline : public ::testing::TestWithParam<PolylineRow> {};

TEST_P(LocusPolyline, CrossingsFollowTheDrawnPieces) {
    const PolylineRow& row = GetParam();
    Figure f;
    Element* l = locus(f, row.samples, row.closed);
    for (int i : row.invalid)
        l->samples().sampleColors[i] = model::kInvalidSample;
    Element* axis = fixedSegment(f, {-1000, 0}, {1000, 0}, Kind::LineThroughTwoPoints);
    EXPECT_EQ(countLocusCrossings(*l, *axis, f.ctx), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LocusPolyline,
    ::testing::Values(
        PolylineRow{"Open", {{-10, 10}, {0, -10}, {10, 10}}, {}, false, 2},
        PolylineRow{"InvalidSampleBreaksIt", {{-10, 10}, {0, -10}, {10, 10}}, {1}, false, 0},
        PolylineRow{"FarSamplesAreNotJoined", {{-10, 10}, {0, -10}, {200, 10}}, {}, false, 1},
        PolylineRow{"ClosedJoinsLastToFirst", {{-10, 10}, {10, 10}, {10, -10}}, {}, true, 2},
        PolylineRow{"OpenDoesNot", {{-10, 10}, {10, 10}, {10, -10}}, {}, false, 1},
        PolylineRow{"CrossingAtASampleCountsOnce", {{-10, 10}, {0, 0}, {10, -10}}, {}, false, 1},
        PolylineRow{"TouchingAtASampleCountsOnce", {{-10, 10}, {0, 0}, {10, 10}}, {}, false, 1},
        PolylineRow{"AlongTheLineCountsNothing", {{-10, 0}, {10, 0}}, {}, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LocusCrossings, CurvesPolygonsAndLoci) {
    Figure f;
    // A horizontal polyline from x = -100 to 100 along y = 0, in four pieces.
    Element* l = locus(f, {{-100, 0}, {-50, 0}, {0, 0}, {50, 0}, {100, 0}});
    Element* circle = fixedSegment(f, {10, 0}, {10, 30}, Kind::CircleByCentre); // radius 30
    const std::vector<Point> onCircle = locusCrossings(*l, *circle, f.ctx);
    ASSERT_EQ(onCircle.size(), 2u);
    EXPECT_NEAR(onCircle[0].x, -20, 1e-9); // in sampling order
    EXPECT_NEAR(onCircle[1].x, 40, 1e-9);

    Element* triangle = f.add(Kind::Polygon);
    const std::array<Point, 3> v{{{-80, -10}, {0, 30}, {80, -10}}};
    for (int i = 0; i < 3; ++i) {
        auto side = model::makeElement(Kind::PolygonSide);
        side->x1 = v[i].x;
        side->y1 = v[i].y;
        side->x2 = v[(i + 1) % 3].x;
        side->y2 = v[(i + 1) % 3].y;
        triangle->polygon().sides.push_back(std::move(side));
    }
    const std::vector<Point> onPolygon = locusCrossings(*l, *triangle, f.ctx);
    ASSERT_EQ(onPolygon.size(), 2u);
    EXPECT_NEAR(onPolygon[0].x, -60, 1e-9);
    EXPECT_NEAR(onPolygon[1].x, 60, 1e-9);

    Element* vShape = locus(f, {{-30, 50}, {0, -50}, {30, 50}});
    EXPECT_EQ(countLocusCrossings(*l, *vShape, f.ctx), 2);
    EXPECT_EQ(countLocusCrossings(*vShape, *l, f.ctx), 2);
    EXPECT_EQ(countLocusCrossings(
                  *l, *fixedSegment(f, {0, 10}, {10, -10}, Kind::RayThroughTwoPoints), f.ctx),
              1);
    EXPECT_EQ(countLocusCrossings(
                  *l, *fixedSegment(f, {0, 10}, {-10, 20}, Kind::RayThroughTwoPoints), f.ctx),
              0);
    EXPECT_EQ(countLocusCrossings(*l, *f.point(0, 0), f.ctx), 0);

    // A family of lines and a locus driven on a grid are not drawn as a polyline.
    Element* family = locus(f, {{-10, 10}, {0, -10}});
    family->parent1 = circle;
    Element* onGrid = locus(f, {{-10, 10}, {0, -10}});
    onGrid->parent2 = f.add(Kind::GridPoint);
    EXPECT_EQ(countLocusCrossings(*family, *l, f.ctx), 0);
    EXPECT_EQ(countLocusCrossings(*onGrid, *l, f.ctx), 0);
}

TEST(LocusCrossings, FunctionGraphIsNotJoinedAcrossItsPole) {
    expr::testing::Elements els;
    Element* function = els.expression("1/x", {}, {}, expr::kYofX);
    Element* graph = els.graph(function, els.axes());
    expr::sampleFunctionGraph(*graph, expr::GraphView{-512.0, 384.0, 512.0, -384.0},
                              model::AngleUnit::Radian);
    Figure f;
    // y = 0.5 and y = -0.5 in axis units (40 world units each) meet 1/x once each.
    Element* above = fixedSegment(f, {-1000, 20}, {1000, 20}, Kind::LineThroughTwoPoints);
    Element* below = fixedSegment(f, {-1000, -20}, {1000, -20}, Kind::LineThroughTwoPoints);
    const std::vector<Point> up = locusCrossings(*graph, *above, f.ctx);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_NEAR(up[0].x, 80, 0.5);
    const std::vector<Point> down = locusCrossings(*graph, *below, f.ctx);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_NEAR(down[0].x, -80, 0.5);
}

TEST(LocusCrossings, ThirdCrossingOfASampledLocusLeavesAndComesBack) {
    Figure f;
    // D runs on the circle of radius 100; T = midpoint of D and half of D's mirror image in the
    // x axis traces the ellipse (x/75)² + (y/25)² = 1.
    Element* origin = f.point(0, 0);
    Element* host = f.circle(origin, f.point(100, 0));
    Element* d = f.pointOn(host, 0.0);
    Element* axis = f.line(f.point(-100, 0), f.point(100, 0));
    Element* mirrored = f.add(Kind::AxialSymmetry, d, axis);
    Element* half = f.add(Kind::Homothety, mirrored, origin, f.add(Kind::Parameter));
    half->parent3->x1 = 0.5;
    half->parent3->param1 = 100;
    Element* traced = f.add(Kind::Midpoint, d, half);
    Element* ellipse = f.add(Kind::Locus, traced, d);
    Element* centre = f.point(0, 0);
    Element* rim = f.point(50, 0);
    Element* circle = f.circle(centre, rim);
    f.recompute();
    ASSERT_EQ(ellipse->exists, 1);
    ASSERT_EQ(countLocusCrossings(*ellipse, *circle, f.ctx), 4);
    // Three crossing points are made; the third leaves while the circle crosses only twice.
    std::array<Element*, 3> xs{};
    for (int i = 0; i < 3; ++i)
        xs[i] = crossingPoint(f, ellipse, circle, i);

    auto expectOnBoth = [&](int count) {
        for (int i = 0; i < 3; ++i) {
            if (i >= count) {
                EXPECT_EQ(xs[i]->exists, 0) << i;
                continue;
            }
            ASSERT_EQ(xs[i]->exists, 1) << i;
            EXPECT_NEAR(dist(xs[i]->point(), centre->point()), dist(rim->point(), centre->point()),
                        1e-9);
            const double u = xs[i]->x1 / 75, v = xs[i]->y1 / 25;
            EXPECT_NEAR(u * u + v * v, 1.0, 0.05) << i;
            EXPECT_EQ(xs[i]->dimension, 0);
        }
    };
    f.recompute();
    expectOnBoth(3);
    Figure::move(centre, 75, 0);
    Figure::move(rim, 75, 20);
    f.recompute();
    expectOnBoth(2);
    Figure::move(centre, 0, 0);
    Figure::move(rim, 50, 0);
    f.recompute();
    expectOnBoth(3);
}

} // namespace
} // namespace zeva::geometry
