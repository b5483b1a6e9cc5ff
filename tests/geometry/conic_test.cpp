#include "geometry/conics.h"
#include "geometry/primitives.h"
#include "tests/support/construction_builder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::geometry {
namespace {

using model::Construction;
using model::Element;
using model::Kind;

using zeva::testing::near;

// Distance of p from the conic to first order: |value| / |gradient|.
double offCurve(const ConicCoefficients& c, Point p) {
    const double gx = 2 * c[kCoefX2] * p.x + c[kCoefXY] * p.y + c[kCoefX];
    const double gy = 2 * c[kCoefY2] * p.y + c[kCoefXY] * p.x + c[kCoefY];
    return std::fabs(conicValue(c, p)) / std::hypot(gx, gy);
}

std::array<Point, 5> onCircle(Point centre, double r, std::array<double, 5> angles) {
    std::array<Point, 5> p;
    for (int i = 0; i < 5; ++i)
        p[i] = {centre.x + r * std::cos(angles[i]), centre.y + r * std::sin(angles[i])};
    return p;
}

// Maps canonical points to world by a turn and a shift, to test non-axis-aligned conics.
std::array<Point, 5> placed(std::array<Point, 5> p, double angle, Point shift) {
    for (Point& q : p)
        q = {q.x * std::cos(angle) - q.y * std::sin(angle) + shift.x,
             q.x * std::sin(angle) + q.y * std::cos(angle) + shift.y};
    return p;
}

// ---- fitting and classification ---------------------------------------------------------------

struct FitCase {
    const char* name;
    std::array<Point, 5> points;
    int type;
};

class ConicFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(ConicFit, PassesThroughItsPointsWithTheExpectedType) {
    const FitCase& c = GetParam();
    const auto coef = fitConic(c.points);
    ASSERT_TRUE(coef);
    for (Point p : c.points)
        EXPECT_LT(std::fabs(conicValue(*coef, p)), 1e-6) << c.name;
    EXPECT_EQ(classifyConic(*coef, &c.points), c.type) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConicFit,
    ::testing::Values(
        FitCase{"circle", onCircle({30, -20}, 100, {0.1, 1.3, 2.2, 3.9, 5.5}), kConicEllipse},
        FitCase{"turnedEllipse",
                placed({{{300, 0}, {0, 80}, {-300, 0}, {0, -80}, {150, 80 * std::sqrt(0.75)}}}, 0.7,
                       {40, 25}),
                kConicEllipse},
        FitCase{
            "hyperbolaXY", {{{1, 1}, {2, 0.5}, {4, 0.25}, {-1, -1}, {-2, -0.5}}}, kConicHyperbola},
        FitCase{"turnedHyperbola",
                placed({{{50, 0},
                         {-50, 0},
                         {50 * std::sqrt(2.0), 30},
                         {-50 * std::sqrt(5.0), 60},
                         {50 * std::sqrt(2.0), -30}}},
                       -0.4, {-70, 10}),
                kConicHyperbola},
        FitCase{"parabola", {{{0, 0}, {10, 1}, {-10, 1}, {20, 4}, {-30, 9}}}, kConicParabola},
        FitCase{"crossingLines",
                {{{0, 0}, {50, 0}, {100, 0}, {0, 40}, {30, 100}}},
                kConicCrossingLines},
        FitCase{"parallelLines",
                {{{0, 0}, {50, 0}, {100, 0}, {0, 40}, {70, 40}}},
                kConicParallelLines}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConicFitFallback, PointsOnXYEqualsOneFixTheXYCoefficient) {
    // no y² term: the C = 1 system is singular, so B = 1 is used
    const auto coef = fitConic({{{1, 1}, {2, 0.5}, {4, 0.25}, {-1, -1}, {-2, -0.5}}});
    ASSERT_TRUE(coef);
    EXPECT_EQ((*coef)[kCoefY2], 0.0);
    EXPECT_EQ((*coef)[kCoefXY], 1.0);
    EXPECT_EQ((*coef)[kCoefX2], 0.0);
    EXPECT_EQ((*coef)[kCoefY], 0.0);
    EXPECT_EQ((*coef)[kCoefX], 0.0);
    EXPECT_NEAR((*coef)[kCoefConst], -1.0, 1e-12);
}

TEST(ConicFitFallback, PointsOnXSquaredPlusXYFixTheXSquaredCoefficient) {
    // the lines x = 0 and x = 1, that is x² - x = 0: neither y² nor x·y, so A = 1 is the last
    // resort
    const auto coef = fitConic({{{0, 0}, {0, 1}, {0, 5}, {1, 2}, {1, -3}}});
    ASSERT_TRUE(coef);
    EXPECT_EQ((*coef)[kCoefY2], 0.0);
    EXPECT_EQ((*coef)[kCoefXY], 0.0);
    EXPECT_EQ((*coef)[kCoefX2], 1.0);
    EXPECT_NEAR((*coef)[kCoefX], -1.0, 1e-12);
}

TEST(ConicFitZeroing, RoundOffCoefficientsBecomeExactlyZero) {
    // A circle about the origin: the x·y, x and y terms come out of the elimination as round-off
    // and must be stored as exact zeros (the equation text and the canonical form rely on it).
    const auto coef = fitConic(onCircle({0, 0}, 3, {0.3, 1.7, 2.9, 4.1, 5.3}));
    ASSERT_TRUE(coef);
    EXPECT_EQ((*coef)[kCoefXY], 0.0);
    EXPECT_EQ((*coef)[kCoefX], 0.0);
    EXPECT_EQ((*coef)[kCoefY], 0.0);
    EXPECT_NEAR((*coef)[kCoefX2], 1.0, 1e-12);
    EXPECT_NEAR((*coef)[kCoefConst], -9.0, 1e-9);
}

TEST(ConicFitFailure, PointsThatDetermineNoConic) {
    // coincident points and four collinear points leave a family of conics
    EXPECT_FALSE(fitConic({{{0, 0}, {0, 0}, {10, 3}, {5, 8}, {-4, 2}}}));
    EXPECT_FALSE(fitConic({{{0, 0}, {10, 0}, {20, 0}, {30, 0}, {5, 8}}}));
    EXPECT_FALSE(fitConic({{{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}}}));
}

TEST(ConicClassification, MovingOnePointOffACircleFollowsTheDiscriminant) {
    std::array<Point, 5> p = onCircle({0, 0}, 100, {0.2, 1.4, 2.5, 3.6, 4.9});
    for (double push : {-30.0, -5.0, 5.0, 30.0, 80.0}) {
        std::array<Point, 5> q = p;
        q[4] = q[4] * ((100 + push) / 100);
        const auto coef = fitConic(q);
        ASSERT_TRUE(coef);
        const double disc =
            (*coef)[kCoefXY] * (*coef)[kCoefXY] - 4 * (*coef)[kCoefX2] * (*coef)[kCoefY2];
        EXPECT_EQ(classifyConic(*coef, &q), disc < 0 ? kConicEllipse : kConicHyperbola) << push;
    }
}

TEST(ConicClassification, ThreeCollinearDefiningPointsMakeALinePairWhateverTheDeterminant) {
    // Scaled far out, the determinant of a line pair is far from the 1e-8 tolerance; the
    // defining points still say it is degenerate.
    std::array<Point, 5> p{{{0, 0}, {5000, 1}, {10000, 2}, {0, 4000}, {3000, 9000}}};
    const auto coef = fitConic(p);
    ASSERT_TRUE(coef);
    EXPECT_EQ(classifyConic(*coef, &p), kConicCrossingLines);
}

// ---- samples
// -------------------------------------------------------------------------------------

struct SampleCase {
    const char* name;
    std::array<Point, 5> points;
    int type;
};

class ConicSamples : public ::testing::TestWithParam<SampleCase> {};

TEST_P(ConicSamples, EverySampleLiesOnTheConic) {
    const SampleCase& c = GetParam();
    const auto coef = fitConic(c.points);
    ASSERT_TRUE(coef);
    const CanonicalConic k = canonicalForm(classifyConic(*coef, &c.points), *coef);
    EXPECT_EQ(k.type, c.type);
    const auto s = sampleCanonical(k);
    ASSERT_TRUE(s);
    for (int i = 0; i < model::kConicSampleCount; ++i)
        EXPECT_LT(offCurve(*coef, (*s)[i]), 1e-6 * (1 + std::hypot((*s)[i].x, (*s)[i].y)))
            << c.name << " sample " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConicSamples,
    ::testing::Values(
        SampleCase{"tallEllipse",
                   placed({{{40, 0}, {0, 200}, {-40, 0}, {0, -200}, {20, 200 * std::sqrt(0.75)}}},
                          0.3, {-10, 60}),
                   kConicEllipse},
        SampleCase{
            "veryLongEllipse",
            placed({{{8000, 0}, {0, 50}, {-8000, 0}, {0, -50}, {4000, 50 * std::sqrt(0.75)}}}, 0.2,
                   {100, 0}),
            kConicEllipse},
        SampleCase{
            "hyperbolaXY", {{{1, 1}, {2, 0.5}, {4, 0.25}, {-1, -1}, {-2, -0.5}}}, kConicHyperbola},
        SampleCase{"verticalHyperbola",
                   {{{0, 30}, {0, -30}, {40, 50}, {-40, 50}, {80, -std::sqrt(7300.0)}}},
                   kConicHyperbola},
        SampleCase{"parabolaUp", {{{0, 0}, {10, 1}, {-10, 1}, {20, 4}, {-30, 9}}}, kConicParabola},
        SampleCase{
            "parabolaLeft", {{{0, 0}, {-1, 10}, {-1, -10}, {-4, 20}, {-9, -30}}}, kConicParabola},
        SampleCase{"turnedParabola",
                   placed({{{0, 0}, {10, 1}, {-10, 1}, {20, 4}, {-30, 9}}}, 1.1, {5, 5}),
                   kConicParabola}),
    [](const auto& info) { return std::string(info.param.name); });

// The angle of a sample about the ellipse's centre, unwrapped; a curve traced once round turns
// monotonically through 2π.
void expectTracedOnceRound(const std::array<Point, model::kConicSampleCount>& s, Point centre) {
    double previous = std::atan2(s[0].y - centre.y, s[0].x - centre.x);
    double turned = 0;
    for (int i = 1; i <= model::kConicSampleCount; ++i) {
        const Point p = s[i % model::kConicSampleCount];
        const double a = std::atan2(p.y - centre.y, p.x - centre.x);
        double step = a - previous;
        if (step > kPi) step -= 2 * kPi;
        if (step < -kPi) step += 2 * kPi;
        EXPECT_LT(step, 0.0) << "sample " << i; // clockwise from the top
        turned += step;
        previous = a;
    }
    EXPECT_NEAR(turned, -2 * kPi, 1e-9);
}

TEST(ConicSampleLayout, EllipsesAreTracedOnceRoundNormalAndVeryLong) {
    for (double semi : {300.0, 9000.0}) {
        const std::array<Point, 5> p{
            {{semi, 0}, {0, 60}, {-semi, 0}, {0, -60}, {semi / 2, 60 * std::sqrt(0.75)}}};
        const auto coef = fitConic(p);
        ASSERT_TRUE(coef);
        const CanonicalConic k = canonicalForm(classifyConic(*coef, &p), *coef);
        const auto s = sampleCanonical(k);
        ASSERT_TRUE(s);
        expectTracedOnceRound(*s, {0, 0});
        // sample 30 is the end of the long axis, samples 0 and 60 the ends of the short one
        EXPECT_TRUE(near((*s)[30], {semi, 0}, 1e-6 * semi)) << semi;
        EXPECT_TRUE(near((*s)[90], {-semi, 0}, 1e-6 * semi)) << semi;
    }
}

TEST(ConicSampleLayout, HyperbolaBranchesAreSamplesZeroToSixtyAndTheRest) {
    // x²/900 - y²/1600 = 1 opens along x: the vertices are (±30, 0)
    const std::array<Point, 5> p{{{30, 0},
                                  {-30, 0},
                                  {60, 40 * std::sqrt(3.0)},
                                  {-60, -40 * std::sqrt(3.0)},
                                  {90, 40 * std::sqrt(8.0)}}};
    const auto coef = fitConic(p);
    ASSERT_TRUE(coef);
    const CanonicalConic k = canonicalForm(classifyConic(*coef, &p), *coef);
    const auto s = sampleCanonical(k);
    ASSERT_TRUE(s);
    for (int i = 0; i <= 60; ++i)
        EXPECT_GT((*s)[i].x, 0) << i;
    for (int i = 61; i < 120; ++i)
        EXPECT_LT((*s)[i].x, 0) << i;
    EXPECT_TRUE(near((*s)[30], {30, 0}, 1e-6));
    EXPECT_GT((*s)[0].y, 0);
    EXPECT_LT((*s)[60].y, 0);
}

TEST(ConicSampleLayout, ParabolaStartsAtItsVertex) {
    const std::array<Point, 5> p{{{0, 0}, {10, 1}, {-10, 1}, {20, 4}, {-30, 9}}};
    const auto coef = fitConic(p);
    const CanonicalConic k = canonicalForm(classifyConic(*coef, &p), *coef);
    const auto s = sampleCanonical(k);
    ASSERT_TRUE(s);
    EXPECT_TRUE(near((*s)[0], {0, 0}, 1e-9));
    for (int i = 1; i < 60; ++i)
        EXPECT_TRUE(near((*s)[120 - i], {-(*s)[i].x, (*s)[i].y}, 1e-6));
}

// ---- line pairs ----------------------------------------------------------------------------

TEST(ConicLinePair, FirstCollinearRowGivesTheTwoLines) {
    // 0, 1, 2 collinear: the first line runs through 0 and 1, the second through 3 and 4
    const std::array<Point, 5> p{{{0, 0}, {10, 0}, {20, 0}, {0, 5}, {10, 15}}};
    const auto lines = conicLinePair(p);
    ASSERT_TRUE(lines);
    EXPECT_TRUE(near((*lines)[0], {-10000, 0}));
    EXPECT_TRUE(near((*lines)[1], {10000, 0}));
    EXPECT_TRUE(near((*lines)[2], pointTowards({0, 5}, {10, 15}, -10000)));
    EXPECT_TRUE(near((*lines)[3], pointTowards({0, 5}, {10, 15}, 10000)));
    // the later row (3, 1, 4 | 0, 2) is found when only 3, 1, 4 are collinear
    const std::array<Point, 5> q{{{0, 7}, {10, 0}, {3, 9}, {0, 0}, {20, 0}}};
    const auto lines2 = conicLinePair(q);
    ASSERT_TRUE(lines2);
    EXPECT_TRUE(near((*lines2)[0], {-10000, 0}));
    EXPECT_TRUE(near((*lines2)[2], pointTowards({0, 7}, {3, 9}, -10000)));
    EXPECT_FALSE(conicLinePair(onCircle({0, 0}, 10, {0, 1, 2, 3, 4})));
}

// ---- line-conic intersection ------------------------------------------------------------------

TEST(LineConic, CrossingsAreOrderedAlongTheLine) {
    const ConicCoefficients circle{1, 0, 1, 0, 0, -25}; // x² + y² = 25
    auto hits = lineConicIntersection(circle, {-10, 3}, {10, 3});
    ASSERT_EQ(hits.count, 2);
    EXPECT_TRUE(near(hits.points[0], {-4, 3}));
    EXPECT_TRUE(near(hits.points[1], {4, 3}));
    hits = lineConicIntersection(circle, {10, 3}, {-10, 3});
    ASSERT_EQ(hits.count, 2);
    EXPECT_TRUE(near(hits.points[0], {4, 3}));
    hits = lineConicIntersection(circle, {3, 10}, {3, 9}); // vertical, going down
    ASSERT_EQ(hits.count, 2);
    EXPECT_TRUE(near(hits.points[0], {3, 4}));
    EXPECT_TRUE(near(hits.points[1], {3, -4}));
}

TEST(LineConic, TangentsMissesAndLinesParallelToAnAxis) {
    const ConicCoefficients circle{1, 0, 1, 0, 0, -25};
    auto hits = lineConicIntersection(circle, {-10, 5}, {10, 5});
    ASSERT_EQ(hits.count, 1);
    EXPECT_TRUE(near(hits.points[0], {0, 5}, 1e-6));
    EXPECT_EQ(lineConicIntersection(circle, {-10, 6}, {10, 6}).count, 0);
    EXPECT_EQ(lineConicIntersection(circle, {1, 1}, {1, 1}).count, 0);
    // y = x²: a vertical line meets it once
    const ConicCoefficients parabola{0, 0, 1, -1, 0, 0};
    hits = lineConicIntersection(parabola, {3, 0}, {3, 1});
    ASSERT_EQ(hits.count, 1);
    EXPECT_TRUE(near(hits.points[0], {3, 9}));
}

// ---- the element -------------------------------------------------------------------------------

struct ConicFixture : ::testing::Test {
    Construction c;
    std::array<Element*, 5> pts{};
    Element* conic = nullptr;

    void build(const std::array<Point, 5>& p) {
        for (int i = 0; i < 5; ++i)
            pts[i] = zeva::testing::addPoint(c, p[i].x, p[i].y);
        conic = zeva::testing::add(c, Kind::Conic);
        for (int i = 0; i < 5; ++i)
            conic->conic().points[i] = pts[i];
        recomputeConic(*conic);
    }
};

TEST_F(ConicFixture, FivePointsOnACircleGiveAnEllipseSampledOnIt) {
    build(onCircle({10, 20}, 50, {0.3, 1.2, 2.8, 4.0, 5.1}));
    ASSERT_EQ(conic->exists, 1);
    EXPECT_EQ(conic->conic().conicType, kConicEllipse);
    for (Point s : conic->conic().samples)
        EXPECT_NEAR(dist(s, {10, 20}), 50, 1e-6);
}

TEST_F(ConicFixture, ThreeCollinearPointsGiveALinePairDrawnFromTheFirstFourSamples) {
    build({{{0, 0}, {10, 0}, {20, 0}, {0, 5}, {10, 15}}});
    ASSERT_EQ(conic->exists, 1);
    EXPECT_EQ(conic->conic().conicType, kConicCrossingLines);
    const auto& s = conic->conic().samples;
    EXPECT_TRUE(near(s[0], {-10000, 0}));
    EXPECT_TRUE(near(s[1], {10000, 0}));
    for (int i = 4; i < model::kConicSampleCount; ++i)
        EXPECT_EQ(s[i], (Point{kConicFarSample, kConicFarSample})) << i;
}

TEST_F(ConicFixture, DisappearsWhileItsPointsDetermineNothingAndKeepsItsLastShape) {
    build(onCircle({0, 0}, 50, {0.3, 1.2, 2.8, 4.0, 5.1}));
    ASSERT_EQ(conic->exists, 1);
    const auto before = conic->conic().samples;
    pts[1]->x1 = pts[0]->x1; // two coincident points
    pts[1]->y1 = pts[0]->y1;
    recomputeConic(*conic);
    EXPECT_EQ(conic->exists, 0);
    EXPECT_EQ(conic->conic().samples, before);
    pts[1]->x1 += 20;
    recomputeConic(*conic);
    EXPECT_EQ(conic->exists, 1);
    pts[2]->exists = 0;
    recomputeConic(*conic);
    EXPECT_EQ(conic->exists, 0);
}

TEST_F(ConicFixture, PointsAlongTheConic) {
    build(placed({{{120, 0}, {0, 50}, {-120, 0}, {0, -50}, {60, 50 * std::sqrt(0.75)}}}, 0.5,
                 {30, 40}));
    ASSERT_EQ(conic->exists, 1);
    const auto& tail = conic->conic();
    // whole parameters are the samples themselves
    EXPECT_EQ(*conicPointAt(*conic, 17), tail.samples[17]);
    // in between: on the conic and between the two samples, found again by parameterOf
    for (double t : {0.5, 17.25, 59.9, 119.5}) {
        const auto p = conicPointAt(*conic, t);
        ASSERT_TRUE(p);
        EXPECT_LT(offCurve(tail.coefficients, *p), 1e-6) << t;
        EXPECT_NEAR(conicParameterOf(*conic, *p), t, 0.05) << t;
    }
    EXPECT_NEAR(conicParameterOf(*conic, tail.samples[42]), 42, 1e-9);
}

TEST_F(ConicFixture, LinePairParametersAboveThreeAreTakenAsTwoAndAHalf) {
    build({{{0, 0}, {10, 0}, {20, 0}, {0, 5}, {10, 15}}});
    ASSERT_EQ(conic->exists, 1);
    EXPECT_EQ(*conicPointAt(*conic, 3.7), *conicPointAt(*conic, 2.5));
    EXPECT_EQ(*conicPointAt(*conic, 3), conic->conic().samples[3]);
    // a point near the second line finds it
    const double t = conicParameterOf(*conic, {10, 15.5});
    EXPECT_GE(t, 2.0);
    EXPECT_LE(t, 3.0);
    EXPECT_TRUE(near(*conicPointAt(*conic, t), {10.25, 15.25}, 1e-6));
}

TEST_F(ConicFixture, EquationIsFittedInAxisUnits) {
    build(onCircle({0, 0}, 80, {0.3, 1.2, 2.8, 4.0, 5.1}));
    Element* origin = zeva::testing::addPoint(c, 0, 0);
    Element* axes = zeva::testing::addAxes(c, origin);
    Element* eq = zeva::testing::add(c, Kind::ConicEquation, conic, axes);
    recomputeConicEquation(*eq, RecomputeContext{});
    ASSERT_EQ(eq->exists, 1);
    const auto coef = conicEquationCoefficients(*eq);
    ASSERT_TRUE(coef);
    // radius 80 world units is 2 axis units
    EXPECT_NEAR((*coef)[kCoefY2], 1, 1e-9);
    EXPECT_NEAR((*coef)[kCoefX2], 1, 1e-9);
    EXPECT_NEAR((*coef)[kCoefConst], -4, 1e-9);
    axes->exists = 0;
    recomputeConicEquation(*eq, RecomputeContext{});
    EXPECT_EQ(eq->exists, 0);
}

} // namespace
} // namespace zeva::geometry
