#include "geometry/primitives.h"
#include "geometry/recompute.h"
#include "model/kinds.h"
#include "tests/support/construction_builder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::geometry {
namespace {

using model::Element;
using model::Kind;
using zeva::testing::Figure;
using zeva::testing::near;

// ---- generic existence rules ----------------------------------------------------------------

class MissingParentTest : public ::testing::TestWithParam<int> {};

// Every kind built on parents vanishes, keeping its coordinates, when a parent does not exist.
TEST_P(MissingParentTest, ElementVanishesAndKeepsItsCoordinates) {
    const auto kind = static_cast<Kind>(GetParam());
    Figure b;
    Element* ghost = b.add(Kind::PointOnElement); // a point on nothing never exists
    Element* e = b.add(kind, ghost, ghost, ghost);
    e->x1 = 11;
    e->y1 = 12;
    e->x2 = 13;
    e->y2 = 14;
    b.recompute();
    EXPECT_EQ(ghost->exists, 0);
    EXPECT_EQ(e->exists, 0) << model::kindName(kind);
    EXPECT_EQ(e->point(), (Point{11, 12}));
    EXPECT_EQ(e->secondPoint(), (Point{13, 14}));
}

std::vector<int> kindsWithParents() {
    std::vector<int> kinds;
    for (int k = 0; k < model::kKindCount; ++k) {
        const auto kind = static_cast<Kind>(k);
        if (model::parentCountOf(kind) > 0 && !model::isSubElementKind(kind) &&
            kind != Kind::IntersectionCandidate)
            kinds.push_back(k);
    }
    return kinds;
}

INSTANTIATE_TEST_SUITE_P(Recompute, MissingParentTest, ::testing::ValuesIn(kindsWithParents()),
                         [](const auto& info) { return "kind" + std::to_string(info.param); });

TEST(Recompute, CoincidentPointsMakeLinesVanishAndReappear) {
    Figure b;
    Element* a = b.point(0, 0);
    Element* p = b.point(100, 0);
    Element* c = b.point(50, 50);
    Element* line = b.add(Kind::LineThroughTwoPoints, a, p);
    Element* segment = b.add(Kind::Segment, a, p);
    Element* mediatrix = b.add(Kind::PerpendicularBisector, a, p);
    Element* circle = b.add(Kind::CircleByCentreAndPoint, a, p);
    Element* perpendicular = b.add(Kind::PerpendicularLine, line, c);
    Element* onSegment = b.add(Kind::PointOnElement, segment);
    onSegment->y2 = 0.5;
    b.recompute();
    for (Element* e : {line, segment, mediatrix, circle, perpendicular, onSegment})
        EXPECT_EQ(e->exists, 1);
    EXPECT_TRUE(near(onSegment->point(), {50, 0}));

    Figure::move(p, 0.00005, 0);
    b.recompute();
    for (Element* e : {line, segment, mediatrix, perpendicular, onSegment})
        EXPECT_EQ(e->exists, 0);
    EXPECT_EQ(circle->exists, 1);                    // only exactly equal points remove the circle
    EXPECT_EQ(line->secondPoint(), (Point{100, 0})); // the last position is kept

    Figure::move(p, 0, 0);
    b.recompute();
    EXPECT_EQ(circle->exists, 0);

    Figure::move(p, kEpsilon, 0);
    b.recompute();
    for (Element* e : {line, segment, mediatrix, circle, perpendicular, onSegment})
        EXPECT_EQ(e->exists, 1);
}

TEST(Recompute, InvalidNumbersRemoveTheirDependents) {
    Figure b;
    Element* o = b.point(0, 0);
    Element* axes = b.axes(o);
    Element* x = b.number(-100, false);
    Element* y = b.number(2);
    Element* byCoordinates = b.add(Kind::PointByCoordinates, x, y, axes);
    Element* segment = b.add(Kind::Segment, byCoordinates, o);
    Element* rotated = b.add(Kind::Rotation, b.point(1, 0), o, x);
    b.recompute();
    EXPECT_EQ(byCoordinates->exists, 0);
    EXPECT_EQ(segment->exists, 0);
    EXPECT_EQ(rotated->exists, 0);

    x->param1 = 100;
    x->x1 = 1;
    b.recompute();
    EXPECT_EQ(byCoordinates->exists, 1);
    EXPECT_TRUE(near(byCoordinates->point(), {40, 80}));
    EXPECT_EQ(segment->exists, 1);
}

TEST(Recompute, UnknownKindsAndSubElementsAreLeftAlone) {
    Figure b;
    Element* odd = b.add(Kind::FreePoint);
    odd->kind = static_cast<Kind>(99);
    odd->exists = 7;
    Element* side = b.add(Kind::PolygonSide);
    side->exists = 5;
    b.recompute();
    EXPECT_EQ(odd->exists, 7);
    EXPECT_EQ(side->exists, 5);
}

// ---- points, lines and circles ---------------------------------------------------------------

TEST(Recompute, LineThroughOnePointMovesParallelToItself) {
    Figure b;
    Element* p = b.point(0, 0);
    Element* line = b.add(Kind::LineThroughPoint, p);
    line->x2 = 3;
    line->y2 = 4;
    Element* on = b.add(Kind::PointOnElement, line);
    on->y2 = 5; // world units along the line's own direction
    b.recompute();
    Figure::move(p, 10, 10);
    b.recompute();
    EXPECT_EQ(line->point(), (Point{10, 10}));
    EXPECT_TRUE(near(line->secondPoint(), {13, 14}));
    EXPECT_TRUE(near(on->point(), {13, 14}));

    // Both stored points equal: a direction is made up rather than a degenerate line.
    Element* fresh = b.add(Kind::RayFromPoint, p);
    fresh->x1 = fresh->x2 = 10;
    fresh->y1 = fresh->y2 = 10;
    recomputeElement(*fresh, b.ctx);
    EXPECT_EQ(fresh->exists, 1);
    EXPECT_FALSE(coincident(fresh->point(), fresh->secondPoint()));
}

TEST(Recompute, CircleGivenTheCentreKeepsItsRadius) {
    Figure b;
    Element* c = b.point(0, 0);
    Element* circle = b.add(Kind::CircleByCentre, c);
    circle->x2 = 3;
    circle->y2 = 4;
    b.recompute();
    Figure::move(c, 10, 10);
    b.recompute();
    EXPECT_EQ(circle->point(), (Point{10, 10}));
    EXPECT_TRUE(near(circle->secondPoint(), {10, 15}));
}

TEST(Recompute, CircleByRadiusTakesTheDistanceOfTwoPoints) {
    Figure b;
    Element* circle = b.add(Kind::CircleByRadius, b.point(1, 1), b.point(0, 0), b.point(3, 4));
    b.recompute();
    EXPECT_TRUE(near(circle->secondPoint(), {6, 1}));
}

TEST(Recompute, AngleBeyondPiSwapsItsArmsForGood) {
    Figure b;
    Element* a = b.point(10, 0);
    Element* v = b.point(0, 0);
    Element* c = b.point(0, 10);
    Element* angle = b.add(Kind::Angle, a, v, c);
    angle->y1 = 0.5;
    b.recompute();
    EXPECT_NEAR(angle->x1, kPi / 2, 1e-12);
    EXPECT_EQ(angle->parent1, a);
    EXPECT_DOUBLE_EQ(angle->x2, 8.0); // the marking is never smaller than 8

    Figure::move(c, 0, -10);
    b.recompute();
    EXPECT_EQ(angle->parent1, c);
    EXPECT_EQ(angle->parent3, a);
    EXPECT_NEAR(angle->x1, kPi / 2, 1e-12);
    b.recompute();
    EXPECT_EQ(angle->parent1, c); // no swapping back
}

TEST(Recompute, RotationByANumberInDegrees) {
    Figure b;
    b.ctx.units.angleUnit = model::AngleUnit::Degree;
    Element* image = b.add(Kind::Rotation, b.point(1, 0), b.point(0, 0), b.number(90));
    b.recompute();
    EXPECT_TRUE(near(image->point(), {0, 1}, 1e-12));
}

TEST(Recompute, DisplacementAlongACircleStaysOnTheCircle) {
    Figure b;
    Element* o = b.point(0, 0);
    Element* circle = b.add(Kind::CircleByCentreAndPoint, o, b.point(40, 0));
    // pixelsPerUnit 40: a quarter of a circle of radius 40 is 20π world units, π/2 user units.
    Element* image = b.add(Kind::Displacement, b.point(40, 0), circle, b.number(kPi / 2));
    b.recompute();
    EXPECT_TRUE(near(image->point(), {0, 40}, 1e-9));
}

TEST(Recompute, DisplacementTowardsPointsAndAlongAxes) {
    Figure b;
    Element* o = b.point(0, 0);
    Element* axes = b.axes(o, 20, 30);
    Element* p = b.point(0, 0);
    Element* two = b.number(2);
    Element* towards = b.add(Kind::Displacement, p, b.point(0, 10), two);
    Element* alongX = b.add(Kind::Displacement, p, axes->axes().axisX.get(), two);
    Element* alongY = b.add(Kind::Displacement, p, axes->axes().axisY.get(), two);
    Element* blocked = b.add(Kind::Displacement, p, o, two); // direction point on P itself
    b.recompute();
    EXPECT_TRUE(near(towards->point(), {0, 80}));
    EXPECT_TRUE(near(alongX->point(), {40, 0}));
    EXPECT_TRUE(near(alongY->point(), {0, 60}));
    EXPECT_EQ(blocked->exists, 0);
}

TEST(Recompute, TransformedPoints) {
    Figure b;
    Element* p = b.point(3, 2);
    Element* o = b.point(1, 1);
    Element* axis = b.add(Kind::LineThroughTwoPoints, b.point(0, 0), b.point(1, 1));
    Element* circle = b.add(Kind::CircleByCentreAndPoint, b.point(0, 0), b.point(5, 0));
    Element* central = b.add(Kind::CentralSymmetry, p, o);
    Element* mid = b.add(Kind::Midpoint, p, o);
    Element* mirrored = b.add(Kind::AxialSymmetry, p, axis);
    Element* moved = b.add(Kind::Translation, p, b.point(0, 0), b.point(1, -1));
    Element* scaled = b.add(Kind::Homothety, p, o, b.number(-2));
    Element* inverse = b.add(Kind::Inversion, circle, b.point(10, 0));
    Element* onCentre = b.add(Kind::Inversion, circle, b.point(0, 0));
    b.recompute();
    EXPECT_TRUE(near(central->point(), {-1, 0}));
    EXPECT_TRUE(near(mid->point(), {2, 1.5}));
    EXPECT_TRUE(near(mirrored->point(), {2, 3}));
    EXPECT_TRUE(near(moved->point(), {4, 1}));
    EXPECT_TRUE(near(scaled->point(), {-3, -1}));
    EXPECT_TRUE(near(inverse->point(), {2.5, 0}));
    EXPECT_EQ(onCentre->exists, 0);
}

TEST(Recompute, ArcThroughThreePoints) {
    Figure b;
    Element* p1 = b.point(10, 0);
    Element* p2 = b.point(0, 10);
    Element* p3 = b.point(-10, 0);
    Element* arc = b.add(Kind::ArcThreePoints, p1, p2, p3);
    Element* length = b.add(Kind::ArcLength, arc);
    b.recompute();
    EXPECT_TRUE(near(arc->point(), {0, 0}));
    EXPECT_EQ(arc->secondPoint(), (Point{0, 10}));
    EXPECT_EQ(arc->param1, 1); // counterclockwise from P1 through P2 to P3
    EXPECT_NEAR(length->x1, 10 * kPi / 40, 1e-12);

    Figure::move(p2, 0, -10);
    b.recompute();
    EXPECT_EQ(arc->param1, 0);

    Figure::move(p2, 0, 0); // collinear
    b.recompute();
    EXPECT_EQ(arc->exists, 0);
    EXPECT_EQ(length->exists, 0);
}

TEST(Recompute, PolygonSurvivesADegenerateSide) {
    Figure b;
    Element* a = b.point(0, 0);
    Element* c = b.point(40, 0);
    Element* d = b.point(40, 30);
    Element* poly = b.polygon({a, c, d});
    Element* perimeter = b.add(Kind::PolygonPerimeter, poly);
    Element* area = b.add(Kind::PolygonArea, poly);
    b.recompute();
    EXPECT_EQ(poly->exists, 1);
    EXPECT_DOUBLE_EQ(perimeter->x1, 120.0 / 40);
    EXPECT_DOUBLE_EQ(area->x1, 600.0 / 1600);
    EXPECT_EQ(poly->polygon().sides[2]->point(), (Point{40, 30}));
    EXPECT_EQ(poly->polygon().sides[2]->secondPoint(), (Point{0, 0}));

    Figure::move(d, 40, 0.00001);
    b.recompute();
    EXPECT_EQ(poly->exists, 1);
    EXPECT_EQ(poly->polygon().sides[1]->exists, 0);
    EXPECT_EQ(poly->polygon().sides[0]->exists, 1);
}

// ---- measurements, numbers and checkers ------------------------------------------------------

TEST(Recompute, MeasurementsUseTheDocumentUnits) {
    Figure b;
    b.ctx.units.lengthUnit = model::LengthUnit::Millimetre;
    b.ctx.units.angleUnit = model::AngleUnit::Degree;
    Element* o = b.point(0, 0);
    Element* p = b.point(80, 0);
    Element* q = b.point(0, 80);
    Element* circle = b.add(Kind::CircleByCentreAndPoint, o, b.point(40, 0));
    Element* line = b.add(Kind::LineThroughTwoPoints, o, p);
    Element* distance = b.add(Kind::DistancePointPoint, o, p);
    Element* toLine = b.add(Kind::DistancePointLine, q, line);
    Element* circumference = b.add(Kind::CircleLength, circle);
    Element* circleArea = b.add(Kind::CircleArea, circle);
    Element* angle = b.add(Kind::AngleValue, p, o, q);
    Element* flat = b.add(Kind::AngleValue, p, o, o);
    b.recompute();
    EXPECT_DOUBLE_EQ(distance->x1, 20.0); // 80 pixels = 2 cm = 20 mm
    EXPECT_DOUBLE_EQ(toLine->x1, 20.0);
    EXPECT_DOUBLE_EQ(circumference->x1, 20 * kPi);
    EXPECT_DOUBLE_EQ(circleArea->x1, 100 * kPi);
    EXPECT_DOUBLE_EQ(angle->x1, 90.0);
    EXPECT_EQ(flat->exists, 0);
}

TEST(Recompute, SlopeOfAVerticalLineIsInvalid) {
    Figure b;
    Element* a = b.point(5, 0);
    Element* c = b.point(7, 4);
    Element* slope = b.add(Kind::Slope, b.add(Kind::LineThroughTwoPoints, a, c));
    b.recompute();
    EXPECT_EQ(slope->param1, 100);
    EXPECT_DOUBLE_EQ(slope->x1, 2.0);
    Figure::move(c, 5, 10);
    b.recompute();
    EXPECT_EQ(slope->exists, 1);
    EXPECT_EQ(slope->param1, -100);
    EXPECT_DOUBLE_EQ(slope->x1, 2.0);
}

TEST(Recompute, Checkers) {
    Figure b;
    Element* o = b.point(0, 0);
    Element* circle = b.add(Kind::CircleByCentreAndPoint, o, b.point(100, 0));
    Element* onCircle = b.point(100.00009, 0);
    Element* offCircle = b.point(100.0002, 0);
    Element* in = b.add(Kind::MembershipChecker, onCircle, circle);
    Element* out = b.add(Kind::MembershipChecker, offCircle, circle);
    Element* h1 = b.add(Kind::LineThroughTwoPoints, o, b.point(10, 0));
    Element* h2 = b.add(Kind::LineThroughTwoPoints, b.point(0, 5), b.point(10, 5.0000001));
    Element* vertical = b.add(Kind::LineThroughTwoPoints, b.point(3, 0), b.point(3, 10));
    Element* parallel = b.add(Kind::ParallelChecker, h1, h2);
    Element* notParallel = b.add(Kind::ParallelChecker, h1, vertical);
    Element* perpendicular = b.add(Kind::PerpendicularChecker, h1, vertical);
    Element* notPerpendicular = b.add(Kind::PerpendicularChecker, h1, h2);
    Element* ray = b.add(Kind::RayThroughTwoPoints, o, b.point(10, 0));
    Element* behindRay = b.add(Kind::MembershipChecker, b.point(-5, 0), ray);
    Element* equidistant = b.add(Kind::EquidistanceChecker, o, b.point(3, 4), b.point(0, 5));
    Element* collinear = b.add(Kind::CollinearityChecker, o, b.point(1, 1), b.point(2, 2));
    Element* text = b.add(Kind::Text);
    Element* unknownHost = b.add(Kind::MembershipChecker, o, text);
    unknownHost->param1 = 42;
    b.recompute();
    EXPECT_EQ(in->param1, 1);
    EXPECT_EQ(out->param1, 0);
    EXPECT_EQ(parallel->param1, 1);
    EXPECT_EQ(notParallel->param1, 0);
    EXPECT_EQ(perpendicular->param1, 1);
    EXPECT_EQ(notPerpendicular->param1, 0);
    EXPECT_EQ(behindRay->param1, 0);
    EXPECT_EQ(equidistant->param1, 1);
    EXPECT_EQ(collinear->param1, 1);
    EXPECT_EQ(unknownHost->param1, 42);
}

TEST(Recompute, CoordinatesRectangularAndPolar) {
    Figure b;
    Element* o = b.point(100, 50);
    Element* axes = b.axes(o);
    Element* p = b.point(140, 10);
    Element* rect = b.coordinates(p, axes, 100);
    Element* polar = b.coordinates(p, axes, -100);
    b.recompute();
    EXPECT_DOUBLE_EQ(rect->coordinates().xPart->x1, 1.0);
    EXPECT_DOUBLE_EQ(rect->coordinates().yPart->x1, -1.0);
    EXPECT_DOUBLE_EQ(polar->coordinates().xPart->x1, std::sqrt(2.0));
    EXPECT_NEAR(polar->coordinates().yPart->x1, -kPi / 4, 1e-12);
    EXPECT_EQ(axes->axes().axisY->secondPoint(), (Point{100, 60}));

    // A polar document turns coordinates polar unless the element asked for rectangular ones.
    b.ctx.units.coordSystem = model::CoordinateSystem::Polar;
    b.ctx.units.angleUnit = model::AngleUnit::Degree;
    rect->param1 = 0;
    b.recompute();
    EXPECT_NEAR(rect->coordinates().yPart->x1, -45.0, 1e-9);
    Element* atOrigin = b.coordinates(o, axes, -100);
    b.recompute();
    EXPECT_EQ(atOrigin->coordinates().yPart->x1, 0.0); // no NaN at the origin
}

TEST(Recompute, EquationsInAxisUnits) {
    Figure b;
    Element* o = b.point(0, 0);
    Element* axes = b.axes(o, 40, 20);
    Element* a = b.point(0, 20);
    Element* c = b.point(40, 60);
    Element* equation = b.add(Kind::LineEquation, b.add(Kind::LineThroughTwoPoints, a, c), axes);
    Element* circle = b.add(Kind::CircleByCentreAndPoint, o, b.point(40, 0));
    Element* circleEquation = b.add(Kind::CircleEquation, circle, axes);
    b.recompute();
    EXPECT_EQ(equation->param1, 1);
    EXPECT_DOUBLE_EQ(equation->x1, 2.0);
    EXPECT_DOUBLE_EQ(equation->y1, 1.0);
    EXPECT_DOUBLE_EQ(circleEquation->x1, 1.0);
    EXPECT_DOUBLE_EQ(circleEquation->y1, 2.0);
    EXPECT_EQ(circleEquation->param1, 0);

    Figure::move(a, -80, 0);
    Figure::move(c, -80, 10);
    b.recompute();
    EXPECT_EQ(equation->param1, 0);
    EXPECT_DOUBLE_EQ(equation->y1, -2.0);
}

TEST(Recompute, PlottedAndGridPointsFollowTheirAxes) {
    Figure b;
    Element* o = b.point(0, 0);
    Element* axes = b.axes(o, 40, 20);
    Element* plotted = b.add(Kind::PlottedPoint, axes);
    plotted->x2 = 1;
    plotted->y2 = 2;
    Element* grid = b.add(Kind::Grid, axes);
    Element* onGrid = b.add(Kind::GridPoint, grid);
    onGrid->x2 = -1;
    onGrid->y2 = 1;
    Element* vertex = b.add(Kind::RegularPolygonVertex, o, b.point(10, 0));
    vertex->y2 = kPi / 2;
    b.recompute();
    EXPECT_EQ(plotted->point(), (Point{40, 40}));
    EXPECT_EQ(onGrid->point(), (Point{-40, 20}));
    EXPECT_TRUE(near(vertex->point(), {0, 10}));
    Figure::move(o, 100, 100);
    b.recompute();
    EXPECT_EQ(plotted->point(), (Point{140, 140}));
}

// ---- names -----------------------------------------------------------------------------------

TEST(Recompute, NameAnchorsFollowTheirElements) {
    Figure b;
    Element* p = b.point(3, 3);
    Element* pointName = b.add(Kind::Name, p);
    pointName->name().dx = 4;
    pointName->name().dy = 4;
    Element* segment = b.add(Kind::Segment, b.point(0, 0), b.point(10, 0));
    Element* segmentName = b.add(Kind::Name, segment);
    segmentName->y2 = 0.5;
    Element* angle = b.add(Kind::Angle, b.point(10, 0), b.point(0, 0), b.point(0, 10));
    angle->y1 = 1;
    Element* angleName = b.add(Kind::Name, angle);
    b.recompute();
    EXPECT_DOUBLE_EQ(pointName->name().anchorX, 7);
    EXPECT_DOUBLE_EQ(pointName->name().anchorY, -1);
    EXPECT_DOUBLE_EQ(segmentName->name().anchorX, 5);
    EXPECT_DOUBLE_EQ(segmentName->name().anchorY, 0);
    const Point expected{10 * std::cos(kPi / 4), 10 * std::sin(kPi / 4)};
    EXPECT_TRUE(near(angleName->point(), expected, 1e-9));
    EXPECT_TRUE(near({angleName->name().anchorX, angleName->name().anchorY}, expected, 1e-9));
}

// ---- passes and drags ------------------------------------------------------------------------

TEST(Recompute, PassesStopAtAndListedOnly) {
    Figure b;
    Element* a = b.point(0, 0);
    Element* c = b.point(10, 0);
    Element* mid = b.add(Kind::Midpoint, a, c);
    Element* line = b.add(Kind::LineThroughTwoPoints, a, c);
    b.recompute();
    Figure::move(c, 20, 0);
    recomputeAll(b.c, b.ctx, line);
    EXPECT_EQ(mid->point(), (Point{10, 0}));
    EXPECT_EQ(line->secondPoint(), (Point{10, 0})); // not reached

    Figure::move(c, 40, 0);
    const std::vector<Element*> some{mid};
    recomputeElements(some, b.ctx);
    EXPECT_EQ(mid->point(), (Point{20, 0}));
    EXPECT_EQ(line->secondPoint(), (Point{10, 0})); // not listed
}

TEST(Recompute, PointLociKeepTheirSamplesWhileTheirDrivingPointIsDragged) {
    Figure b;
    Element* o = b.point(0, 0);
    Element* circle = b.add(Kind::CircleByCentreAndPoint, o, b.point(40, 0));
    Element* driver = b.add(Kind::PointOnElement, circle);
    Element* traced = b.add(Kind::Midpoint, driver, b.point(100, 0));
    Element* locus = b.add(Kind::Locus, traced, driver);
    Element* family = b.add(Kind::Locus, b.polygon({o, driver, traced}), driver);
    b.recompute();
    locus->samples().sampleCount = -7; // untouched unless the locus is sampled again
    family->samples().sampleCount = -7;
    b.ctx.dragInProgress = true;
    b.ctx.draggedElement = driver;
    recomputeElement(*locus, b.ctx);
    recomputeElement(*family, b.ctx);
    EXPECT_EQ(locus->exists, 1);
    EXPECT_EQ(locus->samples().sampleCount, -7);
    EXPECT_EQ(family->exists, 1);
    EXPECT_EQ(family->samples().sampleCount, -7); // families are never sampled

    // A locus whose driving point is not on anything does not exist.
    Element* freeDriver = b.add(Kind::Locus, traced, o);
    recomputeElement(*freeDriver, b.ctx);
    EXPECT_EQ(freeDriver->exists, 0);
}

} // namespace
} // namespace zeva::geometry
