// Intersections of a conic with a conic, a circle or an arc: up to four points found along the
// conic's samples and refined onto both curves.

#include "geometry/conics.h"
#include "geometry/primitives.h"
#include "tests/support/construction_builder.h"

#include <cmath>

namespace zeva::geometry {
namespace {

using namespace zeva::testing;

// The ellipse x²/100² + y²/50² = 1 through five of its points.
Element* wideEllipse(Figure& f) {
    return f.conic(
        {f.point(100, 0), f.point(-100, 0), f.point(0, 50), f.point(0, -50), f.point(60, 40)});
}

// Every point exists, the points are pairwise distinct, and each lies on the conic's equation
// within 0.001.
void expectFourDistinctOnConic(const std::array<Element*, 4>& xs, const Element& conic) {
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(xs[i]->exists, 1) << "solution " << i;
        EXPECT_LT(std::fabs(conicValue(conic.conic().coefficients, xs[i]->point())), 0.001);
        for (int j = 0; j < i; ++j)
            EXPECT_GT(dist(xs[i]->point(), xs[j]->point()), 1.0) << i << " and " << j;
    }
}

TEST(FourSolutions, ConicAndCircleMeetInFourPoints) {
    Figure f;
    Element* conic = wideEllipse(f);
    Element* circle = f.circle(f.point(0, 0), f.point(70, 0));
    std::array<Element*, 4> xs{};
    for (int s = 0; s < 4; ++s)
        xs[s] = f.intersection(circle, conic, s);
    f.recompute();
    ASSERT_EQ(conic->exists, 1);
    EXPECT_EQ(xs[0]->parent1, conic); // the conic comes first
    expectFourDistinctOnConic(xs, *conic);
    for (Element* x : xs) {
        EXPECT_NEAR(dist(x->point(), {0, 0}), 70.0, 1e-6);
        EXPECT_NEAR(std::fabs(x->x1), std::sqrt(3200.0), 1e-6);
        EXPECT_NEAR(std::fabs(x->y1), std::sqrt(1700.0), 1e-6);
    }

    // Shrinking the circle inside the ellipse leaves no crossing at all.
    Figure::move(circle->parent2, 40, 0);
    f.recompute();
    for (Element* x : xs)
        EXPECT_EQ(x->exists, 0);
}

TEST(FourSolutions, TwoConicsMeetInFourPointsAndAConicNeverMeetsItself) {
    Figure f;
    Element* wide = wideEllipse(f);
    Element* tall = f.conic(
        {f.point(0, 100), f.point(0, -100), f.point(50, 0), f.point(-50, 0), f.point(40, 60)});
    std::array<Element*, 4> xs{};
    for (int s = 0; s < 4; ++s)
        xs[s] = f.intersection(wide, tall, s);
    // The same five points again: a second element with the same equation.
    Element* copy = f.conic(wide->conic().points);
    Element* withCopy = f.intersection(wide, copy, 0);
    Element* withItself = f.intersection(wide, wide, 0);
    f.recompute();
    expectFourDistinctOnConic(xs, *wide);
    for (Element* x : xs) {
        EXPECT_NEAR(std::fabs(x->x1), std::sqrt(2000.0), 1e-6);
        EXPECT_NEAR(std::fabs(x->y1), std::sqrt(2000.0), 1e-6);
    }
    EXPECT_EQ(withCopy->exists, 0);
    EXPECT_EQ(withItself->exists, 0);
}

TEST(FourSolutions, ConicAndArcKeepOnlyTheCrossingsOnTheArc) {
    Figure f;
    Element* conic = wideEllipse(f);
    Element* arc = f.arc(f.point(-70, 0), f.point(0, 70), f.point(70, 0)); // upper half
    int existing = 0;
    std::array<Element*, 4> xs{};
    for (int s = 0; s < 4; ++s)
        xs[s] = f.intersection(arc, conic, s);
    f.recompute();
    for (Element* x : xs) {
        if (x->exists != 1) continue;
        ++existing;
        EXPECT_GT(x->y1, 0.0);
        EXPECT_NEAR(dist(x->point(), {0, 0}), 70.0, 1e-6);
    }
    EXPECT_EQ(existing, 2);
}

TEST(FourSolutions, LinePairCutsTheCircleLineByLine) {
    Figure f;
    // Three points on y = 0 and two on y = 50: the pair of parallel lines.
    Element* pair = f.conic(
        {f.point(-100, 0), f.point(0, 0), f.point(100, 0), f.point(-50, 50), f.point(50, 50)});
    Element* circle = f.circle(f.point(0, 25), f.point(50, 25));
    std::array<Element*, 4> xs{};
    for (int s = 0; s < 4; ++s)
        xs[s] = f.intersection(pair, circle, s);
    f.recompute();
    ASSERT_EQ(pair->exists, 1);
    const double x = std::sqrt(2500.0 - 625.0);
    for (int s = 0; s < 4; ++s) {
        ASSERT_EQ(xs[s]->exists, 1) << s;
        EXPECT_NEAR(std::fabs(xs[s]->x1), x, 1e-6);
    }
    // The first line's two crossings come first.
    EXPECT_NEAR(xs[0]->y1, xs[1]->y1, 1e-9);
    EXPECT_NEAR(xs[2]->y1, xs[3]->y1, 1e-9);
    EXPECT_NEAR(std::fabs(xs[0]->y1 - xs[2]->y1), 50.0, 1e-6);
}

} // namespace
} // namespace zeva::geometry
