// Intersection points made by the factory: type codes with the intersection tool, and one point
// per crossing of a locus.

#include "edit/factory.h"

#include "document/document.h"
#include "geometry/intersections.h"
#include "geometry/recompute.h"
#include "tests/support/edits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::edit {
using namespace zeva::model;
namespace {

class FactoryIntersection : public ::testing::Test {
  protected:
    document::Document doc;
    settings::Options options;

    Element* make(Kind kind, Element* p1 = nullptr, Element* p2 = nullptr, Element* p3 = nullptr) {
        CreationRequest r;
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        r.parent3 = p3;
        return testing::create(doc, r, {}, options);
    }
    Element* intersection(Element* a, Element* b, int solution, int tool = kIntersectionTool) {
        CreationRequest r;
        r.kind = Kind::Intersection;
        r.parent1 = a;
        r.parent2 = b;
        r.param1 = solution;
        CreationInputs in;
        in.activeTool = tool;
        return testing::create(doc, r, in, options);
    }
    Element* point(double x, double y) {
        CreationRequest r;
        r.x1 = x;
        r.y1 = y;
        return testing::create(doc, r, {}, options);
    }
};

TEST_F(FactoryIntersection, ToolTurnsTheChosenSolutionIntoTheTypeCode) {
    Element* a = point(0, 0);
    Element* b = point(10, 0);
    Element* c = point(0, 10);
    Element* line = make(Kind::LineThroughTwoPoints, a, c);
    Element* segment = make(Kind::Segment, a, b);
    Element* circle = make(Kind::CircleByCentreAndPoint, a, b);

    Element* x = intersection(segment, line, 0);
    EXPECT_EQ(x->param1, geometry::kSegmentLine);
    EXPECT_EQ(x->parent1, line); // the line of a segment-line pair comes first
    EXPECT_EQ(x->parent2, segment);

    x = intersection(line, circle, 1);
    EXPECT_EQ(x->param1, geometry::kCircleLine + 1);
    EXPECT_EQ(x->parent1, circle);
    EXPECT_EQ(x->param2, 0);

    // Another tool leaves param1 as given (the hit test's candidates carry their code already).
    x = intersection(circle, line, 7, 0);
    EXPECT_EQ(x->param1, 7);

    geometry::recomputeAll(doc.construction, document::contextFor(doc));
    Element* second = intersection(line, circle, 1);
    geometry::recomputeElement(*second, document::contextFor(doc));
    EXPECT_EQ(second->exists, 1);
    EXPECT_NEAR(std::hypot(second->x1, second->y1), 10.0, 1e-9);
}

TEST_F(FactoryIntersection, OnePointPerCrossingOfALocus) {
    // A point locus sampled by hand as a zigzag that crosses y = 15 three times.
    Element* traced = point(0, 0);
    Element* host = make(Kind::Segment, point(0, 0), point(1, 0));
    Element* driver = make(Kind::PointOnElement, host);
    Element* locus = make(Kind::Locus, traced, driver);
    const std::vector<Point> zigzag{{-50, 50}, {-25, -50}, {0, 25}, {25, -50}, {50, 10}};
    SampleTail& tail = locus->samples();
    tail.resize(static_cast<int32_t>(zigzag.size()));
    for (size_t i = 0; i < zigzag.size(); ++i)
        tail.samples[i] = zigzag[i];
    tail.sampleCount = static_cast<int32_t>(zigzag.size());
    Element* segment = make(Kind::Segment, point(-100, 15), point(10, 15));
    Element* last = doc.construction.lastElement;

    CreationRequest r;
    r.kind = Kind::Intersection;
    r.parent1 = segment; // either order: the locus becomes the first parent
    r.parent2 = locus;
    testing::inEdit(doc, [&](Edit& e) { createCurveIntersections(e, r, options); });
    EXPECT_EQ(r.parent1, nullptr);

    std::vector<Element*> made;
    for (Element* e = last->next; e; e = e->next)
        made.push_back(e);
    ASSERT_EQ(made.size(), 3u);
    const auto ctx = document::contextFor(doc);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(made[i]->kind, Kind::Intersection);
        EXPECT_EQ(made[i]->parent1, locus);
        EXPECT_EQ(made[i]->parent2, segment);
        EXPECT_EQ(made[i]->param1, geometry::kLocusCrossing);
        EXPECT_EQ(made[i]->param2, i);
    }
    for (Element* x : made)
        geometry::recomputeIntersection(*x, ctx);
    EXPECT_NEAR(made[0]->x1, -41.25, 1e-9);
    EXPECT_NEAR(made[2]->x1, 10.0 / 3.0, 1e-9);
    for (Element* x : made)
        EXPECT_NEAR(x->y1, 15.0, 1e-9);
}

TEST_F(FactoryIntersection, NoCrossingMakesNoPoint) {
    Element* traced = point(0, 0);
    Element* driver = make(Kind::PointOnElement, make(Kind::Segment, traced, traced));
    Element* locus = make(Kind::Locus, traced, driver);
    Element* far = make(Kind::Segment);
    far->x1 = 1000, far->x2 = 2000;
    Element* last = doc.construction.lastElement;
    CreationRequest r;
    r.parent1 = locus;
    r.parent2 = far;
    testing::inEdit(doc, [&](Edit& e) { createCurveIntersections(e, r, options); });
    EXPECT_EQ(doc.construction.lastElement, last);
}

} // namespace
} // namespace zeva::edit
